#include "core/run_passes.h"

namespace core {

namespace {
// Laid out as the plain loop (run_loop.cpp): where the link happened to put
// it, the same code ran at anything from three quarters to nine tenths of
// the plain loop's speed.
template <EChipProfile P>
[[gnu::flatten, gnu::noinline, gnu::aligned(64), gnu::optimize("align-jumps=64")]] SPassesRun
RunPassesCountedOf(CInstructionSet& cpu, int64_t maxPasses) {
    return Passes<true, P, true>(cpu, maxPasses);
}
}  // namespace

SPassesRun RunPassesCounted(CInstructionSet& cpu, int64_t maxPasses) {
    if (Chip.profile == EChipProfile::Datasheet)
        return RunPassesCountedOf<EChipProfile::Datasheet>(cpu, maxPasses);
    return RunPassesCountedOf<EChipProfile::Classic>(cpu, maxPasses);
}

bool ExecutePassCounted(CInstructionSet& cpu) {
    if (Chip.profile == EChipProfile::Datasheet)
        return Passes<false, EChipProfile::Datasheet, true>(cpu, 1).atBreakpoint;
    return Passes<false, EChipProfile::Classic, true>(cpu, 1).atBreakpoint;
}

}  // namespace core
