// What one pass does around the instruction, and the resets.
#include "core_test_support.h"

namespace {
TEST_F(CoreTest, ResetForRunValues) {
    RegisterFile[0x20] = 9;
    W = 3;
    BreakAddresses[9] = 77;
    BreakLabels.Set(2, "LOOP");
    LastMnemonic = "NOP";
    ResetForRun();
    EXPECT_EQ(PC, 5);
    EXPECT_EQ(W, 0);
    for (int i = 0; i < core::kRegisterFileSize; ++i) {
        uint8_t expected = 0;
        if (i == PCL || i == PCL_BANK1) expected = 0x05;
        if (i == STATUS || i == STATUS_BANK1) expected = 0x18;
        if (i == OPTION_REG || i == TRISB) expected = 0xFF;
        if (i == TRISA) expected = 0x1F;
        EXPECT_EQ(Reg(i), expected) << "register " << i;
    }
    for (int i = 0; i < core::kBreakSlots; ++i) EXPECT_EQ(BreakAddresses[i], 0);
    EXPECT_EQ(BreakLabels.Get(2), "");
    EXPECT_EQ(Mnemonic(), "");
    EXPECT_EQ(ReturnStack->Count(), 0);
}

TEST_F(CoreTest, ResetForLoadLeavesStatusAndPclAtZero) {
    ResetForLoad();
    EXPECT_EQ(Reg(STATUS), 0);
    EXPECT_EQ(Reg(STATUS_BANK1), 0);
    EXPECT_EQ(Reg(PCL), 0);
    EXPECT_EQ(Reg(OPTION_REG), 0xFF);
    EXPECT_EQ(Reg(TRISA), 0x1F);
    EXPECT_EQ(Reg(TRISB), 0xFF);
    EXPECT_EQ(PC, 5);
    for (int i = 0; i < core::kProgramImageSize; ++i) ASSERT_EQ(ProgramImage[i], 0);
}

TEST_F(CoreTest, WritingPclDoesNotMovePc) {
    Load({0x3050,    // MOVLW 0x50
          0x0782});  // ADDWF PCL,1
    Step(2);
    EXPECT_EQ(PC, 7);
    EXPECT_EQ(Reg(PCL), 7);
    EXPECT_EQ(Reg(PCL_BANK1), 7);
}

TEST_F(CoreTest, Bank1CopiesOfStatusAndIntconFollowBank0) {
    Load({0x1683,    // BSF STATUS,5
          0x308F,    // MOVLW 0x8F
          0x008B,    // MOVWF INTCON -> 0x8B in bank 1
          0x0083});  // MOVWF STATUS -> 0x83
    Step(4);
    EXPECT_EQ(Reg(INTCON_BANK1), Reg(INTCON));
    EXPECT_EQ(Reg(STATUS_BANK1), Reg(STATUS));
    EXPECT_EQ(Reg(INTCON), 0);
}

TEST_F(CoreTest, UnloadedWordsPassOneCycleEach) {
    ResetForLoad();
    ProgramEnd = core::kProgramImageSize;
    ResetForRun();
    LastMnemonic = "NOP";
    RegisterFile[OPTION_REG] = 0x08;
    Step(10);
    EXPECT_EQ(PC, 15);
    EXPECT_EQ(Reg(TMR0), 10);
    EXPECT_EQ(Mnemonic(), "NOP");
}

TEST_F(CoreTest, RunningThroughTheLastWordLeavesTheProgram) {
    Load({});
    PC = 1023;
    ASSERT_TRUE(core::PcInsideProgram());
    Step();
    EXPECT_EQ(PC, 1024);
    EXPECT_FALSE(core::PcInsideProgram());
}

TEST_F(CoreTest, NothingLoadedMeansNoInstructionFits) {
    ProgramEnd = 0;
    EXPECT_FALSE(core::PcInsideProgram());
}

TEST_F(CoreTest, BreakpointPausesWithPcOnItsAddress) {
    Load({0x2810});  // GOTO 0x10
    BreakAddresses[7] = 0x10;
    EXPECT_TRUE(Step());
    EXPECT_EQ(PC, 0x10);
    EXPECT_FALSE(Step());
}

TEST_F(CoreTest, EmptySlotsAndSlotsBeyondEightNeverPause) {
    Load({0x2800});  // GOTO 0
    BreakAddresses[8] = 0;
    BreakAddresses[9] = 0;
    EXPECT_FALSE(Step());
    EXPECT_EQ(PC, 0);
    BreakAddresses[8] = 1;
    EXPECT_FALSE(Step());  // word 0 is a NOP; PC 1 only in slot 8
    EXPECT_EQ(PC, 1);
}
}  // namespace
