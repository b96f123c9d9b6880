#include "worker_test_support.h"

namespace {

enum class From { WaitingToStart, Paused, Running };
enum class Command { Step, Run, Stop, Restart };

struct Transition {
    From from;
    Command command;
    int instructions;  // executed in answer to the command
    bool runEnds;
    bool pausedAfter;
};

std::string Name(const testing::TestParamInfo<Transition>& info) {
    static const char* const from[] = {"WaitingToStart", "Paused", "Running"};
    static const char* const command[] = {"Step", "Run", "Stop", "Restart"};
    return std::string(from[static_cast<int>(info.param.from)]) + "_" +
           command[static_cast<int>(info.param.command)];
}

class TransitionTest : public WorkerTest, public testing::WithParamInterface<Transition> {
protected:
    void Give(Command command) {
        switch (command) {
            case Command::Step:
                m_doc->OnSingleStep();
                break;
            case Command::Run:
                m_doc->OnContinuousRun();
                break;
            case Command::Stop:
                m_doc->OnStopSimulation();
                break;
            case Command::Restart:
                m_doc->OnRestart();
                break;
        }
    }
};

// Running waits a minute between instructions, so within a test only the
// commands move the worker on.
TEST_P(TransitionTest, CommandMovesTheWorkerAsTheTableSays) {
    const Transition t = GetParam();
    LoadProgram({{5, words::kIncfCounter}, {6, words::kGoto5}});
    SimSpeedMs = 60000;
    StartWorker();
    if (t.from != From::WaitingToStart) {
        m_doc->OnSingleStep();
        ASSERT_TRUE(WaitRefreshes(2));
    }
    if (t.from == From::Running) {
        m_doc->OnContinuousRun();
        ASSERT_TRUE(WaitRefreshes(3));
        ASSERT_FALSE(Paused());
    }
    const int before = Refreshes();

    Give(t.command);

    // A new run shows its reset state once.
    const int expected = before + t.instructions + (t.runEnds ? 1 : 0);
    if (t.runEnds) {
        ASSERT_TRUE(WaitRunEnded());
    }
    ASSERT_TRUE(WaitRefreshes(expected));
    EXPECT_TRUE(StaysAt(expected));
    EXPECT_EQ(Paused(), t.pausedAfter);
    EXPECT_FALSE(m_doc->RunEndedEvent.Wait(0)) << "a run ended that should not have";
    if (t.runEnds) {
        EXPECT_EQ(PC, core::kStartAddress);
        EXPECT_EQ(Counter(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, TransitionTest,
    testing::Values(Transition{From::WaitingToStart, Command::Step, 1, false, true},
                    Transition{From::WaitingToStart, Command::Run, 1, false, false},
                    Transition{From::WaitingToStart, Command::Stop, 0, false, true},
                    Transition{From::WaitingToStart, Command::Restart, 0, true, true},
                    Transition{From::Paused, Command::Step, 1, false, true},
                    Transition{From::Paused, Command::Run, 1, false, false},
                    Transition{From::Paused, Command::Stop, 0, false, true},
                    Transition{From::Paused, Command::Restart, 0, true, true},
                    Transition{From::Running, Command::Step, 1, false, true},
                    Transition{From::Running, Command::Run, 1, false, false},
                    Transition{From::Running, Command::Stop, 0, false, true},
                    Transition{From::Running, Command::Restart, 0, true, true}),
    Name);

TEST_F(WorkerTest, SingleStepsExecuteOneInstructionEach) {
    LoadProgram({{5, words::kIncfCounter}, {6, words::kIncfCounter}, {7, words::kIncfCounter}});
    StartWorker();
    for (int step = 1; step <= 3; ++step) {
        m_doc->OnSingleStep();
        ASSERT_TRUE(WaitRefreshes(1 + step));
        EXPECT_EQ(Counter(), step);
        EXPECT_EQ(PC, core::kStartAddress + step);
    }
    EXPECT_TRUE(StaysAt(4));
}

// A command given while the worker is busy with an instruction is kept by the
// event and ends the next wait at once.
TEST_F(WorkerTest, TwoQuickSingleStepsExecuteTwoInstructions) {
    LoadProgram({{5, words::kIncfCounter}, {6, words::kIncfCounter}, {7, words::kIncfCounter}});
    StartWorker();
    m_registers.HoldNext();
    m_doc->OnSingleStep();
    ASSERT_TRUE(m_registers.WaitHeld());
    m_doc->OnSingleStep();
    m_registers.Release();

    ASSERT_TRUE(WaitRefreshes(3));
    EXPECT_TRUE(StaysAt(3));
    EXPECT_EQ(Counter(), 2);
    EXPECT_TRUE(Paused());
}

TEST_F(WorkerTest, ContinuousRunAtSpeedZeroDoesNotPause) {
    LoadProgram({{5, words::kIncfCounter}, {6, words::kGoto5}});
    StartWorker();
    m_doc->OnContinuousRun();
    EXPECT_TRUE(WaitRefreshes(1000));
    EXPECT_FALSE(Paused());
}

// Stop sends no signal: the pause under way runs out, one more instruction
// executes, and then the worker waits for the next command. The pause is long,
// so that a loaded machine cannot stall the test past it before the stop.
TEST_F(WorkerTest, StopWhileRunningExecutesOneMoreInstruction) {
    constexpr int kPauseMs = 2000;
    LoadProgram({{5, words::kIncfCounter}, {6, words::kGoto5}});
    SimSpeedMs = kPauseMs;
    StartWorker();
    m_doc->OnContinuousRun();
    ASSERT_TRUE(WaitRefreshes(2));
    // Let the worker settle into its pause before stopping.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    m_doc->OnStopSimulation();

    ASSERT_TRUE(WaitRefreshes(3));
    // Longer than a pause: a fourth instruction would have come by now.
    std::this_thread::sleep_for(std::chrono::milliseconds(kPauseMs * 5 / 4));
    EXPECT_EQ(Refreshes(), 3);
    EXPECT_TRUE(Paused());
}

TEST_F(WorkerTest, RestartClearsBreakpointsAndTheRunState) {
    LoadProgram({{5, "2008"}, {8, words::kIncfCounter}, {9, "2809"}});  // CALL 8; INCF; GOTO 9
    StartWorker();
    m_doc->OnSingleStep();
    ASSERT_TRUE(WaitRefreshes(2));
    ASSERT_EQ(PC, 8);
    ASSERT_EQ(ReturnStack->Count(), 1);
    BreakAddresses[0] = 9;
    BreakLabels.Set(0, "petlja");
    BreakLabelCount = 1;

    m_doc->OnRestart();
    ASSERT_TRUE(WaitRunEnded());
    ASSERT_TRUE(WaitRefreshes(3));
    EXPECT_TRUE(Eventually([] { return std::string(LastMnemonic.load()).empty(); }));
    EXPECT_EQ(PC, core::kStartAddress);
    EXPECT_EQ(RegisterFile[STATUS], 0x18);
    EXPECT_EQ(RegisterFile[STATUS_BANK1], 0x18);
    EXPECT_EQ(ReturnStack->Count(), 0);
    for (int slot = 0; slot < core::kBreakSlots; ++slot) EXPECT_EQ(BreakAddresses[slot], 0);
    EXPECT_EQ(BreakLabels.Get(0), "");
    EXPECT_TRUE(Paused());
}

TEST_F(WorkerTest, OnlyThePinPanelAndRegisterDisplayAreRefreshed) {
    LoadProgram({{5, words::kIncfCounter}, {6, words::kGoto5}});
    StartWorker();
    for (int step = 1; step <= 3; ++step) {
        m_doc->OnSingleStep();
        ASSERT_TRUE(WaitRefreshes(1 + step));
    }
    EXPECT_EQ(m_pins.Count(), 4);
    EXPECT_EQ(m_registers.Count(), 4);
    EXPECT_EQ(LastRefreshedView.load(), &m_registers);
    // The editor and erase counts are checked after every test.
}

TEST_F(WorkerTest, ADocumentHasOneWorkerAndCommandsNeedIt) {
    m_doc->OnSingleStep();
    m_doc->OnContinuousRun();
    m_doc->OnStopSimulation();
    m_doc->OnRestart();
    EXPECT_EQ(m_doc->m_pWorker, nullptr);
    EXPECT_FALSE(m_doc->StepEvent.Wait(0)) << "a command without a worker left a signal";

    StartWorker();
    CCPUNit* first = m_doc->m_pWorker;
    m_doc->CreateWorker();
    EXPECT_EQ(m_doc->m_pWorker, first);
}

TEST(WorkerWithoutDocument, RunReturnsAtOnce) {
    CCPUNit worker;
    EXPECT_EQ(worker.Run(), -1);
}

}  // namespace
