#pragma once
// A lab board: the parts a board file names, each with its name and where
// the file wrote it. The parts are values of one variant type, so the whole
// board copies as one value with the machine.
#include <string>
#include <variant>
#include <vector>

#include "board/board_part.h"
#include "board/keypad.h"
#include "board/lcd.h"
#include "board/led.h"
#include "board/push_button.h"
#include "board/serial_terminal.h"
#include "board/seven_segment.h"
#include "board/toggle_switch.h"

namespace board {

using SPart = std::variant<CLcd, CSevenSegment, CKeypad, CButton, CLed, CSwitch, CSerialTerminal>;

// The visitor of a part built from one lambda per type: std::visit over an
// SPart with it fails to compile where a type has been forgotten.
template <class... Ts>
struct SOverloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
SOverloaded(Ts...) -> SOverloaded<Ts...>;

struct SBoardPart {
    std::string name;
    SPart part;
    int line = 0;
    int column = 0;
};

struct SBoard {
    std::vector<SBoardPart> parts;
};

// The type's name as a board file writes it: "lcd", "seven_segment", ...
const char* PartTypeName(const SPart& part);
SPartStep UpdatePart(SPart& part, const SPinView& view);
PinMask PartPins(const SPart& part);
// The pins the part may put a level of its own on.
PinMask PartDrivenPins(const SPart& part);
// What the part shows, as a scenario compares it: the LCD's text, the digits,
// the terminal's text, the keys held; "1" or "0" for a button held, a lit
// LED, a switch's level.
std::string PartText(const SPart& part);

// Two parts' answers as one: where both drive a pin, low wins (a contact to
// ground beats a resistor or a weaker source); the earlier due cycle.
inline SPartStep CombineSteps(const SPartStep& a, const SPartStep& b) {
    SPartStep both;
    both.drive = a.drive | b.drive;
    const PinMask lowA = a.drive & static_cast<PinMask>(~a.level);
    const PinMask lowB = b.drive & static_cast<PinMask>(~b.level);
    both.level = both.drive & static_cast<PinMask>(~(lowA | lowB));
    both.due = a.due < b.due ? a.due : b.due;
    return both;
}
// Whether pressing the part resets the chip (a button on MCLR).
inline bool IsResetButton(const SPart& part) {
    const auto* button = std::get_if<CButton>(&part);
    return button != nullptr && button->Resets();
}

// Every part of the board called at once, their answers combined.
SPartStep UpdateBoard(SBoard& board, const SPinView& view);

}  // namespace board
