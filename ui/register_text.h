#pragma once
// How the register display writes numbers. The results fit the small-string
// buffer of std::string, so formatting a value never touches the heap.
#include <cstdint>
#include <string>

// One hexadecimal digit, upper case. A digit outside 0-15 is reported with
// "Greska u f-ji CifraToHex" and converted anyway.
char CifraToHex(int digit);
// Exactly two hexadecimal digits for 0-255, no prefix. A value outside that
// range is reported with "Greska u f-ji ToHex" and converted anyway.
std::string ToHex(int value);
// Exactly eight characters "0"/"1", bit 7 first.
std::string ToBinary(uint8_t value);
// "%i": no leading zeros.
std::string ToDecimal(int value);
