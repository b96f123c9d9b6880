#include "build/break_labels.h"

#include <cstdio>
#include <memory>

#include "build/file_read.h"
#include "build/source_file.h"
#include "core/hex_digit.h"

namespace build {

namespace {
// Lines are looked at in pieces of at most this many characters, so a long
// line cannot hide a definition behind its first 99 characters' worth of
// text and no piece costs more than a fixed buffer.
constexpr size_t kPieceLength = 99;

int AddressOf(const std::string& piece) {
    int address = 0;
    for (size_t i = 7; i <= 10; ++i) {
        address = 16 * address + (i < piece.size() ? HexDigitValue(piece[i]) : 0);
    }
    return address;
}

// Whether everything before `at` is what the listing puts in front of the
// source text: the line number, the address, code words and values, blanks.
// A mnemonic or a comment there means the label is only mentioned.
bool OnlyListingColumnsBefore(const std::string& piece, size_t at) {
    for (size_t i = 0; i < at; ++i) {
        const char c = piece[i];
        const bool column =
            c == ' ' || c == '=' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
        if (!column) return false;
    }
    return true;
}

struct SFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Calls visit for every piece of every line of the file; the line ends are
// not part of a line.
template <class Visit>
void ForEachPiece(const std::string& path, Visit visit) {
    std::string error;
    std::unique_ptr<std::FILE, SFileCloser> file(OpenRegularFileForReading(path, &error));
    if (!file) return;
    std::string line;
    auto finishLine = [&] {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        for (size_t at = 0; at < line.size(); at += kPieceLength) {
            visit(line.substr(at, kPieceLength));
        }
        line.clear();
    };
    for (int ch; (ch = std::getc(file.get())) != EOF;) {
        if (ch == '\n') {
            finishLine();
        } else {
            line += static_cast<char>(ch);
        }
    }
    finishLine();
}

// Fills addresses[i] with the address of labels[i] in the listing, 0 where
// the listing does not define it at a nonzero address.
void FindLabels(const std::string* labels, int count, int* addresses) {
    std::string patterns[core::kBreakpointsUsed];
    for (int i = 0; i < count; ++i) {
        addresses[i] = 0;
        // An empty label would match every " :" in the listing.
        if (!labels[i].empty()) patterns[i] = " " + labels[i] + ":";
    }

    // The line that defines a label wins: there the label stands first in
    // the line's source text. Failing such a line, the first matching line
    // with a nonzero address does, so a comment that mentions "LOOP:" on an
    // earlier line never hides the definition.
    bool defined[core::kBreakpointsUsed] = {};
    ForEachPiece(SourceFolder + ListingFileName, [&](const std::string& piece) {
        for (int i = 0; i < count; ++i) {
            if (defined[i] || patterns[i].empty()) continue;
            const size_t at = piece.find(patterns[i]);
            if (at == std::string::npos) continue;
            if (OnlyListingColumnsBefore(piece, at)) {
                defined[i] = true;
                addresses[i] = AddressOf(piece);
            } else if (addresses[i] == 0) {
                addresses[i] = AddressOf(piece);
            }
        }
    });
}
}  // namespace

int LookUpLabel(const std::string& label) {
    int address = 0;
    FindLabels(&label, 1, &address);
    return address;
}

void SetBreakLabelsFromFields(const std::array<std::string, core::kBreakpointsUsed>& fields) {
    int count = 0;
    for (const std::string& field : fields) {
        if (!field.empty()) BreakLabels.Set(count++, field);
    }
    BreakLabelCount = count;
    for (int i = 0; i < core::kBreakpointsUsed; ++i) BreakAddresses[i] = 0;
    ResolveBreakLabels();
}

}  // namespace build

void ResolveBreakLabels() {
    const int count = std::min<int>(std::max<int>(BreakLabelCount, 0), core::kBreakpointsUsed);
    std::string labels[core::kBreakpointsUsed];
    int addresses[core::kBreakpointsUsed] = {};
    for (int i = 0; i < count; ++i) labels[i] = BreakLabels.Get(i);
    build::FindLabels(labels, count, addresses);

    int kept = 0;
    for (int i = 0; i < count; ++i) {
        if (addresses[i] == 0) continue;
        BreakLabels.Set(kept, BreakLabels.Get(i));
        BreakAddresses[kept] = addresses[i];
        ++kept;
    }
    BreakLabelCount = kept;
    for (int i = kept; i < core::kBreakpointsUsed; ++i) BreakAddresses[i] = 0;
}
