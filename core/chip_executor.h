#pragma once
// The executor: one decoded word at a time on the working copy of the chip,
// inlined into the run loop so that the copy stays in registers. Its units,
// from the bottom: the working copy and its cycle countdown
// (executor_copy.h), the register file's reads, stores and hooks
// (executor_store.h), Timer 0 and the cycle-timer queue (executor_timer0.h),
// the pass's end with the interrupt check (executor_interrupts.h), and the
// instructions (executor_instructions.h); here the dispatch.
#include <cstdint>

#include "core/decoded_word.h"
#include "core/executor_datasheet.h"

namespace core {

class CChipExecutor : public CExecutorDatasheet {
public:
    // One decoded word: the mnemonic (each operation names its own, as a
    // constant), the operation, and for the instructions that load PC
    // themselves (GOTO, CALL, RETURN, RETFIE, RETLW) PcChanged, so that the
    // caller leaves PC alone. None executes nothing. The run loop's form
    // (kAdvancePc) moves PC on past every other word itself instead.
    // Inlined into the run loop, so the working copy stays in registers.
    // The data-sheet profile runs only in the run loop's form.
    template <bool kAdvancePc = false, EChipProfile P = EChipProfile::Classic>
    [[gnu::always_inline]] void Execute(const SDecodedWord& word) {
        static_assert(kAdvancePc || P == EChipProfile::Classic);
        // The decoder's operands are always in range; telling the compiler
        // so drops the operations' own range checks at no cost.
        const uint8_t f = word.f;
        const uint8_t d = word.bd;
        const uint8_t b = word.bd;
        const auto k = static_cast<uint8_t>(word.k);
        const int target = word.k;
        if (f > 0x7F || b > 7 || target > 0x7FF) __builtin_unreachable();
        const bool fileOperation = word.op >= EOp::SUBWF && word.op <= EOp::INCFSZ;
        if (fileOperation && d > 1) __builtin_unreachable();
        switch (word.op) {
            case EOp::None:  // the last mnemonic stays
                break;
            case EOp::NOP:
                LastMnemonic = MnemonicOf(EOp::NOP);
                break;
            case EOp::MOVWF:
                LastMnemonic = MnemonicOf(EOp::MOVWF);
                MOVWF<P>(f);
                break;
            case EOp::CLRW:
                LastMnemonic = MnemonicOf(EOp::CLRW);
                CLRW();
                break;
            case EOp::CLRF:
                LastMnemonic = MnemonicOf(EOp::CLRF);
                CLRF<P>(f);
                break;
            case EOp::SUBWF:
                LastMnemonic = MnemonicOf(EOp::SUBWF);
                SUBWF<P>(f, d);
                break;
            case EOp::DECF:
                LastMnemonic = MnemonicOf(EOp::DECF);
                DECF<P>(f, d);
                break;
            case EOp::IORWF:
                LastMnemonic = MnemonicOf(EOp::IORWF);
                IORWF<P>(f, d);
                break;
            case EOp::ANDWF:
                LastMnemonic = MnemonicOf(EOp::ANDWF);
                ANDWF<P>(f, d);
                break;
            case EOp::XORWF:
                LastMnemonic = MnemonicOf(EOp::XORWF);
                XORWF<P>(f, d);
                break;
            case EOp::ADDWF:
                LastMnemonic = MnemonicOf(EOp::ADDWF);
                ADDWF<P>(f, d);
                break;
            case EOp::MOVF:
                LastMnemonic = MnemonicOf(EOp::MOVF);
                MOVF<P>(f, d);
                break;
            case EOp::COMF:
                LastMnemonic = MnemonicOf(EOp::COMF);
                COMF<P>(f, d);
                break;
            case EOp::INCF:
                LastMnemonic = MnemonicOf(EOp::INCF);
                INCF<P>(f, d);
                break;
            case EOp::DECFSZ:
                LastMnemonic = MnemonicOf(EOp::DECFSZ);
                DECFSZ<P>(f, d);
                break;
            case EOp::RRF:
                LastMnemonic = MnemonicOf(EOp::RRF);
                RRF<P>(f, d);
                break;
            case EOp::RLF:
                LastMnemonic = MnemonicOf(EOp::RLF);
                RLF<P>(f, d);
                break;
            case EOp::SWAPF:
                LastMnemonic = MnemonicOf(EOp::SWAPF);
                SWAPF<P>(f, d);
                break;
            case EOp::INCFSZ:
                LastMnemonic = MnemonicOf(EOp::INCFSZ);
                INCFSZ<P>(f, d);
                break;
            case EOp::BCF:
                LastMnemonic = MnemonicOf(EOp::BCF);
                BCF<P>(f, b);
                break;
            case EOp::BSF:
                LastMnemonic = MnemonicOf(EOp::BSF);
                BSF<P>(f, b);
                break;
            case EOp::BTFSC:
                LastMnemonic = MnemonicOf(EOp::BTFSC);
                BTFSC<P>(f, b);
                break;
            case EOp::BTFSS:
                LastMnemonic = MnemonicOf(EOp::BTFSS);
                BTFSS<P>(f, b);
                break;
            case EOp::GOTO:
                LastMnemonic = MnemonicOf(EOp::GOTO);
                GOTO<P>(target);
                return Jumped<kAdvancePc>();
            case EOp::CALL:
                LastMnemonic = MnemonicOf(EOp::CALL);
                CALL<P>(target);
                return Jumped<kAdvancePc>();
            case EOp::ANDLW:
                LastMnemonic = MnemonicOf(EOp::ANDLW);
                ANDLW(k);
                break;
            case EOp::IORLW:
                LastMnemonic = MnemonicOf(EOp::IORLW);
                IORLW(k);
                break;
            case EOp::XORLW:
                LastMnemonic = MnemonicOf(EOp::XORLW);
                XORLW(k);
                break;
            case EOp::RETLW:
                LastMnemonic = MnemonicOf(EOp::RETLW);
                RETLW<P>(k);
                return Jumped<kAdvancePc>();
            case EOp::SUBLW:
                LastMnemonic = MnemonicOf(EOp::SUBLW);
                SUBLW(k);
                break;
            case EOp::MOVLW:
                LastMnemonic = MnemonicOf(EOp::MOVLW);
                MOVLW(k);
                break;
            case EOp::ADDLW:
                LastMnemonic = MnemonicOf(EOp::ADDLW);
                ADDLW(k);
                break;
            case EOp::RETURN:
                LastMnemonic = MnemonicOf(EOp::RETURN);
                RETURN<P>();
                return Jumped<kAdvancePc>();
            case EOp::RETFIE:
                LastMnemonic = MnemonicOf(EOp::RETFIE);
                RETFIE<P>();
                return Jumped<kAdvancePc>();
            case EOp::SLEEP:
                LastMnemonic = MnemonicOf(EOp::SLEEP);
                SLEEP<P>();
                break;
            case EOp::OPTION:
                LastMnemonic = MnemonicOf(EOp::OPTION);
                OPTION<P>();
                break;
            // The classic chip executes these as nothing, as any word
            // without an instruction.
            case EOp::TRIS:
                if constexpr (P == EChipProfile::Datasheet) {
                    LastMnemonic = MnemonicOf(EOp::TRIS);
                    TRIS(f);
                }
                break;
            case EOp::CLRWDT:
                if constexpr (P == EChipProfile::Datasheet) {
                    LastMnemonic = MnemonicOf(EOp::CLRWDT);
                    CLRWDT();
                }
                break;
            default:
                __builtin_unreachable();  // DecodeWord makes no other value
        }
        // The data-sheet chip's 1024 words wrap: past word 1023 comes word 0.
        if constexpr (P == EChipProfile::Datasheet) {
            PC = static_cast<uint16_t>((PC + 1) & kProgramWordMask);
        } else if constexpr (kAdvancePc) {
            PC += 1;
        }
    }

    template <bool kAdvancePc>
    void Jumped() {
        if constexpr (!kAdvancePc) PcChanged = true;
    }
};

}  // namespace core

#include "core/executor_hooks.h"

namespace core {

// Runs one step of the executor on the chip itself, for callers outside the
// run loop: everything is read before and published after.
template <class Step>
void OnChip(Step step) {
    CChipExecutor chip;
    chip.LoadAll();
    step(chip);
    chip.PublishAll();
}

}  // namespace core
