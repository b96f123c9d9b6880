#pragma once
// A program word decoded once from its four characters into what the run
// loop needs to execute it: which operation, and the operands cut from the
// word. The run loop keeps the decoded program and decodes a word again only
// after the image has changed.
#include <cstddef>
#include <cstdint>
#include <iterator>

namespace core {

enum class EOp : uint8_t {
    None,  // a word without instruction: nothing executes
    NOP,
    MOVWF,
    CLRW,
    CLRF,
    SUBWF,
    DECF,
    IORWF,
    ANDWF,
    XORWF,
    ADDWF,
    MOVF,
    COMF,
    INCF,
    DECFSZ,
    RRF,
    RLF,
    SWAPF,
    INCFSZ,
    BCF,
    BSF,
    BTFSC,
    BTFSS,
    GOTO,
    CALL,
    ANDLW,
    IORLW,
    XORLW,
    RETLW,
    SUBLW,
    MOVLW,
    ADDLW,
    RETURN,
    RETFIE,
    SLEEP,
    OPTION,
    TRIS,
    CLRWDT,
};

// Eight bytes, so that the program's words lie at a shift of the address.
struct alignas(8) SDecodedWord {
    EOp op = EOp::None;  // its mnemonic is MnemonicOf(op)
    uint8_t f = 0;       // file address
    uint8_t bd = 0;      // bit number, or destination
    uint16_t k = 0;      // literal or jump address
    // Not the decode's: the run loop's copy of the program marks the words
    // before which it must look closer (a breakpoint, the program's end).
    bool stop = false;
};

// The decode of the four image characters at one word, c0 most significant.
// Tests some characters as characters and others by their digit value, as
// the instruction table does, so lower-case letters and NUL bytes decode as
// they always have.
SDecodedWord DecodeWord(char c0, char c1, char c2, char c3);

// The byte operations on a file register that take a destination (d = 0: W,
// 1: the register), SUBWF to INCFSZ in the order above.
constexpr bool HasDestination(EOp op) {
    return op >= EOp::SUBWF && op <= EOp::INCFSZ;
}

// The mnemonic texts as one inline variable: it has a single address in the
// whole program, so every translation unit records the same pointer for a
// mnemonic and two chip states compare equal. String literals promise no
// such thing (a sanitizer build keeps a copy per unit).
inline constexpr char kMnemonicTexts[][7] = {
    "",      "NOP",   "MOVWF",  "CLRW",   "CLRF",   "SUBWF",  "DECF",  "IORWF", "ANDWF",  "XORWF",
    "ADDWF", "MOVF",  "COMF",   "INCF",   "DECFSZ", "RRF",    "RLF",   "SWAPF", "INCFSZ", "BCF",
    "BSF",   "BTFSC", "BTFSS",  "GOTO",   "CALL",   "ANDLW",  "IORLW", "XORLW", "RETLW",  "SUBLW",
    "MOVLW", "ADDLW", "RETURN", "RETFIE", "SLEEP",  "OPTION", "TRIS",  "CLRWDT"};
static_assert(std::size(kMnemonicTexts) == static_cast<size_t>(EOp::CLRWDT) + 1);

// The mnemonic recorded for an operation; null for None, which leaves the
// last one standing.
inline const char* MnemonicOf(EOp op) {
    return op == EOp::None ? nullptr : kMnemonicTexts[static_cast<int>(op)];
}

}  // namespace core
