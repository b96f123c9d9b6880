// Going back with a worker: the move happens while the worker waits, pauses
// a run, and the views show the state it reached.
#include "core/history.h"
#include "core/pin_input.h"
#include "worker_test_support.h"

namespace {
TEST_F(WorkerTest, StepBackRestoresTheStateBeforeTheLastInstruction) {
    LoadProgram({{5, words::kIncfCounter}, {6, words::kIncfCounter}, {7, words::kIncfCounter}});
    StartWorker();
    for (int step = 1; step <= 3; ++step) {
        m_doc->OnSingleStep();
        ASSERT_TRUE(WaitRefreshes(1 + step));
    }
    const core::SChipState afterThree = core::Chip;
    m_doc->OnStepBack();
    ASSERT_TRUE(WaitRefreshes(5));
    EXPECT_EQ(PC, 7);
    EXPECT_EQ(Counter(), 2);
    EXPECT_EQ(InstructionCount, 2u);
    EXPECT_TRUE(core::History.InPast());
    EXPECT_FALSE(core::Chip == afterThree);

    m_doc->OnSingleStep();  // forward again: the same third instruction
    ASSERT_TRUE(WaitRefreshes(6));
    EXPECT_TRUE(core::Chip == afterThree);
}

TEST_F(WorkerTest, BackToTheLatestClickAndStopARunByGoingBack) {
    LoadProgram({{5, words::kIncfCounter}, {6, words::kGoto5}});
    SimSpeedMs = 60000;
    StartWorker();
    m_doc->OnSingleStep();
    ASSERT_TRUE(WaitRefreshes(2));
    ASSERT_TRUE(core::ClickPin(PORTB, 0x01));
    ASSERT_TRUE(WaitRefreshes(3));
    m_doc->OnContinuousRun();
    ASSERT_TRUE(WaitRefreshes(4));
    m_doc->OnContinuousRun();
    ASSERT_TRUE(WaitRefreshes(5));

    m_doc->OnBackToEvent();
    ASSERT_TRUE(WaitRefreshes(6));
    EXPECT_TRUE(Paused());
    EXPECT_EQ(InstructionCount, 1u) << "the state the click was made in";
    EXPECT_EQ(RegisterFile[PORTB], 0x00) << "before the click";
    EXPECT_TRUE(StaysAt(6)) << "a move ends the run's pause: it is paused now";
}
}  // namespace
