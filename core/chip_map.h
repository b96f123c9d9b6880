#pragma once
// The PIC16C84 as its programs see it, written down once: the registers with
// their names, addresses, bank-1 copies and named bits, the thirteen pins, and
// what a write to each register makes the chip look at again. Everything here
// is constexpr, so the executor's tables are built at compile time; the
// register display, the scenarios, the pin panel and the assembler read the
// same entries.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// Register file indices the program treats specially, by the data sheet's
// names.
enum : uint8_t {
    INDF = 0x00,
    TMR0 = 0x01,
    PCL = 0x02,
    STATUS = 0x03,
    FSR = 0x04,
    PORTA = 0x05,
    PORTB = 0x06,
    EEDATA = 0x08,
    EEADR = 0x09,
    PCLATH = 0x0A,
    INTCON = 0x0B,
    OPTION_REG = 0x81,
    PCL_BANK1 = 0x82,
    STATUS_BANK1 = 0x83,
    TRISA = 0x85,
    TRISB = 0x86,
    EECON1 = 0x88,
    EECON2 = 0x89,
    INTCON_BANK1 = 0x8B,
};

namespace core {

constexpr int kRegisterFileSize = 140;  // 0x00-0x7F bank 0, 0x80-0x8B bank 1

// The register file index of a register address up to 0x1FF. The file ends
// at 0x8B; larger addresses fold back by 0x80 the way the chip mirrors its
// general-purpose RAM into bank 1, so no access ever leaves the file.
constexpr int RegisterFileIndex(int address) {
    while (address >= kRegisterFileSize) address -= 0x80;
    return address;
}

// What a write to a register asks of the end of the instruction's pass: the
// bank-1 copy of STATUS follows it, the interrupt check looks again, or an
// attached board looks at the pins (a port or direction register changed).
enum : uint8_t {
    kMirrorStatus = 0x01,
    kRecheckInterrupts = 0x02,
    kWatchPins = 0x08,  // the pins may have changed: the trace and the pin trigger look
};

// What a write to a register sets going at once, by name (see
// register_hooks.h for how the executor runs them).
enum class EWriteHook : uint8_t {
    None,
    WakeTimer0,  // the timer reads the register: its shortcuts no longer hold
    // The data-sheet profile's (see register_hooks.h).
    JumpThroughPcl,  // PC takes PCLATH<4:0> and the byte written
    SelectBank,      // RP0 of the byte written chooses the bank
    PortLatch,       // the byte written goes to the port's latches
    Direction,       // TRIS: the pins resolve anew
    Option,          // OPTION: the timer's shortcuts and port B's pull-ups
    EepromControl,   // EECON1: a read or a write of the data EEPROM begins
    EepromUnlock,    // EECON2: a step of the 0x55, 0xAA sequence
};

struct SChipRegister {
    std::string_view name;                 // as the data sheet spells it
    std::string_view alias;                // another spelling programs use, or empty
    uint8_t address;                       // register file index
    uint8_t bank1Copy;                     // the index that shows the same register in bank 1, or 0
    std::array<std::string_view, 8> bits;  // bit 0 first; empty where a bit has no name
    uint8_t passEnd;                       // kMirrorStatus, kRecheckInterrupts, kWatchPins
    EWriteHook hook;
};

// clang-format off
inline constexpr SChipRegister kChipRegisters[] = {
    {"INDF", "", INDF, 0x80, {}, 0, EWriteHook::None},
    {"TMR0", "", TMR0, 0, {}, 0, EWriteHook::WakeTimer0},
    {"PCL", "", PCL, PCL_BANK1, {}, 0, EWriteHook::None},
    {"STATUS", "", STATUS, STATUS_BANK1,
     {"C", "DC", "Z", "PD", "TO", "RP0", "RP1", "IRP"}, kMirrorStatus, EWriteHook::None},
    {"FSR", "", FSR, 0, {}, 0, EWriteHook::None},
    // RA4 is Timer 0's clock input in counter mode.
    {"PORTA", "", PORTA, 0, {}, kWatchPins, EWriteHook::WakeTimer0},
    // RB0 and RB4-RB7 raise interrupt flags.
    {"PORTB", "", PORTB, 0, {}, kRecheckInterrupts | kWatchPins, EWriteHook::None},
    {"EEDATA", "", EEDATA, 0, {}, 0, EWriteHook::None},
    {"EEADR", "", EEADR, 0, {}, 0, EWriteHook::None},
    {"PCLATH", "", PCLATH, 0, {}, 0, EWriteHook::None},
    {"INTCON", "", INTCON, INTCON_BANK1,
     {"RBIF", "INTF", "T0IF", "RBIE", "INTE", "T0IE", "EEIE", "GIE"}, kRecheckInterrupts,
     EWriteHook::None},
    {"OPTION_REG", "OPTION", OPTION_REG, 0,
     {"PS0", "PS1", "PS2", "PSA", "T0SE", "T0CS", "INTEDG", "RBPU"}, 0, EWriteHook::WakeTimer0},
    {"TRISA", "", TRISA, 0, {}, kWatchPins, EWriteHook::None},
    {"TRISB", "", TRISB, 0, {}, kWatchPins, EWriteHook::None},
    {"EECON1", "", EECON1, 0, {"RD", "WR", "WREN", "WRERR", "EEIF"}, 0, EWriteHook::None},
    {"EECON2", "", EECON2, 0, {}, 0, EWriteHook::None},
};
// clang-format on

struct SChipPin {
    std::string_view name;   // RA0-RA4, RB0-RB7
    std::string_view alias;  // the pin's other function, or empty
    uint8_t port;            // PORTA or PORTB
    uint8_t bit;
    constexpr uint8_t Mask() const { return static_cast<uint8_t>(1u << bit); }
    // TRISA and TRISB lie 0x80 above their ports.
    constexpr uint8_t Direction() const { return static_cast<uint8_t>(port + 0x80); }
};

constexpr int kChipPinCount = 13;
// Port A's RA0-RA4, then port B's RB0-RB7: the order of a pin's index.
inline constexpr SChipPin kChipPins[kChipPinCount] = {
    {"RA0", "", PORTA, 0}, {"RA1", "", PORTA, 1},      {"RA2", "", PORTA, 2},
    {"RA3", "", PORTA, 3}, {"RA4", "T0CKI", PORTA, 4}, {"RB0", "INT", PORTB, 0},
    {"RB1", "", PORTB, 1}, {"RB2", "", PORTB, 2},      {"RB3", "", PORTB, 3},
    {"RB4", "", PORTB, 4}, {"RB5", "", PORTB, 5},      {"RB6", "", PORTB, 6},
    {"RB7", "", PORTB, 7},
};

// The register with this name or alias, exactly as spelled; nullptr if none.
constexpr const SChipRegister* ChipRegisterNamed(std::string_view name) {
    for (const SChipRegister& reg : kChipRegisters) {
        if (reg.name == name || (!reg.alias.empty() && reg.alias == name)) return &reg;
    }
    return nullptr;
}

// The register at a register file index, its bank-1 copy included; nullptr
// for an index without a name.
constexpr const SChipRegister* ChipRegisterAt(int address) {
    for (const SChipRegister& reg : kChipRegisters) {
        if (reg.address == address || (reg.bank1Copy != 0 && reg.bank1Copy == address)) return &reg;
    }
    return nullptr;
}

// The register whose own index this is, a bank-1 copy not counted (the
// register display shows 0x80 as an address of its own); nullptr if none.
constexpr const SChipRegister* ChipRegisterOwning(int address) {
    for (const SChipRegister& reg : kChipRegisters) {
        if (reg.address == address) return &reg;
    }
    return nullptr;
}

struct SChipBit {
    const SChipRegister* reg;
    int bit;
    constexpr uint8_t Mask() const { return static_cast<uint8_t>(1u << bit); }
};

// The named bit, exactly as spelled (bit names are unique on the chip).
constexpr std::optional<SChipBit> ChipBitNamed(std::string_view name) {
    for (const SChipRegister& reg : kChipRegisters) {
        for (int bit = 0; bit < 8; ++bit) {
            if (!reg.bits[bit].empty() && reg.bits[bit] == name) return SChipBit{&reg, bit};
        }
    }
    return std::nullopt;
}

// The mask of a named bit, for the code that tests it; fails to compile for
// a name the map does not have.
consteval uint8_t ChipBitMask(std::string_view name) {
    return ChipBitNamed(name)->Mask();
}

// The pin with this name or alias, exactly as spelled; nullptr if none.
constexpr const SChipPin* ChipPinNamed(std::string_view name) {
    for (const SChipPin& pin : kChipPins) {
        if (pin.name == name || (!pin.alias.empty() && pin.alias == name)) return &pin;
    }
    return nullptr;
}

// The index of the pin at this port bit, -1 for none.
constexpr int ChipPinIndex(int port, int bit) {
    for (int index = 0; index < kChipPinCount; ++index) {
        if (kChipPins[index].port == port && kChipPins[index].bit == bit) return index;
    }
    return -1;
}

// The same lookups for names as users type them, in any case.
const SChipRegister* FindChipRegister(std::string_view name);
std::optional<SChipBit> FindChipBit(std::string_view name);
const SChipPin* FindChipPin(std::string_view name);

}  // namespace core
