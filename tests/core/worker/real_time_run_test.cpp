// A paced run waits between its slices, yet answers every command as a run
// at full speed does.
#include "core/real_time_pacer.h"
#include "worker_test_support.h"

namespace {

class RealTimeRunTest : public WorkerTest {
protected:
    void TearDown() override {
        WorkerTest::TearDown();
        core::RealTimeFactor = 0;
        core::OscillatorHz = 4e6;
    }
};

const std::vector<ProgramWord> kLoop = {{5, words::kIncfCounter}, {6, words::kGoto5}};

TEST_F(RealTimeRunTest, ASlowPaceRunsOnAndStopsStepsAndTakesTheFullSpeedAtOnce) {
    LoadProgram(kLoop);
    // 40 kHz at a tenth: a thousand cycles a second, two per slice.
    core::OscillatorHz = 40e3;
    core::RealTimeFactor = 0.1;
    StartWorker();
    m_doc->OnContinuousRun();
    ASSERT_TRUE(Eventually([&] { return Instructions() >= 20; }));
    EXPECT_LT(Instructions(), 2000u) << "the run was not paced";

    m_doc->OnStopSimulation();
    ASSERT_TRUE(Eventually([&] { return m_doc->m_pWorker->m_runState == core::RunState::Paused; }));
    const uint64_t stopped = Instructions();
    EXPECT_TRUE(StaysAtInstructions(stopped));
    m_doc->OnSingleStep();
    EXPECT_TRUE(StaysAtInstructions(stopped + 1)) << "a step runs at once, unpaced";

    // Full speed chosen while paced applies without a restart.
    core::RealTimeFactor = 0;
    m_doc->OnSpeedChanged();
    m_doc->OnContinuousRun();
    EXPECT_TRUE(Eventually([&] { return Instructions() >= 1'000'000; }));
}

}  // namespace
