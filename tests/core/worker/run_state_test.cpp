// What the worker says it is doing, and how a speed change reaches a run
// that is waiting out its pause.
#include "worker_test_support.h"

namespace {

class RunStateTest : public WorkerTest {
protected:
    core::RunState State() const { return m_doc->m_pWorker->m_runState; }
    // The state the refresh after n instructions of a run showed.
    bool ShowsAfter(int refreshes, core::RunState state) {
        return WaitRefreshes(refreshes) && Eventually([&] { return State() == state; });
    }
};

TEST_F(RunStateTest, FollowsCommandsBreakpointsAndTheEndOfTheProgram) {
    // 5: incf, 6: incf, 7: goto 5; the program ends after word 8, which the
    // first run never reaches.
    LoadProgram({{5, words::kIncfCounter}, {6, words::kIncfCounter}, {7, words::kGoto5}});
    StartWorker();
    EXPECT_EQ(State(), core::RunState::WaitingToStart);

    m_doc->OnSingleStep();
    ASSERT_TRUE(ShowsAfter(2, core::RunState::Paused));

    SimSpeedMs = 0;
    m_doc->OnContinuousRun();
    ASSERT_TRUE(Eventually([&] { return State() == core::RunState::Running; }));
    m_doc->OnStopSimulation();
    ASSERT_TRUE(Eventually([&] { return State() == core::RunState::Paused; }));

    BreakAddresses[0] = 7;
    m_doc->OnContinuousRun();
    ASSERT_TRUE(Eventually([&] { return State() == core::RunState::AtBreakpoint; }));
    EXPECT_EQ(PC, 7);

    // Off the end: "goto 5" becomes a NOP at word 7, so PC walks out of the
    // 9-word program; the processor is reset and the reason stays on show.
    ProgramImage[4 * 7] = '0';
    ProgramImage[4 * 7 + 1] = '0';
    ProgramImage[4 * 7 + 2] = '0';
    ProgramImage[4 * 7 + 3] = '0';
    ProgramEnd = 4 * 9;
    m_doc->OnContinuousRun();
    ASSERT_TRUE(WaitRunEnded());
    ASSERT_TRUE(Eventually(
        [&] { return State() == core::RunState::RanOffProgram && PC == core::kStartAddress; }));
    std::this_thread::sleep_for(kSettle);
    EXPECT_EQ(State(), core::RunState::RanOffProgram);

    // The next command replaces it; a restart shows a fresh wait.
    m_doc->OnSingleStep();
    ASSERT_TRUE(Eventually([&] { return State() == core::RunState::Paused; }));
    m_doc->OnRestart();
    ASSERT_TRUE(WaitRunEnded());
    ASSERT_TRUE(Eventually([&] { return State() == core::RunState::WaitingToStart; }));
}

TEST_F(RunStateTest, CommandWithoutAProgramSaysSo) {
    StartWorker();
    m_doc->OnContinuousRun();
    ASSERT_TRUE(WaitRunEnded());
    ASSERT_TRUE(Eventually([&] { return State() == core::RunState::NoProgram; }));
}

// The old pause is not waited out: a shorter one lets the next instruction
// come at once, a longer one lets none through early, and a paused worker
// ignores the change.
TEST_F(RunStateTest, SpeedChangeTakesEffectInTheCurrentPause) {
    LoadProgram({{5, words::kIncfCounter}, {6, words::kGoto5}});
    StartWorker();
    SimSpeedMs = 600000;
    m_doc->OnContinuousRun();
    ASSERT_TRUE(WaitRefreshes(2));  // the first instruction comes at once

    SimSpeedMs = 900000;
    m_doc->OnSpeedChanged();
    EXPECT_TRUE(StaysAt(2));

    SimSpeedMs = 0;
    m_doc->OnSpeedChanged();
    ASSERT_TRUE(WaitRefreshes(20)) << "the old pause of ten minutes was waited out";

    m_doc->OnStopSimulation();
    ASSERT_TRUE(Eventually([&] { return State() == core::RunState::Paused; }));
    // The state turns Paused just before the worker's last refresh.
    std::this_thread::sleep_for(kSettle);
    const int paused = Refreshes();
    m_doc->OnSpeedChanged();
    EXPECT_TRUE(StaysAt(paused));
}

}  // namespace
