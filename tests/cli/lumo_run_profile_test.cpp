// lumo-run --profile: the lines' CSV and the routines' file beside it, from a
// source assembled as F7 does, after a run and after going back.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "program_test.h"

namespace {
std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class LumoRunProfileTest : public ProgramTest {
protected:
    LumoRunProfileTest() : ProgramTest("lumo profile ") {}
};

TEST_F(LumoRunProfileTest, WritesEveryLineWithCodeAndEveryRoutine) {
    // The delay runs 3 rounds: DECFSZ 3 times (the skip in 2 cycles), GOTO twice.
    const auto source = Write("delay, once.asm",
                              "        org 5\n"
                              "start:  movlw 3\n"
                              "        movwf 0x0C\n"
                              "        call delay\n"
                              "stop:   goto stop\n"
                              "        nop\n"
                              "delay:  decfsz 0x0C,F\n"
                              "        goto delay\n"
                              "        return\n");
    const std::string csv = (m_folder.Path() / "prof.csv").string();
    auto result = LumoRun({"--steps", "12", "--profile", csv, source});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(ReadAll(csv),
              "file,line,count,cycles\n"
              "\"delay, once.asm\",2,1,1\n"
              "\"delay, once.asm\",3,1,1\n"
              "\"delay, once.asm\",4,1,2\n"
              "\"delay, once.asm\",5,3,6\n"
              "\"delay, once.asm\",6,0,0\n"
              "\"delay, once.asm\",7,3,4\n"
              "\"delay, once.asm\",8,2,4\n"
              "\"delay, once.asm\",9,1,2\n");
    EXPECT_EQ(ReadAll(m_folder.Path() / "prof-routines.csv"),
              "routine,address,calls,cycles,share_percent\n"
              "start,0x005,1,10,50.00\n"
              "delay,0x00A,1,10,50.00\n");

    // Two passes back: GOTO stop has run once.
    result = LumoRun({"--steps", "12", "--back", "2", "--profile", csv, source});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_NE(ReadAll(csv).find("\"delay, once.asm\",5,1,2\n"), std::string::npos) << ReadAll(csv);

    result = LumoRun({"--profile", csv, "--scenario", "x.yaml", source});
    EXPECT_EQ(result.exitStatus, 2);
}
}  // namespace
