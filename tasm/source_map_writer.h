#pragma once
// The source map: which file and line produced each program word, so that
// the simulator can show the line of the instruction it is about to run.
#include <array>
#include <string>
#include <vector>

#include "program_image.h"

namespace tasm {

struct CWordOrigin {
    int file = -1;  // index into the file names; -1: no word here
    int line = 0;   // 1-based
};

using CSourceMap = std::array<CWordOrigin, kProgramWords>;

// fileNames[0] is the main source, the others as they were included.
std::string WriteSourceMap(const std::vector<std::string>& fileNames, const CSourceMap& origins);

}  // namespace tasm
