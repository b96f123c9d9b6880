#include "tasm/instruction_table.h"

#include <strings.h>

#include <cstdio>
#include <iterator>

namespace tasm {

namespace {

constexpr CInstruction kInstructions[] = {
    {"ADDWF", 0x0700, EOperands::FileDest},  {"ANDWF", 0x0500, EOperands::FileDest},
    {"CLRF", 0x0180, EOperands::File},       {"CLRW", 0x0103, EOperands::None},
    {"COMF", 0x0900, EOperands::FileDest},   {"DECF", 0x0300, EOperands::FileDest},
    {"DECFSZ", 0x0B00, EOperands::FileDest}, {"INCF", 0x0A00, EOperands::FileDest},
    {"INCFSZ", 0x0F00, EOperands::FileDest}, {"IORWF", 0x0400, EOperands::FileDest},
    {"MOVF", 0x0800, EOperands::FileDest},   {"MOVWF", 0x0080, EOperands::File},
    {"NOP", 0x0000, EOperands::None},        {"RLF", 0x0D00, EOperands::FileDest},
    {"RRF", 0x0C00, EOperands::FileDest},    {"SUBWF", 0x0200, EOperands::FileDest},
    {"SWAPF", 0x0E00, EOperands::FileDest},  {"XORWF", 0x0600, EOperands::FileDest},
    {"BCF", 0x1000, EOperands::FileBit},     {"BSF", 0x1400, EOperands::FileBit},
    {"BTFSC", 0x1800, EOperands::FileBit},   {"BTFSS", 0x1C00, EOperands::FileBit},
    {"ADDLW", 0x3E00, EOperands::Literal},   {"ANDLW", 0x3900, EOperands::Literal},
    {"CALL", 0x2000, EOperands::Jump},       {"CLRWDT", 0x0064, EOperands::None},
    {"GOTO", 0x2800, EOperands::Jump},       {"IORLW", 0x3800, EOperands::Literal},
    {"MOVLW", 0x3000, EOperands::Literal},   {"RETFIE", 0x0009, EOperands::None},
    {"RETLW", 0x3400, EOperands::Literal},   {"RETURN", 0x0008, EOperands::None},
    {"SLEEP", 0x0063, EOperands::None},      {"SUBLW", 0x3C00, EOperands::Literal},
    {"XORLW", 0x3A00, EOperands::Literal},   {"OPTION", 0x0062, EOperands::None},
    {"TRIS", 0x0060, EOperands::Tris},
};

std::string Hex(int64_t value) {
    char buf[32];
    if (value < 0) {
        std::snprintf(buf, sizeof buf, "-0x%llX", static_cast<unsigned long long>(-value));
    } else {
        std::snprintf(buf, sizeof buf, "0x%llX", static_cast<unsigned long long>(value));
    }
    return buf;
}

// A register address of bank 1 (0x80-0xFF) keeps its low 7 bits: the
// instruction word has no room for the bank bit, RP0 selects the bank.
bool FileAddress(int64_t f, CEncoding* out, uint16_t* bits) {
    if (f < 0 || f > 0xFF) {
        out->error = "file address out of range (0-0xFF): " + Hex(f);
        return false;
    }
    *bits = static_cast<uint16_t>(f & 0x7F);
    return true;
}

}  // namespace

const CInstruction* FindInstruction(std::string_view name) {
    if (name.size() > 6) return nullptr;
    for (const CInstruction& instruction : kInstructions) {
        if (name.size() == instruction.mnemonic.size() &&
            strncasecmp(name.data(), instruction.mnemonic.data(), name.size()) == 0) {
            return &instruction;
        }
    }
    return nullptr;
}

bool HasFileOperand(const CInstruction& instruction) {
    return instruction.operands == EOperands::FileDest || instruction.operands == EOperands::File ||
           instruction.operands == EOperands::FileBit;
}

void OperandCount(EOperands operands, size_t* least, size_t* most) {
    switch (operands) {
        case EOperands::None:
            *least = *most = 0;
            return;
        case EOperands::FileDest:
            *least = 1;
            *most = 2;
            return;
        case EOperands::FileBit:
            *least = *most = 2;
            return;
        default:
            *least = *most = 1;
            return;
    }
}

CEncoding EncodeInstruction(const CInstruction& instruction, const std::vector<int64_t>& operands) {
    CEncoding out;
    uint16_t word = instruction.opcode;
    uint16_t f = 0;
    switch (instruction.operands) {
        case EOperands::None:
            break;
        case EOperands::File:
            if (!FileAddress(operands[0], &out, &f)) return out;
            word |= f;
            break;
        case EOperands::FileDest: {
            if (!FileAddress(operands[0], &out, &f)) return out;
            int64_t d = operands.size() > 1 ? operands[1] : 1;
            if (d != 0 && d != 1) {
                out.error = "destination must be W or F (0 or 1): " + Hex(d);
                return out;
            }
            word |= static_cast<uint16_t>(f | (d << 7));
            break;
        }
        case EOperands::FileBit: {
            if (!FileAddress(operands[0], &out, &f)) return out;
            int64_t b = operands[1];
            if (b < 0 || b > 7) {
                out.error = "bit number out of range (0-7): " + Hex(b);
                return out;
            }
            word |= static_cast<uint16_t>(f | (b << 7));
            break;
        }
        case EOperands::Literal: {
            int64_t k = operands[0];
            // Down to -255, as other PIC assemblers read -d'195'.
            if (k < -255 || k > 255) {
                out.error = "literal out of range (-255..255): " + Hex(k);
                return out;
            }
            word |= static_cast<uint16_t>(k & 0xFF);
            break;
        }
        case EOperands::Jump: {
            int64_t k = operands[0];
            if (k < 0 || k > 1023) {
                out.error = "jump target out of range (0-1023): " + Hex(k);
                return out;
            }
            word |= static_cast<uint16_t>(k);
            break;
        }
        case EOperands::Tris:
            // TRIS names the port; TRISB means the same register here.
            if (!FileAddress(operands[0], &out, &f)) return out;
            if (f < 5 || f > 7) {
                out.error = "TRIS needs a port register (5-7): " + Hex(operands[0]);
                return out;
            }
            word |= f;
            break;
    }
    out.word = word;
    return out;
}

}  // namespace tasm
