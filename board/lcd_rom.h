#pragma once
// The character generator ROM of the HD44780 with ROM code A00 (ASCII and
// the Japanese katakana), as the data sheet's table of character codes
// draws it in 5x8 dots: what the window draws for each code in DDRAM and
// what a scenario reads. Codes 0x00-0x0F are the eight characters the
// program defines in CGRAM (each twice); 0x10-0x1F and 0x80-0xA0 are blank.
#include <array>
#include <cstdint>
#include <string>

namespace board {

// Eight rows from the top; in each the five low bits are the dots, bit 4 the
// leftmost. The eighth row is the cursor's and blank in every ROM glyph but
// the full block and the descenders.
using SGlyph = std::array<uint8_t, 8>;

// The ROM's glyph for a code; a blank one for the CGRAM codes (0x00-0x0F),
// whose dots are the program's (CLcd::Cgram).
const SGlyph& RomGlyph(uint8_t code);

// The code as text (UTF-8): the character the ROM shows, a space for a blank
// code, and for a CGRAM code its number 0-7 as a control character, so a
// scenario can still name it ("\x01").
std::string RomText(uint8_t code);

}  // namespace board
