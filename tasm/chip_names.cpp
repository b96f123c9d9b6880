#include "tasm/chip_names.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/chip_map.h"

namespace tasm {

namespace {

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// The active-low bits, which the headers spell with NOT_ before the map's name.
constexpr std::string_view kActiveLowBits[] = {"TO", "PD", "RBPU"};

std::string HeaderSpelling(std::string_view bitName) {
    const bool activeLow = std::find(std::begin(kActiveLowBits), std::end(kActiveLowBits),
                                     bitName) != std::end(kActiveLowBits);
    return activeLow ? "NOT_" + std::string(bitName) : std::string(bitName);
}

const std::unordered_map<std::string, int64_t>& Names() {
    static const std::unordered_map<std::string, int64_t> names = [] {
        std::unordered_map<std::string, int64_t> all = {
            // Destinations
            {"W", 0},
            {"F", 1},
            // Configuration word: the values that do not differ between chips,
            // the old names and the current ones
            {"_CONFIG", 0x2007},
            {"_CONFIG1", 0x2007},
            {"_CP_OFF", 0x3FFF},
            {"_WDT_ON", 0x3FFF},
            {"_WDTE_ON", 0x3FFF},
            {"_WDT_OFF", 0x3FFB},
            {"_WDTE_OFF", 0x3FFB},
            {"_LP_OSC", 0x3FFC},
            {"_FOSC_LP", 0x3FFC},
            {"_XT_OSC", 0x3FFD},
            {"_FOSC_XT", 0x3FFD},
            {"_HS_OSC", 0x3FFE},
            {"_FOSC_HS", 0x3FFE},
            {"_RC_OSC", 0x3FFF},
            {"_FOSC_EXTRC", 0x3FFF},
        };
        // Registers (bank 1 ones with their bank bit), their bits, and the
        // pins as bit numbers of their port, all as the chip's map has them.
        const auto add = [&all](std::string_view name, int64_t value) {
            if (!name.empty()) all.emplace(std::string(name), value);
        };
        for (const core::SChipRegister& reg : core::kChipRegisters) {
            add(reg.name, reg.address);
            for (int bit = 0; bit < 8; ++bit) {
                add(reg.bits[bit], bit);
                if (!reg.bits[bit].empty()) add(HeaderSpelling(reg.bits[bit]), bit);
            }
        }
        for (const core::SChipPin& pin : core::kChipPins) {
            add(pin.name, pin.bit);
            add(pin.alias, pin.bit);
        }
        return all;
    }();
    return names;
}

// Code protection and the power-up timer bit read differently on the
// PIC16C84 and the PIC16F84(A).
struct CChipValues {
    int64_t cpOn, pwrteOn, pwrteOff;
};
constexpr CChipValues k16C84{0x3FEF, 0x3FFF, 0x3FF7};
constexpr CChipValues k16F84{0x000F, 0x3FF7, 0x3FFF};

constexpr size_t kLongestName = 11;  // _FOSC_EXTRC

}  // namespace

std::optional<int64_t> ChipNameValue(std::string_view name, std::string_view chip) {
    if (name.size() > kLongestName) return std::nullopt;
    std::string upper = Upper(name);
    const CChipValues& values = chip == "16C84" ? k16C84 : k16F84;
    if (upper == "_CP_ON") return values.cpOn;
    if (upper == "_PWRTE_ON") return values.pwrteOn;
    if (upper == "_PWRTE_OFF") return values.pwrteOff;
    auto it = Names().find(upper);
    if (it == Names().end()) return std::nullopt;
    return it->second;
}

std::string_view RegisterName(int64_t address) {
    if (address < 0 || address >= core::kRegisterFileSize) return {};
    const core::SChipRegister* reg = core::ChipRegisterOwning(static_cast<int>(address));
    return reg ? reg->name : std::string_view();
}

bool IsChipName(std::string_view name) {
    return ChipNameValue(name, "16C84") && Upper(name) == name;
}

std::vector<std::string> HeaderRegisterAndBitNames() {
    std::vector<std::string> names;
    for (const core::SChipRegister& reg : core::kChipRegisters) names.emplace_back(reg.name);
    for (const core::SChipRegister& reg : core::kChipRegisters) {
        for (int bit = 7; bit >= 0; --bit) {
            if (!reg.bits[bit].empty()) names.push_back(HeaderSpelling(reg.bits[bit]));
        }
    }
    names.emplace_back("W");
    names.emplace_back("F");
    return names;
}

std::optional<std::string> ChipOfHeader(std::string_view fileName) {
    std::string name = Upper(fileName);
    for (const char* chip : {"16C84", "16F84", "16F84A"}) {
        if (name == std::string("P") + chip + ".INC") return chip;
    }
    return std::nullopt;
}

}  // namespace tasm
