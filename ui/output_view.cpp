#include "output_view.h"

#include <QPainter>

#include "display_flags.h"
#include "pane_font.h"
#include "register_text.h"
#include "state.h"

namespace {
const QColor kFieldGrey(160, 160, 160);
const QColor kSpecialRowWhite(255, 255, 255);
const QColor kMnemonicGreen(128, 192, 128);

constexpr int kFirstLine = 2;
constexpr int kSecondLine = 22;
constexpr int kColumnStep = 81;
constexpr int kRowStep = 17;
constexpr int kLastColumnStart = 700;
constexpr int kGridRegisters = 48;
constexpr int kMnemonicXWithGrid = 630;
constexpr int kMnemonicXAlone = 255;

struct SpecialField {
    int x;
    const char* label;
    uint8_t reg;
};
// W comes first and is written apart; these five are bit strings.
constexpr SpecialField kBitFields[] = {
    {62, "INTCON=", INTCON}, {222, "STATUS=", STATUS}, {382, "OPT=", OPTION_REG},
    {512, "TRISA=", TRISA},  {652, "TRISB=", TRISB},
};

std::string ValueText(int value) {
    return ShowHex ? ToHex(value) : ToDecimal(value);
}
}  // namespace

COutputView::COutputView(QWidget* parent)
    : CPaneView(parent), m_font(RegisterDisplayFont()), m_metrics(m_font) {}

void COutputView::DrawCell(QPainter& painter, int x, int y, const std::string& text,
                           const QColor& background) {
    const QString qtext = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    painter.fillRect(x, y, m_metrics.horizontalAdvance(qtext), m_metrics.height(), background);
    painter.drawText(x, y + m_metrics.ascent(), qtext);
}

void COutputView::PaintPane(QPainter& painter) {
    painter.fillRect(0, 0, kFieldWidth, kFieldHeight, kFieldGrey);
    painter.setFont(m_font);
    painter.setPen(Qt::black);

    int y = kFirstLine;
    if (ShowSpecialRegs) {
        std::string text = "W=";
        text += ValueText(W);
        DrawCell(painter, 2, y, text, kSpecialRowWhite);
        for (const SpecialField& field : kBitFields) {
            text = field.label;
            text += ToBinary(RegisterFile[field.reg]);
            DrawCell(painter, field.x, y, text, kSpecialRowWhite);
        }
        y = kSecondLine;
    }

    if (ShowGeneralRegs) {
        int x = 2;
        std::string text;
        for (int i = 0; i < kGridRegisters; ++i) {
            text = "R";
            text += ToDecimal(i);
            text += '=';
            text += ValueText(RegisterFile[i]);
            DrawCell(painter, x, y, text, kFieldGrey);
            if (x >= kLastColumnStart) {
                y += kRowStep;
                x = 2;
            } else {
                x += kColumnStep;
            }
        }
    }

    // The worker swaps the pointer whole, so one load gives one whole mnemonic.
    const char* mnemonic = LastMnemonic.load();
    std::string line = "Izvrsila se: ";
    line += (mnemonic && *mnemonic) ? mnemonic : "               ";
    DrawCell(painter, ShowGeneralRegs ? kMnemonicXWithGrid : kMnemonicXAlone, y, line,
             kMnemonicGreen);
}
