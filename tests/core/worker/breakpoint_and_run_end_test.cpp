#include "worker_test_support.h"

namespace {

struct BreakCase {
    const char* name;
    std::vector<ProgramWord> program;
    int slot;
    int address;
    uint64_t instructionsBeforePause;
};

class BreakpointTest : public WorkerTest, public testing::WithParamInterface<BreakCase> {};

// The run pauses with PC on the breakpoint before the instruction there runs.
TEST_P(BreakpointTest, ContinuousRunPausesAtTheBreakpoint) {
    const BreakCase c = GetParam();
    LoadProgram(c.program);
    StartWorker();
    BreakAddresses[c.slot] = c.address;  // the run start has cleared them
    m_doc->OnContinuousRun();

    ASSERT_TRUE(Eventually([&] { return Paused(); }));
    EXPECT_TRUE(StaysAtInstructions(c.instructionsBeforePause));
    ASSERT_TRUE(WaitRefreshes(2));  // the reset state, then the pause
    EXPECT_EQ(PC, c.address);
    EXPECT_EQ(Counter(), 0) << "the instruction at the breakpoint ran";

    m_doc->OnSingleStep();
    EXPECT_TRUE(StaysAtInstructions(c.instructionsBeforePause + 1));
    ASSERT_TRUE(WaitRefreshes(3));
    EXPECT_EQ(Counter(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BreakpointTest,
    testing::Values(
        BreakCase{"AfterGoto",
                  {{5, "2808"}, {6, words::kIncfCounter}, {8, words::kIncfCounter}, {9, "2809"}},
                  3,
                  8,
                  1},
        // A change of RB4-RB7 written by the program raises the port-B change
        // interrupt; it is entered one instruction later, at word 4.
        BreakCase{"InterruptEntry",
                  {{4, words::kIncfCounter},
                   {5, "3088"},  // MOVLW GIE|RBIE
                   {6, "008B"},  // MOVWF INTCON
                   {7, "30F0"},  // MOVLW 0xF0
                   {8, "0086"},  // MOVWF PORTB
                   {9, words::kNop},
                   {10, "280A"}},  // GOTO 10
                  0,
                  4,
                  5}),
    [](const testing::TestParamInfo<BreakCase>& info) { return info.param.name; });

// Empty slots hold 0, and word 0 is a real address: passing it must not pause.
TEST_F(WorkerTest, EmptyBreakpointSlotsNeverPauseAtWordZero) {
    LoadProgram({{5, words::kGoto0}, {0, words::kIncfCounter}, {1, words::kGoto0}});
    StartWorker();
    m_doc->OnContinuousRun();
    EXPECT_TRUE(WaitRefreshes(500));
    EXPECT_FALSE(Paused());
}

struct RunEndCase {
    const char* name;
    std::vector<ProgramWord> program;  // empty: nothing loaded
    int instructions;
};

class RunEndTest : public WorkerTest, public testing::WithParamInterface<RunEndCase> {};

// When PC leaves the program the run ends, the processor is reset and the
// worker waits for the next command.
TEST_P(RunEndTest, LeavingTheProgramResetsAndWaits) {
    const RunEndCase c = GetParam();
    if (!c.program.empty()) LoadProgram(c.program);
    StartWorker();
    BreakAddresses[0] = 100;
    m_doc->OnContinuousRun();

    // The reset state, the instructions (one slice at full speed), and the
    // reset state of the next run.
    const int refreshes = c.instructions > 0 ? 3 : 2;
    ASSERT_TRUE(WaitRunEnded());
    ASSERT_TRUE(WaitRefreshes(refreshes));
    EXPECT_TRUE(StaysAt(refreshes));
    EXPECT_TRUE(Paused());
    EXPECT_EQ(PC, core::kStartAddress);
    EXPECT_EQ(Counter(), 0);
    EXPECT_EQ(RegisterFile[STATUS], 0x18);
    EXPECT_EQ(BreakAddresses[0], 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunEndTest,
    testing::Values(RunEndCase{"NothingLoaded", {}, 0},
                    RunEndCase{"JumpAboveTheImage", {{5, "2FFF"}}, 1},  // GOTO 0x7FF
                    // GOTO 0x3FF, then the last word, then off the end.
                    RunEndCase{"PastTheLastWord", {{5, "2BFF"}, {1023, words::kIncfCounter}}, 2}),
    [](const testing::TestParamInfo<RunEndCase>& info) { return info.param.name; });

}  // namespace
