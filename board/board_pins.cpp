#include "board/board_pins.h"

#include <cctype>

#include "board/board_part.h"
#include "core/chip_map.h"

namespace board {

static_assert(kPinCount == core::kChipPinCount);

int PinNamed(std::string_view name) {
    for (int pin = 0; pin < kPinCount; ++pin) {
        const std::string_view known = core::kChipPins[pin].name;
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
    if (pin == kMclrPin) return "MCLR";
    // The map's names are literals, so their text ends in a null.
    return pin >= 0 && pin < kPinCount ? core::kChipPins[pin].name.data() : "?";
}

}  // namespace board
