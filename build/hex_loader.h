#pragma once
// Loads a program from a standard Intel HEX file of the common PIC
// toolchains (INHX8M): each program word is two bytes, low byte at the even
// byte address, so word w lies at byte address 2w. Extended address records
// (types 02 and 04) are honoured; bytes beyond program memory (the
// configuration word at 0x400E, EEPROM data from 0x4200) are ignored.
#include <string>

namespace build {

// Checks every record (mark, hexadecimal digits, length, checksum, type)
// before anything is stored; on a fault returns false with the line number
// and what is wrong in *error and leaves the program image alone. Otherwise
// writes the words into the program image as four upper-case hexadecimal
// characters each, most significant first, and returns true.
bool LoadHexRecords(const std::string& text, std::string* error);

// The most of a HEX file that is read: far more than a full program memory
// with its EEPROM data takes.
constexpr int kHexReadLimit = 1 << 20;

}  // namespace build
