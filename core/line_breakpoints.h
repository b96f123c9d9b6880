#pragma once
// Breakpoints the user sets on source lines, as one bit per program word.
// They are wiring, not machine state: no reset clears them, only the user
// does, and the editor sets them again from each new map. Written by the
// user-interface thread only; the run loop folds them into its own copy of
// the breakpoints whenever they change.
#include <cstdint>

#include "core/wiring.h"

namespace core {

constexpr int kLineBreakWords = 1024;
// Twice the program memory: PC can reach up to 0x7FF (a GOTO above the
// program) before the run ends, and the upper half, never set, answers for
// those addresses without a comparison in the loop.
constexpr int kLineBreakBitWords = 2 * kLineBreakWords / 64;
extern Watched<uint64_t> LineBreakBits[kLineBreakBitWords];

// Sets or clears the breakpoint at a program word; words outside program
// memory are ignored.
void SetLineBreakpoint(int word, bool on);
void ClearLineBreakpoints();

// Whether a line breakpoint stands at pc: one load and one test.
inline bool AtLineBreakpoint(int pc) {
    return ((LineBreakBits[(pc >> 6) & (kLineBreakBitWords - 1)] >> (pc & 63)) & 1u) != 0;
}

}  // namespace core
