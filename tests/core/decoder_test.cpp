// The decoder works on characters, not on a 14-bit value: some digits are
// compared as characters, others by value, and lower-case letters count as 0.
#include "core/decoded_word.h"
#include "core/hex_digit.h"
#include "core_test_support.h"

namespace {
const char kUnchanged[] = "(unchanged)";

TEST(HexDigitValueTest, OnlyDigitsAndUpperCaseLettersHaveValues) {
    EXPECT_EQ(HexDigitValue('0'), 0);
    EXPECT_EQ(HexDigitValue('9'), 9);
    EXPECT_EQ(HexDigitValue('A'), 10);
    EXPECT_EQ(HexDigitValue('F'), 15);
    for (char ch : {'a', 'f', 'G', ':', '\0', ' ', '/'}) EXPECT_EQ(HexDigitValue(ch), 0) << ch;
    EXPECT_EQ(HexDigitValue(static_cast<char>(0xC1)), 0);
}

struct DecodeCase {
    const char* word;
    const char* mnemonic;  // kUnchanged: no instruction
    uint16_t pcAfter;      // the pass starts at PC 5
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
    *os << '"' << std::string(c.word, 4) << '"';
}

class DecoderTableTest : public CoreTest, public testing::WithParamInterface<DecodeCase> {};

TEST_P(DecoderTableTest, PicksTheInstructionFromTheCharacters) {
    const DecodeCase& c = GetParam();
    Load({});
    PutText(core::kStartAddress, c.word);
    ReturnStack->Push(0x123);  // so returns have somewhere to go
    LastMnemonic = kUnchanged;
    Step();
    EXPECT_STREQ(LastMnemonic.load(), c.mnemonic);
    EXPECT_EQ(PC, c.pcAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Words, DecoderTableTest,
    testing::Values(DecodeCase{"0000", "NOP", 6}, DecodeCase{"0085", "MOVWF", 6},
                    DecodeCase{"00FF", "MOVWF", 6}, DecodeCase{"0008", "RETURN", 0x123},
                    DecodeCase{"0009", "RETFIE", 0x123}, DecodeCase{"0063", "SLEEP", 6},
                    DecodeCase{"0062", "OPTION", 6}, DecodeCase{"0064", kUnchanged, 6},
                    DecodeCase{"0065", kUnchanged, 6}, DecodeCase{"0020", kUnchanged, 6},
                    DecodeCase{"0040", kUnchanged, 6}, DecodeCase{"0060", kUnchanged, 6},
                    DecodeCase{"0100", "CLRW", 6}, DecodeCase{"0185", "CLRF", 6},
                    DecodeCase{"0203", "SUBWF", 6}, DecodeCase{"0303", "DECF", 6},
                    DecodeCase{"0403", "IORWF", 6}, DecodeCase{"0503", "ANDWF", 6},
                    DecodeCase{"0603", "XORWF", 6}, DecodeCase{"0783", "ADDWF", 6},
                    DecodeCase{"0803", "MOVF", 6}, DecodeCase{"0903", "COMF", 6},
                    DecodeCase{"0A03", "INCF", 6}, DecodeCase{"0B20", "DECFSZ", 6},
                    DecodeCase{"0C03", "RRF", 6}, DecodeCase{"0D03", "RLF", 6},
                    DecodeCase{"0E03", "SWAPF", 6}, DecodeCase{"0F20", "INCFSZ", 6},
                    DecodeCase{"1283", "BCF", 6}, DecodeCase{"1683", "BSF", 6},
                    DecodeCase{"1803", "BTFSC", 7}, DecodeCase{"1D03", "BTFSS", 6},
                    DecodeCase{"2805", "GOTO", 5}, DecodeCase{"2A10", "GOTO", 0x210},
                    DecodeCase{"2010", "CALL", 0x010}, DecodeCase{"2310", "CALL", 0x310},
                    DecodeCase{"30FF", "MOVLW", 6}, DecodeCase{"3400", "RETLW", 0x123},
                    DecodeCase{"3C01", "SUBLW", 6}, DecodeCase{"3E01", "ADDLW", 6},
                    DecodeCase{"3F01", "ADDLW", 6}, DecodeCase{"3900", "ANDLW", 6},
                    DecodeCase{"3800", "IORLW", 6}, DecodeCase{"3A00", "XORLW", 6},
                    DecodeCase{"3B00", kUnchanged, 6},
                    // Lower-case letters are not digits.
                    DecodeCase{"3a00", "MOVLW", 6}, DecodeCase{"0a85", kUnchanged, 6},
                    DecodeCase{"4000", kUnchanged, 6}, DecodeCase{"\0\0\0\0", kUnchanged, 6}));

TEST_F(CoreTest, DecoderCutsTheOperandsFromTheDigits) {
    Load({0x3042,    // MOVLW 0x42
          0x00A0,    // MOVWF 0x20
          0x0A20,    // INCF 0x20,0 -> W
          0x1720,    // BSF 0x20,6
          0x1E21});  // BTFSS 0x21,4 on a clear bit: no skip
    Step(3);
    EXPECT_EQ(Reg(0x20), 0x42);
    EXPECT_EQ(W, 0x43);
    Step();
    EXPECT_EQ(Reg(0x20), 0x42 | 0x40);
    Step();
    EXPECT_EQ(PC, 10);
}

TEST_F(CoreTest, FetchOutsideTheImageDecodesNothing) {
    Load({});
    PC = 1024;
    LastMnemonic = kUnchanged;
    EXPECT_FALSE(core::PcInsideProgram());
    Step();
    EXPECT_STREQ(LastMnemonic.load(), kUnchanged);
    PC = 1023;
    EXPECT_TRUE(core::PcInsideProgram());
    ProgramEnd = 8000;  // whatever the limit says, the image ends at word 1023
    PC = 1024;
    EXPECT_FALSE(core::PcInsideProgram());
}
}  // namespace

// The run loop takes the decoded operands as they are, without range checks:
// every word of any characters must decode to operands in range.
TEST(DecodedWordTest, AnyCharactersGiveOperandsInRange) {
    const char kCharacters[] = "0123456789ABCDEFaf:G \x80\xff";
    const int count = sizeof kCharacters;  // the NUL byte too
    for (int i = 0; i < count * count * count * count; ++i) {
        const int n[4] = {i % count, i / count % count, i / count / count % count,
                          i / count / count / count};
        const core::SDecodedWord word = core::DecodeWord(kCharacters[n[0]], kCharacters[n[1]],
                                                         kCharacters[n[2]], kCharacters[n[3]]);
        ASSERT_LE(word.f, 0x7F) << i;
        ASSERT_LE(word.bd, 7) << i;
        ASSERT_LE(word.k, 0x7FF) << i;
        ASSERT_LE(static_cast<int>(word.op), static_cast<int>(core::EOp::CLRWDT)) << i;
        if (word.op >= core::EOp::SUBWF && word.op <= core::EOp::INCFSZ) {
            ASSERT_LE(word.bd, 1) << i;
        }
        ASSERT_FALSE(word.stop) << i;
    }
}
