#pragma once
// Follows RP0 through straight-line code, so that an instruction naming a
// register of one bank can be checked against the bank selected there.
// Where the code may be reached from elsewhere (a label, an ORG, the
// return from a CALL) the bank is not known and only an advisory is left.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tasm/instruction_table.h"

namespace tasm {

struct CBankMessage {
    std::string text;  // empty: nothing to say
    bool advisory = false;
};

class CBankTracker {
public:
    // At reset the chip selects bank 0.
    void Reset();
    void Forget();

    // values as EncodeInstruction takes them. named: the file operand is
    // written as one name or number, so an address of bank 0 means that
    // bank's register (and not TRISB written as TRISB^0x80).
    CBankMessage Check(const CInstruction& instruction, const std::vector<int64_t>& values,
                       bool named) const;
    // What the instruction does to RP0.
    void Follow(const CInstruction& instruction, const std::vector<int64_t>& values);

private:
    std::optional<int> m_nBank;
    bool m_bAfterSkip = false;  // the previous instruction may skip this one
};

}  // namespace tasm
