#include "core/line_breakpoints.h"

namespace core {

Watched<uint64_t> LineBreakBits[kLineBreakBitWords];

void SetLineBreakpoint(int word, bool on) {
    if (word < 0 || word >= kLineBreakWords) return;
    Watched<uint64_t>& bits = LineBreakBits[word >> 6];
    const uint64_t bit = uint64_t{1} << (word & 63);
    // One writer: the load and the store need not be one atomic step.
    bits = on ? (bits | bit) : (bits & ~bit);
}

void ClearLineBreakpoints() {
    for (Watched<uint64_t>& bits : LineBreakBits) bits = 0;
}

}  // namespace core
