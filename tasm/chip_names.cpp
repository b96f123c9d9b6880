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

const std::unordered_map<std::string, int64_t>& Names() {
    static const std::unordered_map<std::string, int64_t> names = {
        // Registers; bank 1 ones with their bank bit.
        {"INDF", 0x00},
        {"TMR0", 0x01},
        {"PCL", 0x02},
        {"STATUS", 0x03},
        {"FSR", 0x04},
        {"PORTA", 0x05},
        {"PORTB", 0x06},
        {"EEDATA", 0x08},
        {"EEADR", 0x09},
        {"PCLATH", 0x0A},
        {"INTCON", 0x0B},
        {"OPTION_REG", 0x81},
        {"TRISA", 0x85},
        {"TRISB", 0x86},
        {"EECON1", 0x88},
        {"EECON2", 0x89},
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
        // Configuration word
        {"_CONFIG", 0x2007},
        {"_CP_ON", 0x3FEF},
        {"_CP_OFF", 0x3FFF},
        {"_PWRTE_ON", 0x3FFF},
        {"_PWRTE_OFF", 0x3FF7},
        {"_WDT_ON", 0x3FFF},
        {"_WDT_OFF", 0x3FFB},
        {"_LP_OSC", 0x3FFC},
        {"_XT_OSC", 0x3FFD},
        {"_HS_OSC", 0x3FFE},
        {"_RC_OSC", 0x3FFF},
    };
    return names;
}

constexpr size_t kLongestName = 10;  // OPTION_REG, _PWRTE_OFF

}  // namespace

std::optional<int64_t> ChipNameValue(std::string_view name) {
    if (name.size() > kLongestName) return std::nullopt;
    auto it = Names().find(Upper(name));
    if (it == Names().end()) return std::nullopt;
    return it->second;
}

bool IsChipHeader(std::string_view fileName) {
    std::string name = Upper(fileName);
    return name == "P16C84.INC" || name == "P16F84.INC" || name == "P16F84A.INC";
}

}  // namespace tasm
