#pragma once
// The instructions' own work on the working copy: the arithmetic, the flags,
// the destinations, the skips and the jumps. Each operation names the chip's
// instruction; their second cycles step Timer 0 (executor_timer0.h).
#include <cstdint>

#include "event_log.h"
#include "executor_interrupts.h"

class CExecutorInstructions : public CExecutorInterrupts {
public:
    // File-register instructions: f is a 7-bit file address, d the
    // destination (0 W, 1 the register).
    void ADDWF(uint8_t f, uint8_t d) {
        FlagsThenResult(f, d, kCarry | kDigitCarry | kZero,
                        [w = W](uint8_t value, uint8_t& flags) { return Add(w, value, flags); });
    }
    void ANDWF(uint8_t f, uint8_t d) {
        FlagsThenResult(f, d, kZero, [w = W](uint8_t value, uint8_t& flags) {
            const uint8_t result = w & value;
            flags = ZeroFlag(result);
            return result;
        });
    }
    void CLRF(uint8_t f) {
        if (!OperandsValid(f <= 0x7F)) return;
        StoreFile(EffectiveIndex(f, true), 0);
        SetFlags(kZero, kZero);
    }
    void CLRW() {
        W = 0;
        SetFlags(kZero, kZero);
    }
    void COMF(uint8_t f, uint8_t d) {
        FlagsThenResult(f, d, kZero, [](uint8_t value, uint8_t& flags) {
            const uint8_t result = static_cast<uint8_t>(~value);
            flags = ZeroFlag(result);
            return result;
        });
    }
    void DECF(uint8_t f, uint8_t d) {
        ResultThenZero(f, d, [](uint8_t value) { return static_cast<uint8_t>(value - 1); });
    }
    void DECFSZ(uint8_t f, uint8_t d) {
        if (!FileOperandsValid(f, d)) return;
        const int index = EffectiveIndex(f, d == 1);
        const uint8_t result = static_cast<uint8_t>(ReadFile(index) - 1);
        if (result == 0) SkipNextWord();
        Store(d, index, result);
    }
    void INCF(uint8_t f, uint8_t d) {
        FlagsThenResult(f, d, kZero, [](uint8_t value, uint8_t& flags) {
            const uint8_t result = static_cast<uint8_t>(value + 1);
            flags = ZeroFlag(result);
            return result;
        });
    }
    void INCFSZ(uint8_t f, uint8_t d) {
        if (!FileOperandsValid(f, d)) return;
        const int index = EffectiveIndex(f, d == 1);
        const uint8_t result = static_cast<uint8_t>(ReadFile(index) + 1);
        if (result == 0) SkipNextWord();
        Store(d, index, result);
    }
    void IORWF(uint8_t f, uint8_t d) {
        ResultThenZero(f, d, [w = W](uint8_t value) { return static_cast<uint8_t>(w | value); });
    }
    void MOVF(uint8_t f, uint8_t d) {
        FlagsThenResult(f, d, kZero, [](uint8_t value, uint8_t& flags) {
            flags = ZeroFlag(value);
            return value;
        });
    }
    void MOVWF(uint8_t f) {
        if (!OperandsValid(f <= 0x7F)) return;
        StoreFile(EffectiveIndex(f, true), W);
    }
    void NOP() {}
    void RLF(uint8_t f, uint8_t d) {
        FlagsThenResult(f, d, kCarry, [](uint8_t value, uint8_t& flags) {
            const uint8_t carryIn = RegisterFile[STATUS] & kCarry;
            flags = (value & 0x80) ? kCarry : 0;
            return static_cast<uint8_t>((value << 1) | carryIn);
        });
    }
    void RRF(uint8_t f, uint8_t d) {
        FlagsThenResult(f, d, kCarry, [](uint8_t value, uint8_t& flags) {
            const uint8_t carryIn = RegisterFile[STATUS] & kCarry;
            flags = (value & 0x01) ? kCarry : 0;
            return static_cast<uint8_t>((value >> 1) | (carryIn << 7));
        });
    }
    void SUBWF(uint8_t f, uint8_t d) {
        FlagsThenResult(f, d, kCarry | kDigitCarry | kZero, [w = W](uint8_t value, uint8_t& flags) {
            return Subtract(value, w, flags);
        });
    }
    void SWAPF(uint8_t f, uint8_t d) {
        FlagsThenResult(f, d, 0, [](uint8_t value, uint8_t& flags) {
            flags = 0;
            return static_cast<uint8_t>((value << 4) | (value >> 4));
        });
    }
    void XORWF(uint8_t f, uint8_t d) {
        FlagsThenResult(f, d, kZero, [w = W](uint8_t value, uint8_t& flags) {
            const uint8_t result = w ^ value;
            flags = ZeroFlag(result);
            return result;
        });
    }

    // Bit instructions: b is the bit number 0-7.
    void BCF(uint8_t f, uint8_t b) {
        if (!OperandsValid(f <= 0x7F && b <= 7)) return;
        const int address = ResolveAddress(f);
        NoteWrite(address);
        // Only a bit operation on RP0 switches the bank, from either bank.
        if (address == STATUS && b == 5) {
            BankOffset = 0;
            RegisterFile[STATUS_BANK1] &= static_cast<uint8_t>(~kBankSelect);
        }
        const int index = FoldIndex(BankOffset + address);
        StoreFile(index, ReadFile(index) & static_cast<uint8_t>(~BitMask(b)));
    }
    void BSF(uint8_t f, uint8_t b) {
        if (!OperandsValid(f <= 0x7F && b <= 7)) return;
        const int address = ResolveAddress(f);
        NoteWrite(address);
        if (address == STATUS && b == 5) {
            BankOffset = kBank1;
            RegisterFile[STATUS] |= kBankSelect;
            RegisterFile[STATUS_BANK1] |= kBankSelect;
        }
        const int index = FoldIndex(BankOffset + address);
        StoreFile(index, ReadFile(index) | BitMask(b));
    }
    void BTFSC(uint8_t f, uint8_t b) {
        if (!OperandsValid(f <= 0x7F && b <= 7)) return;
        if ((ReadFile(EffectiveIndex(f, false)) & BitMask(b)) == 0) SkipNextWord();
    }
    void BTFSS(uint8_t f, uint8_t b) {
        if (!OperandsValid(f <= 0x7F && b <= 7)) return;
        if ((ReadFile(EffectiveIndex(f, false)) & BitMask(b)) != 0) SkipNextWord();
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
    void RETLW(uint8_t k) {
        W = k;
        PC = PopAddress();
        Timer0CycleStep();
    }

    // Control instructions; target is a program word address 0x000-0x7FF.
    void CALL(int target) {
        if (!ValidTarget(target)) return;
        Timer0CycleStep();
        Push(PC + 1);
        PC = static_cast<uint16_t>(target);
    }
    void GOTO(int target) {
        if (!ValidTarget(target)) return;
        PC = static_cast<uint16_t>(target);
        Timer0CycleStep();
    }
    void RETFIE() {
        PC = PopAddress();
        EventLog.RecordAtPassEnd(EEventKind::Retfie, PC);
        Timer0CycleStep();
        StoreFile(INTCON, RegisterFile[INTCON] | kGlobalEnable);
    }
    void RETURN() {
        Timer0CycleStep();
        PC = PopAddress();
    }
    void SLEEP() {
        if (RegisterFile[OPTION_REG] & kPrescalerToWatchdog) {
            StoreFile(OPTION_REG, RegisterFile[OPTION_REG] & static_cast<uint8_t>(~kPrescalerBits));
        }
        SetFlags(kPowerDown | kTimeOut, kTimeOut);
    }
    void OPTION() { StoreFile(OPTION_REG, W); }

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
    void SkipNextWord() {
        PC += 1;
        Timer0CycleStep();
    }

    // For the instructions whose flags are set before the result is stored:
    // when the destination is STATUS itself, the stored result replaces the
    // flags.
    template <class Operation>
    void FlagsThenResult(uint8_t f, uint8_t d, uint8_t flagMask, Operation operation) {
        if (!FileOperandsValid(f, d)) return;
        const int index = EffectiveIndex(f, d == 1);
        uint8_t flags = 0;
        const uint8_t result = operation(ReadFile(index), flags);
        SetFlags(flagMask, flags);
        Store(d, index, result);
    }

    // For the instructions that store the result first and then set Z from it.
    template <class Operation>
    void ResultThenZero(uint8_t f, uint8_t d, Operation operation) {
        if (!FileOperandsValid(f, d)) return;
        const int index = EffectiveIndex(f, d == 1);
        const uint8_t result = operation(ReadFile(index));
        Store(d, index, result);
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
