// The wall-clock bound of a graded run follows from its cycle limit: a long
// recording gets the time it needs, a short scenario the floor.
#include "scenario/scenario_speed.h"

#include <gtest/gtest.h>

#include "core/state.h"

using namespace scenario;

namespace {
TEST(ScenarioSpeed, TheBoundFollowsTheLimitTheSpeedAndTheSharing) {
    struct CCase {
        int64_t limit;
        double speed;
        int jobs;
        int cores;
        double seconds;
    } cases[] = {
        // 1.3 billion cycles at 31 million a second take 42 s.
        {1'300'000'000, 31e6, 1, 2, 4 * 1.3e9 / 31e6},
        {1'300'000'000, 31e6, 2, 2, 4 * 1.3e9 / 31e6},
        {1'300'000'000, 31e6, 8, 2, 4 * 4 * 1.3e9 / 31e6},  // four runs to a core
        {10'000'000, 31e6, 1, 2, kBoundFloorSeconds},
        {1000, 0, 1, 0, 4 * 1000.0},  // nothing measured: a cycle a second
    };
    for (const CCase& c : cases) {
        EXPECT_DOUBLE_EQ(WallClockBound(c.limit, c.speed, c.jobs, c.cores), c.seconds)
            << c.limit << " " << c.jobs;
    }
}

TEST(ScenarioSpeed, TheMeasureLeavesNoProgramLoaded) {
    EXPECT_GT(MeasureScenarioSpeed(), 1e5);
    EXPECT_EQ(ProgramEnd.load(), 0);
    EXPECT_EQ(core::CycleCount.load(), 0u);
    EXPECT_EQ(InstructionCount.load(), 0u);
}
}  // namespace
