#include "timer0.h"

#include "chip_executor.h"

uint8_t Timer0CycleStep() {
    uint8_t tmr0 = 0;
    OnChip([&](CChipExecutor& chip) { tmr0 = chip.Timer0CycleStep(); });
    return tmr0;
}

void InterruptCheck() {
    OnChip([](CChipExecutor& chip) { chip.InterruptCheck(); });
}
