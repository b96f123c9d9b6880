#pragma once
// How the executor reaches the register file: addresses through FSR and the
// bank, the reads and stores of the instructions, and the register hooks a
// store sets going (register_hooks.h). Every operation that differs between
// the chip profiles takes the profile as its template parameter P.
#include <cstdint>

#include "core/executor_copy.h"
#include "core/register_hooks.h"

namespace core {

class CExecutorStore : public CExecutorCopy {
protected:
    static constexpr EChipProfile kClassic = EChipProfile::Classic;
    static constexpr EChipProfile kDatasheet = EChipProfile::Datasheet;

    // Every store an instruction makes into the register file.
    // A hook sees the byte as written, before the data-sheet chip's masks.
    template <EChipProfile P>
    [[gnu::always_inline]] void StoreFile(int index, uint8_t value) {
        if constexpr (P == kDatasheet) {
            const uint8_t writable = kRegisterHooks<P>.writable[index];
            RegisterFile[index] =
                static_cast<uint8_t>((RegisterFile[index] & ~writable) | (value & writable));
        } else {
            RegisterFile[index] = value;
        }
        const uint8_t store = kRegisterHooks<P>.store[index];
        // A hook bit among them only costs the pass's end one look.
        m_pending |= store;
        if (store & kRunsWriteHook) [[unlikely]]
            RunWriteHook<P>(kRegisterHooks<P>.write[index], index, value);
    }

    // Every read an instruction makes of an operand in the register file.
    // The classic profile hangs nothing on reads: a port reads its register
    // byte, which is its pins (pin_wire.h). On the data-sheet chip PCL reads
    // the address of the next instruction, and a read of port B latches the
    // pins the change interrupt compares against.
    template <EChipProfile P>
    [[gnu::always_inline]] uint8_t ReadFile(int index) const {
        if constexpr (P == kDatasheet) {
            if (index <= PORTB) [[unlikely]] {
                if (index == PCL) return static_cast<uint8_t>(PC + 1);
                if (index == PORTB) Chip.datasheet.portBRead = RegisterFile[PORTB].load();
            }
        }
        return RegisterFile[index];
    }

    // Defined with the whole executor (executor_hooks.h): a hook may take a
    // cycle of Timer 0 or schedule an event.
    template <EChipProfile P>
    void RunWriteHook(EWriteHook hook, int index, uint8_t value);
    void RunDatasheetHook(EWriteHook hook, int index, uint8_t value);

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

    template <EChipProfile P>
    int EffectiveIndex(uint8_t f, bool writes) {
        if constexpr (P == kDatasheet) {
            // INDF reaches the full 8-bit address in FSR, its bit 7 the bank.
            const int index =
                kDatasheetFileIndex[f == INDF ? RegisterFile[FSR].load() : BankOffset + f];
            if (writes && index == TMR0) {
                Tmr0Inhibit = 2;
                WakeTimer();
            }
            return index;
        } else {
            const int address = ResolveAddress(f);
            if (writes) NoteWrite(address);
            return FoldIndex(BankOffset + address);
        }
    }

    // Flags always go to the bank-0 STATUS; the run loop mirrors it afterwards.
    void SetFlags(uint8_t mask, uint8_t values) {
        RegisterFile[STATUS] = static_cast<uint8_t>((RegisterFile[STATUS] & ~mask) | values);
        m_pending |= kMirrorStatus;
    }

    // d is the destination: 0 W, 1 the register.
    template <EChipProfile P>
    void Store(uint8_t d, int index, uint8_t value) {
        if (d == 0) {
            W = value;
        } else {
            StoreFile<P>(index, value);
        }
    }
};

}  // namespace core
