#pragma once
// Timer 0 and the interrupt logic, run once per instruction cycle by the run
// loop (and once more from inside every two-cycle instruction).
#include <cstdint>

namespace core {}  // namespace core

// Raises the INTCON flags from Timer 0, RB0 and RB4-RB7, and accepts an
// enabled interrupt by clearing GIE and setting IrqPending.
void InterruptCheck();

// Advances TMR0 by one instruction cycle; returns the new TMR0.
uint8_t Timer0CycleStep();
