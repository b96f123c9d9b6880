#pragma once
// Program words are kept as text, so every fetch turns characters into digit
// values. Only '0'-'9' and upper-case 'A'-'F' are digits; everything else,
// lower-case letters and the NUL bytes of unloaded words included, counts as 0.
#include <array>
#include <cstdint>

namespace hex_digit_detail {
constexpr std::array<uint8_t, 256> MakeTable() {
    std::array<uint8_t, 256> table{};
    for (int ch = '0'; ch <= '9'; ++ch) table[ch] = static_cast<uint8_t>(ch - '0');
    for (int ch = 'A'; ch <= 'F'; ++ch) table[ch] = static_cast<uint8_t>(ch - 'A' + 10);
    return table;
}
inline constexpr std::array<uint8_t, 256> kTable = MakeTable();
}  // namespace hex_digit_detail

inline int HexDigitValue(char ch) {
    return hex_digit_detail::kTable[static_cast<unsigned char>(ch)];
}

// Files read from outside (Intel HEX records) are checked instead: a digit
// in either case, -1 for anything else.
namespace core {
constexpr int StrictHexDigit(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    return -1;
}
}  // namespace core
