#include "tasm/listing_writer.h"

#include <cstdio>

namespace tasm {

namespace {

constexpr size_t kWordsPerLine = 3;
constexpr size_t kSourceColumn = 27;
constexpr int kTabWidth = 8;

void AppendHex4(std::string& out, unsigned value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04X", value);
    out += buf;
}

// Positions 0-3 hold the line number; longer numbers take the two blanks
// after it, so the address stays at 7-10.
void AppendLineNumber(std::string& out, int line) {
    char buf[16];
    std::snprintf(buf, sizeof buf, line < 10000 ? "%4d   " : "%6d ", line % 1000000);
    out += buf;
}

void PadTo(std::string& out, size_t lineStart, size_t column) {
    while (out.size() - lineStart < column) out += ' ';
}

// Tabs become blanks, so a label after a tab still stands after a blank;
// control bytes become '?' so that every listing line ends in CR LF only.
void AppendSource(std::string& out, std::string_view text, size_t colonAt) {
    int column = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (i == colonAt) {
            out += ':';
            ++column;
        }
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\t') {
            do {
                out += ' ';
                ++column;
            } while (column % kTabWidth != 0);
            continue;
        }
        out += (c < 0x20 || c == 0x7F) ? '?' : static_cast<char>(c);
        ++column;
    }
    if (colonAt == text.size()) out += ':';
}

}  // namespace

void AppendListingLine(std::string& out, const CListingLine& line) {
    size_t start = out.size();
    AppendLineNumber(out, line.line);
    if (line.hasAddress) AppendHex4(out, static_cast<unsigned>(line.address));
    PadTo(out, start, 12);
    for (size_t i = 0; i < line.words.size() && i < kWordsPerLine; ++i) {
        AppendHex4(out, line.words[i]);
        out += ' ';
    }
    if (line.value) {
        out += '=';
        AppendHex4(out, static_cast<unsigned>(*line.value & 0xFFFFFFFF));
    }
    if (line.text.empty()) {
        while (out.size() > start && out.back() == ' ') out.pop_back();
    } else {
        PadTo(out, start, kSourceColumn);
        AppendSource(out, line.text, line.colonAt);
    }
    out += "\r\n";
    for (size_t i = kWordsPerLine; i < line.words.size(); i += kWordsPerLine) {
        start = out.size();
        PadTo(out, start, 7);
        AppendHex4(out, static_cast<unsigned>(line.address + i));
        out += ' ';
        for (size_t k = i; k < line.words.size() && k < i + kWordsPerLine; ++k) {
            AppendHex4(out, line.words[k]);
            out += ' ';
        }
        out.pop_back();
        out += "\r\n";
    }
    for (const CDiagnostic& diagnostic : line.diagnostics) {
        AppendListingDiagnostic(out, diagnostic);
    }
}

void AppendListingDiagnostic(std::string& out, const CDiagnostic& diagnostic) {
    // Positions 7-10 hold no upper-case hex digit here, so a label named in a
    // message never picks up an address from it.
    out += diagnostic.error     ? "***** error: "
           : diagnostic.message ? "***** message: "
                                : "***** warning: ";
    out += diagnostic.text;
    out += "\r\n";
}

void AppendListingEnd(std::string& out, int errors, int warnings) {
    out += "Number of warnings = " + std::to_string(warnings) + "\r\n";
    out += "Number of errors = " + std::to_string(errors) + "\r\n";
}

}  // namespace tasm
