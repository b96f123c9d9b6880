#pragma once
// Writes the program as Intel HEX text, the object file the simulator loads.
#include <string>

#include "tasm/program_image.h"

namespace tasm {

// Records of up to 16 words in address order, each word's high byte at the
// even byte address 2w, then the ID locations and the configuration word,
// then the end-of-file record; CR LF after each.
std::string WriteIntelHex(const CProgramImage& image);

}  // namespace tasm
