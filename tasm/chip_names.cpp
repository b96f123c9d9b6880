#include "chip_names.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <unordered_map>

namespace tasm {

namespace {

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

struct CRegisterName {
    std::string_view name;
    int64_t address;
};

// Registers; bank 1 ones with their bank bit.
constexpr CRegisterName kRegisters[] = {
    {"INDF", 0x00},  {"TMR0", 0x01},   {"PCL", 0x02},    {"STATUS", 0x03},
    {"FSR", 0x04},   {"PORTA", 0x05},  {"PORTB", 0x06},  {"EEDATA", 0x08},
    {"EEADR", 0x09}, {"PCLATH", 0x0A}, {"INTCON", 0x0B}, {"OPTION_REG", 0x81},
    {"TRISA", 0x85}, {"TRISB", 0x86},  {"EECON1", 0x88}, {"EECON2", 0x89},
};

const std::unordered_map<std::string, int64_t>& Names() {
    static const std::unordered_map<std::string, int64_t> names = [] {
        std::unordered_map<std::string, int64_t> all = {
            // STATUS
            {"IRP", 7},
            {"RP1", 6},
            {"RP0", 5},
            {"NOT_TO", 4},
            {"TO", 4},
            {"NOT_PD", 3},
            {"PD", 3},
            {"Z", 2},
            {"DC", 1},
            {"C", 0},
            // INTCON
            {"GIE", 7},
            {"EEIE", 6},
            {"T0IE", 5},
            {"INTE", 4},
            {"RBIE", 3},
            {"T0IF", 2},
            {"INTF", 1},
            {"RBIF", 0},
            // OPTION_REG
            {"NOT_RBPU", 7},
            {"RBPU", 7},
            {"INTEDG", 6},
            {"T0CS", 5},
            {"T0SE", 4},
            {"PSA", 3},
            {"PS2", 2},
            {"PS1", 1},
            {"PS0", 0},
            // EECON1
            {"EEIF", 4},
            {"WRERR", 3},
            {"WREN", 2},
            {"WR", 1},
            {"RD", 0},
            // Port pins
            {"RA0", 0},
            {"RA1", 1},
            {"RA2", 2},
            {"RA3", 3},
            {"RA4", 4},
            {"T0CKI", 4},
            {"RB0", 0},
            {"RB1", 1},
            {"RB2", 2},
            {"RB3", 3},
            {"RB4", 4},
            {"RB5", 5},
            {"RB6", 6},
            {"RB7", 7},
            {"INT", 0},
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
        for (const CRegisterName& reg : kRegisters) all.emplace(reg.name, reg.address);
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
    for (const CRegisterName& reg : kRegisters) {
        if (reg.address == address) return reg.name;
    }
    return {};
}

bool IsChipName(std::string_view name) {
    return ChipNameValue(name, "16C84") && Upper(name) == name;
}

std::optional<std::string> ChipOfHeader(std::string_view fileName) {
    std::string name = Upper(fileName);
    for (const char* chip : {"16C84", "16F84", "16F84A"}) {
        if (name == std::string("P") + chip + ".INC") return chip;
    }
    return std::nullopt;
}

}  // namespace tasm
