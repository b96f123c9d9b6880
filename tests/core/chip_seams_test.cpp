// The seams the board and the other chip profile hang on: the pin rule of
// the classic profile, the cycle-timer queue and the register hooks.
#include "core/chip_executor.h"
#include "core/cycle_timers.h"
#include "core/history.h"
#include "core/pin_wire.h"
#include "core_test_support.h"

namespace {
constexpr int kRb1 = 6;  // pin indices of kChipPins
constexpr int kRb2 = 7;

core::SCycleEvent Drive(int pin, bool level) {
    return {core::ECycleEvent::DrivePin, static_cast<uint8_t>(pin), static_cast<uint8_t>(level)};
}

// The register byte is the pin: the outside lands on an input's bit only, a
// program write overwrites what the outside set, and the level reads the byte.
TEST_F(CoreTest, ClassicPinIsTheRegisterBit) {
    struct SCase {
        const char* what;
        uint8_t trisB;
        bool drive;
        uint8_t portBAfter;
    } const cases[] = {
        {"input driven high", 0xFF, true, 0x02},
        {"input driven low", 0xFF, false, 0x00},
        {"output keeps the latch", 0x00, true, 0x00},
    };
    for (const SCase& c : cases) {
        RegisterFile[PORTB] = 0;
        RegisterFile[TRISB] = c.trisB;
        core::DrivePin(kRb1, c.drive);
        EXPECT_EQ(Reg(PORTB), c.portBAfter) << c.what;
        EXPECT_EQ(core::PinLevel(kRb1), c.portBAfter != 0) << c.what;
        EXPECT_EQ(core::PinWire(kRb1).outside, c.drive) << c.what;
    }
    // Driven high, then the program clears port B: the pin shows the write.
    RegisterFile[TRISB] = 0xFF;
    core::DrivePin(kRb1, true);
    Load({0x0186});  // CLRF PORTB
    Step();
    EXPECT_FALSE(core::PinLevel(kRb1));
}

// NOPs take one cycle each: an event due in N cycles lands after pass N and
// not before, two events in the order they fall due.
TEST_F(CoreTest, EventsFireAfterExactlyTheirCycles) {
    Load({});
    core::OnChip([](core::CChipExecutor& chip) {
        chip.ScheduleCycleEvent(5, Drive(kRb2, true));
        chip.ScheduleCycleEvent(3, Drive(kRb1, true));
    });
    const uint8_t expected[] = {0x00, 0x00, 0x02, 0x02, 0x06, 0x06};
    for (int pass = 0; pass < 6; ++pass) {
        Step();
        EXPECT_EQ(Reg(PORTB), expected[pass]) << "after pass " << pass + 1;
    }
    EXPECT_EQ(core::Chip.cycleTimers.Count(), 0);
}

// The timer's ticks go on while an event waits, and the event still lands
// on its cycle.
TEST_F(CoreTest, TickingTimerAndAWaitingEvent) {
    Load({});
    RegisterFile[OPTION_REG] = 0x08;  // timer mode, one tick per cycle
    Step(4);
    const uint8_t before = Reg(TMR0);
    core::OnChip([](core::CChipExecutor& chip) { chip.ScheduleCycleEvent(10, Drive(kRb1, true)); });
    Step(9);
    EXPECT_EQ(Reg(PORTB), 0);
    Step();
    EXPECT_EQ(Reg(PORTB), 0x02);
    EXPECT_EQ(Reg(TMR0), static_cast<uint8_t>(before + 10));
}

// A keyframe carries the pending event: going back to before its cycle and
// forward again lands it once more.
TEST_F(CoreTest, HistoryCarriesPendingEvents) {
    Load({});
    core::History.Start();
    const uint64_t due = core::CHistory::kKeyframeEvery + 100;
    core::OnChip(
        [due](core::CChipExecutor& chip) { chip.ScheduleCycleEvent(due, Drive(kRb1, true)); });
    Step(static_cast<int>(due + 10));
    ASSERT_EQ(Reg(PORTB), 0x02);
    core::History.GoTo(due - 10, m_cpu);
    EXPECT_EQ(Reg(PORTB), 0);
    EXPECT_EQ(core::Chip.cycleTimers.Count(), 1);
    Step(10);
    EXPECT_EQ(Reg(PORTB), 0x02);
}

// PORTA's write hook wakes the settled counter: every store path into the
// register reaches it, so each falling edge of RA4 counts.
TEST_F(CoreTest, EveryStorePathRunsTheWriteHook) {
    struct SCase {
        const char* what;
        std::initializer_list<uint16_t> words;
    } const cases[] = {
        {"direct", {0x3010, 0x0085, 0x0000, 0x0185, 0x0000}},
        {"INDF", {0x3005, 0x0084, 0x3010, 0x0080, 0x0000, 0x0180, 0x0000}},
        {"bit operations", {0x1605, 0x0000, 0x1205, 0x0000}},
    };
    for (const SCase& c : cases) {
        ResetForLoad();
        ProgramEnd = core::kProgramImageSize;
        ResetForRun();
        Load(c.words);
        Step(static_cast<int>(c.words.size()));
        EXPECT_EQ(Reg(TMR0), 1) << c.what;  // OPTION after reset counts falling edges
    }
}
}  // namespace
