#include "board_pins.h"

#include <cctype>

#include "board_part.h"

namespace board {

namespace {
constexpr const char* kPinNames[kPinCount] = {"RA0", "RA1", "RA2", "RA3", "RA4", "RB0", "RB1",
                                              "RB2", "RB3", "RB4", "RB5", "RB6", "RB7"};
}

int PinNamed(std::string_view name) {
    for (int pin = 0; pin < kPinCount; ++pin) {
        const std::string_view known = kPinNames[pin];
        if (known.size() != name.size()) continue;
        bool same = true;
        for (size_t i = 0; i < name.size() && same; ++i) {
            same = std::toupper(static_cast<unsigned char>(name[i])) == known[i];
        }
        if (same) return pin;
    }
    return kNoPin;
}

const char* PinName(int pin) {
    return pin >= 0 && pin < kPinCount ? kPinNames[pin] : "?";
}

}  // namespace board
