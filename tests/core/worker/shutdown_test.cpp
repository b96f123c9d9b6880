#include <random>

#include "worker_test_support.h"

namespace {

enum class State {
    WaitingToStart,
    Paused,
    RunningAtSpeedZero,
    RunningWithTenSecondPause,
    RunningWithHourPause,
    BlockedInMessageBox,
    InSecondMessageBoxOfAnInstruction,
};

struct ShutdownCase {
    const char* name;
    State state;
    std::vector<std::string> boxes;  // every message the worker showed
};

class ShutdownTest : public WorkerTest, public testing::WithParamInterface<ShutdownCase> {
protected:
    void Reach(State state) {
        switch (state) {
            case State::WaitingToStart:
                LoadProgram({{5, words::kIncfCounter}, {6, words::kGoto5}});
                StartWorker();
                break;
            case State::Paused:
                LoadProgram({{5, words::kIncfCounter}, {6, words::kGoto5}});
                StartWorker();
                m_doc->OnSingleStep();
                ASSERT_TRUE(WaitRefreshes(2));
                break;
            case State::RunningAtSpeedZero:
                RunCounterLoop(0, 100);
                break;
            case State::RunningWithTenSecondPause:
                RunCounterLoop(10000, 2);
                break;
            case State::RunningWithHourPause:
                RunCounterLoop(3600 * 1000, 2);
                break;
            case State::BlockedInMessageBox:
                // RETURN with nothing on the stack.
                LoadProgram({{5, words::kReturn}});
                m_boxes.SetBlocking(true);
                StartWorker();
                m_doc->OnSingleStep();
                ASSERT_TRUE(Eventually([&] { return m_boxes.Open() == 1; }));
                break;
            case State::InSecondMessageBoxOfAnInstruction:
                // Eight nested calls fill the stack; a change on RB4-RB7 then
                // raises an interrupt that is entered after the next CALL. That
                // CALL and the entry both find the stack full, so the second
                // box opens only after shutdown has closed the first.
                LoadProgram({{5, "2006"},
                             {6, "2007"},
                             {7, "2008"},
                             {8, "2009"},
                             {9, "200A"},
                             {10, "200B"},
                             {11, "200C"},
                             {12, "200D"},
                             {13, "3088"},  // MOVLW GIE|RBIE
                             {14, "008B"},  // MOVWF INTCON
                             {15, "30F0"},
                             {16, "0086"},    // MOVWF PORTB
                             {17, "2012"}});  // CALL 18
                m_boxes.SetBlocking(true);
                StartWorker();
                m_doc->OnContinuousRun();
                ASSERT_TRUE(Eventually([&] { return m_boxes.Open() == 1; }));
                break;
        }
    }

    void RunCounterLoop(int speedMs, int refreshes) {
        LoadProgram({{5, words::kIncfCounter}, {6, words::kGoto5}});
        SimSpeedMs = speedMs;
        StartWorker();
        m_doc->OnContinuousRun();
        ASSERT_TRUE(WaitRefreshes(refreshes));
    }
};

TEST_P(ShutdownTest, DestroyingTheDocumentEndsTheWorker) {
    ASSERT_NO_FATAL_FAILURE(Reach(GetParam().state));

    EndWorker();

    EXPECT_EQ(m_boxes.Texts(), GetParam().boxes);
    const int pins = m_pins.Count();
    const int registers = m_registers.Count();
    std::this_thread::sleep_for(kSettle);
    EXPECT_EQ(m_pins.Count(), pins) << "a view was touched after the worker ended";
    EXPECT_EQ(m_registers.Count(), registers) << "a view was touched after the worker ended";
}

INSTANTIATE_TEST_SUITE_P(
    States, ShutdownTest,
    testing::Values(ShutdownCase{"WaitingToStart", State::WaitingToStart, {}},
                    ShutdownCase{"Paused", State::Paused, {}},
                    ShutdownCase{"RunningAtSpeedZero", State::RunningAtSpeedZero, {}},
                    ShutdownCase{"RunningWithTenSecondPause", State::RunningWithTenSecondPause, {}},
                    ShutdownCase{"RunningWithHourPause", State::RunningWithHourPause, {}},
                    ShutdownCase{
                        "BlockedInMessageBox", State::BlockedInMessageBox, {"Stek je prazan"}},
                    ShutdownCase{"InSecondMessageBoxOfAnInstruction",
                                 State::InSecondMessageBoxOfAnInstruction,
                                 {"Stek je pun", "Stek je pun"}}),
    [](const testing::TestParamInfo<ShutdownCase>& info) { return info.param.name; });

// Shutdown can land anywhere in the worker's start, including between its
// check for shutdown and the start of its first run.
TEST_F(WorkerTest, ShutdownRightAfterCreationEndsTheWorker) {
    LoadProgram({{5, words::kIncfCounter}, {6, words::kGoto5}});
    std::minstd_rand random(7);
    for (int round = 0; round < 500; ++round) {
        auto doc = std::make_unique<core::CSimDocument>();
        doc->AddView(&m_editor);
        doc->AddView(&m_pins);
        doc->AddView(&m_registers);
        doc->CreateWorker();
        const auto until =
            std::chrono::steady_clock::now() + std::chrono::microseconds(random() % 300);
        while (std::chrono::steady_clock::now() < until) {
        }
        FinishesWithinDeadline([&] { doc.reset(); }, "destroying a new document");
    }
}

TEST_F(WorkerTest, AMessageBoxBlocksTheWorkerUntilAnswered) {
    LoadProgram({{5, words::kReturn}});
    m_boxes.SetBlocking(true);
    StartWorker();
    m_doc->OnSingleStep();
    ASSERT_TRUE(Eventually([&] { return m_boxes.Open() == 1; }));
    EXPECT_TRUE(StaysAt(1)) << "the instruction finished while its box was open";

    m_boxes.Answer();
    ASSERT_TRUE(WaitRefreshes(2));
    EXPECT_EQ(PC, 0);
    EXPECT_EQ(m_boxes.Texts(), std::vector<std::string>{"Stek je prazan"});
}

}  // namespace
