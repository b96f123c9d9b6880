#include "build/check_program.h"

namespace build {

core::SCheckProgram CheckProgramFrom(const CSourceMap& map) {
    core::SCheckProgram program;
    for (int word = 0; word < kProgramWords && word < core::kCheckProgramWords; ++word) {
        const CSourceLine& line = map.words[static_cast<size_t>(word)];
        // The checks name lines of the source the assembler was started on.
        if (line.file == 0) program.lines[static_cast<size_t>(word)] = line.line;
        program.namedAddresses[static_cast<size_t>(word)] =
            map.fileAddresses[static_cast<size_t>(word)];
    }
    for (const CProgramSymbol& symbol : map.symbols) {
        if (symbol.kind != CProgramSymbol::EKind::Register || symbol.value < 0 ||
            symbol.value > 0x1FF)
            continue;
        std::string& name = program.registerNames[static_cast<size_t>(symbol.value & 0xFF)];
        if (name.empty()) name = symbol.name;
    }
    return program;
}

}  // namespace build
