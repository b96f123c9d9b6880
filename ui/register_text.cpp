#include "ui/register_text.h"

#include <cstdio>

#include "core/platform/message_box.h"

char CifraToHex(int digit) {
    if (digit < 0 || digit > 15) AfxMessageBox("Greska u f-ji CifraToHex");
    return static_cast<char>(digit < 10 ? '0' + digit : 'A' + (digit - 10));
}

std::string ToHex(int value) {
    if (value < 0 || value > 255) AfxMessageBox("Greska u f-ji ToHex");
    std::string text;
    text += CifraToHex(value / 16);
    text += CifraToHex(value % 16);
    return text;
}

std::string ToBinary(uint8_t value) {
    std::string text;
    for (int step = 0; step < 8; ++step) {
        text.insert(text.begin(), (value & 1) ? '1' : '0');
        value = static_cast<uint8_t>(value >> 1);
    }
    return text;
}

std::string ToDecimal(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%i", value);
    return buffer;
}
