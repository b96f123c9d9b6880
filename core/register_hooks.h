#pragma once
// What a store into each register of the file sets going, as tables the
// executor indexes by the store's index (see executor_store.h): built at
// compile time from the chip map for a profile, so a register without a hook
// costs a store one table load and one untaken branch, and a profile pays
// only for the hooks it hangs on.
#include <array>
#include <cstdint>

#include "chip_map.h"
#include "chip_profile.h"

// One byte per register file index: the pass-end looks of the register
// (kMirrorStatus, kRecheckInterrupts) and kRunsWriteHook when a write hook
// hangs on it.
inline constexpr uint8_t kRunsWriteHook = 0x04;
static_assert((kRunsWriteHook & (kMirrorStatus | kRecheckInterrupts | kLookAtBoard)) == 0);

struct SRegisterHooks {
    std::array<uint8_t, kRegisterFileSize> store{};
    std::array<EWriteHook, kRegisterFileSize> write{};
};

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
    }
    return hooks;
}

template <EChipProfile kProfile>
inline constexpr SRegisterHooks kRegisterHooks = BuildRegisterHooks(kProfile);
