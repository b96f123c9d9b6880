#include "core/decoder.h"

#include "core/chip_executor.h"

namespace core {}  // namespace core

void DecodeAndExecute() {
    core::OnChip([](core::CChipExecutor& chip) {
        const int offset = 4 * chip.PC;
        if (offset + 4 > core::kProgramImageSize) return;  // no word there
        chip.Execute(core::DecodeWord(ProgramImage[offset], ProgramImage[offset + 1],
                                      ProgramImage[offset + 2], ProgramImage[offset + 3]));
    });
}
