#include "tasm/bank_tracker.h"

#include <cstdio>
#include <string_view>

#include "tasm/chip_names.h"

namespace tasm {

namespace {

constexpr int64_t kStatus = 0x03;
constexpr int64_t kRp0 = 5;

// TMR0/OPTION_REG, PORTA/TRISA, PORTB/TRISB, EEDATA/EECON1, EEADR/EECON2
// share their low address bits; every other register of the chip is the
// same in both banks or missing in both.
bool BankMatters(int64_t f) {
    switch (f & 0x7F) {
        case 0x01:
        case 0x05:
        case 0x06:
        case 0x08:
        case 0x09:
            return true;
        default:
            return false;
    }
}

std::string Named(int64_t address) {
    char text[32];
    std::string_view name = RegisterName(address);
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(address));
    return name.empty() ? text : std::string(text) + " (" + std::string(name) + ")";
}

bool Is(const CInstruction& instruction, std::string_view mnemonic) {
    return instruction.mnemonic == mnemonic;
}

}  // namespace

void CBankTracker::Reset() {
    m_nBank = 0;
    m_bAfterSkip = false;
}

void CBankTracker::Forget() {
    m_nBank.reset();
    m_bAfterSkip = false;
}

CBankMessage CBankTracker::Check(const CInstruction& instruction,
                                 const std::vector<int64_t>& values, bool named) const {
    if (!HasFileOperand(instruction) || values.empty()) return {};
    int64_t f = values[0];
    if (f < 0 || f > 0xFF || !BankMatters(f)) return {};
    int wanted = f >= 0x80 ? 1 : 0;
    if (!m_nBank) {
        if (wanted == 0) return {};
        char text[96];
        std::snprintf(
            text, sizeof text,
            "Register 0x%02X lies in bank 1: make sure RP0 is set before this instruction",
            static_cast<unsigned>(f));
        return {text, true};
    }
    if (*m_nBank == wanted || (wanted == 0 && !named)) return {};
    int64_t reached = (f & 0x7F) | (*m_nBank << 7);
    std::string name(RegisterName(f));
    return {"wrong bank: register " + Named(f) + " is in bank " + std::to_string(wanted) +
                " but bank " + std::to_string(*m_nBank) +
                " is selected here, so this instruction reaches " + Named(reached) + ": put " +
                (wanted == 1 ? "BSF" : "BCF") + " STATUS,RP0 (or BANKSEL " +
                (name.empty() ? Named(f) : name) + ") before it",
            false};
}

void CBankTracker::Follow(const CInstruction& instruction, const std::vector<int64_t>& values) {
    bool skipped = m_bAfterSkip;
    m_bAfterSkip = Is(instruction, "BTFSS") || Is(instruction, "BTFSC") ||
                   Is(instruction, "DECFSZ") || Is(instruction, "INCFSZ");
    if (Is(instruction, "CALL")) {  // the subroutine may return in either bank
        m_nBank.reset();
        return;
    }
    if (!HasFileOperand(instruction) || values.empty() || (values[0] & 0x7F) != kStatus) return;
    std::optional<int> after = m_nBank;
    if (Is(instruction, "BSF") || Is(instruction, "BCF")) {
        if (values.size() > 1 && values[1] == kRp0) after = Is(instruction, "BSF") ? 1 : 0;
    } else if (Is(instruction, "CLRF")) {
        after = 0;
    } else if (Is(instruction, "MOVWF") || (instruction.operands == EOperands::FileDest &&
                                            (values.size() < 2 || values[1] == 1))) {
        after.reset();  // a value computed at run time
    }
    // Skipped or not: either bank may follow.
    if (skipped && after != m_nBank) after.reset();
    m_nBank = after;
}

}  // namespace tasm
