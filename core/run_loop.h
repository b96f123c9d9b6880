#pragma once
// The instruction loop, shared by the worker, the headless runner, the tests,
// the fuzzers and the benchmarks, so all of them run exactly the same code.
#include <cstdint>

class CInstructionSet;

namespace core {

// The loop condition's program part: the word at PC lies wholly inside the
// loaded program (4 * PC + 4 <= ProgramEnd).
bool PcInsideProgram();

struct SPassesRun {
    int64_t passes = 0;
    bool atBreakpoint = false;  // the last pass left PC on a breakpoint
    bool atPinTrigger = false;  // the pins met the pin trigger's condition in the last pass
};

// Executes up to maxPasses instructions, each with everything around it: the
// pin clicks and the history's replay before it; interrupt arming, decode and
// execute, Timer 0, the interrupt check, the bank-1 mirrors, the PC advance,
// interrupt entry, PCL, the events and the breakpoint comparison; the
// history's keyframe after it. Stops early after a pass that leaves PC on a
// breakpoint, meets the pin trigger (pin_watch.h) or showed a message, and before a pass whose word
// lies outside the program. The caller must have checked the loop condition for the first pass.
SPassesRun RunPasses(CInstructionSet& cpu, int64_t maxPasses);

// One pass; returns true when PC now stands on a breakpoint.
inline bool RunOnePass(CInstructionSet& cpu) {
    return RunPasses(cpu, 1).atBreakpoint;
}

// The pass without the inputs and the history around it: what going back
// executes again, with the clicks it recorded.
bool ExecutePass(CInstructionSet& cpu);

}  // namespace core
