// tasm -1684 FILE: assembles FILE and writes FILE's listing, object file and
// source map beside it (its name less the last 3 characters, plus "lst",
// "obj" and "map").
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <utility>

#include "tasm/assembler.h"
#include "tasm/listing_writer.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "usage: tasm -1684 FILE\n"
    "Assembles PIC16C84 source FILE and writes the listing, the object file and\n"
    "the source map beside it: FILE less its last 3 characters, followed by lst,\n"
    "obj and map. Errors and warnings are printed as FILE:LINE: error: TEXT.\n"
    "Exit status: 0 without errors, 1 with errors, 2 for a wrong command line.\n";

// Larger files are refused rather than read whole into memory.
constexpr std::uintmax_t kLargestFile = tasm::kMaxSourceBytes;

std::optional<std::string> ReadFile(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec) || fs::file_size(path, ec) > kLargestFile || ec) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return std::move(text).str();
}

bool WriteFile(const std::string& name, const std::string& text) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return static_cast<bool>(out);
}

std::string KeyOf(const fs::path& path) {
    std::error_code ec;
    fs::path canonical = fs::weakly_canonical(path, ec);
    return ec ? path.string() : canonical.string();
}

// Included files are looked for in the folder of the main source.
class CFolderIncludes : public tasm::CIncludeSource {
public:
    explicit CFolderIncludes(fs::path folder) : m_folder(std::move(folder)) {}

    std::optional<tasm::CSourceFile> Open(const std::string& name) override {
        fs::path path = m_folder / name;
        auto text = ReadFile(path);
        if (!text) return std::nullopt;
        return tasm::CSourceFile{name, KeyOf(path), std::move(*text)};
    }

private:
    fs::path m_folder;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::string(argv[1]) != "-1684") {
        std::cout << kUsage;
        return 2;
    }
    const std::string sourceName = argv[2];
    const std::string base =
        sourceName.size() < 3 ? sourceName : sourceName.substr(0, sourceName.size() - 3);
    const std::string listingName = base + "lst";
    const std::string objectName = base + "obj";
    const std::string mapName = base + "map";

    tasm::CAssemblyResult result;
    if (auto text = ReadFile(sourceName)) {
        fs::path folder = fs::path(sourceName).parent_path();
        CFolderIncludes includes(folder.empty() ? fs::path(".") : folder);
        result = tasm::Assemble(tasm::CSourceFile{sourceName, KeyOf(sourceName), std::move(*text)},
                                &includes);
    } else {
        // A listing that says so, or the simulator would load an older one.
        std::string message = "cannot read the source file (missing, a folder, or over 64 MB)";
        tasm::AppendListingDiagnostic(result.listing, tasm::CDiagnostic{true, message});
        tasm::AppendListingEnd(result.listing, 1, 0);
        result.messages.push_back(sourceName + ":0: error: " + message);
        result.errors = 1;
    }

    for (const std::string& message : result.messages) std::cout << message << '\n';
    const int messages = result.errors + result.warnings;
    if (static_cast<size_t>(messages) > result.messages.size()) {
        std::cout << "... " << messages - static_cast<int>(result.messages.size())
                  << " more errors and warnings in " << listingName << '\n';
    }
    std::cout << sourceName << ": " << result.errors << " error(s), " << result.warnings
              << " warning(s)\n";

    bool written = WriteFile(listingName, result.listing);
    if (!written) std::cout << "tasm: cannot write " << listingName << '\n';
    if (result.errors == 0) {
        for (const auto& [name, text] :
             {std::pair{&objectName, &result.object}, std::pair{&mapName, &result.map}}) {
            if (!WriteFile(*name, *text)) {
                std::cout << "tasm: cannot write " << *name << '\n';
                written = false;
            }
        }
    } else {
        // Stale ones would describe an older program.
        std::error_code ec;
        fs::remove(objectName, ec);
        fs::remove(mapName, ec);
    }
    return result.errors == 0 && written ? 0 : 1;
}
