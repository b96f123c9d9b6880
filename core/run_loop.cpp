#include "core/run_loop.h"

#include "core/run_passes.h"

namespace core {

bool PcInsideProgram() {
    // The data-sheet chip's program memory is all there: erased words are
    // instructions too.
    if (Chip.profile == EChipProfile::Datasheet) return ProgramEnd > 0;
    const int end = 4 * PC + 4;
    // The image bound keeps the fetch inside the image whatever ProgramEnd says.
    return end <= ProgramEnd && end <= kProgramImageSize;
}

// Flattened, so the working copy of the chip lives in registers; one
// function per profile, so neither loop shares its registers with the other.
// Where the link put it and where its jump targets fell in the fetch blocks
// made the same code run anywhere from three quarters to the whole of its
// best speed: starting a cache line, with its jump targets on cache-line
// boundaries, it no longer depends on the code linked before it.
template <EChipProfile P>
[[gnu::flatten, gnu::noinline, gnu::aligned(64), gnu::optimize("align-jumps=64")]] SPassesRun
RunPassesOf(CInstructionSet& cpu, int64_t maxPasses) {
    return Passes<true, P, false>(cpu, maxPasses);
}

SPassesRun RunPasses(CInstructionSet& cpu, int64_t maxPasses) {
    PinTrigger.BeginSlice();
    // The profile chooses its loop once per slice, so the loop without it
    // carries not even a test of it.
    const SPassesRun run = Profile.on ? RunPassesCounted(cpu, maxPasses)
                           : Chip.profile == EChipProfile::Datasheet
                               ? RunPassesOf<EChipProfile::Datasheet>(cpu, maxPasses)
                               : RunPassesOf<EChipProfile::Classic>(cpu, maxPasses);
    History.SettleAtPresent();
    PinTrace.Reach(CycleCount);
    PublishAttachedBoard();
    return run;
}

bool ExecutePass(CInstructionSet& cpu) {
    if (Profile.on) return ExecutePassCounted(cpu);
    if (Chip.profile == EChipProfile::Datasheet)
        return Passes<false, EChipProfile::Datasheet, false>(cpu, 1).atBreakpoint;
    return Passes<false, EChipProfile::Classic, false>(cpu, 1).atBreakpoint;
}

}  // namespace core
