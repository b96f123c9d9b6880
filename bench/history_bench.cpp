// Going back in a long run: ten million instructions with Timer 0
// interrupts and a pin click now and then, then jumps to random points of
// that history. Reports the history's memory and the slowest jump.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <initializer_list>
#include <random>

#include "core/history.h"
#include "core/instruction_set.h"
#include "core/pin_input.h"
#include "core/run_driver.h"
#include "core/run_loop.h"
#include "core/state.h"
#include "program_words.h"

namespace {
constexpr uint64_t kDepth = 10'000'000;

void RunLongHistory(CInstructionSet& cpu) {
    ResetForLoad();
    Place(4, {0x2820});                  //  4: GOTO isr
    Place(5, {0x30B8, 0x008B,            //  5: INTCON: GIE, T0IE, INTE, RBIE
              0x3008, 0x1683, 0x0081,    //     OPTION 0x08: timer mode
              0x1283,                    //
              0x30FF, 0x008C,            // 11: MOVLW 0xFF; MOVWF 0x0C
              0x0B8C, 0x280D, 0x280B});  // 13: DECFSZ 0x0C,1; GOTO 13; GOTO 11
    Place(0x20, {0x110B, 0x108B, 0x100B, 0x0009});
    ProgramEnd = core::kProgramImageSize;
    ResetForRun();
    for (uint64_t pass = 0; pass < kDepth; ++pass) {
        if (pass % 100'000 == 0) core::ClickPin(PORTB, 0x11);
        core::RunOnePass(cpu);
    }
}

void BM_GoBackAnywhereInTenMillionInstructions(benchmark::State& state) {
    CInstructionSet cpu;
    RunLongHistory(cpu);
    std::mt19937_64 random(1);
    std::uniform_int_distribution<uint64_t> anywhere(0, kDepth);
    double worstMs = 0;
    for (auto _ : state) {
        const uint64_t target = anywhere(random);
        const auto start = std::chrono::steady_clock::now();
        core::History.GoTo(target, cpu);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        worstMs = std::max(worstMs, took.count());
        if (InstructionCount != target) state.SkipWithError("the history did not reach the pass");
    }
    state.counters["depth"] = static_cast<double>(kDepth - core::History.Earliest());
    state.counters["memory_MB"] = static_cast<double>(core::History.MemoryBytes()) / (1 << 20);
    state.counters["worst_ms"] = worstMs;
}
BENCHMARK(BM_GoBackAnywhereInTenMillionInstructions)->Unit(benchmark::kMicrosecond);
}  // namespace
