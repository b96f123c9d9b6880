#pragma once
// How fast this machine plays scenarios, so that a wall-clock bound on a run
// can follow from the run's cycle limit instead of a guess.
#include <cstdint>

namespace scenario {

// Instruction cycles per second of wall time, measured by playing a short
// loop as a scenario plays (history and all) for about a tenth of a second.
// Leaves no program loaded.
double MeasureScenarioSpeed();

// The wall-clock seconds a run of `limit` cycles may take: what it needs at
// `cyclesPerSecond` shared by `jobs` runs on `cores` cores, times a margin
// for a busy machine, and never less than the floor that loading and
// assembling a program may take.
double WallClockBound(int64_t limit, double cyclesPerSecond, int jobs, int cores);

constexpr double kBoundMargin = 4;
constexpr double kBoundFloorSeconds = 20;

}  // namespace scenario
