#pragma once
// The chip's instructions, one operation per mnemonic, acting on the
// process-wide processor state; and the program as the run loop executes it,
// each word decoded once, with the breakpoints as one bit per address. The
// worker owns one for the life of its thread.
#include <cstddef>
#include <cstdint>

#include "core/chip_profile.h"
#include "core/decoded_word.h"
#include "core/program_checks.h"
#include "core/wiring.h"

class CInstructionSet {
public:
    CInstructionSet();

    // File-register instructions: f is a 7-bit file address, d the
    // destination (0 W, 1 the register).
    void ADDWF(uint8_t f, uint8_t d);
    void ANDWF(uint8_t f, uint8_t d);
    void CLRF(uint8_t f);
    void CLRW();
    void COMF(uint8_t f, uint8_t d);
    void DECF(uint8_t f, uint8_t d);
    void DECFSZ(uint8_t f, uint8_t d);
    void INCF(uint8_t f, uint8_t d);
    void INCFSZ(uint8_t f, uint8_t d);
    void IORWF(uint8_t f, uint8_t d);
    void MOVF(uint8_t f, uint8_t d);
    void MOVWF(uint8_t f);
    void NOP();
    void RLF(uint8_t f, uint8_t d);
    void RRF(uint8_t f, uint8_t d);
    void SUBWF(uint8_t f, uint8_t d);
    void SWAPF(uint8_t f, uint8_t d);
    void XORWF(uint8_t f, uint8_t d);

    // Bit instructions: b is the bit number 0-7.
    void BCF(uint8_t f, uint8_t b);
    void BSF(uint8_t f, uint8_t b);
    void BTFSC(uint8_t f, uint8_t b);
    void BTFSS(uint8_t f, uint8_t b);

    // Literal instructions.
    void ADDLW(uint8_t k);
    void ANDLW(uint8_t k);
    void IORLW(uint8_t k);
    void MOVLW(uint8_t k);
    void SUBLW(uint8_t k);
    void XORLW(uint8_t k);
    void RETLW(uint8_t k);

    // Control instructions; target is a program word address 0x000-0x7FF.
    void CALL(int target);
    void GOTO(int target);
    void RETFIE();
    void RETURN();
    void SLEEP();
    void OPTION();

    // For the run loop. Brings the decoded program, ProgramEnd and the
    // breakpoints up to date when the settings have changed since the last
    // call: one load when they have not. Returns whether they had changed.
    bool Sync() {
        const uint32_t version = core::WiringVersion.load(std::memory_order_acquire);
        if (version == m_version && RunProfile() == m_profile) [[likely]]
            return false;
        Refresh(version);
        return true;
    }
    // The loop condition's program part, against the ProgramEnd of the last
    // Sync: the word at pc lies wholly inside the loaded program.
    bool Inside(int pc) const { return 4 * pc + 4 <= m_programEnd; }
    // The decoded word at pc; no instruction outside program memory.
    const core::SDecodedWord& WordAt(int pc) const { return pc < kWords ? m_program[pc] : kNoWord; }
    // The same for a pc that Inside has accepted.
    const core::SDecodedWord& WordInside(int pc) const { return m_program[pc]; }
    // Whether a label or line breakpoint stands at pc, as of the last Sync.
    bool AtBreakpoint(uint16_t pc) const { return (m_breakBits[pc >> 6] >> (pc & 63)) & 1u; }
    // Whether the loop must look closer before it executes the word at pc: a
    // breakpoint stands there, or the word lies outside the program. Read
    // from the word the loop fetches next anyway.
    bool StopBefore(uint16_t pc) const { return pc >= kWords || m_program[pc].stop; }

    // The run-time checks switched on as of the last Sync; 0 when none, and
    // then no word is marked for them.
    uint32_t CheckKinds() const { return m_checkKinds; }
    // The word at pc as the checks see it.
    core::SCheckWord CheckWordAt(int pc) const {
        return {&WordAt(pc), pc, pc < kWords ? m_namedAddresses[pc] : -1};
    }
    // Marks the words before which the checks look, anew when the registers
    // written so far differ from those the marks were made for.
    void SyncChecks() {
        if (m_checkKinds != 0 && !CheckMarksCurrent()) [[unlikely]]
            MarkChecks();
    }

private:
    static constexpr int kWords = 1024;
    static constexpr core::SDecodedWord kNoWord{};

    void Refresh(uint32_t version);
    bool CheckMarksCurrent() const;
    void MarkChecks();

    // The profile of the run the program was decoded for: the data-sheet
    // chip's program memory holds 1024 words, erased ones 0x3FFF.
    static core::EChipProfile RunProfile();

    uint32_t m_version;
    int m_programEnd = 0;  // capped at the image's end
    core::SDecodedWord m_program[kWords];
    core::EChipProfile m_profile = core::EChipProfile::Classic;
    uint64_t m_breakBits[65536 / 64];
    uint32_t m_checkKinds = 0;
    int m_namedAddresses[kWords];
    uint64_t m_checkWritten[2] = {};  // the registers written when the marks were made
};
