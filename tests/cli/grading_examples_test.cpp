// The grading examples hold what their README promises: every scenario
// passes on the example program it names, and the class example grades as
// the README shows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "program_test.h"

namespace fs = std::filesystem;

namespace {
class GradingExamplesTest : public ProgramTest {
protected:
    GradingExamplesTest() : ProgramTest("lumo grading examples ") {}
    void SetUp() override {
        ProgramTest::SetUp();
        if (IsSkipped()) return;
        // A copy, so the assembler's output files stay out of the source tree.
        fs::copy(fs::path(LUMO_SOURCE_DIR) / "examples", m_folder.Path() / "examples",
                 fs::copy_options::recursive);
    }
    fs::path Grading() const { return m_folder.Path() / "examples" / "grading"; }
};

TEST_F(GradingExamplesTest, EveryScenarioPassesOnItsExample) {
    int scenarios = 0;
    for (const auto& entry : fs::directory_iterator(Grading())) {
        if (entry.path().extension() != ".yaml") continue;
        ++scenarios;
        const auto result = LumoRun({"--scenario", entry.path().string()});
        EXPECT_EQ(result.exitStatus, 0) << entry.path() << "\n" << result.out << result.err;
    }
    EXPECT_EQ(scenarios, 6);
}

// The data-sheet examples pass on the chip their scenarios name, and the
// same scenario on the classic chip fails: what they show needs that chip.
TEST_F(GradingExamplesTest, DatasheetExamplesNeedTheDatasheetChip) {
    const fs::path folder = m_folder.Path() / "examples" / "datasheet";
    int scenarios = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() != ".yaml") continue;
        ++scenarios;
        const auto result = LumoRun({"--scenario", entry.path().string()});
        EXPECT_EQ(result.exitStatus, 0) << entry.path() << "\n" << result.out << result.err;
        std::ifstream in(entry.path());
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const size_t chip = text.find("chip: datasheet\n");
        ASSERT_NE(chip, std::string::npos) << entry.path();
        text.erase(chip, std::string("chip: datasheet\n").size());
        const fs::path classic = folder / ("classic_" + entry.path().filename().string());
        std::ofstream(classic) << text;
        EXPECT_EQ(LumoRun({"--scenario", classic.string()}).exitStatus, 1) << classic;
    }
    EXPECT_EQ(scenarios, 4);  // the table, the EEPROM counter, SLEEP, the watchdog
}

// The README's class example as it stands there: each command run from
// examples/, as the README shows it, prints the table shown below it, so a
// correct program earns full marks and each wrong one what the README says.
TEST_F(GradingExamplesTest, TheReadmesClassExamplePrintsWhatItShows) {
    std::ifstream readme(fs::path(LUMO_SOURCE_DIR) / "README.md");
    const std::string prompt = "$ ../out/bin/lumo-grade";
    std::vector<std::pair<std::string, std::string>> examples;  // arguments, table
    bool inExample = false;
    for (std::string line; std::getline(readme, line);) {
        if (line.rfind(prompt, 0) == 0) {
            examples.emplace_back(line.substr(prompt.size()), "");
            inExample = true;
        } else if (line == "```") {
            inExample = false;
        } else if (inExample) {
            examples.back().second += line + "\n";
        }
    }
    ASSERT_EQ(examples.size(), 3u);
    for (const auto& [arguments, table] : examples) {
        const auto grade =
            RunProgram("/bin/sh", {"-c", "cd '" + (m_folder.Path() / "examples").string() +
                                             "' && '" + BinPath("lumo-grade") + "'" + arguments});
        EXPECT_EQ(grade.exitStatus, 0) << grade.err;
        EXPECT_EQ(grade.out, table) << arguments;
    }
}
}  // namespace
