// Passes per second of the instruction loop, the code every run goes through.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <initializer_list>
#include <utility>

#include "core/check_wiring.h"
#include "core/instruction_set.h"
#include "core/profile_counters.h"
#include "core/run_driver.h"
#include "core/run_loop.h"
#include "core/state.h"
#include "program_words.h"

namespace {
// Both loops run in either chip profile; the data-sheet one's figures are
// the ones named ".../datasheet".
void StartRun(core::EChipProfile profile) {
    ProgramEnd = core::kProgramImageSize;
    core::ChipProfile = profile;
    ResetForRun();
    core::ChipProfile = core::EChipProfile::Classic;
}

void RunPasses(benchmark::State& state) {
    CInstructionSet cpu;
    int64_t passes = 0;
    for (auto _ : state) {
        // In slices, as the worker at full speed and the headless runner run.
        if (core::RunPasses(cpu, 1000).passes != 1000) state.SkipWithError("the program stopped");
        passes += 1000;
    }
    state.SetItemsProcessed(passes);
    state.counters["passes/s"] =
        benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kIsRate);
}

// A counting delay loop, the most common inner loop of a teaching program.
void DelayLoop(benchmark::State& state, core::EChipProfile profile) {
    ResetForLoad();
    Place(0, {0x2805});
    Place(5, {0x30FF,    //  5: MOVLW 0xFF
              0x008C,    //  6: MOVWF 0x0C
              0x0B8C,    //  7: DECFSZ 0x0C,1
              0x2807,    //  8: GOTO 7
              0x2805});  //  9: GOTO 5
    StartRun(profile);
    RunPasses(state);
}
void BM_DelayLoop(benchmark::State& state) {
    DelayLoop(state, core::EChipProfile::Classic);
}
BENCHMARK(BM_DelayLoop);
BENCHMARK_CAPTURE(DelayLoop, datasheet, core::EChipProfile::Datasheet);

// Subroutine calls, bit tests and a Timer 0 interrupt every 256 cycles.
void CallsBitTestsAndTimerInterrupt(benchmark::State& state, core::EChipProfile profile) {
    ResetForLoad();
    Place(0, {0x2805});
    Place(4, {0x2820});     //  4: GOTO isr
    Place(5, {0x1683,       //  5: BSF STATUS,5
              0x3008,       //  6: MOVLW 0x08      timer mode, no prescaler
              0x0081,       //  7: MOVWF OPTION
              0x1283,       //  8: BCF STATUS,5
              0x30A0,       //  9: MOVLW 0xA0      GIE, T0IE
              0x008B,       // 10: MOVWF INTCON
              0x2030,       // 11: CALL sub
              0x180C,       // 12: BTFSC 0x0C,0
              0x0A8D,       // 13: INCF 0x0D,1
              0x1F8D,       // 14: BTFSS 0x0D,7
              0x280B,       // 15: GOTO 11
              0x018D,       // 16: CLRF 0x0D
              0x280B});     // 17: GOTO 11
    Place(0x20, {0x110B,    // isr: BCF INTCON,T0IF
                 0x0A8E,    //      INCF 0x0E,1
                 0x0009});  //      RETFIE
    Place(0x30, {0x0A8C,    // sub: INCF 0x0C,1
                 0x0008});  //      RETURN
    StartRun(profile);
    RunPasses(state);
    if (RegisterFile[0x0E] == 0) state.SkipWithError("the interrupt never ran");
}
void BM_CallsBitTestsAndTimerInterrupt(benchmark::State& state) {
    CallsBitTestsAndTimerInterrupt(state, core::EChipProfile::Classic);
}
BENCHMARK(BM_CallsBitTestsAndTimerInterrupt);
BENCHMARK_CAPTURE(CallsBitTestsAndTimerInterrupt, datasheet, core::EChipProfile::Datasheet);
}  // namespace

// The same loops with every run-time check switched on. Without a source map
// the bank check has no names to go by; the others look as they would.
namespace {
template <class Loop>
void WithChecks(benchmark::State& state, Loop loop) {
    core::ChecksOn = core::kAllChecks;
    loop(state);
    core::ChecksOn = 0;
}
void DelayLoopChecked(benchmark::State& state, core::EChipProfile profile) {
    WithChecks(state, [profile](benchmark::State& s) { DelayLoop(s, profile); });
}
void CallsBitTestsAndTimerInterruptChecked(benchmark::State& state, core::EChipProfile profile) {
    WithChecks(state,
               [profile](benchmark::State& s) { CallsBitTestsAndTimerInterrupt(s, profile); });
}
BENCHMARK_CAPTURE(DelayLoopChecked, classic, core::EChipProfile::Classic);
BENCHMARK_CAPTURE(CallsBitTestsAndTimerInterruptChecked, classic, core::EChipProfile::Classic);
BENCHMARK_CAPTURE(DelayLoopChecked, datasheet, core::EChipProfile::Datasheet);
BENCHMARK_CAPTURE(CallsBitTestsAndTimerInterruptChecked, datasheet, core::EChipProfile::Datasheet);
}  // namespace

// The same loops with the profile counting, as View > Profil has it.
namespace {
template <class Loop>
void WithProfile(benchmark::State& state, Loop loop) {
    core::Profile.on = true;
    loop(state);
    core::Profile.on = false;
}
void DelayLoopProfiled(benchmark::State& state, core::EChipProfile profile) {
    WithProfile(state, [profile](benchmark::State& s) { DelayLoop(s, profile); });
}
void CallsBitTestsAndTimerInterruptProfiled(benchmark::State& state, core::EChipProfile profile) {
    WithProfile(state,
                [profile](benchmark::State& s) { CallsBitTestsAndTimerInterrupt(s, profile); });
}
BENCHMARK_CAPTURE(DelayLoopProfiled, classic, core::EChipProfile::Classic);
BENCHMARK_CAPTURE(CallsBitTestsAndTimerInterruptProfiled, classic, core::EChipProfile::Classic);
BENCHMARK_CAPTURE(DelayLoopProfiled, datasheet, core::EChipProfile::Datasheet);
BENCHMARK_CAPTURE(CallsBitTestsAndTimerInterruptProfiled, datasheet, core::EChipProfile::Datasheet);
}  // namespace
