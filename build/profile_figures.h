#pragma once
// The profile in the program's terms, computed from the run loop's counters
// per word (profile_counters.h): figures per source line and per routine.
// The window and lumo-run both show these, so they read them here.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "build/source_map.h"
#include "core/decoded_word.h"

namespace build {

struct SWordFigures {
    uint64_t count = 0;
    uint64_t cycles = 0;
};
using CWordFigures = std::array<SWordFigures, kProgramWords>;
using CDecodedProgram = std::array<core::SDecodedWord, kProgramWords>;

// The counters as they stand now.
CWordFigures ProfileNow();
// The loaded program's words; those outside it or not filled are no
// instruction.
CDecodedProgram LoadedProgram();

// A source line that produced code. It ran as often as its first word ran
// (a macro's loop inside does not multiply it); its cycles are all its
// words'.
struct SLineFigures {
    int file = 0;  // index into the map's files
    int line = 0;  // 1-based
    uint64_t count = 0;
    uint64_t cycles = 0;
};
// Every line with code, by file and line.
std::vector<SLineFigures> LineFigures(const CSourceMap& map, const CWordFigures& words);

// A routine: the code from the reset vector, from the interrupt vector, or
// from a CALL's target, as far as its jumps and skips reach without
// entering another routine; a word reached from several belongs to the
// first. Its cycles are its own words' (a callee's are the callee's), its
// calls the passes of the CALLs to it (for the main program and the
// interrupt, the passes of its first word).
struct SRoutineFigures {
    enum class EKind { Main, Interrupt, Subroutine };
    EKind kind = EKind::Subroutine;
    int entry = 0;
    std::string label;  // the map's label at the entry; empty for none
    uint64_t calls = 0;
    uint64_t cycles = 0;
    double share = 0;  // of every word's cycles, 0 to 1
};
// Main first, then the interrupt (when the source put code at its vector,
// or it ran), then the
// subroutines by address.
std::vector<SRoutineFigures> RoutineFigures(const CDecodedProgram& program, int resetVector,
                                            const CSourceMap& map, const CWordFigures& words);

}  // namespace build
