#pragma once
// What the run-time checks know besides the machine: which kinds are
// switched on, and the program as its source names it (each word's line and
// the register its operand names in full, with its bank; the program's names
// of registers). Wiring, like the breakpoints: the window and lumo-run set it
// after a load, and the run loop picks it up through the settings' version.
#include <array>
#include <cstdint>
#include <string>

#include "core/check_kinds.h"
#include "core/wiring.h"

namespace core {

// The kinds switched on (CheckBit); 0 switches the checks off, and then the
// run loop does not look at them at all.
extern Watched<uint32_t> ChecksOn;

constexpr int kCheckProgramWords = 1024;

struct SCheckProgram {
    // Each word's source line, 0 for a word of no line.
    std::array<int, kCheckProgramWords> lines{};
    // The register a word's file operand names (0x000-0x1FF), -1 where the
    // source did not say.
    std::array<int, kCheckProgramWords> namedAddresses = [] {
        std::array<int, kCheckProgramWords> none;
        none.fill(-1);
        return none;
    }();
    // The program's name of each register address 0x00-0xFF, empty for none.
    std::array<std::string, 256> registerNames;
};

// Any thread; the run loop takes it from its next look.
void SetCheckProgram(SCheckProgram program);
// The line of a word, 0 for none.
int CheckLineOf(int word);
int CheckNamedAddress(int word);
// How the checks' texts name a register: the program's name, else the
// chip's, with its address ("TRISB (0x86)", "brojac (0x0C)", "0x0C").
std::string CheckRegisterName(int address);

}  // namespace core
