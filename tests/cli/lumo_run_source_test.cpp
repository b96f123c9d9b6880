// lumo-run on assembly sources: assembled as F7 does, with label breakpoints.
#include <gtest/gtest.h>

#include <regex>

#include "program_test.h"

namespace {
const char kSource[] =
    "        org 0\n"
    "        goto start\n"
    "        org 5\n"
    "start:  movlw 3\n"
    "        movwf 0x0C\n"
    "again:  decfsz 0x0C,F\n"
    "        goto again\n"
    "done:   goto done\n"
    "        end\n";

class LumoRunSourceTest : public ProgramTest {
protected:
    LumoRunSourceTest() : ProgramTest("lumo run ") {}
    static std::string Field(const std::string& line, const std::string& key) {
        const std::regex pattern("\"" + key + "\":(\"[^\"]*\"|[0-9]+)");
        std::smatch match;
        return std::regex_search(line, match, pattern) ? match[1].str() : "?";
    }
};

TEST_F(LumoRunSourceTest, AssemblesAndPausesAtALabel) {
    const auto source = Write("count down.asm", kSource);
    const auto result = LumoRun({"--break", "done", "--json", source});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(Field(result.out, "status"), "\"paused\"");
    EXPECT_EQ(Field(result.out, "pc"), "9");
    EXPECT_EQ(Field(result.out, "pass"), "7");
    EXPECT_TRUE(std::filesystem::exists(m_folder.Path() / "count down.lst"));
}

TEST_F(LumoRunSourceTest, LabelsAndAddressesMix) {
    const auto source = Write("prog.asm", kSource);
    const auto result =
        LumoRun({"--break", "0x7", "--break", "again", "--json", "--trace", source});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    // "again" is word 7 as well: the run pauses after its second pass.
    const std::string last = result.out.substr(result.out.rfind("{\"pass\""));
    EXPECT_EQ(Field(result.out, "status"), "\"running\"");
    EXPECT_EQ(Field(last, "pass"), "2");
    EXPECT_EQ(Field(last, "status"), "\"paused\"");
}

// Through two nested calls and back: the register variables by name with
// their values, the return stack with the next return last.
TEST_F(LumoRunSourceTest, JsonNamesTheVariablesAndShowsTheStack) {
    const auto source = Write("nest.asm",
                              "  cblock 0x0C\n  presses, depth\n  endc\nLIMIT equ 9\n"
                              "  org 5\n  movlw LIMIT\n  movwf presses\n  call outer\n"
                              "  goto $\n"
                              "outer: incf depth, f\n  call inner\n  return\n"
                              "inner: nop\n  return\n");
    const struct {
        const char* steps;
        const char* tail;
    } cases[] = {
        {"2", R"("symbols":{"depth":0,"presses":9},"stack":[],"chip":"classic"})"},
        {"5", R"("symbols":{"depth":1,"presses":9},"stack":[8,11],"chip":"classic"})"},
        {"7", R"("symbols":{"depth":1,"presses":9},"stack":[8],"chip":"classic"})"},
        {"8", R"("symbols":{"depth":1,"presses":9},"stack":[],"chip":"classic"})"},
    };
    for (const auto& c : cases) {
        const auto result = LumoRun({"--steps", c.steps, "--json", source});
        ASSERT_EQ(result.exitStatus, 0) << result.err;
        const std::string tail = c.tail;
        EXPECT_EQ(result.out.substr(result.out.find("\"symbols\"")), tail + "\n")
            << c.steps << " steps";
    }
}

TEST_F(LumoRunSourceTest, AnUnknownLabelIsReportedAndTheRunGoesOn) {
    const auto source = Write("prog.asm", kSource);
    const auto result = LumoRun({"--break", "nowhere", "--steps", "5", "--json", source});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_NE(result.err.find("nowhere"), std::string::npos) << result.err;
    EXPECT_EQ(Field(result.out, "status"), "\"running\"");
}

TEST_F(LumoRunSourceTest, SourceErrorsGoToStderrWithTheVerdict) {
    const auto source =
        Write("bad.asm", "        org 5\n        movlw 1\n        bogus 3\n        end\n");
    const auto result = LumoRun({source});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_TRUE(result.out.empty());
    EXPECT_NE(result.err.find("bad.asm:3"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("GRESKA: Greske ispravljati u editoru.\n"), std::string::npos)
        << result.err;
}

TEST_F(LumoRunSourceTest, AMissingSourceIsNamed) {
    const std::string missing = m_folder.Folder() + "missing.asm";
    const auto result = LumoRun({missing});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_NE(result.err.find(missing), std::string::npos) << result.err;
}
}  // namespace
