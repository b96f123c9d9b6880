#pragma once
namespace core {

// The chip's small items that the run loop keeps in locals while it runs,
// listed once: the chip state declares them from this list, the names the
// program uses are bound to them, and the executor's working copy loads and
// publishes them (see executor_copy.h). A new item added here is carried by
// all three.
//
// X(type, Name, member, initial): Name is the item's name in the program and
// in the working copy, member the chip state's.
//
// Items the user-interface thread also writes, when a load resets W, PC and
// the bank while a program runs (see OutsideResets).
#define LUMO_SHARED_HOT_FIELDS(X) \
    X(uint8_t, W, w, 0)           \
    X(uint16_t, PC, pc, 0)        \
    X(int, BankOffset, bankOffset, 0)

// Items only the thread that runs the program changes. Tmr0WrapPending: TMR0
// wrapped since the last interrupt check (a two-cycle instruction can carry
// TMR0 from 0xFF through 0x00 to 0x01 before the check looks, and the
// overflow must not get lost on the way). IrqCause: the enabled, flagged
// sources that made the pending interrupt. PcChanged: the instruction loaded
// PC itself. LastMnemonic always points at a static, constant text.
// InstructionCount: one per pass of the loop since the start of the run.
// Asleep: the data-sheet profile's SLEEP holds the processor; its passes then
// run cycles without instructions.
#define LUMO_OWN_HOT_FIELDS(X)                         \
    X(int, Tmr0Inhibit, tmr0Inhibit, 0)                \
    X(int, PrevTmr0, prevTmr0, 0)                      \
    X(int, PrevRa4, prevRa4, 0)                        \
    X(bool, Tmr0Overflowed, tmr0Overflowed, false)     \
    X(bool, Tmr0WrapPending, tmr0WrapPending, false)   \
    X(uint8_t, PrevPortB, prevPortB, 0)                \
    X(bool, IrqPending, irqPending, false)             \
    X(bool, IrqArmed, irqArmed, false)                 \
    X(uint8_t, IrqCause, irqCause, 0)                  \
    X(bool, PcChanged, pcChanged, false)               \
    X(const char*, LastMnemonic, lastMnemonic, "")     \
    X(uint64_t, InstructionCount, instructionCount, 0) \
    X(bool, Asleep, asleep, false)

#define LUMO_HOT_FIELDS(X)    \
    LUMO_SHARED_HOT_FIELDS(X) \
    LUMO_OWN_HOT_FIELDS(X)

}  // namespace core
