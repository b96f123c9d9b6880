// Every instruction's encoding against the opcode table of the chip's data
// sheet, written out here by hand in the data sheet's own notation (d, f,
// b, k operand bits, x don't-care and generated as 0).
#include <gtest/gtest.h>

#include <string>

#include "tasm_test_support.h"

namespace {

using tasm_test::AssembleText;
using tasm_test::FirstError;
using tasm_test::WordOf;

// Bare numbers are hexadecimal; the tests write their decimal values as .N.
std::string Dec(unsigned n) {
    return "." + std::to_string(n);
}

struct COperands {
    unsigned f = 0, d = 0, b = 0, k = 0;
};

// Fills a 14-bit pattern such as "00 0111 dfff ffff": each operand letter
// takes its value's bits from the most significant one down.
unsigned Fill(const std::string& pattern, const COperands& ops) {
    std::string bits;
    for (char c : pattern) {
        if (c != ' ') bits += c;
    }
    EXPECT_EQ(bits.size(), 14u) << pattern;
    auto width = [&](char letter) {
        int n = 0;
        for (char c : bits) n += c == letter;
        return n;
    };
    int left[128] = {};
    for (char letter : {'f', 'd', 'b', 'k'}) left[static_cast<int>(letter)] = width(letter);
    unsigned word = 0;
    for (char c : bits) {
        unsigned bit = 0;
        switch (c) {
            case '1':
                bit = 1;
                break;
            case 'f':
                bit = (ops.f >> --left['f']) & 1;
                break;
            case 'd':
                bit = (ops.d >> --left['d']) & 1;
                break;
            case 'b':
                bit = (ops.b >> --left['b']) & 1;
                break;
            case 'k':
                bit = (ops.k >> --left['k']) & 1;
                break;
            default:
                break;  // '0' and don't-care 'x'
        }
        word = word << 1 | bit;
    }
    return word;
}

struct CFormat {
    const char* mnemonic;
    const char* pattern;
};

// Byte-oriented file register operations.
constexpr CFormat kByteOps[] = {
    {"ADDWF", "00 0111 dfff ffff"},  {"ANDWF", "00 0101 dfff ffff"},
    {"COMF", "00 1001 dfff ffff"},   {"DECF", "00 0011 dfff ffff"},
    {"DECFSZ", "00 1011 dfff ffff"}, {"INCF", "00 1010 dfff ffff"},
    {"INCFSZ", "00 1111 dfff ffff"}, {"IORWF", "00 0100 dfff ffff"},
    {"MOVF", "00 1000 dfff ffff"},   {"RLF", "00 1101 dfff ffff"},
    {"RRF", "00 1100 dfff ffff"},    {"SUBWF", "00 0010 dfff ffff"},
    {"SWAPF", "00 1110 dfff ffff"},  {"XORWF", "00 0110 dfff ffff"},
};

TEST(Encoding, ByteOperationsWithEveryDestinationSpelling) {
    for (const CFormat& op : kByteOps) {
        for (unsigned f : {0x00u, 0x0Cu, 0x2Fu, 0x7Fu}) {
            std::string m = op.mnemonic;
            std::string reg = Dec(f);
            EXPECT_EQ(WordOf(" " + m + " " + reg + ",W"), Fill(op.pattern, {f, 0, 0, 0})) << m;
            EXPECT_EQ(WordOf(" " + m + " " + reg + ",0"), Fill(op.pattern, {f, 0, 0, 0})) << m;
            EXPECT_EQ(WordOf(" " + m + " " + reg + ",F"), Fill(op.pattern, {f, 1, 0, 0})) << m;
            EXPECT_EQ(WordOf(" " + m + " " + reg + ",1"), Fill(op.pattern, {f, 1, 0, 0})) << m;
            EXPECT_EQ(WordOf(" " + m + " " + reg), Fill(op.pattern, {f, 1, 0, 0}))
                << m << ": an omitted destination means F";
        }
    }
}

TEST(Encoding, ClearAndMoveToFile) {
    for (unsigned f : {0x00u, 0x06u, 0x7Fu}) {
        EXPECT_EQ(WordOf(" CLRF " + Dec(f)), Fill("00 0001 1fff ffff", {f}));
        EXPECT_EQ(WordOf(" MOVWF " + Dec(f)), Fill("00 0000 1fff ffff", {f}));
    }
    // The don't-care bits of CLRW are written as 0000011, as other PIC
    // assemblers do.
    EXPECT_EQ(WordOf(" CLRW"), Fill("00 0001 0000 0011", {}));
    EXPECT_EQ(WordOf(" NOP"), Fill("00 0000 0xx0 0000", {}));
}

TEST(Encoding, BitOperations) {
    constexpr CFormat kBitOps[] = {
        {"BCF", "01 00bb bfff ffff"},
        {"BSF", "01 01bb bfff ffff"},
        {"BTFSC", "01 10bb bfff ffff"},
        {"BTFSS", "01 11bb bfff ffff"},
    };
    for (const CFormat& op : kBitOps) {
        for (unsigned b = 0; b < 8; ++b) {
            for (unsigned f : {0x03u, 0x0Bu, 0x7Fu}) {
                std::string line = std::string(" ") + op.mnemonic + " " + Dec(f) + "," + Dec(b);
                EXPECT_EQ(WordOf(line), Fill(op.pattern, {f, 0, b, 0})) << line;
            }
        }
    }
}

TEST(Encoding, LiteralOperations) {
    constexpr CFormat kLiteralOps[] = {
        {"ADDLW", "11 111x kkkk kkkk"}, {"ANDLW", "11 1001 kkkk kkkk"},
        {"IORLW", "11 1000 kkkk kkkk"}, {"MOVLW", "11 00xx kkkk kkkk"},
        {"RETLW", "11 01xx kkkk kkkk"}, {"SUBLW", "11 110x kkkk kkkk"},
        {"XORLW", "11 1010 kkkk kkkk"},
    };
    for (const CFormat& op : kLiteralOps) {
        for (unsigned k : {0u, 1u, 0x5Au, 0xFFu}) {
            std::string line = std::string(" ") + op.mnemonic + " " + Dec(k);
            EXPECT_EQ(WordOf(line), Fill(op.pattern, {0, 0, 0, k})) << line;
        }
        // A negative literal is its 8-bit two's complement.
        EXPECT_EQ(WordOf(std::string(" ") + op.mnemonic + " -1"),
                  Fill(op.pattern, {0, 0, 0, 0xFF}));
        EXPECT_EQ(WordOf(std::string(" ") + op.mnemonic + " -.128"),
                  Fill(op.pattern, {0, 0, 0, 0x80}));
        // Down to -255 the low eight bits count.
        EXPECT_EQ(WordOf(std::string(" ") + op.mnemonic + " -d'195'"),
                  Fill(op.pattern, {0, 0, 0, 0x3D}));
        EXPECT_EQ(WordOf(std::string(" ") + op.mnemonic + " -0xFF"),
                  Fill(op.pattern, {0, 0, 0, 0x01}));
    }
}

TEST(Encoding, JumpsAndControl) {
    for (unsigned k : {0u, 5u, 0x210u, 1023u}) {
        EXPECT_EQ(WordOf(" CALL " + Dec(k)), Fill("10 0kkk kkkk kkkk", {0, 0, 0, k}));
        EXPECT_EQ(WordOf(" GOTO " + Dec(k)), Fill("10 1kkk kkkk kkkk", {0, 0, 0, k}));
    }
    EXPECT_EQ(WordOf(" CLRWDT"), Fill("00 0000 0110 0100", {}));
    EXPECT_EQ(WordOf(" RETFIE"), Fill("00 0000 0000 1001", {}));
    EXPECT_EQ(WordOf(" RETURN"), Fill("00 0000 0000 1000", {}));
    EXPECT_EQ(WordOf(" SLEEP"), Fill("00 0000 0110 0011", {}));
    EXPECT_EQ(WordOf(" OPTION"), Fill("00 0000 0110 0010", {}));
    EXPECT_EQ(WordOf(" TRIS 5"), Fill("00 0000 0110 0fff", {5}));
    EXPECT_EQ(WordOf(" TRIS PORTB"), Fill("00 0000 0110 0fff", {6}));
}

TEST(Encoding, MnemonicsAndRegisterNamesIgnoreCase) {
    EXPECT_EQ(WordOf(" movwf portb"), WordOf(" MOVWF PORTB"));
    EXPECT_EQ(WordOf(" Bsf Status,Rp0"), 0x1683u);
    EXPECT_EQ(WordOf(" decfsz 0x0C,w"), WordOf(" DECFSZ 0x0C,W"));
}

TEST(Encoding, BankOneRegisterLosesItsBankBitWithAWarning) {
    EXPECT_EQ(WordOf(" MOVWF TRISB"), Fill("00 0000 1fff ffff", {0x06}));
    EXPECT_EQ(WordOf(" BSF OPTION_REG,INTEDG"), Fill("01 01bb bfff ffff", {0x01, 0, 6, 0}));
    auto result = AssembleText(" org 5\n movwf 0x86\n");
    EXPECT_EQ(result.errors, 0);
    EXPECT_EQ(result.warnings, 1);
    EXPECT_NE(result.listing.find("***** warning: Register 0x86 lies in bank 1: make sure RP0 is "
                                  "set before this instruction\r\n"),
              std::string::npos);
}

TEST(Encoding, OperandsOutOfRangeAreErrors) {
    struct CCase {
        const char* line;
        const char* error;
    } cases[] = {
        {" movlw .256", "literal out of range"},      {" movlw -.256", "literal out of range"},
        {" bsf 3,8", "bit number out of range"},      {" bcf 3,-1", "bit number out of range"},
        {" goto .1024", "jump target out of range"},  {" call -1", "jump target out of range"},
        {" clrf 0x100", "file address out of range"}, {" movf -1,W", "file address out of range"},
        {" addwf 5,2", "destination must be W or F"}, {" tris 8", "TRIS needs a port register"},
    };
    for (const CCase& c : cases) {
        auto result = AssembleText(std::string(c.line) + "\n");
        EXPECT_EQ(result.errors, 1) << c.line;
        EXPECT_EQ(FirstError(result).rfind(c.error, 0), 0u) << c.line << ": " << FirstError(result);
        EXPECT_TRUE(result.object.empty()) << c.line;
    }
}

TEST(Encoding, OperandCountsAreChecked) {
    const char* missing[] = {" movwf", " bsf 3", " goto", " movlw", " addwf"};
    for (const char* line : missing) {
        EXPECT_EQ(FirstError(AssembleText(std::string(line) + "\n")), "missing operand") << line;
    }
    const char* extra[] = {" nop 1",    " clrw 0",      " movwf 5,1", " bsf 3,1,1",
                           " goto 1,2", " addwf 5,1,1", " movlw 1,2"};
    for (const char* line : extra) {
        EXPECT_EQ(FirstError(AssembleText(std::string(line) + "\n")), "extra operand") << line;
    }
}

}  // namespace
