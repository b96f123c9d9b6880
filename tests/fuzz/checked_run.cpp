#include "checked_run.h"

#include <array>
#include <cstring>
#include <set>
#include <string>

#include "core/instruction_set.h"
#include "core/run_loop.h"
#include "core/state.h"
#include "fuzz_support.h"

int RunCheckedPasses(int maxPasses, const std::function<void(int pass)>& beforePass) {
    std::array<char, core::kProgramImageSize> image;
    for (int i = 0; i < core::kProgramImageSize; ++i) image[i] = ProgramImage[i];

    CInstructionSet cpu;
    int passes = 0;
    while (passes < maxPasses && core::PcInsideProgram()) {
        FUZZ_REQUIRE(4 * PC + 4 <= core::kProgramImageSize,
                     "the next fetch lies outside the image");
        if (beforePass) beforePass(passes);
        core::RunOnePass(cpu);
        ++passes;

        FUZZ_REQUIRE(BankOffset == 0 || BankOffset == 0x80, std::to_string(BankOffset));
        FUZZ_REQUIRE(ReturnStack->Count() >= 0 && ReturnStack->Count() <= 8, "return stack depth");
        FUZZ_REQUIRE(Tmr0Inhibit >= 0 && Tmr0Inhibit <= 2, std::to_string(Tmr0Inhibit));
        FUZZ_REQUIRE(RegisterFile[INTCON_BANK1] == RegisterFile[INTCON], "INTCON mirror");
        FUZZ_REQUIRE(RegisterFile[STATUS_BANK1] == RegisterFile[STATUS], "STATUS mirror");
        FUZZ_REQUIRE(RegisterFile[PCL] == (PC & 0xFF) && RegisterFile[PCL_BANK1] == (PC & 0xFF),
                     "PCL follows PC");
        const char* mnemonic = LastMnemonic.load();
        FUZZ_REQUIRE(mnemonic != nullptr && std::strlen(mnemonic) <= 6, "mnemonic text");
    }

    for (int i = 0; i < core::kProgramImageSize; ++i) {
        FUZZ_REQUIRE(ProgramImage[i] == image[i], "the program changed its own image");
    }
    // The decoder only ever passes operands in range, so the argument check
    // must stay silent; the stack messages are the only ones a program earns.
    static const std::set<std::string> kAllowed = {"Stek je pun", "Stek je prazan"};
    for (const std::string& message : FuzzMessages().Messages()) {
        FUZZ_REQUIRE(kAllowed.count(message) == 1, message);
    }
    return passes;
}
