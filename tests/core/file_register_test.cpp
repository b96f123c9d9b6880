// Results and flags of the byte-oriented instructions, run directly on the
// instruction set with file address 0x20.
#include "core/chip_executor.h"
#include "core_test_support.h"

namespace {
using FileOperation = void (CInstructionSet::*)(uint8_t, uint8_t);

constexpr uint8_t C = 0x01, DC = 0x02, Z = 0x04;
constexpr uint8_t kFile = 0x20;

struct FlagCase {
    const char* name;
    FileOperation operation;
    uint8_t w, f, flagsIn;
    uint8_t result, flagsOut;
};

void PrintTo(const FlagCase& c, std::ostream* os) {
    *os << c.name;
}

class FileRegisterFlags : public CoreTest, public testing::WithParamInterface<FlagCase> {
protected:
    void Prepare(const FlagCase& c) {
        W = c.w;
        RegisterFile[kFile] = c.f;
        RegisterFile[STATUS] = static_cast<uint8_t>(0x18 | c.flagsIn);
    }
};

TEST_P(FileRegisterFlags, ToFileRegister) {
    const FlagCase& c = GetParam();
    Prepare(c);
    (m_cpu.*c.operation)(kFile, 1);
    EXPECT_EQ(Reg(kFile), c.result);
    EXPECT_EQ(W, c.w);
    EXPECT_EQ(Status(), 0x18 | c.flagsOut);
}

TEST_P(FileRegisterFlags, ToW) {
    const FlagCase& c = GetParam();
    Prepare(c);
    (m_cpu.*c.operation)(kFile, 0);
    EXPECT_EQ(W, c.result);
    EXPECT_EQ(Reg(kFile), c.f);
    EXPECT_EQ(Status(), 0x18 | c.flagsOut);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, FileRegisterFlags,
    testing::Values(
        FlagCase{"ADDWF_wraps", &CInstructionSet::ADDWF, 0x80, 0x80, 0, 0x00, C | Z},
        FlagCase{"ADDWF_digit_carry", &CInstructionSet::ADDWF, 0x0F, 0x01, 0, 0x10, DC},
        FlagCase{"ADDWF_clears_flags", &CInstructionSet::ADDWF, 0x01, 0x01, C | DC | Z, 0x02, 0},
        FlagCase{"SUBWF_equal", &CInstructionSet::SUBWF, 0x05, 0x05, 0, 0x00, C | DC | Z},
        FlagCase{"SUBWF_borrow", &CInstructionSet::SUBWF, 0x02, 0x01, C | DC | Z, 0xFF, 0},
        FlagCase{"SUBWF_nibble_borrow", &CInstructionSet::SUBWF, 0x01, 0x10, 0, 0x0F, C},
        FlagCase{"SUBWF_no_borrow", &CInstructionSet::SUBWF, 0x02, 0x13, 0, 0x11, C | DC},
        FlagCase{"ANDWF_zero", &CInstructionSet::ANDWF, 0xF0, 0x0F, C | DC, 0x00, C | DC | Z},
        FlagCase{"XORWF_zero", &CInstructionSet::XORWF, 0xFF, 0xFF, 0, 0x00, Z},
        FlagCase{"XORWF_nonzero", &CInstructionSet::XORWF, 0xF0, 0xFF, Z, 0x0F, 0},
        FlagCase{"IORWF_zero", &CInstructionSet::IORWF, 0x00, 0x00, 0, 0x00, Z},
        FlagCase{"IORWF_nonzero", &CInstructionSet::IORWF, 0x01, 0x00, C | DC | Z, 0x01, C | DC},
        FlagCase{"INCF_wraps_keeps_carry", &CInstructionSet::INCF, 0, 0xFF, C, 0x00, C | Z},
        FlagCase{"DECF_to_zero", &CInstructionSet::DECF, 0, 0x01, DC, 0x00, DC | Z},
        FlagCase{"DECF_wraps", &CInstructionSet::DECF, 0, 0x00, Z, 0xFF, 0},
        FlagCase{"COMF_to_zero", &CInstructionSet::COMF, 0, 0xFF, 0, 0x00, Z},
        FlagCase{"COMF_nonzero", &CInstructionSet::COMF, 0, 0x0F, C | DC | Z, 0xF0, C | DC},
        FlagCase{"MOVF_zero", &CInstructionSet::MOVF, 0x33, 0x00, 0, 0x00, Z},
        FlagCase{"MOVF_nonzero", &CInstructionSet::MOVF, 0x33, 0x05, C | DC | Z, 0x05, C | DC},
        FlagCase{"RRF_carry_in_and_out", &CInstructionSet::RRF, 0, 0x01, C, 0x80, C},
        FlagCase{"RRF_keeps_zero", &CInstructionSet::RRF, 0, 0x01, Z, 0x00, C | Z},
        FlagCase{"RLF_carry_out", &CInstructionSet::RLF, 0, 0x80, 0, 0x00, C},
        FlagCase{"RLF_carry_in", &CInstructionSet::RLF, 0, 0x41, C, 0x83, 0},
        FlagCase{"SWAPF", &CInstructionSet::SWAPF, 0, 0xA5, C | DC | Z, 0x5A, C | DC | Z},
        FlagCase{"DECFSZ_no_flags", &CInstructionSet::DECFSZ, 0, 0x01, 0, 0x00, 0},
        FlagCase{"INCFSZ_no_flags", &CInstructionSet::INCFSZ, 0, 0x05, Z, 0x06, Z}),
    [](const testing::TestParamInfo<FlagCase>& info) { return std::string(info.param.name); });

TEST_F(CoreTest, ClearInstructionsSetZero) {
    RegisterFile[kFile] = 0x55;
    m_cpu.CLRF(kFile);
    EXPECT_EQ(Reg(kFile), 0);
    EXPECT_EQ(Status(), 0x18 | Z);
    RegisterFile[STATUS] = 0x18;
    W = 0x77;
    m_cpu.CLRW();
    EXPECT_EQ(W, 0);
    EXPECT_EQ(Status(), 0x18 | Z);
}

TEST_F(CoreTest, MovwfStoresWWithoutFlags) {
    W = 0x00;
    m_cpu.MOVWF(kFile);
    EXPECT_EQ(Reg(kFile), 0);
    EXPECT_EQ(Status(), 0x18);
}

struct SkipCase {
    const char* name;
    uint16_t word;  // at word 5, on file register 0x20 with d = 1
    uint8_t before, after;
    uint16_t nextPc;
};

void PrintTo(const SkipCase& c, std::ostream* os) {
    *os << c.name;
}

class SkipInstructions : public CoreTest, public testing::WithParamInterface<SkipCase> {};

TEST_P(SkipInstructions, SkipOnlyOnAZeroResultAndCountTwoCycles) {
    const SkipCase& c = GetParam();
    Load({c.word});
    RegisterFile[OPTION_REG] = 0x08;  // timer mode, one count per cycle
    RegisterFile[kFile] = c.before;
    Step();
    EXPECT_EQ(Reg(kFile), c.after);
    EXPECT_EQ(PC, c.nextPc);
    EXPECT_EQ(Reg(TMR0), c.nextPc == 7 ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(Words, SkipInstructions,
                         testing::Values(SkipCase{"DECFSZ_skips", 0x0BA0, 0x01, 0x00, 7},
                                         SkipCase{"DECFSZ_wraps", 0x0BA0, 0x00, 0xFF, 6},
                                         SkipCase{"INCFSZ_skips", 0x0FA0, 0xFF, 0x00, 7},
                                         SkipCase{"INCFSZ_counts", 0x0FA0, 0x10, 0x11, 6},
                                         SkipCase{"BTFSC_clear_bit", 0x1820, 0xFE, 0xFE, 7},
                                         SkipCase{"BTFSC_set_bit", 0x1820, 0x01, 0x01, 6},
                                         SkipCase{"BTFSS_set_bit", 0x1C20, 0x01, 0x01, 7},
                                         SkipCase{"BTFSS_clear_bit", 0x1C20, 0xFE, 0xFE, 6}),
                         [](const testing::TestParamInfo<SkipCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(CoreTest, BadOperandsShowTheMessageAndChangeNothing) {
    RegisterFile[kFile] = 0x44;
    W = 0x12;
    const core::SChipState before = core::Chip;
    m_cpu.ADDWF(0x80, 1);
    m_cpu.ADDWF(kFile, 2);
    m_cpu.CLRF(0xFF);
    m_cpu.MOVWF(0x80);
    m_cpu.DECFSZ(kFile, 7);
    m_cpu.BSF(kFile, 8);
    m_cpu.BCF(0x80, 0);
    m_cpu.BTFSC(kFile, 9);
    m_cpu.BTFSS(0x90, 1);
    EXPECT_TRUE(core::Chip == before);
    const auto messages = m_messages.Messages();
    ASSERT_EQ(messages.size(), 9u);
    for (const auto& text : messages) {
        EXPECT_EQ(text, "GRESKA: Pogresna vrednost argumenta instrukcije");
    }
}

TEST(BitMaskTest, OneBitPerNumberAndNothingAbove7) {
    for (uint8_t b = 0; b < 8; ++b) EXPECT_EQ(core::CChipExecutor::BitMask(b), 1 << b);
    EXPECT_EQ(core::CChipExecutor::BitMask(8), 0);
    EXPECT_EQ(core::CChipExecutor::BitMask(255), 0);
}
}  // namespace
