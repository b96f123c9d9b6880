// The cycle and instruction counters: they move with Timer 0, start again at
// every run, and travel with the rest of the machine when it is copied.
#include "core_test_support.h"

namespace {
TEST_F(CoreTest, CyclesAgreeWithTimer0ThroughSkipsJumpsCallsAndInterrupts) {
    Load({0x2006,                     //  5: CALL 6       (two cycles)
          0x0B8C,                     //  6: DECFSZ 0x0C,1 (two cycles when it skips)
          0x2806,                     //  7: GOTO 6
          0x3405,                     //  8: RETLW 5      (back to 6 with the stack empty)
          0x0000});                   //  9
    PutWord(4, 0x0009);               // RETFIE at the vector
    RegisterFile[OPTION_REG] = 0x08;  // timer mode, one count per cycle
    RegisterFile[0x0C] = 3;
    RegisterFile[INTCON] = 0xA0;  // GIE, T0IE: every wrap enters word 4
    for (int pass = 1; pass <= 3000; ++pass) {
        Step();
        ASSERT_EQ(Reg(TMR0), core::CycleCount % 256) << "pass " << pass;
        ASSERT_EQ(InstructionCount, static_cast<uint64_t>(pass));
    }
    EXPECT_GT(core::CycleCount, 3000u);
}

TEST_F(CoreTest, CountersStartAgainWithEveryRunAndEveryLoad) {
    Load({0x2805});  // GOTO 5
    Step(10);
    EXPECT_EQ(core::CycleCount, 20u);
    EXPECT_EQ(InstructionCount, 10u);
    // A newly loaded program's clock does not go on from the previous one's.
    ResetForLoad();
    EXPECT_EQ(core::CycleCount, 0u);
    EXPECT_EQ(InstructionCount, 0u);
    Step(10);
    ResetForRun();
    EXPECT_EQ(core::CycleCount, 0u);
    EXPECT_EQ(InstructionCount, 0u);
}

TEST_F(CoreTest, CopyingTheMachineCarriesEveryPartOfIt) {
    Load({0x2007,    // 5: CALL 7
          0x0000,    // 6
          0x0A8C,    // 7: INCF 0x0C,1
          0x2807});  // 8: GOTO 7
    Step(5);
    const core::SChipState saved = core::Chip;
    Step(7);
    EXPECT_FALSE(core::Chip == saved);
    core::Chip = saved;
    EXPECT_TRUE(core::Chip == saved);
    EXPECT_EQ(core::CycleCount, 8u);  // CALL 2, INCF 1, GOTO 2, INCF 1, GOTO 2
    EXPECT_EQ(ReturnStack->Count(), 1);
    Step(7);
    const core::SChipState again = core::Chip;
    core::Chip = saved;
    Step(7);
    EXPECT_TRUE(core::Chip == again) << "the same passes from the same state must end alike";
}
}  // namespace
