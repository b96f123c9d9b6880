#pragma once
// The names a scenario may use for the chip's registers, status bits and
// pins, as the data sheet and the include file of the assembler spell them.
#include <optional>
#include <string>

namespace scenario {

struct SRegisterName {
    const char* name;
    int address;  // register file index
};

struct SBitName {
    const char* name;
    int address;
    int bit;
};

struct SPinName {
    const char* name;
    int port;       // PORTA or PORTB
    int direction;  // TRISA or TRISB
    int bit;
};

// Case-insensitive lookups; std::nullopt for a name the chip does not have.
std::optional<SRegisterName> FindRegister(const std::string& name);
std::optional<SBitName> FindBit(const std::string& name);
std::optional<SPinName> FindPin(const std::string& name);

// "EEPROM[n]" (any case), n from 0 to 63 in decimal or 0x hexadecimal: the
// byte's address in the data EEPROM; -1 for that form with an index outside
// the EEPROM or not a number; std::nullopt for any other name.
std::optional<int> FindEepromByte(const std::string& name);
// The scenario's name of an EEPROM byte, "EEPROM[3]".
std::string EepromByteName(int address);

// The chip's name of the register at this register file index, nullptr
// for one without a name.
const char* RegisterNameAt(int address);

// The 13 pins, port A's RA0-RA4 then port B's RB0-RB7.
constexpr int kPinCount = 13;
const SPinName& PinAt(int index);

}  // namespace scenario
