#pragma once
// How the executor reaches the register file: addresses through FSR and the
// bank, the reads and stores of the instructions, and the register hooks a
// store sets going (register_hooks.h).
#include <cstdint>

#include "executor_copy.h"
#include "register_hooks.h"

class CExecutorStore : public CExecutorCopy {
public:
    // The profile whose hooks the stores run.
    static constexpr EChipProfile kProfile = kRunProfile;

protected:
    // Every store an instruction makes into the register file.
    [[gnu::always_inline]] void StoreFile(int index, uint8_t value) {
        RegisterFile[index] = value;
        const uint8_t store = kRegisterHooks<kProfile>.store[index];
        // A hook bit among them only costs the pass's end one look.
        m_pending |= store;
        if (store & kRunsWriteHook) [[unlikely]]
            RunWriteHook(kRegisterHooks<kProfile>.write[index]);
    }

    // Every read an instruction makes of an operand in the register file.
    // The classic profile hangs no hook on reads: a port reads its register
    // byte, which is its pins (pin_wire.h).
    [[gnu::always_inline]] static uint8_t ReadFile(int index) { return RegisterFile[index]; }

    void RunWriteHook(EWriteHook hook) {
        switch (hook) {
            case EWriteHook::None:
                break;
            case EWriteHook::WakeTimer0:
                WakeTimer();
                break;
        }
    }

    // Larger indices come from bank 1 or from FSR.
    static int FoldIndex(int index) { return RegisterFileIndex(index); }

    // The file address after indirection through the current bank's FSR.
    int ResolveAddress(uint8_t f) const {
        return f == INDF ? RegisterFile[BankOffset + FSR].load() : f;
    }

    // A write to TMR0 freezes the timer for two cycles.
    void NoteWrite(int address) {
        if (address == TMR0 && BankOffset == 0) {
            Tmr0Inhibit = 2;
            WakeTimer();
        }
    }

    int EffectiveIndex(uint8_t f, bool writes) {
        const int address = ResolveAddress(f);
        if (writes) NoteWrite(address);
        return FoldIndex(BankOffset + address);
    }

    // Flags always go to the bank-0 STATUS; the run loop mirrors it afterwards.
    void SetFlags(uint8_t mask, uint8_t values) {
        RegisterFile[STATUS] = static_cast<uint8_t>((RegisterFile[STATUS] & ~mask) | values);
        m_pending |= kMirrorStatus;
    }

    // d is the destination: 0 W, 1 the register.
    void Store(uint8_t d, int index, uint8_t value) {
        if (d == 0) {
            W = value;
        } else {
            StoreFile(index, value);
        }
    }
};
