// Runs every fuzz target's check over its seed corpus and over the inputs
// that once broke it (regressions/<target>/), in the ordinary build, without
// libFuzzer. A broken invariant aborts with the input's name.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_support.h"

namespace fs = std::filesystem;

namespace {
const fs::path kFuzzDir = fs::path(LUMO_SOURCE_DIR) / "tests" / "fuzz";

std::vector<uint8_t> ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A folder of inputs; an extension, when given, keeps out other files there
// (examples/ also gathers the listings and object files of local runs).
struct SeedFolder {
    fs::path path;
    std::string onlyExtension;
};

// Seeds that live elsewhere in the tree: the example programs seed the
// assembler, as the fuzz stage of the test run does.
std::vector<SeedFolder> SharedSeedFolders(const std::string& target) {
    if (target == "assembler") return {{fs::path(LUMO_SOURCE_DIR) / "examples", ".asm"}};
    return {};
}

bool IsTarget(const std::string& name) {
    const auto& targets = FuzzTargets();
    return std::any_of(targets.begin(), targets.end(),
                       [&](const FuzzTarget& t) { return t.name == name; });
}

// Every input folder must belong to a target, or its inputs would silently
// never run.
TEST(FuzzReplay, EveryInputFolderNamesATarget) {
    for (const char* kind : {"corpus", "regressions"}) {
        if (!fs::exists(kFuzzDir / kind)) continue;
        for (const auto& entry : fs::directory_iterator(kFuzzDir / kind)) {
            EXPECT_TRUE(IsTarget(entry.path().filename().string())) << entry.path();
        }
    }
}

TEST(FuzzReplay, EveryTargetKeepsItsInvariantsOnItsCorpusAndRegressions) {
    ASSERT_FALSE(FuzzTargets().empty());
    for (const FuzzTarget& target : FuzzTargets()) {
        int inputs = 0;
        std::vector<SeedFolder> folders = SharedSeedFolders(target.name);
        for (const char* kind : {"corpus", "regressions"}) {
            folders.push_back({kFuzzDir / kind / target.name, ""});
        }
        for (const SeedFolder& folder : folders) {
            if (!fs::exists(folder.path)) continue;
            for (const auto& entry : fs::directory_iterator(folder.path)) {
                if (!folder.onlyExtension.empty() &&
                    entry.path().extension() != folder.onlyExtension) {
                    continue;
                }
                const std::vector<uint8_t> bytes = ReadAll(entry.path());
                SetFuzzInputName(entry.path().string());
                target.check(bytes.data(), bytes.size());
                ++inputs;
            }
        }
        SetFuzzInputName("");
        // An empty input is where most parsers go wrong first.
        target.check(nullptr, 0);
        EXPECT_GT(inputs, 0) << target.name << " has no seed corpus";
    }
}
}  // namespace
