// Every instruction as the program memory pane writes it: the words are the
// data sheet's encodings, read by the decoder the run loop uses.
#include "core/disassembly.h"

#include <gtest/gtest.h>

namespace {
std::string Of(const char* word, const core::SOperandNames& names = {}) {
    return core::Disassemble(core::DecodeWord(word[0], word[1], word[2], word[3]), names);
}

TEST(Disassembly, EveryInstructionOfTheDataSheet) {
    const struct {
        const char* word;
        const char* text;
    } kCases[] = {
        {"078C", "ADDWF 0x0C,F"},
        {"050C", "ANDWF 0x0C,W"},
        {"018C", "CLRF 0x0C"},
        {"0103", "CLRW"},
        {"098C", "COMF 0x0C,F"},
        {"030C", "DECF 0x0C,W"},
        {"0B8C", "DECFSZ 0x0C,F"},
        {"0A8D", "INCF 0x0D,F"},
        {"0F0C", "INCFSZ 0x0C,W"},
        {"048C", "IORWF 0x0C,F"},
        {"080C", "MOVF 0x0C,W"},
        {"0086", "MOVWF 0x06"},
        {"0000", "NOP"},
        {"0D8C", "RLF 0x0C,F"},
        {"0C0C", "RRF 0x0C,W"},
        {"028C", "SUBWF 0x0C,F"},
        {"0E8C", "SWAPF 0x0C,F"},
        {"060C", "XORWF 0x0C,W"},
        {"1003", "BCF 0x03,0"},
        {"1683", "BSF 0x03,5"},
        {"1903", "BTFSC 0x03,2"},
        {"1F86", "BTFSS 0x06,7"},
        {"3E05", "ADDLW 0x05"},
        {"390F", "ANDLW 0x0F"},
        {"200E", "CALL 0x00E"},
        {"2BFF", "GOTO 0x3FF"},
        {"3880", "IORLW 0x80"},
        {"302A", "MOVLW 0x2A"},
        {"0009", "RETFIE"},
        {"3401", "RETLW 0x01"},
        {"0008", "RETURN"},
        {"0063", "SLEEP"},
        {"3C10", "SUBLW 0x10"},
        {"3AFF", "XORLW 0xFF"},
        {"0062", "OPTION"},
        // What the decoder runs as nothing reads as nothing: CLRWDT, TRIS,
        // an unloaded word.
        {"0064", ""},
        {"0065", ""},
        {"\0\0\0\0", ""},
    };
    for (const auto& c : kCases) EXPECT_EQ(Of(c.word), c.text) << c.text;
}

TEST(Disassembly, NamedOperandsAndTheChipsBitNames) {
    core::SOperandNames names;
    names.file = [](int f) -> std::string {
        if (f == 0x03) return "STATUS";
        if (f == 0x0C) return "presses";
        return "";
    };
    names.label = [](int target) -> std::string { return target == 0x0E ? "sub" : ""; };
    EXPECT_EQ(Of("1683", names), "BSF STATUS,RP0");
    EXPECT_EQ(Of("1903", names), "BTFSC STATUS,Z");
    EXPECT_EQ(Of("0A8C", names), "INCF presses,F");
    EXPECT_EQ(Of("160C", names), "BSF presses,4");
    EXPECT_EQ(Of("0086", names), "MOVWF 0x06");
    EXPECT_EQ(Of("200E", names), "CALL sub");
    EXPECT_EQ(Of("280F", names), "GOTO 0x00F");
}
}  // namespace
