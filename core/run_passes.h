#pragma once
// The instruction loop's passes as one template, for the two files that
// instantiate it: run_loop.cpp the loops without the profile's counting,
// run_loop_counted.cpp those with it. Apart, each keeps the code GCC lays out
// for it alone: beside the counting loops in one file, the plain loop came
// out slower, though its source is the same.
#include <algorithm>

#include "core/board_hook.h"
#include "core/chip_executor.h"
#include "core/event_log.h"
#include "core/history.h"
#include "core/instruction_set.h"
#include "core/pin_input.h"
#include "core/pin_trace.h"
#include "core/pin_watch.h"
#include "core/platform/message_box.h"
#include "core/profile_counters.h"
#include "core/run_loop.h"
#include "core/state.h"

namespace core {

namespace {
[[gnu::cold, gnu::noinline]] void RecordBreakpoint(int pc) {
    SEvent event = Event(EEventKind::Breakpoint, pc);
    for (int slot = 0; slot < BreakLabelCount && slot < kBreakpointsUsed; ++slot) {
        if (BreakAddresses[slot] == pc) event.text = BreakLabels.Get(slot);
    }
    EventLog.Record(std::move(event));
}

// The run-time checks, before the word at PC runs: the loop comes here
// for the words the checks marked, as for a breakpoint, and whenever else it
// looks closer.
// They read the published chip: the working copy is never handed out of the
// loop, which would keep it out of registers.
[[gnu::cold, gnu::noinline]] void LookBeforePublishedWord(CInstructionSet& cpu) {
    cpu.SyncChecks();
    if (ChecksBeforeWord(cpu.CheckWordAt(PC), cpu.CheckKinds())) cpu.SyncChecks();
}
[[gnu::always_inline]] inline void LookBeforeWord(CChipExecutor& chip, CInstructionSet& cpu) {
    chip.PublishAll();
    LookBeforePublishedWord(cpu);
}

// Whether the inputs and the history must look before the pass that follows
// the given number of instructions: while the history replays its past, or
// when clicks wait.
template <bool kInputs>
bool InputsBefore(uint64_t instructions) {
    if constexpr (!kInputs) return false;
    return History.PastPassAt(instructions) || PinClicksQueued();
}

// Passes until the next one after which the loop must look closer: the end
// of the slice, a keyframe, or the very next pass while the inputs need a
// look before every pass.
template <bool kInputs>
int64_t PassesToLook(int64_t passesLeft, uint64_t instructions) {
    if constexpr (!kInputs) return passesLeft;
    if (InputsBefore<kInputs>(instructions)) return std::min<int64_t>(passesLeft, 1);
    const auto toKeyframe = static_cast<int64_t>(CHistory::kKeyframeEvery -
                                                 (instructions & (CHistory::kKeyframeEvery - 1)));
    return std::min(passesLeft, toKeyframe);
}

// Before a pass: the history's replay of its past, and the clicks.
[[gnu::always_inline]] inline void LookAtInputs(CChipExecutor& chip) {
    chip.PublishAll();
    History.BeforePass();
    ApplyPinClicks();
    chip.LoadAll();
}

// PCL shows the low byte of PC in both banks after every pass.
void ShowPcl(uint16_t pc) {
    const auto pcl = static_cast<uint8_t>(pc & 0xFF);
    RegisterFile[PCL] = pcl;
    RegisterFile[PCL_BANK1] = pcl;
}

// An interrupt accepted by the previous instruction waits for this one: it
// is armed before the pass and entered after it. Returns how many passes the
// loop may run before it must look again: one, for the entry, when armed.
int64_t ArmPendingInterrupt(CChipExecutor& chip, int64_t passes) {
    if (!chip.IrqPending) return passes;
    chip.IrqArmed = true;
    return std::min<int64_t>(passes, 1);
}

// The profile counts a word when the loop takes it up, where its address is
// at hand: the pass that follows runs it unless the chip sleeps. Its second
// cycle, if it takes one, the executor counts (SecondCycle); an interrupt's
// entry and a sleeping pass belong to no word.
template <EChipProfile P>
[[gnu::always_inline]] inline void CountWordToRun(const CChipExecutor& chip, int word) {
    if (P == EChipProfile::Datasheet && chip.Asleep) return;
    Profile.AddPass(word);
}

// The passes, with (kInputs) or without the clicks and the history, and
// with (kProfile) or without the profile's addition per pass. Whatever
// reads the chip state from outside the loop (the history, the event log, a
// message) is reached only on rare paths, after the working copy has been
// published. A pass that nothing disturbs tests three things after it: a
// flag on its next word (a breakpoint, or the end of the program), whether
// the instruction count reached the next pass that needs a look (the
// slice's end, a keyframe, the inputs, an interrupt's entry) and the
// Attention counter for everything else (an accepted interrupt among them).
template <bool kInputs, EChipProfile P, bool kProfile>
[[gnu::always_inline]] inline SPassesRun Passes(CInstructionSet& cpu, int64_t maxPasses) {
    constexpr bool kDatasheet = P == EChipProfile::Datasheet;
    SPassesRun run;
    CChipExecutor chip;
    chip.LoadAll();
    cpu.Sync();
    const uint32_t boxes = MessageBoxesShown.load(std::memory_order_relaxed);
    uint32_t resets = OutsideResets.load(std::memory_order_acquire);

    if (InputsBefore<kInputs>(chip.InstructionCount)) LookAtInputs(chip);
    if (cpu.CheckKinds() != 0) [[unlikely]]
        LookBeforeWord(chip, cpu);
    // This stretch of passes, and the instruction count that ends it.
    int64_t stretch =
        ArmPendingInterrupt(chip, PassesToLook<kInputs>(maxPasses, chip.InstructionCount));
    uint64_t lookAt = chip.InstructionCount + stretch;
    const SDecodedWord* word = &cpu.WordAt(chip.PC);
    if constexpr (kProfile) {
        Profile.Counting();
        chip.m_counting = true;
        CountWordToRun<P>(chip, CProfileCounters::Index(chip.PC));
    }
    for (;;) {
        chip.InstructionCount += 1;
        // The pass in which a sleeping chip wakes runs no instruction; the
        // one after SLEEP comes first, then the interrupt it woke for.
        bool woke = false;
        if constexpr (kDatasheet) {
            if (chip.Asleep) [[unlikely]] {
                chip.SleepCycleStep();
                chip.EndPass<P>();
                woke = chip.WakeUpFlagged();
                if (woke) chip.Asleep = false;
            } else {
                chip.Execute<true, P>(*word);
                chip.Timer0CycleStep<P>();
                chip.EndPass<P>();
            }
        } else {
            chip.Execute<true, P>(*word);
            chip.Timer0CycleStep<P>();
            chip.EndPass<P>();
        }
        uint16_t pc = chip.PC;
        ShowPcl(pc);

        // One branch for the three tests.
        const uint32_t look = static_cast<uint32_t>(cpu.StopBefore(pc)) |
                              static_cast<uint32_t>(chip.InstructionCount == lookAt) |
                              Attention.load(std::memory_order_relaxed);
        if (look != 0) [[unlikely]] {
            run.passes += stretch - static_cast<int64_t>(lookAt - chip.InstructionCount);
            // The data-sheet chip enters at once, after the instruction in
            // progress, in the forced call's two cycles.
            if (chip.IrqPending && (chip.IrqArmed || (kDatasheet && !woke && !chip.Asleep))) {
                if (cpu.CheckKinds() != 0) [[unlikely]] {
                    chip.PublishAll();
                    ChecksBeforeInterrupt();
                }
                chip.EnterInterrupt<P>();
                pc = chip.PC;
                ShowPcl(pc);
            }
            if constexpr (kDatasheet) {
                const uint16_t resetAt = pc;
                if (chip.ApplyPendingReset()) {
                    pc = chip.PC;
                    if (cpu.CheckKinds() != 0) {
                        chip.PublishAll();
                        ChecksAfterWatchdogReset(cpu.CheckKinds(), resetAt);
                    }
                }
            }
            // Cleared before the sources are looked at, so a signal that
            // comes meanwhile is seen after the next pass.
            if (Attention.exchange(0, std::memory_order_acquire) != 0) {
                if (EventLog.HasUnstamped()) {
                    chip.PublishAll();
                    EventLog.StampPassEnd();
                }
                if (cpu.Sync()) {
                    // A program loaded meanwhile starts at its first word:
                    // take the reset values. The working copy is published
                    // only when the slice ends, so it can hardly ever
                    // overwrite them.
                    const uint32_t now = OutsideResets.load(std::memory_order_acquire);
                    if (now != resets) {
                        resets = now;
                        chip.LoadShared();
                    }
                }
            }
            if (cpu.CheckKinds() != 0) [[unlikely]]
                LookBeforeWord(chip, cpu);
            const bool atBreakpoint = cpu.AtBreakpoint(pc);
            if (atBreakpoint) {
                chip.PublishAll();
                RecordBreakpoint(pc);
            }
            if constexpr (kInputs) {
                if ((chip.InstructionCount & (CHistory::kKeyframeEvery - 1)) == 0) {
                    chip.PublishAll();
                    History.AfterPass();
                }
            }
            if constexpr (kInputs) {
                run.atPinTrigger = PinTrigger.Fired();
            }
            if (atBreakpoint || run.atPinTrigger) {
                run.atBreakpoint = atBreakpoint;
                break;
            }
            const uint16_t next = chip.PC;
            if (run.passes >= maxPasses || !cpu.Inside(next)) break;
            if (MessageBoxesShown.load(std::memory_order_relaxed) != boxes) break;
            if (InputsBefore<kInputs>(chip.InstructionCount)) LookAtInputs(chip);
            stretch = ArmPendingInterrupt(
                chip, PassesToLook<kInputs>(maxPasses - run.passes, chip.InstructionCount));
            lookAt = chip.InstructionCount + stretch;
        }
        word = &cpu.WordInside(chip.PC);
        if constexpr (kProfile) CountWordToRun<P>(chip, chip.PC);
    }
    chip.PublishAll();
    return run;
}
}  // namespace

// The loops with the counting (run_loop_counted.cpp), for the profile chip
// by chip.
SPassesRun RunPassesCounted(CInstructionSet& cpu, int64_t maxPasses);
bool ExecutePassCounted(CInstructionSet& cpu);

}  // namespace core
