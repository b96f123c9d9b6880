#pragma once
// Breakpoints the user sets on source lines, as one bit per program word.
// They are wiring, not machine state: no reset clears them, only the user
// does, and the editor sets them again from each new map. Written by the
// user-interface thread only; the run loop reads one word of the set per
// instruction.
#include <cstdint>

#include "relaxed.h"

constexpr int kLineBreakWords = 1024;
extern Relaxed<uint64_t> LineBreakBits[kLineBreakWords / 64];

// Sets or clears the breakpoint at a program word; words outside program
// memory are ignored.
void SetLineBreakpoint(int word, bool on);
void ClearLineBreakpoints();

// Whether a line breakpoint stands at pc: one load and one test.
inline bool AtLineBreakpoint(int pc) {
    const uint64_t bits = LineBreakBits[(pc >> 6) & (kLineBreakWords / 64 - 1)];
    const int inside = pc < kLineBreakWords;
    return (inside & static_cast<int>((bits >> (pc & 63)) & 1u)) != 0;
}
