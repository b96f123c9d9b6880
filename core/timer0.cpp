#include "core/timer0.h"

#include "core/chip_executor.h"

namespace core {}  // namespace core

void InterruptCheck() {
    core::OnChip([](core::CChipExecutor& chip) { chip.InterruptCheck(); });
}

uint8_t Timer0CycleStep() {
    core::OnChip([](core::CChipExecutor& chip) { chip.Timer0CycleStep(); });
    return RegisterFile[TMR0];
}
