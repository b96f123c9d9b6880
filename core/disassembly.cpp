#include "core/disassembly.h"

#include <cstdio>

#include "core/chip_map.h"
#include "core/state.h"

namespace core {

namespace {
enum class EOperands { None, File, FileDest, FileBit, Literal, Target };

EOperands OperandsOf(EOp op) {
    if (HasDestination(op)) return EOperands::FileDest;
    switch (op) {
        case EOp::MOVWF:
        case EOp::CLRF:
        case EOp::TRIS:
            return EOperands::File;
        case EOp::BCF:
        case EOp::BSF:
        case EOp::BTFSC:
        case EOp::BTFSS:
            return EOperands::FileBit;
        case EOp::ANDLW:
        case EOp::IORLW:
        case EOp::XORLW:
        case EOp::RETLW:
        case EOp::SUBLW:
        case EOp::MOVLW:
        case EOp::ADDLW:
            return EOperands::Literal;
        case EOp::GOTO:
        case EOp::CALL:
            return EOperands::Target;
        default:
            return EOperands::None;
    }
}

std::string Hex(int value, int digits) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

std::string Named(const std::function<std::string(int)>& name, int value, int digits) {
    std::string text = name ? name(value) : std::string();
    return text.empty() ? Hex(value, digits) : text;
}
}  // namespace

std::string Disassemble(const SDecodedWord& word, const SOperandNames& names) {
    // The classic chip runs TRIS and CLRWDT as nothing, and shows them so.
    const bool classicNothing =
        Chip.profile == EChipProfile::Classic && (word.op == EOp::TRIS || word.op == EOp::CLRWDT);
    const char* mnemonic = classicNothing ? nullptr : MnemonicOf(word.op);
    if (!mnemonic) return {};
    std::string text = mnemonic;
    switch (OperandsOf(word.op)) {
        case EOperands::None:
            break;
        case EOperands::File:
            text += " " + Named(names.file, word.f, 2);
            break;
        case EOperands::FileDest:
            text += " " + Named(names.file, word.f, 2) + (word.bd ? ",F" : ",W");
            break;
        case EOperands::FileBit: {
            const std::string file = Named(names.file, word.f, 2);
            const SChipRegister* reg = FindChipRegister(file);
            const bool bitNamed = reg && !reg->bits[word.bd].empty();
            text += " " + file + "," +
                    (bitNamed ? std::string(reg->bits[word.bd]) : std::to_string(word.bd));
            break;
        }
        case EOperands::Literal:
            text += " " + Hex(word.k, 2);
            break;
        case EOperands::Target:
            text += " " + Named(names.label, word.k, 3);
            break;
    }
    return text;
}

}  // namespace core
