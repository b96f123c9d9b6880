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
