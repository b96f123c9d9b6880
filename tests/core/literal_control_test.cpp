// Literal instructions, jumps, calls and returns, SLEEP and OPTION.
#include "core_test_support.h"

namespace {
using LiteralOperation = void (CInstructionSet::*)(uint8_t);
constexpr uint8_t C = 0x01, DC = 0x02, Z = 0x04;

struct LiteralCase {
    const char* name;
    LiteralOperation operation;
    uint8_t w, k, flagsIn;
    uint8_t result, flagsOut;
};

void PrintTo(const LiteralCase& c, std::ostream* os) {
    *os << c.name;
}

class LiteralFlags : public CoreTest, public testing::WithParamInterface<LiteralCase> {};

TEST_P(LiteralFlags, ResultGoesToW) {
    const LiteralCase& c = GetParam();
    W = c.w;
    RegisterFile[STATUS] = static_cast<uint8_t>(0x18 | c.flagsIn);
    (m_cpu.*c.operation)(c.k);
    EXPECT_EQ(W, c.result);
    EXPECT_EQ(Status(), 0x18 | c.flagsOut);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, LiteralFlags,
    testing::Values(
        LiteralCase{"ADDLW_wraps", &CInstructionSet::ADDLW, 0xFF, 0x01, 0, 0x00, C | DC | Z},
        LiteralCase{"ADDLW_plain", &CInstructionSet::ADDLW, 0x10, 0x01, C | DC | Z, 0x11, 0},
        LiteralCase{"SUBLW_borrow", &CInstructionSet::SUBLW, 0x06, 0x05, C | Z, 0xFF, 0},
        LiteralCase{"SUBLW_equal", &CInstructionSet::SUBLW, 0x42, 0x42, 0, 0x00, C | DC | Z},
        LiteralCase{"SUBLW_k_minus_w", &CInstructionSet::SUBLW, 0x01, 0x10, 0, 0x0F, C},
        LiteralCase{"ANDLW_zero", &CInstructionSet::ANDLW, 0xF0, 0x0F, C, 0x00, C | Z},
        LiteralCase{"IORLW_nonzero", &CInstructionSet::IORLW, 0x00, 0x80, Z, 0x80, 0},
        LiteralCase{"XORLW_zero", &CInstructionSet::XORLW, 0x5A, 0x5A, DC, 0x00, DC | Z},
        LiteralCase{"MOVLW_no_flags", &CInstructionSet::MOVLW, 0x11, 0x00, C, 0x00, C}),
    [](const testing::TestParamInfo<LiteralCase>& info) { return std::string(info.param.name); });

TEST_F(CoreTest, NestedCallsReturnInReverseOrder) {
    Load({0x2014,           //  5: CALL 0x14
          0x0000});         //  6: NOP
    PutWord(0x14, 0x2018);  // CALL 0x18
    PutWord(0x15, 0x0008);  // RETURN
    PutWord(0x18, 0x3441);  // RETLW 0x41
    Step();
    EXPECT_EQ(PC, 0x14);
    Step();
    EXPECT_EQ(PC, 0x18);
    Step();
    EXPECT_EQ(PC, 0x15);
    EXPECT_EQ(W, 0x41);
    Step();
    EXPECT_EQ(PC, 6);
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(CoreTest, ReturnFromAnEmptyStackContinuesAtZero) {
    Load({0x0008});  // RETURN
    Step();
    EXPECT_EQ(PC, 0);
    EXPECT_EQ(m_messages.Messages(), std::vector<std::string>{"Stek je prazan"});
}

TEST_F(CoreTest, NinthCallStillJumps) {
    for (int i = 0; i < 8; ++i) ReturnStack->Push(100 + i);
    PC = 0x40;
    m_cpu.CALL(0x50);
    EXPECT_EQ(PC, 0x50);
    EXPECT_EQ(m_messages.Messages(), std::vector<std::string>{"Stek je pun"});
    EXPECT_EQ(ReturnStack->Pop(), 0x41);
}

TEST_F(CoreTest, TheStackIsRestoredWithTheMachine) {
    PC = 7;
    m_cpu.CALL(0x20);
    const core::SChipState inside = core::Chip;
    m_cpu.RETURN();
    EXPECT_EQ(PC, 8);
    EXPECT_EQ(ReturnStack->Count(), 0);
    core::Chip = inside;
    EXPECT_EQ(ReturnStack->Count(), 1);
    m_cpu.RETFIE();
    EXPECT_EQ(PC, 8);
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(CoreTest, RetfieSetsOnlyGie) {
    ReturnStack->Push(0x33);
    RegisterFile[INTCON] = 0x25;
    m_cpu.RETFIE();
    EXPECT_EQ(PC, 0x33);
    EXPECT_EQ(Reg(INTCON), 0xA5);
    ReturnStack->Push(0x34);
    m_cpu.RETFIE();
    EXPECT_EQ(Reg(INTCON), 0xA5);
}

TEST_F(CoreTest, JumpTargetsAboveTheRangeAreRefused) {
    PC = 9;
    const core::SChipState before = core::Chip;
    m_cpu.GOTO(0x800);
    m_cpu.CALL(-1);
    EXPECT_TRUE(core::Chip == before);
    EXPECT_EQ(ReturnStack->Count(), 0);
    m_cpu.GOTO(0x7FF);
    EXPECT_EQ(PC, 0x7FF);
}

TEST_F(CoreTest, GotoBeyondTheProgramEndsTheRun) {
    Load({0x2C00});  // GOTO 0x400
    ASSERT_TRUE(core::PcInsideProgram());
    Step();
    EXPECT_EQ(PC, 0x400);
    EXPECT_FALSE(core::PcInsideProgram());
}

TEST_F(CoreTest, GotoToItselfRepeats) {
    Load({0x2805});
    Step(3);
    EXPECT_EQ(PC, 5);
    EXPECT_EQ(Mnemonic(), "GOTO");
}

TEST_F(CoreTest, SleepClearsThePrescalerOnlyWhenAssignedToTheWatchdog) {
    RegisterFile[OPTION_REG] = 0xFF;
    RegisterFile[STATUS] = 0x08;  // PD set, TO clear
    m_cpu.SLEEP();
    EXPECT_EQ(Reg(OPTION_REG), 0xF8);
    EXPECT_EQ(Status(), 0x10);
    RegisterFile[OPTION_REG] = 0x07;
    m_cpu.SLEEP();
    EXPECT_EQ(Reg(OPTION_REG), 0x07);
}

TEST_F(CoreTest, SleepDoesNotStopTheProgram) {
    Load({0x0063, 0x3007});  // SLEEP; MOVLW 7
    Step(2);
    EXPECT_EQ(W, 7);
    EXPECT_EQ(PC, 7);
}

TEST_F(CoreTest, OptionWritesTheOptionRegisterFromEitherBank) {
    W = 0x07;
    m_cpu.BSF(STATUS, 5);
    m_cpu.OPTION();
    EXPECT_EQ(Reg(OPTION_REG), 0x07);
    m_cpu.BCF(STATUS, 5);
    W = 0x55;
    m_cpu.OPTION();
    EXPECT_EQ(Reg(OPTION_REG), 0x55);
}
}  // namespace
