#pragma once
// Which source line produced each program word, so the editor can mark the
// line the processor stands on and place breakpoints by line.
//
// tasm writes the map beside the listing (source name less its last three
// characters, plus "map"), in CR LF or LF lines:
//
//     LUMOMAP 1
//     F <index> <file name as the assembler's messages spell it>
//     W <word address, 4 upper-case hex digits> <file index> <line>
//
// File 0 is the source the assembler was started on; lines count from 1;
// one W line per program word, in ascending order. An assembler that writes
// no map leaves the listing, whose line numbers (positions 0-3) and word
// addresses (positions 7-10) give the same for a program of one file.
#include <array>
#include <string>
#include <vector>

constexpr int kProgramWords = 1024;

struct CSourceLine {
    int file = -1;  // index into CSourceMap::files; -1: the word came from no line
    int line = 0;   // 1-based
    bool operator==(const CSourceLine&) const = default;
};

struct CSourceMap {
    std::vector<std::string> files;
    std::array<CSourceLine, kProgramWords> words{};

    // The lowest word that line `line` of file `file` produced, or -1.
    int FirstWordOf(int file, int line) const;
};

// Reads a map file's text. False, with *map left empty, for anything that is
// not a well-formed map: a reader that guessed would mark wrong lines.
bool ParseSourceMap(const std::string& text, CSourceMap* map);

// The map a listing implies: every numbered line that shows code words after
// its address maps those words to its line number in file 0, named mainFile.
CSourceMap SourceMapFromListing(const std::string& listing, const std::string& mainFile);

// The map of the last assemble command: the map file in SourceFolder when it
// reads as one, else the map implied by the listing (ListingFileName), else
// an empty map.
CSourceMap LoadSourceMap();
