#pragma once
// What a row of the watch pane looks at, as the user types it: a variable
// of the program ("presses"), a chip register ("PORTB"), an address
// ("0x0C", "12"), a bit of one of these ("PORTB,3", "STATUS,Z") or a bit of
// the chip by its name ("Z").
#include <string>

namespace build {
struct CSourceMap;
}

struct SWatchEntry {
    std::string text;  // as typed, trimmed
    int reg = -1;      // register file index
    int bit = -1;      // -1: the whole register
};

// False, with *error in the user's words, for a name that means nothing here.
bool ParseWatchEntry(const std::string& text, const build::CSourceMap& names, SWatchEntry* entry,
                     std::string* error);
