#pragma once
// The PIC16C84's instructions: the 35 of its data sheet plus OPTION and
// TRIS, and how each one's operands fill its 14-bit word.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tasm {

enum class EOperands {
    None,      // NOP, RETURN, ...
    FileDest,  // ADDWF f,d (d omitted means F)
    File,      // CLRF f, MOVWF f
    FileBit,   // BSF f,b
    Literal,   // MOVLW k (8 bits)
    Jump,      // GOTO k (11 bits, the chip has 1024 words)
    Tris,      // TRIS f, f one of the port registers
};

struct CInstruction {
    std::string_view mnemonic;
    uint16_t opcode;  // the word with every operand field 0
    EOperands operands;
};

// Case-insensitive; nullptr when name is no instruction.
const CInstruction* FindInstruction(std::string_view name);

// What encoding one instruction found: the word, or an error.
struct CEncoding {
    uint16_t word = 0;
    std::string error;
};

// operands holds the evaluated operand values as written (one or two).
CEncoding EncodeInstruction(const CInstruction& instruction, const std::vector<int64_t>& operands);

// Whether the first operand names a register (f).
bool HasFileOperand(const CInstruction& instruction);

// How many operands the instruction takes at least and at most.
void OperandCount(EOperands operands, size_t* least, size_t* most);

}  // namespace tasm
