#include "core/instruction_set.h"

#include <algorithm>

#include "core/check_wiring.h"
#include "core/chip_executor.h"
#include "core/line_breakpoints.h"
#include "core/state.h"

CInstructionSet::CInstructionSet() {
    Refresh(core::WiringVersion.load(std::memory_order_acquire));
}

core::EChipProfile CInstructionSet::RunProfile() {
    return core::Chip.profile;
}

void CInstructionSet::Refresh(uint32_t version) {
    m_version = version;
    m_profile = RunProfile();
    const bool datasheet = m_profile == core::EChipProfile::Datasheet;
    const int loadedEnd = std::min(static_cast<int>(ProgramEnd), core::kProgramImageSize);
    m_programEnd = datasheet && loadedEnd > 0 ? core::kProgramImageSize : loadedEnd;
    for (int pc = 0; pc < kWords; ++pc) {
        const int at = 4 * pc;
        const char c[4] = {ProgramImage[at], ProgramImage[at + 1], ProgramImage[at + 2],
                           ProgramImage[at + 3]};
        const bool erased =
            datasheet && (at + 4 > loadedEnd || c[0] == 0 || c[1] == 0 || c[2] == 0 || c[3] == 0);
        m_program[pc] = erased ? core::DecodeWord('3', 'F', 'F', 'F')
                               : core::DecodeWord(c[0], c[1], c[2], c[3]);
    }

    std::fill(std::begin(m_breakBits), std::end(m_breakBits), uint64_t{0});
    // An empty slot holds 0; an address no PC can take never matches.
    for (int slot = 0; slot < core::kBreakpointsUsed; ++slot) {
        const int address = BreakAddresses[slot];
        if (address > 0 && address <= 0xFFFF)
            m_breakBits[address >> 6] |= uint64_t{1} << (address & 63);
    }
    static_assert(core::kLineBreakBitWords <= sizeof m_breakBits / sizeof m_breakBits[0]);
    for (int i = 0; i < core::kLineBreakBitWords; ++i) m_breakBits[i] |= core::LineBreakBits[i];

    m_checkKinds = core::ChecksOn;
    for (int pc = 0; pc < kWords; ++pc)
        m_namedAddresses[pc] = m_checkKinds ? core::CheckNamedAddress(pc) : -1;
    MarkChecks();
}

bool CInstructionSet::CheckMarksCurrent() const {
    return m_checkWritten[0] == core::Chip.check.written[0] &&
           m_checkWritten[1] == core::Chip.check.written[1];
}

void CInstructionSet::MarkChecks() {
    m_checkWritten[0] = core::Chip.check.written[0];
    m_checkWritten[1] = core::Chip.check.written[1];
    for (int pc = 0; pc < kWords; ++pc) {
        const bool check =
            m_checkKinds != 0 &&
            core::CheckLooksBefore(CheckWordAt(pc), m_checkKinds, m_profile, m_checkWritten);
        m_program[pc].stop = AtBreakpoint(pc) || !Inside(pc) || check;
    }
}

// Each operation runs on the chip itself: the working copy is taken before
// and published after, so a caller sees the same state as after a pass.

void CInstructionSet::ADDWF(uint8_t f, uint8_t d) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.ADDWF(f, d); });
}

void CInstructionSet::ANDWF(uint8_t f, uint8_t d) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.ANDWF(f, d); });
}

void CInstructionSet::COMF(uint8_t f, uint8_t d) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.COMF(f, d); });
}

void CInstructionSet::DECF(uint8_t f, uint8_t d) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.DECF(f, d); });
}

void CInstructionSet::DECFSZ(uint8_t f, uint8_t d) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.DECFSZ(f, d); });
}

void CInstructionSet::INCF(uint8_t f, uint8_t d) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.INCF(f, d); });
}

void CInstructionSet::INCFSZ(uint8_t f, uint8_t d) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.INCFSZ(f, d); });
}

void CInstructionSet::IORWF(uint8_t f, uint8_t d) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.IORWF(f, d); });
}

void CInstructionSet::MOVF(uint8_t f, uint8_t d) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.MOVF(f, d); });
}

void CInstructionSet::RLF(uint8_t f, uint8_t d) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.RLF(f, d); });
}

void CInstructionSet::RRF(uint8_t f, uint8_t d) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.RRF(f, d); });
}

void CInstructionSet::SUBWF(uint8_t f, uint8_t d) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.SUBWF(f, d); });
}

void CInstructionSet::SWAPF(uint8_t f, uint8_t d) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.SWAPF(f, d); });
}

void CInstructionSet::XORWF(uint8_t f, uint8_t d) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.XORWF(f, d); });
}

void CInstructionSet::CLRF(uint8_t f) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.CLRF(f); });
}

void CInstructionSet::MOVWF(uint8_t f) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.MOVWF(f); });
}

void CInstructionSet::BCF(uint8_t f, uint8_t b) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.BCF(f, b); });
}

void CInstructionSet::BSF(uint8_t f, uint8_t b) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.BSF(f, b); });
}

void CInstructionSet::BTFSC(uint8_t f, uint8_t b) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.BTFSC(f, b); });
}

void CInstructionSet::BTFSS(uint8_t f, uint8_t b) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.BTFSS(f, b); });
}

void CInstructionSet::ADDLW(uint8_t k) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.ADDLW(k); });
}

void CInstructionSet::ANDLW(uint8_t k) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.ANDLW(k); });
}

void CInstructionSet::IORLW(uint8_t k) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.IORLW(k); });
}

void CInstructionSet::MOVLW(uint8_t k) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.MOVLW(k); });
}

void CInstructionSet::SUBLW(uint8_t k) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.SUBLW(k); });
}

void CInstructionSet::XORLW(uint8_t k) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.XORLW(k); });
}

void CInstructionSet::RETLW(uint8_t k) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.RETLW(k); });
}

void CInstructionSet::CALL(int target) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.CALL(target); });
}

void CInstructionSet::GOTO(int target) {
    core::OnChip([&](core::CChipExecutor& chip) { chip.GOTO(target); });
}

void CInstructionSet::CLRW() {
    core::OnChip([&](core::CChipExecutor& chip) { chip.CLRW(); });
}

void CInstructionSet::NOP() {
    core::OnChip([&](core::CChipExecutor& chip) { chip.NOP(); });
}

void CInstructionSet::RETFIE() {
    core::OnChip([&](core::CChipExecutor& chip) { chip.RETFIE(); });
}

void CInstructionSet::RETURN() {
    core::OnChip([&](core::CChipExecutor& chip) { chip.RETURN(); });
}

void CInstructionSet::SLEEP() {
    core::OnChip([&](core::CChipExecutor& chip) { chip.SLEEP(); });
}

void CInstructionSet::OPTION() {
    core::OnChip([&](core::CChipExecutor& chip) { chip.OPTION(); });
}
