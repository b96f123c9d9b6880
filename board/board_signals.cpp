#include "board/board_signals.h"

#include <string>

namespace board {

namespace {
// Names and values come from one walk over the parts, so that the two can
// never disagree on the order. A walker has Line(stem, number, pin), with
// number < 0 for a name without one, and Value(name, width, character,
// value); the values' walker is a plain type, so that sampling costs no call.
template <class TWalk>
void Walk(const SPart& part, uint64_t cycle, TWalk& walk) {
    std::visit(
        SOverloaded{
            [&](const CLcd& lcd) {
                const SLcdWiring& w = lcd.Wiring();
                walk.Line("RS", -1, w.rs);
                walk.Line("E", -1, w.e);
                if (w.rw != kNoPin) walk.Line("RW", -1, w.rw);
                for (int bit = 0; bit < 8; ++bit) {
                    if (w.data[bit] != kNoPin) walk.Line("D", bit, w.data[bit]);
                }
                walk.Value("busy", 1, false, lcd.Busy(cycle) ? 1 : 0);
            },
            [&](const CSevenSegment& display) {
                const SSevenSegmentWiring& w = display.Wiring();
                for (int digit = 0; digit < w.digitCount; ++digit) {
                    if (w.digits[digit] != kNoPin) walk.Line("DIG", digit + 1, w.digits[digit]);
                }
                static const char* const kSegmentNames[] = {"a", "b", "c", "d",
                                                            "e", "f", "g", "dp"};
                for (int s = 0; s < CSevenSegment::kSegments; ++s) {
                    if (w.segments[s] != kNoPin) walk.Line(kSegmentNames[s], -1, w.segments[s]);
                }
            },
            [&](const CKeypad& keypad) {
                const SKeypadWiring& w = keypad.Wiring();
                walk.Value("key", 8, true, static_cast<uint8_t>(keypad.FirstPressed()));
                for (int r = 0; r < w.rowCount; ++r) walk.Line("ROW", r + 1, w.rows[r]);
                for (int c = 0; c < w.columnCount; ++c) walk.Line("COL", c + 1, w.columns[c]);
            },
            [&](const CButton& button) {
                walk.Value("held", 1, false, button.Held() ? 1 : 0);
                walk.Value("level", 1, false, button.PinLevel() ? 1 : 0);
            },
            [&](const CLed& led) { walk.Value("lit", 1, false, led.Lit() ? 1 : 0); },
            [&](const CSwitch& toggle) { walk.Value("level", 1, false, toggle.Level() ? 1 : 0); },
            [&](const CSerialTerminal& serial) {
                const SSerialWiring& w = serial.Wiring();
                walk.Line("tx", -1, w.tx);
                if (w.rx != kNoPin) walk.Line("rx", -1, w.rx);
                walk.Value("frame", 1, false, serial.InFrame() ? 1 : 0);
                walk.Value("byte", 8, false, serial.LastByte());
            },
        },
        part);
}
}  // namespace

std::vector<core::SBoardSignal> BoardSignals(const SBoard& board) {
    struct SNames {
        void Line(const char* stem, int number, int pin) {
            if (pin < 0) return;
            std::string name = stem;
            if (number >= 0) name += std::to_string(number);
            signals.push_back({part, std::move(name), 1, false, pin, -1});
        }
        void Value(const char* name, int width, bool character, uint32_t) {
            signals.push_back({part, name, width, character, -1, values++});
        }
        std::string part;
        std::vector<core::SBoardSignal> signals;
        int values = 0;
    } names;
    for (const SBoardPart& entry : board.parts) {
        names.part = entry.name;
        Walk(entry.part, 0, names);
    }
    return std::move(names.signals);
}

void BoardSignalValues(const SBoard& board, uint64_t cycle, uint32_t* values) {
    struct SValues {
        void Line(const char*, int, int) {}
        void Value(const char*, int, bool, uint32_t value) { *next++ = value; }
        uint32_t* next;
    } walk{values};
    for (const SBoardPart& entry : board.parts) Walk(entry.part, cycle, walk);
}

bool CallMayChangeValues(const SPart& part) {
    struct SCount {
        void Line(const char*, int, int) {}
        void Value(const char*, int, bool, uint32_t) { ++values; }
        int values = 0;
    } count;
    Walk(part, 0, count);
    const bool updateIsConst = std::visit(
        [](const auto& typed) {
            return requires(const SPinView& view) {
                typed.Update(view);
            };
        },
        part);
    return count.values > 0 && !updateIsConst;
}

}  // namespace board
