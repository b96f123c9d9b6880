// The run loop looks at the settings, the inputs, the history and the
// messages only when the Attention counter has moved. Every writer must move
// it, or a long slice of passes would run on with stale copies.
#include <chrono>
#include <thread>

#include "core/event_log.h"
#include "core/history.h"
#include "core/line_breakpoints.h"
#include "core/pin_input.h"
#include "core/platform/auto_reset_event.h"
#include "core_test_support.h"

namespace {
// Longer than any slice the worker or the runner asks for; a loop that
// missed the signal would run all of it and fail.
constexpr int64_t kLongSlice = 400'000'000;

class AttentionTest : public CoreTest {
protected:
    void TearDown() override {
        core::SetPinClickWorker(nullptr);
        core::ClearLineBreakpoints();
    }

    template <class Write>
    static bool Signals(Write write) {
        const uint32_t before = core::Attention.load();
        write();
        return core::Attention.load() != before;
    }

    // Starts a slice on another thread, as the worker does, and gives it
    // time to get going: the loop publishes nothing before the slice ends.
    void RunInBackground() {
        m_runner = std::thread([this] { m_run = core::RunPasses(m_cpu, kLongSlice); });
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    core::SPassesRun Finish() {
        m_runner.join();
        return m_run;
    }

    std::thread m_runner;
    core::SPassesRun m_run;
    core::CAutoResetEvent m_worker;
};

TEST_F(AttentionTest, EveryOutsideWriterSignalsTheRunLoop) {
    EXPECT_TRUE(Signals([] { ProgramImage[12] = 'A'; }));
    EXPECT_TRUE(Signals([] { ProgramEnd = 40; }));
    EXPECT_TRUE(Signals([] { BreakAddresses[3] = 9; }));
    EXPECT_TRUE(Signals([] { core::SetLineBreakpoint(7, true); }));
    EXPECT_TRUE(Signals([] { ResetForLoad(); }));
    EXPECT_TRUE(Signals([] { core::History.RequestNewHistory(); }));
    EXPECT_TRUE(Signals([] { AfxMessageBox("x"); }));
    core::SetPinClickWorker(&m_worker);
    EXPECT_TRUE(Signals([] { core::ClickPin(PORTB, 0x01); }));
    EXPECT_TRUE(Signals([] { core::EventLog.RecordAtPassEnd(core::EEventKind::Retfie); }));
    core::EventLog.StampPassEnd();
}

// loop: BTFSS PORTB,0 / GOTO loop / NOP, with the breakpoint after the loop.
TEST_F(AttentionTest, ALongSliceStopsAtABreakpointSetWhileItRuns) {
    Load({0x1C06, 0x2805, 0x0000});
    RunInBackground();
    BreakAddresses[0] = 5;
    const core::SPassesRun run = Finish();
    EXPECT_TRUE(run.atBreakpoint);
    EXPECT_EQ(PC, 5);
    EXPECT_LT(run.passes, kLongSlice);
}

TEST_F(AttentionTest, ALongSliceTakesAClickQueuedWhileItRuns) {
    Load({0x1C06, 0x2805, 0x0000});
    BreakAddresses[0] = 7;
    core::SetPinClickWorker(&m_worker);
    RunInBackground();
    core::ClickPin(PORTB, 0x01);
    const core::SPassesRun run = Finish();
    EXPECT_TRUE(run.atBreakpoint);
    EXPECT_EQ(PC, 7);
    EXPECT_EQ(Reg(PORTB), 0x01);
}

TEST_F(AttentionTest, ALongSliceEndsAtAProgramEndMovedWhileItRuns) {
    Load({0x2805});
    RunInBackground();
    ProgramEnd = 4 * 5;  // the looping word now lies outside
    const core::SPassesRun run = Finish();
    EXPECT_FALSE(run.atBreakpoint);
    EXPECT_LT(run.passes, kLongSlice);
}
}  // namespace
