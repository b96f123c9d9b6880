#include "scenario/scenario_speed.h"

#include <algorithm>
#include <cstdio>

#include "core/state.h"
#include "scenario/scenario_run.h"

namespace scenario {

namespace {
// A loop of the kind programs spend their time in: INCF 0x0C,F; GOTO 5.
constexpr uint16_t kLoop[] = {0x0A8C, 0x2805};
constexpr int kLoopAt = 5;
constexpr double kProbeSeconds = 0.1;

void LoadLoop() {
    ResetForLoad();
    for (int i = 0; i < 2; ++i) {
        char text[5];
        std::snprintf(text, sizeof text, "%04X", kLoop[i]);
        for (int c = 0; c < 4; ++c) ProgramImage[4 * (kLoopAt + i) + c] = text[c];
    }
    ProgramEnd = 4 * (kLoopAt + 2);
}
}  // namespace

double MeasureScenarioSpeed() {
    LoadLoop();
    SScenario probe;
    probe.limit = INT64_MAX / 4;
    SStep run;
    run.kind = EStepKind::RunCycles;
    probe.steps.push_back(run);
    double speed = 0;
    // Longer runs until one lasts long enough to time.
    for (int64_t cycles = int64_t{1} << 20; cycles < (int64_t{1} << 40); cycles *= 4) {
        probe.steps[0].count = cycles;
        const SScenarioReport report = RunScenario(probe, "");
        speed = static_cast<double>(report.cycles) / std::max(report.seconds, 1e-9);
        if (report.seconds >= kProbeSeconds) break;
    }
    ResetForLoad();
    ProgramEnd = 0;
    core::CycleCount = 0;
    InstructionCount = 0;
    return speed;
}

double WallClockBound(int64_t limit, double cyclesPerSecond, int jobs, int cores) {
    const double share = std::max(1.0, static_cast<double>(jobs) / std::max(1, cores));
    const double needed = static_cast<double>(limit) / std::max(cyclesPerSecond, 1.0) * share;
    return std::max(kBoundFloorSeconds, kBoundMargin * needed);
}

}  // namespace scenario
