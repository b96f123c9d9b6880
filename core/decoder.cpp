#include "decoder.h"

#include "hex_digit.h"
#include "instruction_set.h"
#include "state.h"

namespace {
void Mnemonic(const char* text) {
    LastMnemonic = text;
}

// Instructions with a file address and a destination bit, chosen by the
// second character.
void ExecuteByteOperation(CInstructionSet& cpu, char c1, uint8_t f, uint8_t d) {
    switch (c1) {
        case '2':
            Mnemonic("SUBWF");
            cpu.SUBWF(f, d);
            break;
        case '3':
            Mnemonic("DECF");
            cpu.DECF(f, d);
            break;
        case '4':
            Mnemonic("IORWF");
            cpu.IORWF(f, d);
            break;
        case '5':
            Mnemonic("ANDWF");
            cpu.ANDWF(f, d);
            break;
        case '6':
            Mnemonic("XORWF");
            cpu.XORWF(f, d);
            break;
        case '7':
            Mnemonic("ADDWF");
            cpu.ADDWF(f, d);
            break;
        case '8':
            Mnemonic("MOVF");
            cpu.MOVF(f, d);
            break;
        case '9':
            Mnemonic("COMF");
            cpu.COMF(f, d);
            break;
        case 'A':
            Mnemonic("INCF");
            cpu.INCF(f, d);
            break;
        case 'B':
            Mnemonic("DECFSZ");
            cpu.DECFSZ(f, d);
            break;
        case 'C':
            Mnemonic("RRF");
            cpu.RRF(f, d);
            break;
        case 'D':
            Mnemonic("RLF");
            cpu.RLF(f, d);
            break;
        case 'E':
            Mnemonic("SWAPF");
            cpu.SWAPF(f, d);
            break;
        case 'F':
            Mnemonic("INCFSZ");
            cpu.INCFSZ(f, d);
            break;
        default:
            break;  // not an instruction
    }
}

// Words that start with "00": NOP, MOVWF and the operand-less instructions.
void ExecuteSpecial(CInstructionSet& cpu, char c2, char c3, uint8_t f) {
    if (c2 == '0' && c3 == '0') {
        Mnemonic("NOP");
        cpu.NOP();
        return;
    }
    const int val2 = HexDigitValue(c2);
    const int val3 = HexDigitValue(c3);
    if (val2 >= 8) {
        Mnemonic("MOVWF");
        cpu.MOVWF(f);
    } else if (val2 == 0 && val3 == 8) {
        Mnemonic("RETURN");
        cpu.RETURN();
        PcChanged = true;
    } else if (val2 == 0 && val3 == 9) {
        Mnemonic("RETFIE");
        cpu.RETFIE();
        PcChanged = true;
    } else if (val2 == 6 && val3 == 3) {
        Mnemonic("SLEEP");
        cpu.SLEEP();
    } else if (val2 == 6 && val3 == 2) {
        Mnemonic("OPTION");
        cpu.OPTION();
    }
    // Everything else, CLRWDT and TRIS among them, executes as nothing.
}

void ExecuteLiteral(CInstructionSet& cpu, char c1, uint8_t k) {
    switch (c1) {
        case '9':
            Mnemonic("ANDLW");
            cpu.ANDLW(k);
            return;
        case '8':
            Mnemonic("IORLW");
            cpu.IORLW(k);
            return;
        case 'A':
            Mnemonic("XORLW");
            cpu.XORLW(k);
            return;
        default:
            break;
    }
    const int val1 = HexDigitValue(c1);
    if (val1 >= 14) {
        Mnemonic("ADDLW");
        cpu.ADDLW(k);
    } else if (val1 <= 3) {
        Mnemonic("MOVLW");
        cpu.MOVLW(k);
    } else if (val1 <= 7) {
        Mnemonic("RETLW");
        cpu.RETLW(k);
        PcChanged = true;
    } else if (val1 >= 12) {
        Mnemonic("SUBLW");
        cpu.SUBLW(k);
    }
}
}  // namespace

void DecodeAndExecute(CInstructionSet& cpu) {
    const int offset = 4 * PC;
    if (offset + 4 > kProgramImageSize) return;  // no word there
    const char c0 = ProgramImage[offset];
    const char c1 = ProgramImage[offset + 1];
    const char c2 = ProgramImage[offset + 2];
    const char c3 = ProgramImage[offset + 3];
    const int v1 = HexDigitValue(c1);
    const int v2 = HexDigitValue(c2);
    const int v3 = HexDigitValue(c3);
    const auto f = static_cast<uint8_t>(((v2 & 7) << 4) | v3);

    switch (c0) {
        case '0': {
            const auto d = static_cast<uint8_t>(v2 >> 3);
            if (c1 == '0') {
                ExecuteSpecial(cpu, c2, c3, f);
            } else if (c1 == '1') {
                if (d == 0) {
                    Mnemonic("CLRW");
                    cpu.CLRW();
                } else {
                    Mnemonic("CLRF");
                    cpu.CLRF(f);
                }
            } else {
                ExecuteByteOperation(cpu, c1, f, d);
            }
            break;
        }
        case '1': {
            const auto b = static_cast<uint8_t>(((v1 & 3) << 1) | (v2 >> 3));
            switch ((v1 & 0xC) >> 2) {
                case 0:
                    Mnemonic("BCF");
                    cpu.BCF(f, b);
                    break;
                case 1:
                    Mnemonic("BSF");
                    cpu.BSF(f, b);
                    break;
                case 2:
                    Mnemonic("BTFSC");
                    cpu.BTFSC(f, b);
                    break;
                default:
                    Mnemonic("BTFSS");
                    cpu.BTFSS(f, b);
                    break;
            }
            break;
        }
        case '2': {
            const int target = ((v1 & 7) << 8) | (v2 << 4) | v3;
            if (v1 & 8) {
                Mnemonic("GOTO");
                cpu.GOTO(target);
            } else {
                Mnemonic("CALL");
                cpu.CALL(target);
            }
            PcChanged = true;
            break;
        }
        case '3':
            ExecuteLiteral(cpu, c1, static_cast<uint8_t>((v2 << 4) | v3));
            break;
        default:
            break;  // an unloaded word or no instruction at all
    }
}
