#pragma once
// The instructions' own work on the working copy: the arithmetic, the flags,
// the destinations, the skips and the jumps. Each operation names the chip's
// instruction; their second cycles step Timer 0 (executor_timer0.h).
#include <cstdint>

#include "core/event_log.h"
#include "core/executor_interrupts.h"

namespace core {

class CExecutorInstructions : public CExecutorInterrupts {
public:
    // File-register instructions: f is a 7-bit file address, d the
    // destination (0 W, 1 the register).
    template <EChipProfile P = EChipProfile::Classic>
    void ADDWF(uint8_t f, uint8_t d) {
        FlagsThenResult<P>(f, d, kCarry | kDigitCarry | kZero,
                           [w = W](uint8_t value, uint8_t& flags) { return Add(w, value, flags); });
    }
    template <EChipProfile P = EChipProfile::Classic>
    void ANDWF(uint8_t f, uint8_t d) {
        FlagsThenResult<P>(f, d, kZero, [w = W](uint8_t value, uint8_t& flags) {
            const uint8_t result = w & value;
            flags = ZeroFlag(result);
            return result;
        });
    }
    template <EChipProfile P = EChipProfile::Classic>
    void CLRF(uint8_t f) {
        if (!OperandsValid(f <= 0x7F)) return;
        StoreFile<P>(EffectiveIndex<P>(f, true), 0);
        SetFlags(kZero, kZero);
    }
    void CLRW() {
        W = 0;
        SetFlags(kZero, kZero);
    }
    template <EChipProfile P = EChipProfile::Classic>
    void COMF(uint8_t f, uint8_t d) {
        FlagsThenResult<P>(f, d, kZero, [](uint8_t value, uint8_t& flags) {
            const uint8_t result = static_cast<uint8_t>(~value);
            flags = ZeroFlag(result);
            return result;
        });
    }
    template <EChipProfile P = EChipProfile::Classic>
    void DECF(uint8_t f, uint8_t d) {
        ResultThenZero<P>(f, d, [](uint8_t value) { return static_cast<uint8_t>(value - 1); });
    }
    template <EChipProfile P = EChipProfile::Classic>
    void DECFSZ(uint8_t f, uint8_t d) {
        if (!FileOperandsValid(f, d)) return;
        const int index = EffectiveIndex<P>(f, d == 1);
        const uint8_t result = static_cast<uint8_t>(ReadFile<P>(index) - 1);
        if (result == 0) SkipNextWord<P>();
        Store<P>(d, index, result);
    }
    template <EChipProfile P = EChipProfile::Classic>
    void INCF(uint8_t f, uint8_t d) {
        FlagsThenResult<P>(f, d, kZero, [](uint8_t value, uint8_t& flags) {
            const uint8_t result = static_cast<uint8_t>(value + 1);
            flags = ZeroFlag(result);
            return result;
        });
    }
    template <EChipProfile P = EChipProfile::Classic>
    void INCFSZ(uint8_t f, uint8_t d) {
        if (!FileOperandsValid(f, d)) return;
        const int index = EffectiveIndex<P>(f, d == 1);
        const uint8_t result = static_cast<uint8_t>(ReadFile<P>(index) + 1);
        if (result == 0) SkipNextWord<P>();
        Store<P>(d, index, result);
    }
    template <EChipProfile P = EChipProfile::Classic>
    void IORWF(uint8_t f, uint8_t d) {
        ResultThenZero<P>(f, d, [w = W](uint8_t value) { return static_cast<uint8_t>(w | value); });
    }
    template <EChipProfile P = EChipProfile::Classic>
    void MOVF(uint8_t f, uint8_t d) {
        FlagsThenResult<P>(f, d, kZero, [](uint8_t value, uint8_t& flags) {
            flags = ZeroFlag(value);
            return value;
        });
    }
    template <EChipProfile P = EChipProfile::Classic>
    void MOVWF(uint8_t f) {
        if (!OperandsValid(f <= 0x7F)) return;
        StoreFile<P>(EffectiveIndex<P>(f, true), W);
    }
    void NOP() {}
    template <EChipProfile P = EChipProfile::Classic>
    void RLF(uint8_t f, uint8_t d) {
        FlagsThenResult<P>(f, d, kCarry, [](uint8_t value, uint8_t& flags) {
            const uint8_t carryIn = RegisterFile[STATUS] & kCarry;
            flags = (value & 0x80) ? kCarry : 0;
            return static_cast<uint8_t>((value << 1) | carryIn);
        });
    }
    template <EChipProfile P = EChipProfile::Classic>
    void RRF(uint8_t f, uint8_t d) {
        FlagsThenResult<P>(f, d, kCarry, [](uint8_t value, uint8_t& flags) {
            const uint8_t carryIn = RegisterFile[STATUS] & kCarry;
            flags = (value & 0x01) ? kCarry : 0;
            return static_cast<uint8_t>((value >> 1) | (carryIn << 7));
        });
    }
    template <EChipProfile P = EChipProfile::Classic>
    void SUBWF(uint8_t f, uint8_t d) {
        FlagsThenResult<P>(
            f, d, kCarry | kDigitCarry | kZero,
            [w = W](uint8_t value, uint8_t& flags) { return Subtract(value, w, flags); });
    }
    template <EChipProfile P = EChipProfile::Classic>
    void SWAPF(uint8_t f, uint8_t d) {
        FlagsThenResult<P>(f, d, 0, [](uint8_t value, uint8_t& flags) {
            flags = 0;
            return static_cast<uint8_t>((value << 4) | (value >> 4));
        });
    }
    template <EChipProfile P = EChipProfile::Classic>
    void XORWF(uint8_t f, uint8_t d) {
        FlagsThenResult<P>(f, d, kZero, [w = W](uint8_t value, uint8_t& flags) {
            const uint8_t result = w ^ value;
            flags = ZeroFlag(result);
            return result;
        });
    }

    // Bit instructions: b is the bit number 0-7.
    template <EChipProfile P = EChipProfile::Classic>
    void BCF(uint8_t f, uint8_t b) {
        if (!OperandsValid(f <= 0x7F && b <= 7)) return;
        if constexpr (P == kDatasheet) {
            // The STATUS hook follows RP0, whichever instruction writes it.
            const int index = EffectiveIndex<P>(f, true);
            StoreFile<P>(index, ReadFile<P>(index) & static_cast<uint8_t>(~BitMask(b)));
            return;
        }
        const int address = ResolveAddress(f);
        NoteWrite(address);
        // Only a bit operation on RP0 switches the bank, from either bank.
        if (address == STATUS && b == 5) {
            BankOffset = 0;
            RegisterFile[STATUS_BANK1] &= static_cast<uint8_t>(~kBankSelect);
        }
        const int index = FoldIndex(BankOffset + address);
        StoreFile<P>(index, ReadFile<P>(index) & static_cast<uint8_t>(~BitMask(b)));
    }
    template <EChipProfile P = EChipProfile::Classic>
    void BSF(uint8_t f, uint8_t b) {
        if (!OperandsValid(f <= 0x7F && b <= 7)) return;
        if constexpr (P == kDatasheet) {
            const int index = EffectiveIndex<P>(f, true);
            StoreFile<P>(index, ReadFile<P>(index) | BitMask(b));
            return;
        }
        const int address = ResolveAddress(f);
        NoteWrite(address);
        if (address == STATUS && b == 5) {
            BankOffset = kBank1;
            RegisterFile[STATUS] |= kBankSelect;
            RegisterFile[STATUS_BANK1] |= kBankSelect;
        }
        const int index = FoldIndex(BankOffset + address);
        StoreFile<P>(index, ReadFile<P>(index) | BitMask(b));
    }
    template <EChipProfile P = EChipProfile::Classic>
    void BTFSC(uint8_t f, uint8_t b) {
        if (!OperandsValid(f <= 0x7F && b <= 7)) return;
        if ((ReadFile<P>(EffectiveIndex<P>(f, false)) & BitMask(b)) == 0) SkipNextWord<P>();
    }
    template <EChipProfile P = EChipProfile::Classic>
    void BTFSS(uint8_t f, uint8_t b) {
        if (!OperandsValid(f <= 0x7F && b <= 7)) return;
        if ((ReadFile<P>(EffectiveIndex<P>(f, false)) & BitMask(b)) != 0) SkipNextWord<P>();
    }

    // Literal instructions.
    void ADDLW(uint8_t k) {
        uint8_t flags = 0;
        const uint8_t result = Add(W, k, flags);
        SetFlags(kCarry | kDigitCarry | kZero, flags);
        W = result;
    }
    void ANDLW(uint8_t k) {
        W = W & k;
        SetFlags(kZero, ZeroFlag(W));
    }
    void IORLW(uint8_t k) {
        W = W | k;
        SetFlags(kZero, ZeroFlag(W));
    }
    void MOVLW(uint8_t k) { W = k; }
    void SUBLW(uint8_t k) {
        uint8_t flags = 0;
        const uint8_t result = Subtract(k, W, flags);
        SetFlags(kCarry | kDigitCarry | kZero, flags);
        W = result;
    }
    void XORLW(uint8_t k) {
        W = W ^ k;
        SetFlags(kZero, ZeroFlag(W));
    }
    template <EChipProfile P = EChipProfile::Classic>
    void RETLW(uint8_t k) {
        W = k;
        const int word = PC;
        PC = PopAddress<P>();
        SecondCycle<P>(word);
    }

    // Control instructions; target is a program word address 0x000-0x7FF.
    // On the data-sheet chip PCLATH<4:3> would give the address bits 11
    // and 12, and the 1024 words ignore everything above bit 9: the target
    // wraps into them.
    template <EChipProfile P = EChipProfile::Classic>
    void CALL(int target) {
        if (!ValidTarget(target)) return;
        SecondCycle<P>(PC);
        if constexpr (P == kDatasheet) {
            Push<P>((PC + 1) & kProgramWordMask);
            PC = static_cast<uint16_t>(target & kProgramWordMask);
        } else {
            Push<P>(PC + 1);
            PC = static_cast<uint16_t>(target);
        }
    }
    template <EChipProfile P = EChipProfile::Classic>
    void GOTO(int target) {
        if (!ValidTarget(target)) return;
        const int word = PC;
        PC = static_cast<uint16_t>(P == kDatasheet ? target & kProgramWordMask : target);
        SecondCycle<P>(word);
    }
    template <EChipProfile P = EChipProfile::Classic>
    void RETFIE() {
        const int word = PC;
        PC = PopAddress<P>();
        EventLog.RecordAtPassEnd(EEventKind::Retfie, PC);
        SecondCycle<P>(word);
        StoreFile<P>(INTCON, RegisterFile[INTCON] | kGlobalEnable);
    }
    template <EChipProfile P = EChipProfile::Classic>
    void RETURN() {
        SecondCycle<P>(PC);
        PC = PopAddress<P>();
    }
    template <EChipProfile P = EChipProfile::Classic>
    void SLEEP() {
        if constexpr (P == kDatasheet) {
            // The watchdog and its prescaler start afresh; the processor
            // stops after this cycle (the run loop's sleeping passes).
            ClearWatchdog();
            SetFlags(kPowerDown | kTimeOut, kTimeOut);
            Asleep = true;
        } else {
            if (RegisterFile[OPTION_REG] & kPrescalerToWatchdog) {
                StoreFile<P>(OPTION_REG,
                             RegisterFile[OPTION_REG] & static_cast<uint8_t>(~kPrescalerBits));
            }
            SetFlags(kPowerDown | kTimeOut, kTimeOut);
        }
    }
    template <EChipProfile P = EChipProfile::Classic>
    void OPTION() {
        StoreFile<P>(OPTION_REG, W);
    }
    // The data-sheet chip's: TRIS 5 and 6 load TRISA and TRISB from W (any
    // other operand names no register of this chip); CLRWDT sets TO and PD.
    void TRIS(uint8_t f) {
        if (f == PORTA || f == PORTB) StoreFile<kDatasheet>(f + 0x80, W);
    }
    void CLRWDT() {
        ClearWatchdog();
        SetFlags(kPowerDown | kTimeOut, kPowerDown | kTimeOut);
    }

    // A byte with only bit b set; 0 for b above 7.
    static uint8_t BitMask(uint8_t b) { return b <= 7 ? static_cast<uint8_t>(1u << b) : 0; }

private:
    [[gnu::cold, gnu::noinline]] static void ShowBadOperand() {
        RunTimeMessage("GRESKA: Pogresna vrednost argumenta instrukcije");
    }

    // The decoder never produces bad operands; this guards the interface for
    // every other caller, and costs the decoder's calls one compare.
    static bool OperandsValid(bool valid) {
        if (!valid) [[unlikely]] {
            ShowBadOperand();
            return false;
        }
        return true;
    }
    static bool FileOperandsValid(uint8_t f, uint8_t d) {
        return OperandsValid(f <= 0x7F && d <= 1);
    }

    static uint8_t ZeroFlag(uint8_t result) { return result == 0 ? kZero : 0; }

    // The second cycle of a skip or a jump.
    template <EChipProfile P>
    void SkipNextWord() {
        PC += 1;
        SecondCycle<P>(PC - 1);
    }

    // For the instructions whose flags are set before the result is stored:
    // when the destination is STATUS itself, the stored result replaces the
    // flags.
    // On the data-sheet chip the flags win instead: a write of STATUS by an
    // instruction that sets flags leaves those bits to the flags.
    template <EChipProfile P, class Operation>
    void FlagsThenResult(uint8_t f, uint8_t d, uint8_t flagMask, Operation operation) {
        if (!FileOperandsValid(f, d)) return;
        const int index = EffectiveIndex<P>(f, d == 1);
        uint8_t flags = 0;
        const uint8_t result = operation(ReadFile<P>(index), flags);
        if constexpr (P == kDatasheet) {
            Store<P>(d, index, result);
            SetFlags(flagMask, flags);
        } else {
            SetFlags(flagMask, flags);
            Store<P>(d, index, result);
        }
    }

    // For the instructions that store the result first and then set Z from it.
    template <EChipProfile P, class Operation>
    void ResultThenZero(uint8_t f, uint8_t d, Operation operation) {
        if (!FileOperandsValid(f, d)) return;
        const int index = EffectiveIndex<P>(f, d == 1);
        const uint8_t result = operation(ReadFile<P>(index));
        Store<P>(d, index, result);
        SetFlags(kZero, ZeroFlag(result));
    }

    static uint8_t Add(uint8_t a, uint8_t b, uint8_t& flags) {
        const int sum = a + b;
        const uint8_t result = static_cast<uint8_t>(sum);
        flags = static_cast<uint8_t>((sum > 0xFF ? kCarry : 0) |
                                     (((a & 0x0F) + (b & 0x0F)) > 0x0F ? kDigitCarry : 0) |
                                     ZeroFlag(result));
        return result;
    }

    // Carry and digit carry are "no borrow", as on the chip.
    static uint8_t Subtract(uint8_t minuend, uint8_t subtrahend, uint8_t& flags) {
        const uint8_t result = static_cast<uint8_t>(minuend - subtrahend);
        flags = static_cast<uint8_t>((minuend >= subtrahend ? kCarry : 0) |
                                     ((minuend & 0x0F) >= (subtrahend & 0x0F) ? kDigitCarry : 0) |
                                     ZeroFlag(result));
        return result;
    }

    static bool ValidTarget(int target) { return target >= 0 && target <= 0x7FF; }
};

}  // namespace core
