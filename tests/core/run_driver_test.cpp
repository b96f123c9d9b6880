// The run driver hosted slice by slice, without a thread: the goal bounds
// every slice and makes its inputs before the passes that follow them, the
// run's start begins the history and the event log's run, and a slice says
// why nothing ran.
#include <memory>
#include <vector>

#include "core/event_log.h"
#include "core/history.h"
#include "core/pin_input.h"
#include "core/pin_switch_goal.h"
#include "core/run_goal.h"
#include "core_test_support.h"

namespace {
// Answers from a script, one answer per question, then lets the run go.
class CScriptedGoal : public core::CRunGoal {
public:
    explicit CScriptedGoal(std::vector<int64_t> answers) : m_answers(std::move(answers)) {}
    int64_t PassesBeforeLook(int64_t maxPasses) override {
        return m_next < m_answers.size() ? m_answers[m_next++] : maxPasses;
    }
    bool Over() const override { return m_next == m_answers.size(); }

private:
    std::vector<int64_t> m_answers;
    size_t m_next = 0;
};

class RunDriverTest : public CoreTest {
protected:
    // goto 5 forever: every pass takes two cycles.
    void SetUp() override {
        CoreTest::SetUp();
        Load({0x2805});
    }
};

TEST_F(RunDriverTest, TheGoalBoundsEverySliceAndItsPausesRunNothing) {
    core::CRunDriver driver;
    core::ClickPin(PORTB, 0x01);  // before the run: the reset clears it
    const uint64_t serial = core::EventLog.LastSerial();
    driver.Begin(std::make_shared<CScriptedGoal>(std::vector<int64_t>{3, 0, 2}));
    EXPECT_EQ(RegisterFile[PORTB], 0);
    const std::vector<core::SEvent> started = core::EventLog.Since(serial);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].kind, core::EEventKind::RunStart);

    struct SExpected {
        int64_t passes;
        bool goalPaused;
        bool hasGoal;
    } expected[] = {{3, false, true}, {0, true, true}, {2, false, false}, {100, false, false}};
    for (const SExpected& want : expected) {
        const core::CRunDriver::SSlice slice = driver.Slice(100);
        EXPECT_EQ(slice.passes, want.passes);
        EXPECT_EQ(slice.goalPaused, want.goalPaused);
        EXPECT_FALSE(slice.leftProgram);
        EXPECT_EQ(driver.HasGoal(), want.hasGoal);
    }
    EXPECT_EQ(InstructionCount.load(), 105u);
    // The history of the run begins at its start.
    CInstructionSet cpu;
    core::History.GoTo(0, cpu);
    EXPECT_EQ(core::CycleCount.load(), 0u);
    EXPECT_EQ(PC, core::kStartAddress);
}

TEST_F(RunDriverTest, PinSwitchesLandRightBeforeTheirPassesAndPcOutsideStopsTheRun) {
    core::CRunDriver driver;
    int changes = 0;
    driver.onChange = [&changes] { ++changes; };
    driver.Begin(std::make_shared<core::CPinSwitchGoal>(
        std::vector<core::SPinSwitchAt>{{0, PORTB, 0x01}, {4, PORTB, 0x02}, {4, PORTB, 0x01}}));
    const uint64_t serial = core::EventLog.LastSerial();
    std::vector<int64_t> slices;
    for (int i = 0; i < 3; ++i) slices.push_back(driver.Slice(10).passes);
    EXPECT_EQ(slices, (std::vector<int64_t>{4, 10, 10}));
    EXPECT_EQ(changes, 2 + 2 + 1);  // the goal's inputs, then the passes, while it lasts
    std::vector<uint64_t> clickPasses;
    for (const core::SEvent& event : core::EventLog.Since(serial)) {
        if (event.kind == core::EEventKind::Pin) clickPasses.push_back(event.pass);
    }
    EXPECT_EQ(clickPasses, (std::vector<uint64_t>{0, 4, 4}));
    EXPECT_EQ(RegisterFile[PORTB], 0x02);

    ProgramEnd = 4 * core::kStartAddress;  // the word at PC is no longer in the program
    const core::CRunDriver::SSlice slice = driver.Slice(10);
    EXPECT_TRUE(slice.leftProgram);
    EXPECT_EQ(slice.passes, 0);
}
}  // namespace
