#include "core/chip_map.h"

#include <algorithm>
#include <cctype>

namespace core {

namespace {
bool SameName(std::string_view known, std::string_view name) {
    return !known.empty() &&
           std::equal(name.begin(), name.end(), known.begin(), known.end(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) ==
                      std::toupper(static_cast<unsigned char>(b));
           });
}
}  // namespace

const SChipRegister* FindChipRegister(std::string_view name) {
    for (const SChipRegister& reg : kChipRegisters) {
        if (SameName(reg.name, name) || SameName(reg.alias, name)) return &reg;
    }
    return nullptr;
}

std::optional<SChipBit> FindChipBit(std::string_view name) {
    for (const SChipRegister& reg : kChipRegisters) {
        for (int bit = 0; bit < 8; ++bit) {
            if (SameName(reg.bits[bit], name)) return SChipBit{&reg, bit};
        }
    }
    return std::nullopt;
}

const SChipPin* FindChipPin(std::string_view name) {
    for (const SChipPin& pin : kChipPins) {
        if (SameName(pin.name, name) || SameName(pin.alias, name)) return &pin;
    }
    return nullptr;
}

}  // namespace core
