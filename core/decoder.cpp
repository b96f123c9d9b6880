#include "core/decoder.h"

#include "core/chip_executor.h"

void DecodeAndExecute() {
    OnChip([](CChipExecutor& chip) {
        const int offset = 4 * chip.PC;
        if (offset + 4 > kProgramImageSize) return;  // no word there
        chip.Execute(DecodeWord(ProgramImage[offset], ProgramImage[offset + 1],
                                ProgramImage[offset + 2], ProgramImage[offset + 3]));
    });
}
