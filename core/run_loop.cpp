#include "run_loop.h"

#include "decoder.h"
#include "event_log.h"
#include "history.h"
#include "line_breakpoints.h"
#include "pin_input.h"
#include "state.h"
#include "timer0.h"

namespace {
// Slots are read without a lock while the dialog may rewrite them; an empty
// slot holds 0. Written out without branches: a loop with a branch per slot
// cost a third of the whole pass.
int SlotMatches(int slot, int pc) {
    const int address = BreakAddresses[slot];
    return (address != 0) & (address == pc);
}

bool AtBreakpoint(int pc) {
    static_assert(kBreakpointsUsed == 8);
    return (SlotMatches(0, pc) | SlotMatches(1, pc) | SlotMatches(2, pc) | SlotMatches(3, pc) |
            SlotMatches(4, pc) | SlotMatches(5, pc) | SlotMatches(6, pc) | SlotMatches(7, pc)) != 0;
}
[[gnu::cold, gnu::noinline]] void RecordBreakpoint(int pc) {
    SEvent event = Event(EEventKind::Breakpoint, pc);
    for (int slot = 0; slot < BreakLabelCount && slot < kBreakpointsUsed; ++slot) {
        if (BreakAddresses[slot] == pc) event.text = BreakLabels.Get(slot);
    }
    EventLog.Record(std::move(event));
}
}  // namespace

bool PcInsideProgram() {
    const int end = 4 * PC + 4;
    // The image bound keeps the fetch inside the image whatever ProgramEnd says.
    return end <= ProgramEnd && end <= kProgramImageSize;
}

bool RunOnePass(CInstructionSet& cpu) {
    History.BeforePass();
    ApplyPinClicks();
    const bool atBreakpoint = ExecutePass(cpu);
    History.AfterPass();
    return atBreakpoint;
}

bool ExecutePass(CInstructionSet& cpu) {
    // An interrupt accepted by the previous instruction waits for this one.
    if (IrqPending) IrqArmed = true;

    InstructionCount += 1;
    DecodeAndExecute(cpu);
    Timer0CycleStep();
    InterruptCheck();

    RegisterFile[INTCON_BANK1] = RegisterFile[INTCON];
    RegisterFile[STATUS_BANK1] = RegisterFile[STATUS];

    if (!PcChanged) PC += 1;
    if (IrqPending && IrqArmed) {
        EventLog.RecordAtPassEnd(Event(EEventKind::Interrupt, PC, IrqCause));
        ReturnStack->Push(PC);
        IrqArmed = false;
        IrqPending = false;
        PC = kInterruptVector;
    }
    PcChanged = false;
    const uint16_t pc = PC;
    const auto pcl = static_cast<uint8_t>(pc & 0xFF);
    RegisterFile[PCL] = pcl;
    RegisterFile[PCL_BANK1] = pcl;

    if (EventLog.HasUnstamped()) [[unlikely]]
        EventLog.StampPassEnd();
    const bool atBreakpoint =
        (static_cast<int>(AtBreakpoint(pc)) | static_cast<int>(AtLineBreakpoint(pc))) != 0;
    if (atBreakpoint) [[unlikely]]
        RecordBreakpoint(pc);
    return atBreakpoint;
}
