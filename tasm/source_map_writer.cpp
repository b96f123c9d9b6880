#include "source_map_writer.h"

#include <cstdio>

namespace tasm {

// The map is plain text with LF line ends:
//
//   LUMOMAP 1
//   F <index> <file name>              one per file, index from 0, 0 is the
//                                      main source; the name is the rest of
//                                      the line, as the messages name it
//   W <address> <file index> <line>    one per program word, ascending; the
//                                      address in 4 upper-case hex digits,
//                                      the line 1-based and decimal
//
// A word made by a macro carries the line that invoked the macro in the
// main or an included file. The configuration word, the ID locations and
// the data EEPROM have no entries.
std::string WriteSourceMap(const std::vector<std::string>& fileNames, const CSourceMap& origins) {
    std::string out = "LUMOMAP 1\n";
    for (size_t i = 0; i < fileNames.size(); ++i) {
        std::string name = fileNames[i];
        for (char& c : name) {
            if (c == '\n' || c == '\r') c = '?';  // one file, one line
        }
        out += "F " + std::to_string(i) + " " + name + "\n";
    }
    for (size_t address = 0; address < origins.size(); ++address) {
        const CWordOrigin& origin = origins[address];
        if (origin.file < 0) continue;
        char buf[48];
        std::snprintf(buf, sizeof buf, "W %04X %d %d\n", static_cast<unsigned>(address),
                      origin.file, origin.line);
        out += buf;
    }
    return out;
}

}  // namespace tasm
