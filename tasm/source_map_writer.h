#pragma once
// The source map: which file and line produced each program word, so that
// the simulator can show the line of the instruction it is about to run.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tasm/program_image.h"

namespace tasm {

struct CWordOrigin {
    int file = -1;  // index into the file names; -1: no word here
    int line = 0;   // 1-based
};

using CSourceMap = std::array<CWordOrigin, kProgramWords>;

// A name of the program as the simulator shows it: 'L' a label, 'R' a
// register variable (a constant the program used as a file operand), 'C'
// any other constant.
struct CMapSymbol {
    std::string name;
    int64_t value = 0;
    char kind = 'C';
};

// For each word with a file operand, the full register address the source
// named (0x86 for TRISB, although the word holds 0x06); -1 elsewhere.
using CFileAddresses = std::array<int, kProgramWords>;

// fileNames[0] is the main source, the others as they were included.
std::string WriteSourceMap(const std::vector<std::string>& fileNames, const CSourceMap& origins,
                           const std::vector<CMapSymbol>& symbols,
                           const CFileAddresses& fileAddresses);

}  // namespace tasm
