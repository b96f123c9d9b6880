// Breakpoints set on source lines: one bit per program word, kept across
// runs, independent of the label breakpoints.
#include "core/line_breakpoints.h"
#include "worker_test_support.h"

namespace {

class LineBreakpointTest : public WorkerTest {
protected:
    void SetUp() override {
        WorkerTest::SetUp();
        core::ClearLineBreakpoints();
    }
    void TearDown() override {
        WorkerTest::TearDown();
        core::ClearLineBreakpoints();
    }
};

// A loop of three words: INCF at 6 counts the passes.
const std::vector<ProgramWord> kLoop = {
    {5, words::kNop}, {6, words::kIncfCounter}, {7, words::kNop}, {8, "2806"}};

TEST_F(LineBreakpointTest, PausesBeforeTheInstructionAndStaysAcrossRestarts) {
    LoadProgram(kLoop);
    core::SetLineBreakpoint(6, true);
    StartWorker();
    m_doc->OnContinuousRun();
    ASSERT_TRUE(Eventually([&] { return Paused() && PC == 6; }));
    EXPECT_TRUE(StaysAtInstructions(1));
    EXPECT_EQ(Counter(), 0) << "the instruction at the breakpoint ran";

    // Going on runs the loop once round and pauses there again.
    m_doc->OnContinuousRun();
    EXPECT_TRUE(StaysAtInstructions(4));
    EXPECT_EQ(PC, 6);
    EXPECT_EQ(Counter(), 1);

    // A restart clears the label breakpoints, not the line ones.
    m_doc->OnRestart();
    ASSERT_TRUE(WaitRunEnded());
    ASSERT_TRUE(Eventually([&] { return Instructions() == 0; }));
    EXPECT_EQ(BreakAddresses[0], 0);
    m_doc->OnContinuousRun();
    EXPECT_TRUE(StaysAtInstructions(1));
    EXPECT_EQ(PC, 6);
}

TEST_F(LineBreakpointTest, ClearedWhileRunningNoLongerPauses) {
    LoadProgram(kLoop);
    core::SetLineBreakpoint(8, true);
    core::SetLineBreakpoint(6, true);
    core::SetLineBreakpoint(6, false);
    StartWorker();
    m_doc->OnContinuousRun();
    ASSERT_TRUE(Eventually([&] { return Paused() && PC == 8; }));
    EXPECT_EQ(Counter(), 1);
    core::SetLineBreakpoint(8, false);
    m_doc->OnContinuousRun();
    ASSERT_TRUE(Eventually([&] { return Counter() >= 20; }));
    EXPECT_FALSE(Paused());
}

// Label and line breakpoints are independent: either one pauses the run.
TEST_F(LineBreakpointTest, LabelAndLineBreakpointsBothPause) {
    LoadProgram(kLoop);
    core::SetLineBreakpoint(8, true);
    StartWorker();
    BreakAddresses[0] = 7;  // the run start has cleared the label slots
    m_doc->OnContinuousRun();
    ASSERT_TRUE(Eventually([&] { return Paused() && PC == 7; }));
    m_doc->OnContinuousRun();
    ASSERT_TRUE(Eventually([&] { return Paused() && PC == 8; }));
}

// The set covers program memory only. A jump above it must end the run at
// once, not pause on the word the address would wrap to.
TEST_F(LineBreakpointTest, AJumpAboveProgramMemoryEndsTheRun) {
    LoadProgram({{5, "2FFF"}});  // GOTO 0x7FF
    for (int word = 0; word < core::kLineBreakWords; ++word) core::SetLineBreakpoint(word, true);
    core::SetLineBreakpoint(-1, true);                      // ignored
    core::SetLineBreakpoint(core::kLineBreakWords, false);  // ignored
    StartWorker();
    m_doc->OnContinuousRun();
    ASSERT_TRUE(WaitRunEnded());
    ASSERT_TRUE(WaitRefreshes(3));  // the next run shows its reset state
    EXPECT_EQ(PC, core::kStartAddress);
    EXPECT_EQ(uint64_t{core::LineBreakBits[15]}, ~uint64_t{0});
}

}  // namespace
