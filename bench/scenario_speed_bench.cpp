// A scenario of 100 million cycles beside a plain run of the same program
// and length: the run driver asks the scenario's stepper only how far it may
// run before its next checkpoint, so the two should run about as fast.
#include <benchmark/benchmark.h>

#include <string>

#include "core/run_driver.h"
#include "core/state.h"
#include "program_words.h"
#include "scenario/scenario_reader.h"
#include "scenario/scenario_run.h"

namespace {
constexpr uint64_t kCycles = 100'000'000;

// The counting delay loop of the instruction-loop benchmarks.
void LoadDelayLoop() {
    ResetForLoad();
    Place(0, {0x2805});
    Place(5, {0x30FF, 0x008C, 0x0B8C, 0x2807, 0x2805});
    ProgramEnd = core::kProgramImageSize;
}

void Report(benchmark::State& state) {
    state.counters["cycles/s"] =
        benchmark::Counter(static_cast<double>(kCycles) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

void BM_PlainRun100MCycles(benchmark::State& state) {
    LoadDelayLoop();
    for (auto _ : state) {
        core::CRunDriver driver;
        driver.Begin();
        while (core::CycleCount < kCycles) driver.Slice(1 << 16);
    }
    Report(state);
}
BENCHMARK(BM_PlainRun100MCycles)->Unit(benchmark::kMillisecond);

void BM_Scenario100MCycles(benchmark::State& state) {
    LoadDelayLoop();
    scenario::SScenario plan;
    std::string error;
    const std::string text = "limit: " + std::to_string(2 * kCycles) +
                             "\nsteps:\n  - run: {cycles: " + std::to_string(kCycles) + "}\n";
    if (!scenario::ReadScenarioText(text, "speed.yaml", &plan, &error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    for (auto _ : state) {
        const scenario::SScenarioReport report = scenario::RunScenario(plan, "delay loop");
        if (!report.passed || report.cycles < kCycles) state.SkipWithError("the scenario failed");
    }
    Report(state);
}
BENCHMARK(BM_Scenario100MCycles)->Unit(benchmark::kMillisecond);
}  // namespace
