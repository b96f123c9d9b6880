// Pin clicks with a worker: a waiting worker applies a click at once and
// shows it, without executing an instruction and without cutting its pause.
#include "core/pin_input.h"
#include "worker_test_support.h"

namespace {
TEST_F(WorkerTest, APausedWorkerAppliesAClickAtOnce) {
    LoadProgram({{5, words::kIncfCounter}, {6, words::kGoto5}});
    StartWorker();
    m_doc->OnSingleStep();
    ASSERT_TRUE(WaitRefreshes(2));

    ASSERT_TRUE(core::ClickPin(PORTB, 0x10));
    ASSERT_TRUE(WaitRefreshes(3));
    EXPECT_EQ(RegisterFile[PORTB], 0x10);
    EXPECT_EQ(InstructionCount, 1u);
    EXPECT_EQ(PC, 6);
    EXPECT_TRUE(StaysAt(3));

    // The program sees it: the change of RB4 raises RBIF with the next step.
    m_doc->OnSingleStep();
    ASSERT_TRUE(WaitRefreshes(4));
    EXPECT_EQ(RegisterFile[INTCON] & 0x01, 0x01);
}

TEST_F(WorkerTest, AClickDuringASlowRunShowsAtOnceAndThePauseGoesOn) {
    LoadProgram({{5, words::kIncfCounter}, {6, words::kGoto5}});
    SimSpeedMs = 60000;
    StartWorker();
    m_doc->OnContinuousRun();
    ASSERT_TRUE(WaitRefreshes(2));

    ASSERT_TRUE(core::ClickPin(PORTA, 0x01));
    ASSERT_TRUE(WaitRefreshes(3));
    EXPECT_EQ(RegisterFile[PORTA], 0x01);
    EXPECT_TRUE(StaysAt(3)) << "the click must not end the pause early";
    EXPECT_EQ(InstructionCount, 1u);
}

TEST_F(WorkerTest, ClicksBeforeTheFirstCommandAreShownAsWell) {
    LoadProgram({{5, words::kIncfCounter}});
    StartWorker();
    ASSERT_TRUE(core::ClickPin(PORTB, 0x01));
    ASSERT_TRUE(WaitRefreshes(2));
    EXPECT_EQ(RegisterFile[PORTB], 0x01);
    EXPECT_EQ(InstructionCount, 0u);
}
}  // namespace
