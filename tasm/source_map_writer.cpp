#include "tasm/source_map_writer.h"

#include <algorithm>
#include <cstdio>

namespace tasm {

// The map is plain text with LF line ends:
//
//   LUMOMAP 1                          2 when S or A records follow
//   F <index> <file name>              one per file, index from 0, 0 is the
//                                      main source; the name is the rest of
//                                      the line, as the messages name it
//   W <address> <file index> <line>    one per program word, ascending; the
//                                      address in 4 upper-case hex digits,
//                                      the line 1-based and decimal
//
//   S <kind> <value> <name>            one per symbol, sorted by name; the
//                                      kind L, R or C, the value in upper-case
//                                      hex (a leading '-' when negative)
//   A <address> <register>             one per word with a file operand,
//                                      ascending; 4 and 3 upper-case hex digits
//
// A map without symbols keeps version 1, so that a simulator that knows only
// version 1 reads it as before; it refuses version 2 and falls back to the
// listing, which serves a program of one file alike.
//
// A word made by a macro carries the line that invoked the macro in the
// main or an included file. The configuration word, the ID locations and
// the data EEPROM have no entries.
std::string WriteSourceMap(const std::vector<std::string>& fileNames, const CSourceMap& origins,
                           const std::vector<CMapSymbol>& symbols,
                           const CFileAddresses& fileAddresses) {
    const bool anyAddress =
        std::any_of(fileAddresses.begin(), fileAddresses.end(), [](int a) { return a >= 0; });
    std::string out = symbols.empty() && !anyAddress ? "LUMOMAP 1\n" : "LUMOMAP 2\n";
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
    for (const CMapSymbol& symbol : symbols) {
        char buf[48];
        const uint64_t magnitude = symbol.value < 0 ? 0 - static_cast<uint64_t>(symbol.value)
                                                    : static_cast<uint64_t>(symbol.value);
        std::snprintf(buf, sizeof buf, "S %c %s%llX ", symbol.kind, symbol.value < 0 ? "-" : "",
                      static_cast<unsigned long long>(magnitude));
        out += buf + symbol.name + "\n";
    }
    for (size_t address = 0; address < fileAddresses.size(); ++address) {
        if (fileAddresses[address] < 0) continue;
        char buf[32];
        std::snprintf(buf, sizeof buf, "A %04X %03X\n", static_cast<unsigned>(address),
                      static_cast<unsigned>(fileAddresses[address]));
        out += buf;
    }
    return out;
}

}  // namespace tasm
