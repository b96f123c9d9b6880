// The grading examples hold what their README promises: every scenario
// passes on the example program it names, and each deliberately wrong
// submission fails the scenario written for its program.
#include <gtest/gtest.h>

#include <filesystem>

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

TEST_F(GradingExamplesTest, TheWrongSubmissionsFailTheirScenarios) {
    const auto grade =
        LumoGrade({(Grading() / "counter.yaml").string(), (Grading() / "buttons.yaml").string(),
                   "--", (Grading() / "wrong" / "counter_down.asm").string(),
                   (Grading() / "wrong" / "buttons_no_bank.asm").string()});
    ASSERT_EQ(grade.exitStatus, 0) << grade.err;
    EXPECT_NE(grade.out.find("counter_down.asm     0/1      0/2      0/3"), std::string::npos)
        << grade.out;
    EXPECT_NE(grade.out.find("cycles: ocekivano < 200"), std::string::npos) << grade.out;
    EXPECT_NE(grade.out.find("TRISB: ocekivano == 0x00 (00000000), stvarno 0xFF (11111111)"),
              std::string::npos)
        << grade.out;
}
}  // namespace
