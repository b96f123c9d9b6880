// The waveform file: a header that names all 13 pins twice (level and
// direction), the initial values, then only the changes, each at its time
// in nanoseconds at the scenario's clock.
#include "scenario/vcd_writer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "../build/build_test_support.h"
#include "core/state.h"
#include "scenario/scenario_reader.h"
#include "scenario/scenario_run.h"

using namespace scenario;

namespace {
// 5 BSF STATUS,RP0; 6 BCF TRISB,0; 7 BCF STATUS,RP0;
// 8 BSF PORTB,0; 9 BCF PORTB,0; 10 GOTO 8.
const uint16_t kBlink[] = {0x1683, 0x1006, 0x1283, 0x1406, 0x1006, 0x2808};

std::string RunWithVcd(const std::string& yaml, const std::string& path) {
    ResetForLoad();
    for (int i = 0; i < 6; ++i) {
        char text[5];
        std::snprintf(text, sizeof text, "%04X", kBlink[i]);
        for (int c = 0; c < 4; ++c) ProgramImage[4 * (5 + i) + c] = text[c];
    }
    ProgramEnd = core::kProgramImageSize;
    SScenario scenario;
    std::string error;
    EXPECT_TRUE(ReadScenarioText(yaml, "v.yaml", &scenario, &error)) << error;
    CVcdWriter vcd;
    EXPECT_TRUE(vcd.Open(path, scenario.clockHz, &error)) << error;
    const SScenarioReport report = RunScenario(scenario, "blink", &vcd);
    EXPECT_TRUE(vcd.Close(report.cycles, &error)) << error;
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(VcdWriter, HeaderInitialValuesAndTimedChanges) {
    CScratchFolder folder;
    const std::string path = (folder.Path() / "w.vcd").string();
    const std::string vcd =
        RunWithVcd("clock: 1 MHz\nsteps:\n  - run: {cycles: 8}\n  - click: RA2\n", path);

    EXPECT_NE(vcd.find("$timescale 1 ns $end\n$scope module PIC16C84 $end\n"), std::string::npos);
    const std::regex var("\\$var wire 1 ([a-mA-M]) (R[AB][0-7](_tris)?) \\$end");
    int vars = 0;
    for (auto it = std::sregex_iterator(vcd.begin(), vcd.end(), var); it != std::sregex_iterator();
         ++it) {
        ++vars;
    }
    EXPECT_EQ(vars, 26);
    EXPECT_NE(vcd.find("$var wire 1 f RB0 $end"), std::string::npos);
    EXPECT_NE(vcd.find("$var wire 1 F RB0_tris $end"), std::string::npos);
    EXPECT_NE(vcd.find("$upscope $end\n$enddefinitions $end\n#0\n$dumpvars\n0a\n1A\n"),
              std::string::npos)
        << vcd;

    // One cycle is 4000 ns at 1 MHz. TRISB bit 0 clears in cycle 2, RB0
    // rises in cycle 4, falls in 5, rises again in 8 (GOTO takes two); the
    // click on RA2 lands at the same time, and the file ends there.
    const std::string changes = vcd.substr(vcd.find("$end\n#8000"));
    EXPECT_EQ(changes, "$end\n#8000\n0F\n#16000\n1f\n#20000\n0f\n#32000\n1f\n1c\n") << vcd;
}

TEST(VcdWriter, TheEndOfTheRunIsMarkedAndAnUnwritableFileIsNamed) {
    CScratchFolder folder;
    const std::string vcd =
        RunWithVcd("steps:\n  - run: {cycles: 3}\n", (folder.Path() / "w.vcd").string());
    // 4 MHz: 1000 ns a cycle; the last change (TRISB) at 2000, the end at 3000.
    EXPECT_EQ(vcd.substr(vcd.size() - 15), "#2000\n0F\n#3000\n");

    CVcdWriter writer;
    std::string error;
    EXPECT_FALSE(writer.Open((folder.Path() / "no/such/w.vcd").string(), 4e6, &error));
    EXPECT_NE(error.find("no/such/w.vcd"), std::string::npos);
}
}  // namespace
