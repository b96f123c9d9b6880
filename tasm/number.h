#pragma once
// Reads a number token as written: decimal (the default radix), .10, D'10';
// hex 0x1F, 1Fh, H'1F', $1F; binary 0b0101, 0101b, B'0101', %0101; octal
// O'17', 17o; characters 'A', A'A'.
#include <cstdint>
#include <optional>
#include <string_view>

namespace tasm {

// radix is 8, 10 or 16 and applies to numbers without a marker. Returns
// nothing for digits that do not fit the base or values above 32 bits.
std::optional<int64_t> ParseNumber(std::string_view text, int radix);

}  // namespace tasm
