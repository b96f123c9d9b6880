#pragma once
// A program word as an instruction text, from the decoder's own reading of
// it: what the simulator will execute is what the user reads. Operands are
// written in hex ("MOVWF 0x0C", "GOTO 0x00A") unless the caller names them.
#include <functional>
#include <string>

#include "core/decoded_word.h"

namespace core {

struct SOperandNames {
    // The name of the file register an instruction holds (0x00-0x7F), empty
    // for none. A chip register's name also names its bits.
    std::function<std::string(int f)> file;
    // The name of a jump target, empty for none.
    std::function<std::string(int target)> label;
};

// Empty for a word the decoder runs as nothing.
std::string Disassemble(const SDecodedWord& word, const SOperandNames& names = {});

}  // namespace core
