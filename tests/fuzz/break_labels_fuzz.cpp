// Label breakpoints on arbitrary listing text and arbitrary labels: blanks,
// colons, line breaks, empty ones, longer than a line piece. The result must
// be what the listing says: the labels found at a nonzero address, in the
// order given, each with the address of the first line piece where it stands
// right after the listing's columns (or, without such a piece, of the first
// piece that mentions it at a nonzero address); every other slot empty; no
// message.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "build/break_labels.h"
#include "build/source_file.h"
#include "core/state.h"
#include "fuzz_support.h"

namespace {

constexpr size_t kPiece = 99;
constexpr size_t kMaxLabel = 120;

// One scratch folder per process, removed at exit. The name is never
// destroyed, so the exit handler can still read it.
const std::string& ScratchFolder() {
    static const std::string* folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "lumo-labels-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        auto* name = new std::string(pattern + "/");
        std::atexit([] { std::filesystem::remove_all(ScratchFolder()); });
        return name;
    }();
    return *folder;
}

int Digit(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return 0;
}

bool ListingColumn(char ch) {
    return ch == ' ' || ch == '=' || (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F');
}

// The address the listing gives a label: the first piece of at most 99
// characters of a line (without its line end) where " label:" follows
// nothing but listing columns; failing one, the first piece that holds it
// with a nonzero address at positions 7-10.
int ExpectedAddress(const std::string& listing, const std::string& label) {
    if (label.empty()) return 0;
    const std::string pattern = " " + label + ":";
    int mentioned = 0;
    size_t start = 0;
    while (start <= listing.size()) {
        size_t end = listing.find('\n', start);
        if (end == std::string::npos) end = listing.size();
        std::string line = listing.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        for (size_t at = 0; at < line.size(); at += kPiece) {
            const std::string piece = line.substr(at, kPiece);
            const size_t found = piece.find(pattern);
            if (found == std::string::npos) continue;
            int address = 0;
            for (size_t i = 7; i <= 10; ++i)
                address = 16 * address + (i < piece.size() ? Digit(piece[i]) : 0);
            if (std::all_of(piece.begin(), piece.begin() + static_cast<long>(found), ListingColumn))
                return address;
            if (mentioned == 0) mentioned = address;
        }
        start = end + 1;
    }
    return mentioned;
}

}  // namespace

LUMO_FUZZ_TARGET(break_labels) {
    CFuzzInput in(data, size);
    const int count = in.Byte() % (core::kBreakpointsUsed + 1);
    std::vector<std::string> labels;
    for (int i = 0; i < count; ++i) labels.push_back(in.Text(kMaxLabel));
    const std::string listing = in.Rest();

    SourceFolder = ScratchFolder();
    ListingFileName = "prog.lst";
    std::FILE* file = std::fopen((SourceFolder + ListingFileName).c_str(), "wb");
    FUZZ_REQUIRE(file != nullptr, "scratch listing");
    std::fwrite(listing.data(), 1, listing.size(), file);
    std::fclose(file);

    BreakLabels.ClearAll();
    for (int i = 0; i < count; ++i) BreakLabels.Set(i, labels[static_cast<size_t>(i)]);
    BreakLabelCount = count;
    for (auto& address : BreakAddresses) address = 0x7777;  // whatever a run left
    FuzzMessages().Clear();

    ResolveBreakLabels();

    int kept = 0;
    for (const std::string& label : labels) {
        const int address = ExpectedAddress(listing, label);
        if (address == 0) continue;
        FUZZ_REQUIRE(kept < BreakLabelCount, "label dropped: " + label);
        FUZZ_REQUIRE(BreakLabels.Get(kept) == label, "label order");
        FUZZ_REQUIRE(BreakAddresses[kept] == address, "address of " + label);
        ++kept;
    }
    FUZZ_REQUIRE(BreakLabelCount == kept, "labels kept that the listing does not define");
    for (int i = kept; i < core::kBreakpointsUsed; ++i) {
        FUZZ_REQUIRE(BreakAddresses[i] == 0, "slot " + std::to_string(i) + " not cleared");
    }
    FUZZ_REQUIRE(FuzzMessages().Messages().empty(), "a message from the label search");
    return 0;
}
