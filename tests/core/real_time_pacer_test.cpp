// Paced runs against a clock the test moves: the host runs what Next allows
// and waits until the moment it names, as the worker and lumo-run do.
#include "core/real_time_pacer.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {
using Clock = core::CRealTimePacer::Clock;
using std::chrono::microseconds;
using std::chrono::milliseconds;

struct SPacedRun {
    Clock::duration wall;  // from the start to the last cycle's slice
    Clock::duration largestLag;
};

// Runs `cycles` one-cycle passes; each pass costs `passCost` of wall time.
SPacedRun RunPaced(double oscillatorHz, double factor, uint64_t cycles, Clock::duration passCost) {
    const Clock::time_point start{};
    Clock::time_point now = start;
    core::CRealTimePacer pacer;
    pacer.Start(0, now, core::CRealTimePacer::CyclesPerSecond(oscillatorHz, factor));
    uint64_t cycle = 0;
    SPacedRun run{{}, {}};
    while (cycle < cycles) {
        const core::CRealTimePacer::SNext next = pacer.Next(cycle, now, 4096);
        run.largestLag = std::max(run.largestLag, pacer.Lag(cycle, now));
        if (next.passes == 0) {
            EXPECT_GT(next.resumeAt, now) << "a wait that ends at once spins";
            now = next.resumeAt;
            continue;
        }
        const uint64_t passes = std::min<uint64_t>(next.passes, cycles - cycle);
        cycle += passes;
        now += passCost * static_cast<int64_t>(passes);
    }
    run.wall = now - start;
    return run;
}

TEST(RealTimePacerTest, ChipTimeFollowsTheWallClockAtTheFactor) {
    struct SCase {
        double oscillatorHz;
        double factor;
        uint64_t cycles;
        Clock::duration wall;
    } const cases[] = {
        {4e6, 1, 200'000, milliseconds(200)},     // 1 MHz instruction rate
        {4e6, 0.1, 20'000, milliseconds(200)},    // ten times slower
        {4e6, 0.001, 200, milliseconds(200)},     // a thousand: slices of two cycles
        {20e6, 1, 1'000'000, milliseconds(200)},  // another oscillator
        {32768, 1, 1'638, milliseconds(200)},     // a watch crystal
        {4e6, 10, 2'000'000, milliseconds(200)},  // faster than the chip
    };
    for (const SCase& c : cases) {
        const SPacedRun run = RunPaced(c.oscillatorHz, c.factor, c.cycles, Clock::duration::zero());
        // A slice runs once it is due: the run ends within one slice (2 ms)
        // of the moment its last cycle belongs to, and lags no more.
        EXPECT_GE(run.wall, c.wall - milliseconds(2)) << c.oscillatorHz << " Hz x" << c.factor;
        EXPECT_LE(run.wall, c.wall + milliseconds(2)) << c.oscillatorHz << " Hz x" << c.factor;
        EXPECT_LE(run.largestLag, milliseconds(2)) << "a machine that keeps up never lags";
    }
}

TEST(RealTimePacerTest, AMachineThatCannotKeepUpLagsByWhatItLacks) {
    // Two microseconds a pass against the chip's one: 100 000 cycles take
    // 0.2 s after the first slice's wait, half of it behind.
    const SPacedRun run = RunPaced(4e6, 1, 100'000, microseconds(2));
    EXPECT_EQ(run.wall, milliseconds(202));
    EXPECT_GT(run.largestLag, milliseconds(95));
    EXPECT_LE(run.largestLag, milliseconds(100));

    core::CRealTimePacer pacer;
    const Clock::time_point start{};
    pacer.Start(0, start, 1e6);
    EXPECT_EQ(pacer.Lag(0, start + milliseconds(1)), Clock::duration::zero()) << "within a slice";
    EXPECT_EQ(pacer.Lag(0, start + milliseconds(30)), milliseconds(30));
    EXPECT_EQ(pacer.Next(0, start + milliseconds(30), 4096).passes, 4096) << "capped by the host";
}

TEST(RealTimePacerTest, AStartAfterAPauseDoesNotMakeUpForIt) {
    core::CRealTimePacer pacer;
    const Clock::time_point start{};
    pacer.Start(0, start, 1e6);
    EXPECT_EQ(pacer.Next(1000, start + milliseconds(5), 1'000'000).passes, 4000);
    // Paused for a second at cycle 1000: the run goes on from there.
    pacer.Start(1000, start + milliseconds(1005), 1e6);
    EXPECT_EQ(pacer.Next(1000, start + milliseconds(1005), 1'000'000).passes, 0);
    EXPECT_EQ(pacer.Next(1000, start + milliseconds(1005), 1'000'000).resumeAt,
              start + milliseconds(1007));
}

}  // namespace
