#pragma once
// The names a board file gives the pins. They follow the chip's pin table
// (RA0-RA4, RB0-RB7 in that order), which this library does not link: the
// board is wired by name and tested without a chip.
#include <string_view>

namespace board {

// The pin's index (see board_part.h) for a name in any case, kNoPin if none.
int PinNamed(std::string_view name);
const char* PinName(int pin);

}  // namespace board
