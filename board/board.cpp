#include "board/board.h"

#include <algorithm>

namespace board {

const char* PartTypeName(const SPart& part) {
    return std::visit(SOverloaded{
                          [](const CLcd&) { return "lcd"; },
                          [](const CSevenSegment&) { return "seven_segment"; },
                          [](const CKeypad&) { return "keypad"; },
                          [](const CButton&) { return "button"; },
                          [](const CLed&) { return "led"; },
                          [](const CSwitch&) { return "switch"; },
                          [](const CSerialTerminal&) { return "serial"; },
                      },
                      part);
}

SPartStep UpdatePart(SPart& part, const SPinView& view) {
    return std::visit([&](auto& p) { return p.Update(view); }, part);
}

PinMask PartPins(const SPart& part) {
    return std::visit([](const auto& p) { return p.Pins(); }, part);
}

PinMask PartDrivenPins(const SPart& part) {
    return std::visit([](const auto& p) { return p.DrivenPins(); }, part);
}

std::string PartText(const SPart& part) {
    auto bit = [](bool on) { return std::string(on ? "1" : "0"); };
    return std::visit(SOverloaded{
                          [](const CLcd& p) { return p.Text(); },
                          [](const CSevenSegment& p) { return p.Text(); },
                          [](const CKeypad& p) { return p.PressedLabels(); },
                          [&](const CButton& p) { return bit(p.Held()); },
                          [&](const CLed& p) { return bit(p.Lit()); },
                          [&](const CSwitch& p) { return bit(p.Level()); },
                          [](const CSerialTerminal& p) { return p.Text(); },
                      },
                      part);
}

SPartStep UpdateBoard(SBoard& board, const SPinView& view) {
    SPartStep all;
    for (SBoardPart& entry : board.parts) all = CombineSteps(all, UpdatePart(entry.part, view));
    return all;
}

}  // namespace board
