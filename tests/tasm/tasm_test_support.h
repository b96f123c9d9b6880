#pragma once
// Helpers shared by the assembler tests: assemble text in memory, read the
// object file back the way a programmer would, and supply include files.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>

#include "tasm/assembler.h"

namespace tasm_test {

inline tasm::CAssemblyResult AssembleText(const std::string& text,
                                          tasm::CIncludeSource* includes = nullptr) {
    return tasm::Assemble(tasm::CSourceFile{"t.asm", "t.asm", text}, includes);
}

// Include files held in memory, by the name the source writes.
class CMemoryIncludes : public tasm::CIncludeSource {
public:
    std::map<std::string, std::string> files;
    int opened = 0;

    std::optional<tasm::CSourceFile> Open(const std::string& name) override {
        ++opened;
        auto it = files.find(name);
        if (it == files.end()) return std::nullopt;
        return tasm::CSourceFile{name, name, it->second};
    }
};

inline unsigned HexByte(const std::string& text, size_t at) {
    return static_cast<unsigned>(std::stoul(text.substr(at, 2), nullptr, 16));
}

// Reads Intel HEX into word address -> word, checking every record's
// checksum, its CR LF and the upper-case digits on the way.
inline std::map<unsigned, unsigned> ObjectWords(const std::string& object) {
    std::map<unsigned, unsigned> words;
    size_t at = 0;
    while (at < object.size()) {
        size_t end = object.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "record without CR LF at " << at;
        if (end == std::string::npos) break;
        std::string record = object.substr(at, end - at);
        EXPECT_EQ(record[0], ':');
        EXPECT_EQ(record.find_first_not_of(":0123456789ABCDEF"), std::string::npos) << record;
        unsigned count = HexByte(record, 1);
        EXPECT_EQ(record.size(), 11 + 2 * count) << record;
        unsigned sum = 0;
        for (size_t i = 1; i + 1 < record.size(); i += 2) sum += HexByte(record, i);
        EXPECT_EQ(sum & 0xFF, 0u) << "checksum of " << record;
        unsigned address = HexByte(record, 3) * 256 + HexByte(record, 5);
        for (unsigned i = 0; i + 1 < count; i += 2) {
            words[(address + i) / 2] =
                HexByte(record, 9 + 2 * i) * 256 + HexByte(record, 11 + 2 * i);
        }
        at = end + 2;
    }
    return words;
}

// The words of a source that must assemble without errors.
inline std::map<unsigned, unsigned> WordsOf(const std::string& text,
                                            tasm::CIncludeSource* includes = nullptr) {
    tasm::CAssemblyResult result = AssembleText(text, includes);
    EXPECT_EQ(result.errors, 0) << text << "\n" << result.listing;
    return ObjectWords(result.object);
}

// The one word of a one-line program at word 0.
inline unsigned WordOf(const std::string& line) {
    auto words = WordsOf(line + "\n");
    EXPECT_EQ(words.size(), 1u) << line;
    return words.empty() ? 0xFFFFFFFF : words.begin()->second;
}

// The first error message, without its "t.asm:LINE: error: " head.
inline std::string FirstError(const tasm::CAssemblyResult& result) {
    for (const std::string& m : result.messages) {
        size_t at = m.find(": error: ");
        if (at != std::string::npos) return m.substr(at + 9);
    }
    return "";
}

// Runs a shell command; returns its exit status, what it printed on stdout
// in *out.
inline int RunCommand(const std::string& command, std::string* out) {
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return -1;
    std::string text;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) text.append(buf, n);
    int status = pclose(pipe);
    if (out) *out = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace tasm_test
