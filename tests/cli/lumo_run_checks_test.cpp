// lumo-run --checks: the checks that fired, as text before the state, as JSON
// events with --json and in the event file; a list of kinds keeps the others off.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "program_test.h"

namespace {
// Line 4 clears PORTB instead of TRISB; line 5 reads count before any write.
const char kSource[] =
    "        #include <p16c84.inc>\n"
    "        cblock 0x0C\n"
    "        count\n"
    "        endc\n"
    "        org 5\n"
    "start   clrf TRISB\n"
    "        incf count,F\n"
    "        goto start\n"
    "        end\n";

class LumoRunChecksTest : public ProgramTest {
protected:
    LumoRunChecksTest() : ProgramTest("lumo checks ") {}
};

TEST_F(LumoRunChecksTest, PrintsEachCheckOnceInEveryForm) {
    const auto source = Write("prog.asm", kSource);
    const auto text = LumoRun({"--checks", "--steps", "50", source});
    ASSERT_EQ(text.exitStatus, 0) << text.err;
    EXPECT_EQ(text.out.find("provera bank, linija 6 (rec 0x005): Instrukcija navodi TRISB (0x86) "
                            "iz banke 1, ali je izabrana banka 0, pa pristupa registru PORTB"),
              0u)
        << text.out;
    const size_t second = text.out.find("\nprovera uninitialised, linija 7 (rec 0x006): Registar count (0x0C)");
    EXPECT_NE(second, std::string::npos) << text.out;
    // Once per line, though the loop ran them many times; the state follows.
    EXPECT_EQ(text.out.find("\nprovera", second + 1), std::string::npos);
    EXPECT_NE(text.out.find("pass 50"), std::string::npos);

    const std::string events = (m_folder.Path() / "events.jsonl").string();
    const auto json = LumoRun({"--checks", "bank", "--json", "--events", events, "--steps", "50", source});
    ASSERT_EQ(json.exitStatus, 0) << json.err;
    const std::string event = "{\"event\":\"check\",\"pass\":0,\"cycle\":0,\"pc\":5,\"kind\":\"bank\",\"line\":6,";
    EXPECT_EQ(json.out.find(event), 0u) << json.out;
    EXPECT_EQ(json.out.find("uninitialised"), std::string::npos) << "only the listed kind";
    std::ifstream file(events);
    std::stringstream written;
    written << file.rdbuf();
    EXPECT_NE(written.str().find(event), std::string::npos) << written.str();

    const auto off = LumoRun({"--steps", "50", source});
    EXPECT_EQ(off.out.find("provera"), std::string::npos);
}
}  // namespace
