#include "ui/dialog_integer.h"

#include <climits>

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
}  // namespace

bool ParseDialogInteger(const std::string& text, long long& value) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    const size_t start = i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    const size_t firstDigit = i;
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (magnitude <= INT_MAX) magnitude = magnitude * 10 + (text[i] - '0');
    }
    if (i == firstDigit) return false;
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i != text.size()) return false;
    if (magnitude == 0 && text[start] != '0') return false;
    value = negative ? -magnitude : magnitude;
    return true;
}
