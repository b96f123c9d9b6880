#include "ui/board_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>

#include "board/lcd_rom.h"
#include "core/state.h"

using namespace board;

namespace {
// The LCD: each dot kDot pixels, a character 5 x 8 dots with a dot's gap
// beside it and a pixel more between the lines.
constexpr int kDot = 3;
constexpr int kCellWidth = 6 * kDot;
constexpr int kCellHeight = 9 * kDot + 1;
constexpr int kLcdPad = 10;
constexpr int kDigitWidth = 44;
constexpr int kDigitHeight = 76;
constexpr int kKeyPitch = 40;
constexpr int kKeySize = 36;
constexpr int kTerminalLines = 8;
constexpr int kTerminalLineHeight = 13;
constexpr int kTerminalWidth = 380;

const QColor kLcdGlass(0x8c, 0xc4, 0x3c);
const QColor kLcdDotOff(0x80, 0xb6, 0x36);
const QColor kLcdDotOn(0x14, 0x2c, 0x10);
const QColor kBezel(0x30, 0x30, 0x30);
const QColor kSegmentOff(0x40, 0x12, 0x10);
const QColor kSegmentOn(0xff, 0x30, 0x20);

QColor Mix(const QColor& off, const QColor& on, double share) {
    const double s = std::clamp(share, 0.0, 1.0);
    auto mix = [s](int a, int b) { return static_cast<int>(a + (b - a) * s + 0.5); };
    return QColor(mix(off.red(), on.red()), mix(off.green(), on.green()),
                  mix(off.blue(), on.blue()));
}

QFont Font(const char* family, int pixels, bool bold = false) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The dots of one character cell: a ROM glyph, or the program's own for
// codes 0x00-0x0F.
SGlyph CellGlyph(const CLcd& lcd, uint8_t code) {
    if (code >= 0x10) return RomGlyph(code);
    SGlyph glyph{};
    for (size_t row = 0; row < glyph.size(); ++row)
        glyph[row] = lcd.Cgram()[static_cast<size_t>(code & 7) * 8 + row] & 0x1F;
    return glyph;
}

void DrawLcd(QPainter& painter, const QRect& rect, const CLcd& lcd, uint64_t cycle,
             double cycleHz) {
    painter.fillRect(rect, kBezel);
    const QRect glass = rect.adjusted(kLcdPad / 2, kLcdPad / 2, -kLcdPad / 2, -kLcdPad / 2);
    painter.fillRect(glass, kLcdGlass);
    int cursorRow = -1;
    int cursorColumn = -1;
    const bool cursor = lcd.DisplayOn() && lcd.CursorPosition(&cursorRow, &cursorColumn);
    const bool blinkLit = lcd.BlinkOn() && CLcd::BlinkPhase(cycle, cycleHz);
    for (int row = 0; row < lcd.Wiring().rows; ++row) {
        const std::string codes = lcd.RowCodes(row);
        for (int column = 0; column < lcd.Wiring().columns; ++column) {
            SGlyph glyph = CellGlyph(lcd, static_cast<uint8_t>(codes[static_cast<size_t>(column)]));
            if (cursor && row == cursorRow && column == cursorColumn) {
                // The underline on the eighth row; the blink fills the cell
                // in its lit phase.
                if (lcd.CursorOn()) glyph[7] = 0x1F;
                if (blinkLit) glyph.fill(0x1F);
            }
            const int x0 = rect.x() + kLcdPad + column * kCellWidth;
            const int y0 = rect.y() + kLcdPad + row * kCellHeight;
            for (int dy = 0; dy < 8; ++dy) {
                for (int dx = 0; dx < 5; ++dx) {
                    const bool on = glyph[static_cast<size_t>(dy)] >> (4 - dx) & 1;
                    painter.fillRect(x0 + dx * kDot, y0 + dy * kDot, kDot - 1, kDot - 1,
                                     on ? kLcdDotOn : kLcdDotOff);
                }
            }
        }
    }
}

QPolygon Horizontal(int x1, int x2, int y, int t) {
    return QPolygon({{x1, y},
                     {x1 + t / 2, y - t / 2},
                     {x2 - t / 2, y - t / 2},
                     {x2, y},
                     {x2 - t / 2, y + t / 2},
                     {x1 + t / 2, y + t / 2}});
}

QPolygon Vertical(int x, int y1, int y2, int t) {
    return QPolygon({{x, y1},
                     {x + t / 2, y1 + t / 2},
                     {x + t / 2, y2 - t / 2},
                     {x, y2},
                     {x - t / 2, y2 - t / 2},
                     {x - t / 2, y1 + t / 2}});
}

void DrawSevenSegment(QPainter& painter, const QRect& rect, const CSevenSegment& display) {
    painter.fillRect(rect, QColor(0x10, 0x10, 0x10));
    const int digits = display.Wiring().digitCount;
    // The eye takes the brightest segment as lit: a display multiplexed
    // over n digits looks as bright as a single one.
    double brightest = 0;
    for (int d = 0; d < digits; ++d) {
        for (int s = 0; s < CSevenSegment::kSegments; ++s)
            brightest = std::max(brightest, display.Share(d, s));
    }
    constexpr int t = 6;
    for (int d = 0; d < digits; ++d) {
        const int left = rect.x() + 6 + d * kDigitWidth + 8;
        const int right = left + 24;
        const int top = rect.y() + 8;
        const int middle = top + 30;
        const int bottom = top + 60;
        const QPolygon segments[7] = {
            Horizontal(left + 2, right - 2, top, t),    Vertical(right, top + 2, middle - 2, t),
            Vertical(right, middle + 2, bottom - 2, t), Horizontal(left + 2, right - 2, bottom, t),
            Vertical(left, middle + 2, bottom - 2, t),  Vertical(left, top + 2, middle - 2, t),
            Horizontal(left + 2, right - 2, middle, t)};
        auto colour = [&](int s) {
            return Mix(kSegmentOff, kSegmentOn,
                       brightest > 0 ? display.Share(d, s) / brightest : 0.0);
        };
        painter.setPen(Qt::NoPen);
        for (int s = 0; s < 7; ++s) {
            painter.setBrush(colour(s));
            painter.drawPolygon(segments[s]);
        }
        if (display.Wiring().segments[7] != kNoPin) {
            painter.setBrush(colour(7));
            painter.drawEllipse(QPoint(right + 6, bottom), 3, 3);
        }
    }
}

void DrawKeypad(QPainter& painter, const QRect& rect, const CKeypad& keypad) {
    painter.fillRect(rect, QColor(0x28, 0x28, 0x28));
    painter.setFont(Font("DejaVu Sans", 15, true));
    for (const SPartKey& key : PartKeys(rect, SPart(keypad))) {
        const int index = static_cast<int>(
            std::find(keypad.Wiring().labels.begin(), keypad.Wiring().labels.end(), key.key) -
            keypad.Wiring().labels.begin());
        const bool pressed = keypad.Pressed(index / 4, index % 4);
        painter.setPen(QColor(0x10, 0x10, 0x10));
        painter.setBrush(pressed ? QColor(0x80, 0x80, 0x80) : QColor(0xe4, 0xe4, 0xe4));
        painter.drawRoundedRect(key.rect.adjusted(0, 0, -1, -1), 4, 4);
        painter.setPen(pressed ? Qt::white : Qt::black);
        painter.drawText(key.rect, Qt::AlignCenter, QString(QLatin1Char(key.key)));
    }
}

void DrawButton(QPainter& painter, const QRect& rect, const CButton& button, bool held) {
    painter.fillRect(rect, QColor(0x30, 0x30, 0x30));
    painter.setPen(QColor(0x10, 0x10, 0x10));
    held = held || button.Held();
    const int r = held ? 15 : 17;
    if (!button.Resets()) {
        painter.setBrush(held ? QColor(0x70, 0x10, 0x10) : QColor(0xd0, 0x28, 0x20));
        painter.drawEllipse(rect.center() + QPoint(1, 1), r, r);
        return;
    }
    // The reset button is black, and grey where the chip has no MCLR reset,
    // as the menu's command stands disabled there.
    const bool works = core::Chip.profile == core::EChipProfile::Datasheet;
    painter.setBrush(!works ? QColor(0x80, 0x80, 0x80)
                     : held ? QColor(0x40, 0x40, 0x40)
                            : QColor(0x10, 0x10, 0x10));
    painter.setPen(works ? QColor(0xe0, 0xe0, 0xe0) : QColor(0x50, 0x50, 0x50));
    painter.drawEllipse(rect.center() + QPoint(1, 1), r, r);
    painter.setFont(Font("DejaVu Sans", 9, true));
    painter.drawText(rect, Qt::AlignCenter, QStringLiteral("RESET"));
}

void DrawLed(QPainter& painter, const QRect& rect, const CLed& led) {
    painter.setPen(QColor(0x20, 0x20, 0x20));
    painter.setBrush(led.Lit() ? QColor(0xff, 0x30, 0x30) : QColor(0x50, 0x10, 0x10));
    painter.drawEllipse(rect.center() + QPoint(1, 1), 11, 11);
}

void DrawSwitch(QPainter& painter, const QRect& rect, const CSwitch& toggle) {
    const QRect body = QRect(0, 0, 20, 40);
    const QRect placed = body.translated(rect.center() - body.center());
    painter.setPen(QColor(0x10, 0x10, 0x10));
    painter.setBrush(QColor(0x40, 0x40, 0x40));
    painter.drawRect(placed);
    const QRect knob(placed.x() + 2, toggle.Level() ? placed.y() + 2 : placed.bottom() - 17, 16,
                     16);
    painter.setBrush(toggle.Level() ? QColor(0xe0, 0x30, 0x30) : QColor(0xc8, 0xc8, 0xc8));
    painter.drawRect(knob);
}

// The terminal's last lines. A carriage return ends a line as a newline
// does, and CR LF ends one line (a program that echoes Enter sends CR
// alone); other control bytes show as a dot.
QStringList TerminalLines(const std::string& text) {
    QStringList lines{QString()};
    char last = 0;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '\r' || (ch == '\n' && last != '\r')) {
            lines.append(QString());
        } else if (ch != '\n') {
            lines.last() += byte < 0x20 || byte == 0x7F ? QChar(0xB7) : QChar(byte);
        }
        last = ch;
    }
    while (lines.size() > kTerminalLines) lines.removeFirst();
    return lines;
}

void DrawTerminal(QPainter& painter, const QRect& rect, const CSerialTerminal& terminal) {
    painter.fillRect(rect, QColor(0x10, 0x14, 0x10));
    painter.setPen(QColor(0x40, 0xf0, 0x40));
    painter.setFont(Font("DejaVu Sans Mono", 11));
    const QStringList lines = TerminalLines(terminal.Text());
    for (int i = 0; i < lines.size(); ++i) {
        painter.drawText(QRect(rect.x() + 6, rect.y() + 4 + i * kTerminalLineHeight,
                               rect.width() - 12, kTerminalLineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
    }
}
}  // namespace

QSize PartArtSize(const SPart& part) {
    if (const auto* lcd = std::get_if<CLcd>(&part)) {
        return {lcd->Wiring().columns * kCellWidth + 2 * kLcdPad - kDot,
                lcd->Wiring().rows * kCellHeight + 2 * kLcdPad - kDot};
    }
    if (const auto* display = std::get_if<CSevenSegment>(&part))
        return {display->Wiring().digitCount * kDigitWidth + 12, kDigitHeight};
    if (const auto* keypad = std::get_if<CKeypad>(&part)) {
        return {keypad->Wiring().columnCount * kKeyPitch + 4,
                keypad->Wiring().rowCount * kKeyPitch + 4};
    }
    if (std::holds_alternative<CSerialTerminal>(part))
        return {kTerminalWidth, kTerminalLines * kTerminalLineHeight + 8};
    return {48, 48};
}

void DrawPart(QPainter& painter, const QRect& rect, const SPart& part, uint64_t cycle,
              double cycleHz, bool held) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, !std::holds_alternative<CLcd>(part));
    if (const auto* lcd = std::get_if<CLcd>(&part)) {
        DrawLcd(painter, rect, *lcd, cycle, cycleHz);
    } else if (const auto* display = std::get_if<CSevenSegment>(&part)) {
        DrawSevenSegment(painter, rect, *display);
    } else if (const auto* keypad = std::get_if<CKeypad>(&part)) {
        DrawKeypad(painter, rect, *keypad);
    } else if (const auto* button = std::get_if<CButton>(&part)) {
        DrawButton(painter, rect, *button, held);
    } else if (const auto* led = std::get_if<CLed>(&part)) {
        DrawLed(painter, rect, *led);
    } else if (const auto* toggle = std::get_if<CSwitch>(&part)) {
        DrawSwitch(painter, rect, *toggle);
    } else if (const auto* terminal = std::get_if<CSerialTerminal>(&part)) {
        DrawTerminal(painter, rect, *terminal);
    }
    painter.restore();
}

std::vector<SPartKey> PartKeys(const QRect& rect, const SPart& part) {
    std::vector<SPartKey> keys;
    if (const auto* keypad = std::get_if<CKeypad>(&part)) {
        const SKeypadWiring& wiring = keypad->Wiring();
        for (int row = 0; row < wiring.rowCount; ++row) {
            for (int column = 0; column < wiring.columnCount; ++column) {
                keys.push_back({QRect(rect.x() + 4 + column * kKeyPitch,
                                      rect.y() + 4 + row * kKeyPitch, kKeySize, kKeySize),
                                wiring.labels[static_cast<size_t>(row * 4 + column)]});
            }
        }
    } else if (std::holds_alternative<CButton>(part) || std::holds_alternative<CSwitch>(part)) {
        keys.push_back({rect, 0});
    }
    return keys;
}
