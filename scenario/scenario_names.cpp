#include "scenario/scenario_names.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "core/chip_map.h"
#include "core/datasheet_chip.h"
#include "scenario/scenario_reader.h"

namespace scenario {

namespace {
// The pins as the scenarios name them, made from the chip's map once.
constexpr std::array<SPinName, kPinCount> kPins = [] {
    static_assert(kPinCount == core::kChipPinCount);
    std::array<SPinName, kPinCount> pins{};
    for (int i = 0; i < kPinCount; ++i) {
        const core::SChipPin& pin = core::kChipPins[i];
        // The map's names are literals, so their text ends in a null.
        pins[i] = {pin.name.data(), pin.port, pin.Direction(), pin.bit};
    }
    return pins;
}();

// Names are read without regard to case; an empty name is no name.
bool SameName(std::string_view known, const std::string& name) {
    return !known.empty() &&
           std::equal(name.begin(), name.end(), known.begin(), known.end(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) ==
                      std::toupper(static_cast<unsigned char>(b));
           });
}
}  // namespace

std::optional<SRegisterName> FindRegister(const std::string& name) {
    for (const core::SChipRegister& reg : core::kChipRegisters) {
        if (SameName(reg.name, name) || SameName(reg.alias, name))
            return SRegisterName{reg.name.data(), reg.address};
    }
    return std::nullopt;
}
std::optional<SBitName> FindBit(const std::string& name) {
    for (const core::SChipRegister& reg : core::kChipRegisters) {
        for (int bit = 0; bit < 8; ++bit) {
            if (SameName(reg.bits[bit], name))
                return SBitName{reg.bits[bit].data(), reg.address, bit};
        }
    }
    return std::nullopt;
}
std::optional<SPinName> FindPin(const std::string& name) {
    for (const SPinName& pin : kPins) {
        if (SameName(pin.name, name)) return pin;
    }
    return std::nullopt;
}
std::optional<int> FindEepromByte(const std::string& name) {
    constexpr std::string_view kPrefix = "EEPROM[";
    if (name.size() < kPrefix.size() + 1 || name.back() != ']' ||
        !SameName(kPrefix, name.substr(0, kPrefix.size()))) {
        return std::nullopt;
    }
    int64_t address = 0;
    const std::string index = name.substr(kPrefix.size(), name.size() - kPrefix.size() - 1);
    if (!ParseWhole(index, &address) || address >= core::kEepromSize) return -1;
    return static_cast<int>(address);
}

std::string EepromByteName(int address) {
    return "EEPROM[" + std::to_string(address) + "]";
}

const SPinName& PinAt(int index) {
    return kPins[index];
}

const char* RegisterNameAt(int address) {
    const core::SChipRegister* reg = core::ChipRegisterOwning(address);
    return reg ? reg->name.data() : nullptr;
}

}  // namespace scenario
