#pragma once
#include <string>

namespace scenario {

// Text as a JSON string literal, quotes included. Whatever bytes it holds,
// the result is valid JSON: quotes and backslashes are escaped, control
// characters and every byte outside printable ASCII become \u00XX.
std::string JsonString(const std::string& text);

}  // namespace scenario
