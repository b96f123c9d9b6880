#include "run_loop.h"

#include "chip_executor.h"
#include "event_log.h"
#include "history.h"
#include "instruction_set.h"
#include "pin_input.h"
#include "platform/message_box.h"
#include "state.h"

namespace {
[[gnu::cold, gnu::noinline]] void RecordBreakpoint(int pc) {
    SEvent event = Event(EEventKind::Breakpoint, pc);
    for (int slot = 0; slot < BreakLabelCount && slot < kBreakpointsUsed; ++slot) {
        if (BreakAddresses[slot] == pc) event.text = BreakLabels.Get(slot);
    }
    EventLog.Record(std::move(event));
}

// The passes, with (kInputs) or without the clicks and the history. Whatever
// reads the chip state from outside the loop (the history, the event log, a
// message) is reached only on rare paths, after the working copy has been
// published.
template <bool kInputs>
[[gnu::always_inline]] inline SPassesRun Passes(CInstructionSet& cpu, int64_t maxPasses) {
    SPassesRun run;
    CChipExecutor chip;
    chip.LoadAll();
    cpu.Sync();
    const uint32_t boxes = MessageBoxesShown.load(std::memory_order_relaxed);
    uint32_t resets = OutsideResets.load(std::memory_order_acquire);
    const SDecodedWord* word = &cpu.WordAt(chip.PC);
    for (;;) {
        if constexpr (kInputs) {
            if (History.PastPassAt(chip.InstructionCount) || PinClicksQueued()) [[unlikely]] {
                chip.PublishAll();
                History.BeforePass();
                ApplyPinClicks();
                chip.LoadAll();
            }
        }
        // An interrupt accepted by the previous instruction waits for this one.
        if (chip.IrqPending) chip.IrqArmed = true;

        chip.InstructionCount += 1;
        chip.Execute(*word);
        chip.Timer0CycleStep();
        const uint8_t intcon = chip.InterruptCheck();

        RegisterFile[INTCON_BANK1] = intcon;
        RegisterFile[STATUS_BANK1] = RegisterFile[STATUS];

        if (!chip.PcChanged) chip.PC += 1;
        if (chip.IrqPending && chip.IrqArmed) [[unlikely]] {
            EventLog.RecordAtPassEnd(Event(EEventKind::Interrupt, chip.PC, chip.IrqCause));
            chip.Push(chip.PC);
            chip.IrqArmed = false;
            chip.IrqPending = false;
            chip.PC = kInterruptVector;
        }
        chip.PcChanged = false;
        const uint16_t pc = chip.PC;
        const auto pcl = static_cast<uint8_t>(pc & 0xFF);
        RegisterFile[PCL] = pcl;
        RegisterFile[PCL_BANK1] = pcl;

        ++run.passes;
        if (EventLog.HasUnstamped()) [[unlikely]] {
            chip.PublishAll();
            EventLog.StampPassEnd();
        }
        if (cpu.Sync()) [[unlikely]] {
            // A program loaded meanwhile starts at its first word: take the
            // reset values. The working copy is published only when the slice
            // ends, so it can hardly ever overwrite them.
            const uint32_t now = OutsideResets.load(std::memory_order_acquire);
            if (now != resets) {
                resets = now;
                chip.LoadShared();
            }
        }
        const bool atBreakpoint = cpu.AtBreakpoint(pc);
        if (atBreakpoint) [[unlikely]] {
            chip.PublishAll();
            RecordBreakpoint(pc);
        }
        if constexpr (kInputs) {
            if ((chip.InstructionCount & (CHistory::kKeyframeEvery - 1)) == 0) [[unlikely]] {
                chip.PublishAll();
                History.AfterPass();
            }
        }
        if (atBreakpoint) {
            run.atBreakpoint = true;
            break;
        }
        const uint16_t next = chip.PC;
        if (run.passes >= maxPasses || !cpu.Inside(next)) break;
        if (MessageBoxesShown.load(std::memory_order_relaxed) != boxes) [[unlikely]]
            break;
        word = &cpu.WordInside(next);
    }
    chip.PublishAll();
    return run;
}
}  // namespace

bool PcInsideProgram() {
    const int end = 4 * PC + 4;
    // The image bound keeps the fetch inside the image whatever ProgramEnd says.
    return end <= ProgramEnd && end <= kProgramImageSize;
}

// Flattened, so the working copy of the chip lives in registers.
[[gnu::flatten]] SPassesRun RunPasses(CInstructionSet& cpu, int64_t maxPasses) {
    return Passes<true>(cpu, maxPasses);
}

bool ExecutePass(CInstructionSet& cpu) {
    return Passes<false>(cpu, 1).atBreakpoint;
}
