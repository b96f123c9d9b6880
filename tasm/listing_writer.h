#pragma once
// The listing: one line per source line, errors and warnings on lines of
// their own below it, and the error count as the last line. The simulator
// reads two things from it: a label's word address at positions 7-10 of the
// line that defines it (found by " LABEL:"), and the last digit of the count
// three bytes before the end.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tasm {

struct CDiagnostic {
    bool error;
    std::string text;
    bool message = false;  // what MESSG prints: neither error nor warning
};

struct CListingLine {
    int line = 0;                             // number within its own file
    std::string_view text;                    // the source line as written
    bool hasAddress = false;                  // emits a word or defines a label
    int address = 0;                          // word address of the line
    std::vector<uint16_t> words;              // emitted words
    std::optional<int64_t> value;             // what an EQU, SET or CBLOCK line defines
    size_t colonAt = std::string_view::npos;  // end of a label written without ':'
    std::vector<CDiagnostic> diagnostics;
};

void AppendListingLine(std::string& out, const CListingLine& line);
// A message that belongs to no source line (the source ended too early).
void AppendListingDiagnostic(std::string& out, const CDiagnostic& diagnostic);
void AppendListingEnd(std::string& out, int errors, int warnings);

}  // namespace tasm
