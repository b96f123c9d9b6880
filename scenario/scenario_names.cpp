#include "scenario_names.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "scenario_reader.h"
#include "state.h"

namespace scenario {

namespace {
constexpr SRegisterName kRegisters[] = {
    {"INDF", INDF},         {"TMR0", TMR0},   {"PCL", PCL},       {"STATUS", STATUS},
    {"FSR", FSR},           {"PORTA", PORTA}, {"PORTB", PORTB},   {"EEDATA", 0x08},
    {"EEADR", 0x09},        {"PCLATH", 0x0A}, {"INTCON", INTCON}, {"OPTION_REG", OPTION_REG},
    {"OPTION", OPTION_REG}, {"TRISA", TRISA}, {"TRISB", TRISB},   {"EECON1", 0x88},
    {"EECON2", 0x89},
};

constexpr SBitName kBits[] = {
    {"C", STATUS, 0},        {"DC", STATUS, 1},         {"Z", STATUS, 2},
    {"PD", STATUS, 3},       {"TO", STATUS, 4},         {"RP0", STATUS, 5},
    {"RP1", STATUS, 6},      {"IRP", STATUS, 7},        {"RBIF", INTCON, 0},
    {"INTF", INTCON, 1},     {"T0IF", INTCON, 2},       {"RBIE", INTCON, 3},
    {"INTE", INTCON, 4},     {"T0IE", INTCON, 5},       {"EEIE", INTCON, 6},
    {"GIE", INTCON, 7},      {"PS0", OPTION_REG, 0},    {"PS1", OPTION_REG, 1},
    {"PS2", OPTION_REG, 2},  {"PSA", OPTION_REG, 3},    {"T0SE", OPTION_REG, 4},
    {"T0CS", OPTION_REG, 5}, {"INTEDG", OPTION_REG, 6}, {"RBPU", OPTION_REG, 7},
};

constexpr SPinName kPins[kPinCount] = {
    {"RA0", PORTA, TRISA, 0}, {"RA1", PORTA, TRISA, 1}, {"RA2", PORTA, TRISA, 2},
    {"RA3", PORTA, TRISA, 3}, {"RA4", PORTA, TRISA, 4}, {"RB0", PORTB, TRISB, 0},
    {"RB1", PORTB, TRISB, 1}, {"RB2", PORTB, TRISB, 2}, {"RB3", PORTB, TRISB, 3},
    {"RB4", PORTB, TRISB, 4}, {"RB5", PORTB, TRISB, 5}, {"RB6", PORTB, TRISB, 6},
    {"RB7", PORTB, TRISB, 7},
};

bool SameName(const char* known, const std::string& name) {
    return std::equal(name.begin(), name.end(), known,
                      known + std::char_traits<char>::length(known), [](char a, char b) {
                          return std::toupper(static_cast<unsigned char>(a)) ==
                                 std::toupper(static_cast<unsigned char>(b));
                      });
}

template <class Entry, size_t N>
std::optional<Entry> Find(const Entry (&table)[N], const std::string& name) {
    const auto it = std::find_if(std::begin(table), std::end(table),
                                 [&](const Entry& entry) { return SameName(entry.name, name); });
    if (it == std::end(table)) return std::nullopt;
    return *it;
}
}  // namespace

std::optional<SRegisterName> FindRegister(const std::string& name) {
    return Find(kRegisters, name);
}
std::optional<SBitName> FindBit(const std::string& name) {
    return Find(kBits, name);
}
std::optional<SPinName> FindPin(const std::string& name) {
    return Find(kPins, name);
}
std::optional<int> FindEepromByte(const std::string& name) {
    constexpr std::string_view kPrefix = "EEPROM[";
    if (name.size() < kPrefix.size() + 1 || name.back() != ']' ||
        !SameName(std::string(kPrefix).c_str(), name.substr(0, kPrefix.size()))) {
        return std::nullopt;
    }
    int64_t address = 0;
    const std::string index = name.substr(kPrefix.size(), name.size() - kPrefix.size() - 1);
    if (!ParseWhole(index, &address) || address >= kEepromSize) return -1;
    return static_cast<int>(address);
}

std::string EepromByteName(int address) {
    return "EEPROM[" + std::to_string(address) + "]";
}

const SPinName& PinAt(int index) {
    return kPins[index];
}

const char* RegisterNameAt(int address) {
    for (const SRegisterName& entry : kRegisters) {
        if (entry.address == address) return entry.name;
    }
    return nullptr;
}

}  // namespace scenario
