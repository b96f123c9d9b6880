#pragma once
// What a store into each register of the file sets going, as tables the
// executor indexes by the store's index (see executor_store.h): built at
// compile time from the chip map for a profile, so a register without a hook
// costs a store one table load and one untaken branch, and a profile pays
// only for the hooks it hangs on.
#include <array>
#include <cstdint>

#include "core/chip_map.h"
#include "core/chip_profile.h"

namespace core {

// One byte per register file index: the pass-end looks of the register
// (kMirrorStatus, kRecheckInterrupts) and kRunsWriteHook when a write hook
// hangs on it.
inline constexpr uint8_t kRunsWriteHook = 0x04;
static_assert((kRunsWriteHook & (kMirrorStatus | kRecheckInterrupts | kWatchPins)) == 0);

struct SRegisterHooks {
    std::array<uint8_t, kRegisterFileSize> store{};
    std::array<EWriteHook, kRegisterFileSize> write{};
    // The bits a store may change (the data-sheet profile's): unimplemented
    // registers and bits stay 0, read-only bits keep their value.
    std::array<uint8_t, kRegisterFileSize> writable{};
};

// The data-sheet profile's register file index of a data address (bank bit
// 7 and the 7-bit file address, as RP0 or FSR give them): the registers both
// banks share reach their bank-0 index, general-purpose RAM 0x8C-0xFF reaches
// 0x0C-0x7F, and what the chip does not implement (0x07, 0x87, INDF reached
// through FSR itself) reaches the always-zero index 0x07.
inline constexpr uint8_t kUnimplementedIndex = 0x07;
inline constexpr auto kDatasheetFileIndex = [] {
    std::array<uint8_t, 256> index{};
    for (int address = 0; address < 256; ++address) {
        const int offset = address & 0x7F;
        int at = offset;
        if (address >= 0x80 && offset <= 0x0B) {
            const bool ownInBank1 = offset == 0x01 || offset == 0x05 || offset == 0x06 ||
                                    offset == 0x08 || offset == 0x09;
            at = ownInBank1 ? address : offset;
        }
        if (offset == INDF || offset == kUnimplementedIndex) at = kUnimplementedIndex;
        index[address] = static_cast<uint8_t>(at);
    }
    return index;
}();

// General-purpose RAM of the PIC16C84: 36 bytes.
inline constexpr int kLastDatasheetRam = 0x2F;

constexpr SRegisterHooks BuildRegisterHooks(EChipProfile profile) {
    SRegisterHooks hooks;
    switch (profile) {
        case EChipProfile::Classic:
            // The map's entries as they stand: the register and its bank-1 copy alike.
            for (const SChipRegister& reg : kChipRegisters) {
                const uint8_t store = static_cast<uint8_t>(
                    reg.passEnd | (reg.hook != EWriteHook::None ? kRunsWriteHook : 0));
                for (const int index : {int{reg.address}, int{reg.bank1Copy}}) {
                    if (index == 0 && reg.address != 0) continue;
                    hooks.store[index] = store;
                    hooks.write[index] = reg.hook;
                }
            }
            break;
        case EChipProfile::Datasheet: {
            for (const SChipRegister& reg : kChipRegisters) {
                hooks.store[reg.address] = reg.passEnd;
                hooks.writable[reg.address] = 0xFF;
            }
            for (int index = 0x0C; index <= kLastDatasheetRam; ++index)
                hooks.writable[index] = 0xFF;
            const auto hang = [&hooks](int index, EWriteHook hook) {
                hooks.store[index] |= kRunsWriteHook;
                hooks.write[index] = hook;
            };
            hang(TMR0, EWriteHook::WakeTimer0);
            hang(PCL, EWriteHook::JumpThroughPcl);
            hang(STATUS, EWriteHook::SelectBank);
            hang(PORTA, EWriteHook::PortLatch);
            hang(PORTB, EWriteHook::PortLatch);
            hang(OPTION_REG, EWriteHook::Option);
            hang(TRISA, EWriteHook::Direction);
            hang(TRISB, EWriteHook::Direction);
            hang(EECON1, EWriteHook::EepromControl);
            hang(EECON2, EWriteHook::EepromUnlock);
            // TO and PD only the chip sets; TRISA, PCLATH and EECON1 have five bits.
            hooks.writable[STATUS] = 0xE7;
            hooks.writable[TRISA] = 0x1F;
            hooks.writable[PCLATH] = 0x1F;
            hooks.writable[EECON1] = 0x1F;
            // The pins decide what the port registers hold, and EECON2 reads 0.
            hooks.writable[EECON2] = 0;
            break;
        }
    }
    return hooks;
}

template <EChipProfile kProfile>
inline constexpr SRegisterHooks kRegisterHooks = BuildRegisterHooks(kProfile);

}  // namespace core
