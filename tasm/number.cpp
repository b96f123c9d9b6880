#include "tasm/number.h"

#include <cctype>

namespace tasm {

namespace {

constexpr int64_t kMaxValue = 0xFFFFFFFF;

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

std::optional<int64_t> Digits(std::string_view digits, int base) {
    if (digits.empty()) return std::nullopt;
    int64_t value = 0;
    for (char c : digits) {
        int d = DigitValue(c);
        if (d >= base) return std::nullopt;
        value = value * base + d;
        if (value > kMaxValue) return std::nullopt;
    }
    return value;
}

bool AllDigits(std::string_view text, int base) {
    for (char c : text) {
        if (DigitValue(c) >= base) return false;
    }
    return true;
}

// 'A' or '\n': exactly one character after escapes.
std::optional<int64_t> Character(std::string_view quoted) {
    if (quoted.size() < 3 || quoted.front() != '\'' || quoted.back() != '\'') return std::nullopt;
    std::string_view body = quoted.substr(1, quoted.size() - 2);
    if (body.size() == 1 && body[0] != '\\') return static_cast<unsigned char>(body[0]);
    if (body.size() != 2 || body[0] != '\\') return std::nullopt;
    switch (body[1]) {
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        case '0':
            return 0;
        default:
            return static_cast<unsigned char>(body[1]);
    }
}

int BaseOfMarker(char c) {
    switch (std::toupper(static_cast<unsigned char>(c))) {
        case 'B':
            return 2;
        case 'O':
        case 'Q':
            return 8;
        case 'D':
            return 10;
        case 'H':
            return 16;
        default:
            return 0;
    }
}

}  // namespace

std::optional<int64_t> ParseNumber(std::string_view text, int radix) {
    if (text.empty()) return std::nullopt;
    if (text[0] == '\'') return Character(text);
    if (text.size() >= 2 && text[1] == '\'') {
        if (std::toupper(static_cast<unsigned char>(text[0])) == 'A')
            return Character(text.substr(1));
        int base = BaseOfMarker(text[0]);
        if (base == 0 || text.size() < 3 || text.back() != '\'') return std::nullopt;
        return Digits(text.substr(2, text.size() - 3), base);
    }
    if (text[0] == '.') return Digits(text.substr(1), 10);
    if (text[0] == '$') return Digits(text.substr(1), 16);
    if (text[0] == '%') return Digits(text.substr(1), 2);
    if (text.size() > 2 && text[0] == '0') {
        char marker = static_cast<char>(std::tolower(static_cast<unsigned char>(text[1])));
        if (marker == 'x') return Digits(text.substr(2), 16);
        if (marker == 'b' && AllDigits(text.substr(2), 2)) return Digits(text.substr(2), 2);
    }
    char last = text.back();
    if (std::toupper(static_cast<unsigned char>(last)) == 'H') {
        return Digits(text.substr(0, text.size() - 1), 16);
    }
    // In hex radix 0101b and 12d are hex numbers; a suffix only decides
    // where the digits alone do not.
    if (radix == 16 && AllDigits(text, 16)) return Digits(text, 16);
    if (int base = BaseOfMarker(last); base != 0 && text.size() > 1) {
        return Digits(text.substr(0, text.size() - 1), base);
    }
    return Digits(text, radix);
}

}  // namespace tasm
