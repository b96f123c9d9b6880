#include "run_loop.h"

#include "decoder.h"
#include "state.h"
#include "timer0.h"

bool PcInsideProgram() {
    const int end = 4 * PC + 4;
    // The image bound keeps the fetch inside the image whatever ProgramEnd says.
    return end <= ProgramEnd && end <= kProgramImageSize;
}

bool RunOnePass(CInstructionSet& cpu) {
    // An interrupt accepted by the previous instruction waits for this one.
    if (IrqPending) IrqArmed = true;

    DecodeAndExecute(cpu);
    Timer0CycleStep();
    InterruptCheck();

    RegisterFile[INTCON_BANK1] = RegisterFile[INTCON];
    RegisterFile[STATUS_BANK1] = RegisterFile[STATUS];

    if (!PcChanged) PC += 1;
    if (IrqPending && IrqArmed) {
        CurrentReturnStack().Push(PC);
        IrqArmed = false;
        IrqPending = false;
        PC = kInterruptVector;
    }
    PcChanged = false;
    const uint16_t pc = PC;
    const auto pcl = static_cast<uint8_t>(pc & 0xFF);
    RegisterFile[PCL] = pcl;
    RegisterFile[PCL_BANK1] = pcl;

    bool atBreakpoint = false;
    for (int slot = 0; slot < kBreakpointsUsed; ++slot) {
        const int address = BreakAddresses[slot];
        if (address != 0 && address == pc) atBreakpoint = true;
    }
    return atBreakpoint;
}
