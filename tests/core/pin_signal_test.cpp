// Measures of a pin's last period, from generated signals and from a
// program whose timing the instruction cycles give.
#include "core/pin_signal.h"

#include <atomic>
#include <thread>

#include "core/history.h"
#include "core/pin_input.h"
#include "core_test_support.h"

namespace {
constexpr int kRb0 = 5;

// A square wave on one pin, and noise on another: 'period' cycles, high for 'high'.
std::vector<core::SPinChange> Square(int pin, uint64_t first, uint64_t period, uint64_t high,
                                     int periods) {
    std::vector<core::SPinChange> changes{{0, 0, 0}};
    uint32_t word = 0;
    for (int n = 0; n < periods; ++n) {
        const uint64_t rise = first + n * period;
        word |= 1u << pin;
        changes.push_back({rise, rise, word});
        word ^= 1u << 1;  // RA1 changes at every rise, which must not count
        changes.push_back({rise + 1, rise + 1, word});
        word &= ~(1u << pin);
        changes.push_back({rise + high, rise + high, word});
    }
    return changes;
}

TEST(PinSignal, LastPeriodOfGeneratedSignals) {
    struct SCase {
        uint64_t period, high;
        int periods;
        uint64_t end;  // measured up to this cycle
        bool found;
        uint64_t from;
    };
    const SCase cases[] = {
        {100, 25, 5, UINT64_MAX, true, 1000 + 300},  // the last two rises: 1300 and 1400
        {100, 25, 5, 1399, true, 1000 + 200},        // the end cuts off the last rise
        {100, 25, 1, UINT64_MAX, false, 0},          // one rise only
        {1000, 999, 3, UINT64_MAX, true, 1000 + 1000},
        {3, 2, 40, UINT64_MAX, true, 1000 + 38 * 3},
    };
    for (const SCase& c : cases) {
        const core::SPinPeriod period =
            core::LastPeriod(Square(kRb0, 1000, c.period, c.high, c.periods), kRb0, c.end);
        ASSERT_EQ(period.found, c.found) << c.period << "/" << c.high;
        if (!c.found) continue;
        EXPECT_EQ(period.from, c.from);
        EXPECT_EQ(period.Cycles(), c.period);
        EXPECT_EQ(period.high, c.high);
        EXPECT_DOUBLE_EQ(period.DutyCycle(), static_cast<double>(c.high) / c.period);
        // Four oscillator periods a cycle: 4 MHz gives a million cycles a second.
        EXPECT_DOUBLE_EQ(period.FrequencyHz(4e6), 1e6 / c.period);
    }
}

TEST(PinSignal, EdgesFollowLevelAndDirectionOnly) {
    const uint32_t input = 1u << (core::kPinDirectionShift + kRb0);
    const std::vector<core::SPinChange> changes = {
        {0, 0, input}, {1, 3, input | 2},  {2, 5, input | 1u << kRb0}, {3, 7, 1u << kRb0},
        {4, 9, 0},     {5, 9, 1u << kRb0},  // a glitch within one cycle leaves the last level
    };
    const std::vector<core::SPinEdge> expected = {
        {0, false, true}, {5, true, true}, {7, true, false}};
    EXPECT_EQ(core::PinEdges(changes, kRb0), expected);
}

class PinSignalRun : public CoreTest {};

TEST_F(PinSignalRun, AToggleLoopMeasuresAsItsInstructionCyclesSay) {
    // 8 BSF PORTB,0 (1 cycle); 9 NOP; 10 BCF PORTB,0; 11 GOTO 8 (2 cycles):
    // high for 2 cycles of 5, 200 kHz at 4 MHz.
    Load({0x1683, 0x1006, 0x1283, 0x1406, 0x0000, 0x1006, 0x2808});
    core::History.Start();
    Step(200);
    const core::SPinPeriod period =
        core::LastPeriod(core::PinTrace.Read(0, UINT64_MAX).changes, kRb0, UINT64_MAX);
    ASSERT_TRUE(period.found);
    EXPECT_EQ(period.Cycles(), 5u);
    EXPECT_EQ(period.high, 2u);
    EXPECT_DOUBLE_EQ(period.FrequencyHz(4e6), 200e3);
    EXPECT_DOUBLE_EQ(period.DutyCycle(), 0.4);
}
}  // namespace

namespace {
TEST_F(PinSignalRun, ReadsWhileTheRunWritesSeeWholeOrderedChanges) {
    // RB0 toggles every 5 cycles; now and then the run goes back and clicks,
    // which rewrites the trace's end, while another thread reads all along.
    Load({0x1683, 0x1006, 0x1283, 0x1406, 0x0000, 0x1006, 0x2808});
    core::History.Start();
    std::atomic<bool> done{false};
    std::atomic<int> badReads{0};
    std::thread reader([&] {
        while (!done.load()) {
            const core::SPinTraceCopy copy = core::PinTrace.Read(0, UINT64_MAX);
            for (size_t i = 1; i < copy.changes.size(); ++i) {
                const core::SPinChange& a = copy.changes[i - 1];
                const core::SPinChange& b = copy.changes[i];
                if (b.pass < a.pass || b.cycle < a.cycle || b.word == a.word) ++badReads;
            }
        }
    });
    for (int round = 0; round < 40; ++round) {
        Step(3000);
        core::History.GoTo(InstructionCount - 1000, m_cpu);
        core::ClickPin(PORTB, 0x80);
    }
    done = true;
    reader.join();
    EXPECT_EQ(badReads.load(), 0);
}
}  // namespace
