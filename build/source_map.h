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
// Version 2 adds, after the W lines, the program's names and the registers
// its words name:
//
//     S <L label | R register variable | C constant> <hex value> <name>
//     A <word address, 4 hex digits> <register address, 3 hex digits>
//
// File 0 is the source the assembler was started on; lines count from 1;
// one W line per program word, in ascending order. An assembler that writes
// no map leaves the listing, whose line numbers (positions 0-3) and word
// addresses (positions 7-10) give the same for a program of one file.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace build {

constexpr int kProgramWords = 1024;

struct CSourceLine {
    int file = -1;  // index into CSourceMap::files; -1: the word came from no line
    int line = 0;   // 1-based
    bool operator==(const CSourceLine&) const = default;
};

struct CProgramSymbol {
    enum class EKind { Label, Register, Constant };
    std::string name;
    int64_t value = 0;
    EKind kind = EKind::Constant;
    bool operator==(const CProgramSymbol&) const = default;
};

struct CSourceMap {
    std::vector<std::string> files;
    std::array<CSourceLine, kProgramWords> words{};
    std::vector<CProgramSymbol> symbols;  // sorted by name
    // The register each word's file operand names in full (with its bank),
    // -1 for a word without one or a map that does not say.
    std::array<int, kProgramWords> fileAddresses = FilledWith(-1);

    // The lowest word that line `line` of file `file` produced, or -1.
    int FirstWordOf(int file, int line) const;
    // The program's name for register `address` (0-0x1FF), or nullptr.
    const CProgramSymbol* RegisterName(int address) const;
    // The label at program word `address`, or nullptr.
    const CProgramSymbol* LabelAt(int address) const;
    // The register variable of this name: spelled exactly, or else the only
    // one that matches in any case. nullptr for none.
    const CProgramSymbol* RegisterNamed(std::string_view name) const;

private:
    static std::array<int, kProgramWords> FilledWith(int value) {
        std::array<int, kProgramWords> out;
        out.fill(value);
        return out;
    }
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

}  // namespace build
