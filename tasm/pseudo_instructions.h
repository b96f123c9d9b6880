#pragma once
// MPASM's pseudo-instructions for 14-bit cores: each stands for one or two
// real instructions whose operands come from its own or are fixed.
#include <cstddef>
#include <string_view>

namespace tasm {

// An operand of a step: a fixed value, or the pseudo-instruction's own.
constexpr int kFirstOperand = -1;
constexpr int kSecondOperand = -2;  // the destination; F when not written

struct CPseudoStep {
    std::string_view mnemonic;  // a real instruction
    int operands[2];
    size_t count;
};

struct CPseudoInstruction {
    std::string_view name;
    size_t operands;  // how many the pseudo-instruction takes (the destination may be left out)
    CPseudoStep steps[2];
    size_t stepCount;
};

// Case-insensitive; nullptr when name is none.
const CPseudoInstruction* FindPseudoInstruction(std::string_view name);

}  // namespace tasm
