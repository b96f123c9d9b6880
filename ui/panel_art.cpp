#include "ui/panel_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "ui/pin_table.h"

namespace {
const QColor kBoardGreen(0, 160, 0);
const QColor kBoardEdge(0, 110, 0);
const QColor kTopTrace(140, 225, 110);  // component side
const QColor kBottomTrace(0, 112, 0);   // solder side, seen through the board
const QColor kCopper(222, 190, 96);
const QColor kChipBlack(36, 36, 40);
const QColor kPinMetal(200, 200, 205);
const QColor kSilkscreen(255, 255, 255);

// The chip lies across, notch on the left; nine pins on each long side.
constexpr QRect kChipBody(353, 41, 95, 56);
constexpr int kChipPinTop = 33;
constexpr int kChipPinBottom = 105;
constexpr int kFirstPinX = 359;
constexpr int kPinPitch = 10;

// Where each port pin leaves the chip and the level its solder-side run takes.
// Pins 1-9 run left to right along the bottom edge, 10-18 right to left
// along the top edge, as on the real package.
struct Route {
    const char* label;
    int chipSlot;  // 0-8 from the left
    bool topEdge;
    int level;  // y of the solder-side run
};
constexpr Route kRoutes[] = {
    {"B7", 5, true, 27},   {"B6", 6, true, 23},   {"B5", 7, true, 19},   {"B4", 8, true, 15},
    {"B3", 8, false, 109}, {"B2", 7, false, 113}, {"B1", 6, false, 117}, {"B0", 5, false, 121},
    {"A4", 2, false, 125}, {"A3", 1, false, 129}, {"A2", 0, false, 133}, {"A1", 0, true, 7},
    {"A0", 1, true, 11},
};

constexpr int kLabelTop = 136;
constexpr int kLedBranchY = 151;

int PinCentreX(int slot) {
    return kFirstPinX + slot * kPinPitch;
}

QFont BoardFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void DrawVia(QPainter& p, int x, int y) {
    p.setPen(Qt::NoPen);
    p.setBrush(kCopper);
    p.drawEllipse(QPointF(x + 0.5, y + 0.5), 3.0, 3.0);
    p.setBrush(QColor(20, 60, 20));
    p.drawEllipse(QPointF(x + 0.5, y + 0.5), 1.2, 1.2);
}

void DrawMountingHole(QPainter& p, int x, int y) {
    p.setPen(Qt::NoPen);
    p.setBrush(kCopper);
    p.drawEllipse(QPointF(x, y), 6.0, 6.0);
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QPointF(x, y), 3.5, 3.5);
}

void DrawBoard(QPainter& p) {
    p.fillRect(0, 0, kPanelWidth, kBoardHeight, kBoardGreen);
    p.setPen(QPen(kBoardEdge, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, kPanelWidth - 2, kBoardHeight - 2));
    for (QPoint hole : {QPoint(10, 10), QPoint(790, 10), QPoint(10, 190), QPoint(790, 190)})
        DrawMountingHole(p, hole.x(), hole.y());

    p.setFont(BoardFont(15, true));
    p.setPen(kSilkscreen);
    p.drawText(QRect(200, 62, 140, 20), Qt::AlignCenter, QStringLiteral("PORT B"));
    p.drawText(QRect(470, 62, 200, 20), Qt::AlignCenter, QStringLiteral("PORT A"));
}

void DrawTraces(QPainter& p) {
    for (const Route& route : kRoutes) {
        const PinInfo* pin = nullptr;
        for (const PinInfo& candidate : kPins)
            if (qstrcmp(candidate.label, route.label) == 0) pin = &candidate;
        if (!pin) continue;
        const int pinX = PinCentreX(route.chipSlot);
        const int pinY = route.topEdge ? kChipPinTop : kChipPinBottom;
        const int dropX = pin->switchX + 10;
        const int ledX = pin->ledX + 9;

        // Solder side first, so the component side reads as lying on top.
        p.setPen(QPen(kBottomTrace, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(pinX, route.level, dropX, route.level);

        p.setPen(QPen(kTopTrace, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(pinX, pinY, pinX, route.level);
        p.drawLine(dropX, route.level, dropX, kPinTop);
        p.drawLine(dropX, kLedBranchY, ledX, kLedBranchY);
        p.drawLine(ledX, kLedBranchY, ledX, kPinTop);

        DrawVia(p, pinX, route.level);
        DrawVia(p, dropX, route.level);
    }
}

void DrawChip(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kPinMetal);
    for (int slot = 0; slot < 9; ++slot) {
        const int x = PinCentreX(slot) - 2;
        p.drawRect(x, kChipPinTop, 5, kChipBody.top() - kChipPinTop);
        p.drawRect(x, kChipBody.bottom() + 1, 5, kChipPinBottom - kChipBody.bottom());
    }
    p.setBrush(kChipBlack);
    p.drawRoundedRect(kChipBody, 2, 2);
    p.setBrush(kBoardGreen.darker(300));
    p.drawPie(QRect(kChipBody.left() - 6, kChipBody.center().y() - 6, 12, 12), -90 * 16, 180 * 16);
    p.setBrush(QColor(90, 90, 95));
    p.drawEllipse(QPointF(kChipBody.left() + 7, kChipBody.bottom() - 6), 2.0, 2.0);

    p.setPen(kSilkscreen);
    p.setFont(BoardFont(11, true));
    p.drawText(kChipBody, Qt::AlignCenter, QStringLiteral("PIC16C84"));
}

void DrawPinLabels(QPainter& p) {
    p.setFont(BoardFont(11, true));
    p.setPen(kSilkscreen);
    for (const PinInfo& pin : kPins)
        p.drawText(QRect(pin.switchX + 13, kLabelTop, 18, 14), Qt::AlignCenter,
                   QString::fromLatin1(pin.label));
}

void DrawSwitch(QPainter& p, QPoint at, bool on) {
    const QRect frame(at, QSize(21, 31));
    p.fillRect(frame, QColor(60, 60, 66));
    p.fillRect(frame.adjusted(1, 1, -1, -1), QColor(214, 214, 220));
    // The slot the knob slides in.
    const QRect slot(at.x() + 6, at.y() + 4, 9, 23);
    p.fillRect(slot, QColor(40, 40, 44));
    const QRect knob(at.x() + 4, at.y() + (on ? 3 : 15), 13, 13);
    p.fillRect(knob, QColor(30, 30, 34));
    p.fillRect(knob.adjusted(1, 1, -1, -1), on ? QColor(225, 30, 30) : QColor(150, 150, 158));
    p.fillRect(knob.x() + 2, knob.y() + 2, 9, 2,
               on ? QColor(255, 150, 150) : QColor(200, 200, 206));
}

void DrawLed(QPainter& p, QPoint at, bool lit) {
    const QPointF centre(at.x() + 9.0, at.y() + 9.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 70));
    p.drawEllipse(centre, 8.8, 8.8);
    QRadialGradient glow(centre - QPointF(2, 2), 9);
    if (lit) {
        glow.setColorAt(0, QColor(255, 230, 230));
        glow.setColorAt(0.35, QColor(255, 40, 40));
        glow.setColorAt(1, QColor(200, 0, 0));
    } else {
        glow.setColorAt(0, QColor(130, 40, 40));
        glow.setColorAt(0.4, QColor(90, 10, 10));
        glow.setColorAt(1, QColor(55, 0, 0));
    }
    p.setBrush(glow);
    p.drawEllipse(centre, 7.5, 7.5);
}
}  // namespace

QImage DrawPanelImage() {
    QImage image(kPanelWidth, kPanelHeight, QImage::Format_RGB32);
    image.fill(kBoardGreen);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawBoard(p);
    DrawTraces(p);
    DrawChip(p);
    DrawPinLabels(p);
    for (const PinInfo& pin : kPins) {
        DrawSwitch(p, QPoint(pin.switchX, kPinTop), false);
        DrawLed(p, QPoint(pin.ledX, kPinTop), false);
    }
    // Below the board: the pictures the panel copies over each pin.
    // Board green around them, so the LED's rounded corners blend in.
    p.fillRect(0, kBoardHeight, kPanelWidth, kPanelHeight - kBoardHeight, kBoardGreen);
    DrawSwitch(p, kSwitchOffSource.topLeft(), false);
    DrawSwitch(p, kSwitchOnSource.topLeft(), true);
    DrawLed(p, kLedDarkSource.topLeft(), false);
    DrawLed(p, kLedLitSource.topLeft(), true);
    return image;
}
