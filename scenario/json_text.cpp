#include "scenario/json_text.h"

#include <cstdio>

namespace scenario {

std::string JsonString(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        const auto ch = static_cast<unsigned char>(c);
        if (ch == '"' || ch == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (ch < 0x20 || ch >= 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", ch);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

}  // namespace scenario
