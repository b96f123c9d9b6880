#pragma once
// One pass of the instruction loop, shared by the worker, the headless
// runner, the tests, the fuzzers and the benchmarks, so all of them run
// exactly the same code.
class CInstructionSet;

// The loop condition's program part: the word at PC lies wholly inside the
// loaded program (4 * PC + 4 <= ProgramEnd).
bool PcInsideProgram();

// Executes one instruction with the pin clicks queued before it and everything
// that follows it: interrupt arming,
// decode and execute, Timer 0, the interrupt check, the bank-1 mirrors, the
// PC advance, interrupt entry, PCL, and the breakpoint comparison. Returns
// true when PC now stands on a breakpoint. The caller must have checked the
// loop condition first.
bool RunOnePass(CInstructionSet& cpu);

// The pass without the inputs and the history around it: what going back
// executes again, with the clicks it recorded.
bool ExecutePass(CInstructionSet& cpu);
