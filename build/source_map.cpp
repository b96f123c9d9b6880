#include "build/source_map.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

#include "build/assembler_output.h"
#include "build/file_read.h"
#include "build/source_file.h"
#include "core/hex_digit.h"

namespace build {

namespace {
// A map names every file once and every word once; anything near this size
// is not one.
constexpr int kMapReadLimit = 1 << 20;
// The listing of the largest program a foreign assembler could be asked for.
constexpr int kListingReadLimit = 16 << 20;
// The listing shows at most this many code words on one line; what stands
// after them is source text, which may look like hex digits.
constexpr size_t kWordsPerListingLine = 3;
constexpr size_t kAddressAt = 7;
constexpr size_t kFirstWordAt = 12;

template <class Visit>
void ForEachLine(std::string_view text, Visit visit) {
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!visit(line)) return;
        if (end == std::string_view::npos) return;
        text.remove_prefix(end + 1);
    }
}

bool IsUpperHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

// Four upper-case hex digits at `at`, or -1.
int Hex4At(std::string_view line, size_t at) {
    if (line.size() < at + 4) return -1;
    int value = 0;
    for (size_t i = at; i < at + 4; ++i) {
        if (!IsUpperHex(line[i])) return -1;
        value = 16 * value + HexDigitValue(line[i]);
    }
    return value;
}

// A decimal number that makes up the whole field, or -1.
int Decimal(std::string_view field) {
    int value = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (ec != std::errc() || end != field.data() + field.size() || field.empty() || value < 0) {
        return -1;
    }
    return value;
}

// Splits "a b rest" at the first blank.
std::string_view NextField(std::string_view* rest) {
    const size_t blank = rest->find(' ');
    std::string_view field = rest->substr(0, blank);
    rest->remove_prefix(blank == std::string_view::npos ? rest->size() : blank + 1);
    return field;
}

bool ParseWordLine(std::string_view rest, CSourceMap* map, int* lastWord) {
    const std::string_view addressField = NextField(&rest);
    const int word = addressField.size() == 4 ? Hex4At(addressField, 0) : -1;
    const int file = Decimal(NextField(&rest));
    const int line = Decimal(rest);
    if (word < 0 || word >= kProgramWords || word <= *lastWord) return false;
    if (file < 0 || file >= static_cast<int>(map->files.size()) || line < 1) return false;
    map->words[static_cast<size_t>(word)] = {file, line};
    *lastWord = word;
    return true;
}

// "-1F" or "1F": upper-case hex with an optional sign.
bool SignedHex(std::string_view field, int64_t* value) {
    const bool negative = !field.empty() && field[0] == '-';
    if (negative) field.remove_prefix(1);
    if (field.empty() || field.size() > 15) return false;
    int64_t magnitude = 0;
    for (char c : field) {
        if (!IsUpperHex(c)) return false;
        magnitude = 16 * magnitude + HexDigitValue(c);
    }
    *value = negative ? -magnitude : magnitude;
    return true;
}

bool ParseSymbolLine(std::string_view rest, CSourceMap* map) {
    const std::string_view kindField = NextField(&rest);
    const std::string_view valueField = NextField(&rest);
    CProgramSymbol symbol;
    if (kindField == "L") {
        symbol.kind = CProgramSymbol::EKind::Label;
    } else if (kindField == "R") {
        symbol.kind = CProgramSymbol::EKind::Register;
    } else if (kindField != "C") {
        return false;
    }
    if (!SignedHex(valueField, &symbol.value) || rest.empty() ||
        rest.find(' ') != std::string_view::npos) {
        return false;
    }
    if (!map->symbols.empty() && map->symbols.back().name >= rest) return false;
    symbol.name = rest;
    map->symbols.push_back(std::move(symbol));
    return true;
}

bool ParseFileAddressLine(std::string_view rest, CSourceMap* map, int* lastWord) {
    const std::string_view wordField = NextField(&rest);
    const int word = wordField.size() == 4 ? Hex4At(wordField, 0) : -1;
    int64_t address = -1;
    if (word < 0 || word >= kProgramWords || word <= *lastWord || rest.size() != 3 ||
        rest[0] == '-' || !SignedHex(rest, &address) || address > 0x1FF) {
        return false;
    }
    map->fileAddresses[static_cast<size_t>(word)] = static_cast<int>(address);
    *lastWord = word;
    return true;
}

// The line number at the start of a listing line: blanks, then digits that
// end by position 5 and are followed by a blank. -1 when there is none.
int ListingLineNumber(std::string_view line) {
    size_t at = 0;
    while (at < line.size() && line[at] == ' ') ++at;
    size_t end = at;
    while (end < line.size() && line[end] >= '0' && line[end] <= '9') ++end;
    if (end == at || end > 6 || end >= line.size() || line[end] != ' ') return -1;
    return Decimal(line.substr(at, end - at));
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}
}  // namespace

int CSourceMap::FirstWordOf(int file, int line) const {
    for (int word = 0; word < kProgramWords; ++word) {
        const CSourceLine& at = words[static_cast<size_t>(word)];
        if (at.file == file && at.line == line) return word;
    }
    return -1;
}

const CProgramSymbol* CSourceMap::RegisterName(int address) const {
    for (const CProgramSymbol& symbol : symbols) {
        if (symbol.kind == CProgramSymbol::EKind::Register && symbol.value == address) {
            return &symbol;
        }
    }
    return nullptr;
}

const CProgramSymbol* CSourceMap::LabelAt(int address) const {
    for (const CProgramSymbol& symbol : symbols) {
        if (symbol.kind == CProgramSymbol::EKind::Label && symbol.value == address) return &symbol;
    }
    return nullptr;
}

const CProgramSymbol* CSourceMap::RegisterNamed(std::string_view name) const {
    const auto sameInAnyCase = [name](const std::string& other) {
        return other.size() == name.size() &&
               std::equal(other.begin(), other.end(), name.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) ==
                          std::tolower(static_cast<unsigned char>(b));
               });
    };
    const CProgramSymbol* found = nullptr;
    int matches = 0;
    for (const CProgramSymbol& symbol : symbols) {
        if (symbol.kind != CProgramSymbol::EKind::Register) continue;
        if (symbol.name == name) return &symbol;
        if (sameInAnyCase(symbol.name)) {
            found = &symbol;
            ++matches;
        }
    }
    return matches == 1 ? found : nullptr;
}

bool ParseSourceMap(const std::string& text, CSourceMap* map) {
    CSourceMap parsed;
    bool sawHeader = false;
    int version = 0;
    bool ok = true;
    int lastWord = -1;
    int lastFileWord = -1;
    bool sawEmptyLine = false;
    ForEachLine(text, [&](std::string_view line) {
        if (sawEmptyLine) return ok = false;  // only the end may be empty
        if (!sawHeader) {
            version = line == "LUMOMAP 1" ? 1 : line == "LUMOMAP 2" ? 2 : 0;
            return ok = sawHeader = version != 0;
        }
        if (line.empty()) return sawEmptyLine = true;
        if (line.size() < 2 || line[1] != ' ') return ok = false;
        std::string_view rest = line.substr(2);
        if (line[0] == 'F') {
            const int index = Decimal(NextField(&rest));
            if (index != static_cast<int>(parsed.files.size()) || rest.empty()) return ok = false;
            parsed.files.emplace_back(rest);
            return true;
        }
        if (line[0] == 'W') return ok = ParseWordLine(rest, &parsed, &lastWord);
        if (version >= 2 && line[0] == 'S') return ok = ParseSymbolLine(rest, &parsed);
        if (version >= 2 && line[0] == 'A') {
            return ok = ParseFileAddressLine(rest, &parsed, &lastFileWord);
        }
        return ok = false;
    });
    if (!ok || !sawHeader) return false;
    *map = std::move(parsed);
    return true;
}

CSourceMap SourceMapFromListing(const std::string& listing, const std::string& mainFile) {
    CSourceMap map;
    map.files.push_back(mainFile);
    int sourceLine = -1;
    ForEachLine(listing, [&](std::string_view line) {
        const int number = ListingLineNumber(line);
        if (number >= 0) {
            sourceLine = number;
        } else if (!IsBlank(line.substr(0, std::min(line.size(), kAddressAt)))) {
            // Neither a source line nor the continuation of one.
            sourceLine = -1;
            return true;
        }
        const int address = Hex4At(line, kAddressAt);
        if (sourceLine < 1 || address < 0 || line.size() <= kAddressAt + 4 ||
            line[kAddressAt + 4] != ' ') {
            return true;
        }
        for (size_t i = 0; i < kWordsPerListingLine; ++i) {
            const size_t at = kFirstWordAt + 5 * i;
            if (Hex4At(line, at) < 0 || (line.size() > at + 4 && line[at + 4] != ' ')) break;
            const int word = address + static_cast<int>(i);
            if (word >= kProgramWords) break;
            map.words[static_cast<size_t>(word)] = {0, sourceLine};
        }
        return true;
    });
    return map;
}

CSourceMap LoadSourceMap() {
    std::string text;
    std::string error;
    CSourceMap map;
    if (ReadFileHead(SourceFolder + OutputFileName(SourceFileName, "map"), kMapReadLimit, &text,
                     &error) &&
        ParseSourceMap(text, &map)) {
        return map;
    }
    if (ReadFileHead(SourceFolder + ListingFileName, kListingReadLimit, &text, &error)) {
        return SourceMapFromListing(text, SourceFileName);
    }
    return {};
}

}  // namespace build
