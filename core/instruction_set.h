#pragma once
// The chip's instructions, one operation per mnemonic, acting on the
// process-wide processor state. The class holds nothing itself; the decoder
// picks the operation and passes the operands it cut from the program word.
#include <cstdint>

class CInstructionSet {
public:
    virtual ~CInstructionSet() = default;

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

    // A byte with only bit b set; 0 for b above 7.
    static uint8_t BitMask(uint8_t b) { return b <= 7 ? static_cast<uint8_t>(1u << b) : 0; }
};
