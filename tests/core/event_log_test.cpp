// The event log: what the run loop, the instructions, the stack and the pins
// record, with the pass, cycle and PC that the state after the pass shows.
#include "core/event_log.h"

#include "core/pin_input.h"
#include "core_test_support.h"

namespace {
class EventLogTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        // Messages of instructions run outside a pass wait for one to stamp them.
        if (core::EventLog.HasUnstamped()) core::EventLog.StampPassEnd();
        m_from = core::EventLog.LastSerial();
    }
    std::vector<core::SEvent> Events(core::EEventKind kind) const {
        std::vector<core::SEvent> found;
        for (const core::SEvent& event : core::EventLog.Since(m_from)) {
            if (event.kind == kind) found.push_back(event);
        }
        return found;
    }
    uint64_t m_from = 0;
};

TEST_F(EventLogTest, TimerInterruptIsAcceptedEnteredOnePassLaterAndLeft) {
    Load({0x0000, 0x0000, 0x0000, 0x0000});
    PutWord(4, 0x0009);               // RETFIE
    RegisterFile[OPTION_REG] = 0x08;  // timer mode, one count per cycle
    RegisterFile[TMR0] = 0xFE;
    RegisterFile[INTCON] = 0xA0;  // GIE, T0IE
    Step(2);                      // the second cycle wraps TMR0
    const auto accepted = Events(core::EEventKind::Accept);
    ASSERT_EQ(accepted.size(), 1u);
    EXPECT_EQ(accepted[0].pass, 2u);
    EXPECT_EQ(accepted[0].pc, 7);
    EXPECT_EQ(accepted[0].cause, core::kCauseT0IF);
    EXPECT_TRUE(Events(core::EEventKind::Interrupt).empty());

    Step();  // one more instruction, then the entry
    const auto entered = Events(core::EEventKind::Interrupt);
    ASSERT_EQ(entered.size(), 1u);
    EXPECT_EQ(entered[0].pass, 3u);
    EXPECT_EQ(entered[0].cycle, 3u);
    EXPECT_EQ(entered[0].pc, 4);
    EXPECT_EQ(PC, 4);
    EXPECT_EQ(entered[0].value, 8);
    EXPECT_EQ(entered[0].cause, core::kCauseT0IF);

    Step();  // RETFIE takes two cycles; T0IF is still set, so it is accepted again
    const auto left = Events(core::EEventKind::Retfie);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].pass, 4u);
    EXPECT_EQ(left[0].cycle, 5u);
    EXPECT_EQ(left[0].pc, 8);
    EXPECT_EQ(Events(core::EEventKind::Accept).size(), 2u);
}

TEST_F(EventLogTest, CauseNamesOnlyEnabledFlaggedSources) {
    Load({0x0000, 0x0000});
    RegisterFile[INTCON] = 0x97;  // GIE, INTE; all three flags set
    Step();
    const auto accepted = Events(core::EEventKind::Accept);
    ASSERT_EQ(accepted.size(), 1u);
    EXPECT_EQ(accepted[0].cause, core::kCauseINTF);
}

TEST_F(EventLogTest, RunTimeMessagesAreRecordedAndMutedOnesNeitherShownNorRecorded) {
    Load({0x0008, 0x0008});  // RETURN, RETURN
    Step();
    const auto messages = Events(core::EEventKind::Message);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Stek je prazan");
    EXPECT_EQ(messages[0].pass, 1u);
    EXPECT_EQ(messages[0].cycle, 2u);

    core::EventLog.SetMuted(true);
    PC = 6;
    Step();
    core::EventLog.SetMuted(false);
    EXPECT_EQ(Events(core::EEventKind::Message).size(), 1u);
    EXPECT_EQ(m_messages.Messages().size(), 1u);
}

TEST_F(EventLogTest, PinClicksCarryPinLevelAndThePassesDone) {
    Load({0x0000, 0x0000, 0x0000});
    core::ClickPin(PORTB, 0x01);
    Step(2);
    core::ClickPin(PORTB, 0x01);
    core::ClickPin(PORTA, 0x10);
    const auto pins = Events(core::EEventKind::Pin);
    ASSERT_EQ(pins.size(), 3u);
    EXPECT_EQ(pins[0].text, "RB0");
    EXPECT_EQ(pins[0].value, 1);
    EXPECT_EQ(pins[0].pass, 0u);
    EXPECT_EQ(pins[1].text, "RB0");
    EXPECT_EQ(pins[1].value, 0);
    EXPECT_EQ(pins[1].pass, 2u);
    EXPECT_EQ(pins[1].cycle, 2u);
    EXPECT_EQ(pins[2].text, "RA4");
}

TEST_F(EventLogTest, BreakpointsNameTheirLabel) {
    Load({0x2807, 0x0000, 0x2805});  // 5: GOTO 7; 7: GOTO 5
    BreakLabels.Set(0, "petlja");
    BreakLabelCount = 1;
    BreakAddresses[0] = 7;
    BreakAddresses[1] = 5;
    EXPECT_TRUE(Step());
    EXPECT_TRUE(Step());
    const auto hits = Events(core::EEventKind::Breakpoint);
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].value, 7);
    EXPECT_EQ(hits[0].text, "petlja");
    EXPECT_EQ(hits[1].value, 5);
    EXPECT_EQ(hits[1].text, "");
}

TEST_F(EventLogTest, ANewFutureDropsLaterEventsOfThisRunOnly) {
    Load({0x0000, 0x0000, 0x0000, 0x0000});
    Step(3);
    ResetForRun();  // a second run, with events of its own
    core::ClickPin(PORTB, 0x01);
    Step(1);
    core::ClickPin(PORTB, 0x01);
    Step(1);
    core::ClickPin(PORTB, 0x02);
    core::EventLog.DropAfter(1);  // back at pass 1: the clicks made there go too
    const auto pins = Events(core::EEventKind::Pin);
    ASSERT_EQ(pins.size(), 1u);
    EXPECT_EQ(pins[0].pass, 0u);
    EXPECT_EQ(Events(core::EEventKind::RunStart).size(), 1u);
}

TEST_F(EventLogTest, SinceGivesOnlyNewerEventsOldestFirst) {
    ResetForRun();
    ResetForRun();
    const auto events = core::EventLog.Since(m_from);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].serial + 1, events[1].serial);
    EXPECT_EQ(events[1].serial, core::EventLog.LastSerial());
    EXPECT_TRUE(core::EventLog.Since(core::EventLog.LastSerial()).empty());
}

TEST_F(EventLogTest, KeepsTheNewestEventsWhenFull) {
    const uint64_t first = core::EventLog.LastSerial() + 1;
    const size_t extra = 5;
    for (size_t n = 0; n < core::CEventLog::kKept + extra; ++n) {
        core::EventLog.Record(
            core::Event(core::EEventKind::Pin, static_cast<int32_t>(n), 0, "RB0"));
    }
    const auto events = core::EventLog.Since(0);
    ASSERT_EQ(events.size(), core::CEventLog::kKept);
    EXPECT_EQ(events.front().serial, first + extra);
    EXPECT_EQ(events.front().value, static_cast<int32_t>(extra));
    EXPECT_EQ(events.back().serial, core::EventLog.LastSerial());
    EXPECT_EQ(core::EventLog.Since(core::EventLog.LastSerial() - 2).size(), 2u);
}
}  // namespace
