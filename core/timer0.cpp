#include "core/timer0.h"

#include "core/chip_executor.h"

uint8_t Timer0CycleStep() {
    OnChip([](CChipExecutor& chip) { chip.Timer0CycleStep(); });
    return RegisterFile[TMR0];
}

void InterruptCheck() {
    OnChip([](CChipExecutor& chip) { chip.InterruptCheck(); });
}
