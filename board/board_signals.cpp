#include "board_signals.h"

#include <string>

namespace board {

namespace {
template <class... Ts>
struct SOverloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
SOverloaded(Ts...) -> SOverloaded<Ts...>;

// Names and values come from one walk over the parts, so that the two can
// never disagree on the order.
class CSignalWalk {
public:
    virtual ~CSignalWalk() = default;
    // number < 0: the name is the stem alone.
    virtual void Line(const char* stem, int number, int pin) = 0;
    virtual void Value(const char* name, int width, bool character, uint32_t value) = 0;
};

void Walk(const SPart& part, uint64_t cycle, CSignalWalk& walk) {
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

std::vector<SBoardSignal> BoardSignals(const SBoard& board) {
    struct CNames final : CSignalWalk {
        void Line(const char* stem, int number, int) override {
            std::string name = stem;
            if (number >= 0) name += std::to_string(number);
            signals.push_back({part, std::move(name), 1, false});
        }
        void Value(const char* name, int width, bool character, uint32_t) override {
            signals.push_back({part, name, width, character});
        }
        std::string part;
        std::vector<SBoardSignal> signals;
    } names;
    for (const SBoardPart& entry : board.parts) {
        names.part = entry.name;
        Walk(entry.part, 0, names);
    }
    return std::move(names.signals);
}

void BoardSignalValues(const SBoard& board, PinMask levels, uint64_t cycle, uint32_t* values) {
    struct CValues final : CSignalWalk {
        void Line(const char*, int, int pin) override {
            *next++ = pin >= 0 && (levels >> pin & 1u);
        }
        void Value(const char*, int, bool, uint32_t value) override { *next++ = value; }
        PinMask levels = 0;
        uint32_t* next = nullptr;
    } walk;
    walk.levels = levels;
    walk.next = values;
    for (const SBoardPart& entry : board.parts) Walk(entry.part, cycle, walk);
}

}  // namespace board
