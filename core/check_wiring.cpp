#include "core/check_wiring.h"

#include <cstdio>
#include <mutex>

#include "core/chip_map.h"

namespace core {

Watched<uint32_t> ChecksOn{0};

namespace {
std::mutex ProgramMutex;
SCheckProgram Program;
}  // namespace

void SetCheckProgram(SCheckProgram program) {
    {
        std::lock_guard lock(ProgramMutex);
        Program = std::move(program);
    }
    // The run loop takes the named addresses with the other settings.
    ChecksOn = ChecksOn.load();
}

int CheckLineOf(int word) {
    if (word < 0 || word >= kCheckProgramWords) return 0;
    std::lock_guard lock(ProgramMutex);
    return Program.lines[static_cast<size_t>(word)];
}

int CheckNamedAddress(int word) {
    if (word < 0 || word >= kCheckProgramWords) return -1;
    std::lock_guard lock(ProgramMutex);
    return Program.namedAddresses[static_cast<size_t>(word)];
}

std::string CheckRegisterName(int address) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(address));
    std::string name;
    {
        std::lock_guard lock(ProgramMutex);
        name = Program.registerNames[static_cast<size_t>(address & 0xFF)];
    }
    if (name.empty() && address < kRegisterFileSize) {
        if (const SChipRegister* reg = ChipRegisterAt(address)) name = std::string(reg->name);
    }
    return name.empty() ? std::string(hex) : name + " (" + hex + ")";
}

}  // namespace core
