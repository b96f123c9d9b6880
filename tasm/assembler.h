#pragma once
// The PIC16C84 assembler as a library: source text in, listing and object
// text out. It opens no file itself; #include goes through a
// CIncludeSource, so tests, the fuzzer and the benchmark work in memory.
#include <optional>
#include <string>
#include <vector>

namespace tasm {

struct CSourceFile {
    std::string name;  // as messages show it
    std::string key;   // the same file reached by two spellings has one key
    std::string text;
};

class CIncludeSource {
public:
    virtual ~CIncludeSource() = default;
    // The file that `#include "name"` names, or nothing when there is none.
    virtual std::optional<CSourceFile> Open(const std::string& name) = 0;
};

struct CAssemblyResult {
    std::string listing;  // CR LF lines, the last one "Number of errors = N"
    std::string object;   // Intel HEX, CR LF; empty when there were errors
    std::string map;      // which line made each word; empty when there were errors
    // "FILE:LINE: error: TEXT" and "FILE:LINE: warning: TEXT" in source
    // order, at most kMaxMessages of them.
    std::vector<std::string> messages;
    int errors = 0;
    int warnings = 0;
};

// More messages than this go to the listing only.
constexpr size_t kMaxMessages = 100;
// After this many errors the rest of the source is not looked at.
constexpr int kMaxErrors = 500;
// The source and everything it includes, per pass.
constexpr size_t kMaxSourceBytes = 64u << 20;
constexpr int kMaxIncludeDepth = 16;

// includes may be null: then only the chip's built-in header can be included.
CAssemblyResult Assemble(const CSourceFile& source, CIncludeSource* includes);

}  // namespace tasm
