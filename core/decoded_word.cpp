#include "core/decoded_word.h"

#include "core/hex_digit.h"

namespace core {

namespace {
SDecodedWord Word(EOp op, uint8_t f = 0, uint8_t bd = 0, uint16_t k = 0) {
    return SDecodedWord{op, f, bd, k};
}

// Instructions with a file address and a destination bit, chosen by the
// second character.
EOp ByteOperation(char c1) {
    switch (c1) {
        case '2':
            return EOp::SUBWF;
        case '3':
            return EOp::DECF;
        case '4':
            return EOp::IORWF;
        case '5':
            return EOp::ANDWF;
        case '6':
            return EOp::XORWF;
        case '7':
            return EOp::ADDWF;
        case '8':
            return EOp::MOVF;
        case '9':
            return EOp::COMF;
        case 'A':
            return EOp::INCF;
        case 'B':
            return EOp::DECFSZ;
        case 'C':
            return EOp::RRF;
        case 'D':
            return EOp::RLF;
        case 'E':
            return EOp::SWAPF;
        case 'F':
            return EOp::INCFSZ;
        default:
            return EOp::None;
    }
}

// Words that start with "00": NOP, MOVWF and the operand-less instructions.
SDecodedWord Special(char c2, char c3, uint8_t f) {
    if (c2 == '0' && c3 == '0') return Word(EOp::NOP);
    const int val2 = HexDigitValue(c2);
    const int val3 = HexDigitValue(c3);
    if (val2 >= 8) return Word(EOp::MOVWF, f);
    if (val2 == 0 && val3 == 8) return Word(EOp::RETURN);
    if (val2 == 0 && val3 == 9) return Word(EOp::RETFIE);
    if (val2 == 6 && val3 == 3) return Word(EOp::SLEEP);
    if (val2 == 6 && val3 == 2) return Word(EOp::OPTION);
    // Only the data-sheet profile executes these two.
    if (val2 == 6 && val3 == 4) return Word(EOp::CLRWDT);
    if (val2 == 6 && val3 >= 5 && val3 <= 7) return Word(EOp::TRIS, static_cast<uint8_t>(val3));
    // Everything else executes as nothing.
    return Word(EOp::None);
}

EOp LiteralOperation(char c1) {
    switch (c1) {
        case '9':
            return EOp::ANDLW;
        case '8':
            return EOp::IORLW;
        case 'A':
            return EOp::XORLW;
        default:
            break;
    }
    const int val1 = HexDigitValue(c1);
    if (val1 >= 14) return EOp::ADDLW;
    if (val1 <= 3) return EOp::MOVLW;
    if (val1 <= 7) return EOp::RETLW;
    if (val1 >= 12) return EOp::SUBLW;
    return EOp::None;
}
}  // namespace

SDecodedWord DecodeWord(char c0, char c1, char c2, char c3) {
    const int v1 = HexDigitValue(c1);
    const int v2 = HexDigitValue(c2);
    const int v3 = HexDigitValue(c3);
    const auto f = static_cast<uint8_t>(((v2 & 7) << 4) | v3);

    switch (c0) {
        case '0': {
            const auto d = static_cast<uint8_t>(v2 >> 3);
            if (c1 == '0') return Special(c2, c3, f);
            if (c1 == '1') return d == 0 ? Word(EOp::CLRW) : Word(EOp::CLRF, f);
            const EOp op = ByteOperation(c1);
            return op == EOp::None ? Word(op) : Word(op, f, d);
        }
        case '1': {
            static constexpr EOp kBitOperations[] = {EOp::BCF, EOp::BSF, EOp::BTFSC, EOp::BTFSS};
            const auto b = static_cast<uint8_t>(((v1 & 3) << 1) | (v2 >> 3));
            return Word(kBitOperations[(v1 & 0xC) >> 2], f, b);
        }
        case '2': {
            const auto target = static_cast<uint16_t>(((v1 & 7) << 8) | (v2 << 4) | v3);
            return Word((v1 & 8) ? EOp::GOTO : EOp::CALL, 0, 0, target);
        }
        case '3': {
            const EOp op = LiteralOperation(c1);
            return op == EOp::None ? Word(op)
                                   : Word(op, 0, 0, static_cast<uint16_t>((v2 << 4) | v3));
        }
        default:
            return Word(EOp::None);  // an unloaded word or no instruction at all
    }
}

}  // namespace core
