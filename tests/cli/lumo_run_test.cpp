// lumo-run as other tools use it: options, output, exit status, bad input.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "../build/build_test_support.h"
#include "process_runner.h"

namespace {
// Word 5 on: MOVLW 0xFF; MOVWF 0x0C; DECFSZ 0x0C,1; GOTO 7; GOTO 5.
const std::string kDelayLoop =
    HexRecord(0x0000, "2805") + HexRecord(0x000A, "30FF008C0B8C28072805") + EndRecord();

class LumoRunTest : public testing::Test {
protected:
    SProcessResult Run(std::vector<std::string> args) {
        return RunProgram(BinPath("lumo-run"), std::move(args));
    }
    std::string Program(const std::string& object, const std::string& name = "prog.obj") {
        return m_folder.Write(name, object).string();
    }
    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream stream(text);
        for (std::string line; std::getline(stream, line);) lines.push_back(line);
        return lines;
    }
    // The value of one key of a JSON state line.
    static std::string Field(const std::string& line, const std::string& key) {
        const std::regex pattern("\"" + key + "\":(\"[^\"]*\"|[0-9]+)");
        std::smatch match;
        return std::regex_search(line, match, pattern) ? match[1].str() : "?";
    }

    CScratchFolder m_folder;
};

TEST_F(LumoRunTest, JsonStateHasExactlyTheAgreedKeys) {
    const auto result = Run({"--steps", "3", "--json", Program(kDelayLoop)});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    const auto lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 1u);
    const std::string registers = "(,[0-9]+){139}";
    const std::regex shape(
        "\\{\"pass\":3,\"cycles\":3,\"pc\":8,\"w\":255,\"bank\":0,\"mnemonic\":\"DECFSZ\","
        "\"status\":\"running\",\"registers\":\\[[0-9]+" +
        registers + "\\],\"symbols\":\\{\\},\"stack\":\\[\\]\\}");
    EXPECT_TRUE(std::regex_match(lines[0], shape)) << lines[0];
    EXPECT_NE(lines[0].find("\"registers\":[0,0,8,24,0,0,0,0,0,0,0,0,254,"), std::string::npos);
    EXPECT_TRUE(result.err.empty()) << result.err;
}

// The pass count stops the run, which could go on: "running" to the last.
TEST_F(LumoRunTest, TracePrintsEveryPassAndTheLastStillRuns) {
    const auto result = Run({"--steps", "4", "--trace", "--json", Program(kDelayLoop)});
    const auto lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 4u);
    const char* mnemonics[] = {"\"MOVLW\"", "\"MOVWF\"", "\"DECFSZ\"", "\"GOTO\""};
    const char* cycles[] = {"1", "2", "3", "5"};  // GOTO takes two
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Field(lines[i], "pass"), std::to_string(i + 1));
        EXPECT_EQ(Field(lines[i], "cycles"), cycles[i]);
        EXPECT_EQ(Field(lines[i], "mnemonic"), mnemonics[i]);
        EXPECT_EQ(Field(lines[i], "status"), "\"running\"");
    }
}

TEST_F(LumoRunTest, BreakpointPausesBeforeTheInstructionThere) {
    const auto result = Run(
        {"--break", "0x9", "--break", "300", "--json", "--steps", "100000", Program(kDelayLoop)});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    const auto lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(Field(lines[0], "status"), "\"paused\"");
    EXPECT_EQ(Field(lines[0], "pc"), "9");
    EXPECT_EQ(Field(lines[0], "pass"), std::to_string(2 + 255 * 2 - 1));
}

TEST_F(LumoRunTest, BreakpointOnTheLastAllowedPassReportsPaused) {
    const auto result = Run({"--break", "6", "--steps", "1", "--json", Program(kDelayLoop)});
    EXPECT_EQ(Field(result.out, "status"), "\"paused\"");
    EXPECT_EQ(Field(result.out, "pc"), "6");
}

TEST_F(LumoRunTest, LeavingTheProgramEndsWithTheStateBeforeAnyReset) {
    // Word 5: MOVLW 0x42; word 6: GOTO 0x400.
    const auto program = Program(HexRecord(0x000A, "30422C00") + EndRecord());
    const auto result = Run({"--steps", "50", "--json", program});
    EXPECT_EQ(Field(result.out, "pass"), "2");
    EXPECT_EQ(Field(result.out, "pc"), "1024");
    EXPECT_EQ(Field(result.out, "w"), "66");
    EXPECT_EQ(Field(result.out, "status"), "\"ended\"");
}

TEST_F(LumoRunTest, InputPinsFlipAndOutputPinsComplain) {
    // Word 5 on: BSF STATUS,5; CLRF TRISB; BCF STATUS,5; then GOTO 8.
    const auto program = Program(HexRecord(0x000A, "1683018612832808") + EndRecord());
    const auto result = Run(
        {"--pin", "RA4@0", "--pin", "rb3@1", "--pin", "RB3@4", "--json", "--steps", "5", program});
    ASSERT_EQ(result.exitStatus, 0);
    // RA4 flips (TRISA is all inputs); RB3 is still an input before pass 1
    // and an output before pass 4.
    EXPECT_NE(result.out.find("\"registers\":[0,0,8,28,0,16,8,"), std::string::npos) << result.out;
    EXPECT_EQ(result.err, "Port je setovan kao izlazni\n");
}

TEST_F(LumoRunTest, EventFileAgreesWithTheStatesOfThePasses) {
    // Word 5 on: MOVLW 0x90; MOVWF INTCON; GOTO 7. Word 4: RETFIE. INTF is
    // never cleared, so every RETFIE is followed by another acceptance.
    const auto program =
        Program(HexRecord(0x0008, "0009") + HexRecord(0x000A, "3090008B2807") + EndRecord());
    const std::string events = (m_folder.Path() / "events.jsonl").string();
    const auto result =
        Run({"--pin", "RB0@3", "--events", events, "--steps", "6", "--json", program});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    std::ifstream file(events);
    std::stringstream text;
    text << file.rdbuf();
    const auto lines = Lines(text.str());
    const std::vector<std::string> expected = {
        R"({"event":"start","pass":0,"cycle":0,"pc":5})",
        R"({"event":"pin","pass":3,"cycle":4,"pc":7,"pin":"RB0","level":1})",
        R"({"event":"accept","pass":4,"cycle":6,"pc":7,"cause":["INTF"]})",
        R"({"event":"interrupt","pass":5,"cycle":8,"pc":4,"return":7,"cause":["INTF"]})",
        R"({"event":"retfie","pass":6,"cycle":10,"pc":7})",
        R"({"event":"accept","pass":6,"cycle":10,"pc":7,"cause":["INTF"]})",
        R"({"event":"end","pass":6,"cycle":10,"pc":7})",
    };
    EXPECT_EQ(lines, expected);

    // The state after the entry's pass stands at word 4 with the same cycle.
    const auto state = Run({"--pin", "RB0@3", "--steps", "5", "--json", program});
    EXPECT_EQ(Field(state.out, "pc"), "4");
    EXPECT_EQ(Field(state.out, "cycles"), "8");
}

TEST_F(LumoRunTest, BackKGivesTheStateOfTheRunKInstructionsShorter) {
    // Timer 0 interrupts every 256 cycles on top of the delay loop, and pin
    // clicks on RB0 and RB4 (inputs) that raise INTF and RBIF.
    const auto program = Program(
        HexRecord(0x0008, "2820") +  // 4: GOTO isr
                                     // 5: INTCON 0xB8; OPTION 0x08 (timer mode, no prescaler)
        HexRecord(0x000A, "30B8008B3008168300811283") +
        HexRecord(0x0016, "30FF008C0B8C280D280B") +  // 11: delay loop
        // isr: clear T0IF, INTF, RBIF; RETFIE
        HexRecord(0x0040, "110B108B100B0009") + EndRecord());
    const std::vector<std::string> pins = {"--pin", "RB0@100",  "--pin", "RB4@2000",
                                           "--pin", "RB0@2001", "--pin", "RB4@5000"};
    const int kPasses = 9000;
    for (int back : {1, 7, 999, 4096, 5000, 8999}) {
        std::vector<std::string> args = pins;
        for (const char* arg : {"--json", "--steps"}) args.push_back(arg);
        args.push_back(std::to_string(kPasses));
        std::vector<std::string> shorter = args;
        shorter.back() = std::to_string(kPasses - back);
        args.insert(args.end(), {"--back", std::to_string(back)});
        args.push_back(program);
        shorter.push_back(program);
        const auto wentBack = Run(args);
        const auto ran = Run(shorter);
        ASSERT_EQ(wentBack.exitStatus, 0) << wentBack.err;
        EXPECT_EQ(wentBack.out, ran.out) << "back " << back;
        EXPECT_NE(Field(ran.out, "cycles"), "?");
    }
}

TEST_F(LumoRunTest, AnEventFileThatCannotBeWrittenFailsTheRun) {
    const auto result = Run({"--events", m_folder.Path().string(), Program(kDelayLoop)});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_NE(result.err.find("cannot write the event file"), std::string::npos) << result.err;
}

TEST_F(LumoRunTest, CoreMessagesGoToStderrAndTheRunGoesOn) {
    // Word 5: RETURN with an empty stack, continues at word 0: GOTO 5.
    const auto program =
        Program(HexRecord(0x0000, "2805") + HexRecord(0x000A, "0008") + EndRecord());
    const auto result = Run({"--steps", "4", "--json", program});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.err, "Stek je prazan\nStek je prazan\n");
    EXPECT_EQ(Field(result.out, "pass"), "4");
}

TEST_F(LumoRunTest, TextOutputReadsLikeTheRegisterDisplay) {
    const auto result = Run({"--steps", "2", Program(kDelayLoop)});
    EXPECT_NE(result.out.find("PC=7"), std::string::npos);
    EXPECT_NE(result.out.find("W=255  INTCON=00000000  STATUS=00011000  OPT=11111111  "
                              "TRISA=00011111  TRISB=11111111"),
              std::string::npos);
    EXPECT_NE(result.out.find("R12=255"), std::string::npos);
    EXPECT_NE(result.out.find("R47=0"), std::string::npos);
    EXPECT_NE(result.out.find("Izvrsila se: MOVWF"), std::string::npos);
}

TEST_F(LumoRunTest, ZeroStepsPrintsTheResetState) {
    const auto result = Run({"--steps", "0", "--json", Program(kDelayLoop)});
    EXPECT_EQ(Field(result.out, "pass"), "0");
    EXPECT_EQ(Field(result.out, "pc"), "5");
    EXPECT_EQ(Field(result.out, "mnemonic"), "\"\"");
    EXPECT_EQ(Field(result.out, "status"), "\"running\"");
}

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
};

void PrintTo(const UsageCase& c, std::ostream* os) {
    *os << c.name;
}

class BadUsage : public LumoRunTest, public testing::WithParamInterface<UsageCase> {};

TEST_P(BadUsage, ExitsWith2AndShowsTheUsage) {
    const auto result = Run(GetParam().args);
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_NE(result.err.find("usage: lumo-run"), std::string::npos);
    EXPECT_TRUE(result.out.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, BadUsage,
    testing::Values(UsageCase{"no_program", {}}, UsageCase{"unknown_option", {"--fast", "a.obj"}},
                    UsageCase{"steps_not_a_number", {"--steps", "ten", "a.obj"}},
                    UsageCase{"negative_steps", {"--steps", "-1", "a.obj"}},
                    UsageCase{"steps_without_value", {"a.obj", "--steps"}},
                    UsageCase{"break_zero", {"--break", "0", "a.obj"}},
                    UsageCase{"break_beyond_program", {"--break", "1024", "a.obj"}},
                    UsageCase{"nine_breakpoints",
                              {"--break", "1", "--break", "2", "--break", "3", "--break", "4",
                               "--break", "5", "--break", "6", "--break", "7", "--break", "8",
                               "--break", "9", "a.obj"}},
                    UsageCase{"pin_without_pass", {"--pin", "RB0", "a.obj"}},
                    UsageCase{"no_such_pin", {"--pin", "RA5@0", "a.obj"}},
                    UsageCase{"two_programs", {"a.obj", "b.obj"}},
                    UsageCase{"realtime_zero", {"--realtime", "0", "a.obj"}},
                    UsageCase{"realtime_over_zero", {"--realtime", "1/0", "a.obj"}},
                    UsageCase{"realtime_too_fast", {"--realtime", "5000", "a.obj"}},
                    UsageCase{"not_a_program", {LUMO_SOURCE_DIR "/README.md"}}),
    [](const testing::TestParamInfo<UsageCase>& info) { return std::string(info.param.name); });

TEST_F(LumoRunTest, UnloadableProgramsExitWith1AndNameTheFile) {
    const std::string missing = m_folder.Folder() + "missing.obj";
    auto result = Run({missing});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_NE(result.err.find(missing), std::string::npos);
    EXPECT_TRUE(result.out.empty());

    for (const char* folder : {"folder.obj", "folder"}) {
        std::filesystem::create_directory(m_folder.Path() / folder);
        result = Run({m_folder.Folder() + folder});
        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_NE(result.err.find(m_folder.Folder() + folder + " is a folder"), std::string::npos)
            << result.err;
    }
    result = Run({m_folder.Folder() + "missing"});
    EXPECT_EQ(result.exitStatus, 1);
}

TEST_F(LumoRunTest, EmptyGarbageAndHugeObjectFilesRunToTheImageEnd) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) & 0xFF);
    const std::string huge = kDelayLoop + std::string(10 * 1024 * 1024, 'F');
    for (const auto& [name, text] : std::vector<std::pair<std::string, std::string>>{
             {"empty.obj", ""}, {"garbage.obj", garbage}, {"huge.obj", huge}}) {
        const auto result = Run({"--steps", "100000", "--json", Program(text, name)});
        EXPECT_EQ(result.exitStatus, 0) << name << result.err;
        EXPECT_EQ(Lines(result.out).size(), 1u) << name;
        if (name == "huge.obj") {
            EXPECT_EQ(Field(result.out, "status"), "\"running\"");
            EXPECT_EQ(Field(result.out, "pass"), "100000");
        } else if (name == "empty.obj") {
            EXPECT_EQ(Field(result.out, "pass"), "1019");
            EXPECT_EQ(Field(result.out, "pc"), "1024");
        }
    }
}
}  // namespace

namespace {
// Word 5 on: BSF STATUS,RP0; CLRF TRISB; BCF STATUS,RP0; INCF PORTB,1; GOTO 8:
// PORTB counts, k after pass 2k + 2.
const std::string kCounter = HexRecord(0x0000, "2805") +
                             HexRecord(0x000A,
                                       "168301861283"
                                       "0A862808") +
                             EndRecord();

TEST_F(LumoRunTest, UntilPausesWhenThePinsComeToMeetTheCondition) {
    struct SCase {
        const char* until;
        const char* pass;  // printed, or null when refused
    };
    const SCase cases[] = {
        {"RB0:rise", "4"},      // PORTB 1
        {"RB2=1,RB0=1", "12"},  // PORTB 5
        {"rb1:fall", "10"},     // 4
        {"RB3:edge", "18"},     // 8
        {"RB9=1", nullptr},    {"RB0=high", nullptr},
    };
    for (const SCase& c : cases) {
        const auto result =
            Run({"--json", "--steps", "100", "--until", c.until, Program(kCounter)});
        if (c.pass == nullptr) {
            EXPECT_NE(result.exitStatus, 0) << c.until;
            EXPECT_NE(result.err.find("--until"), std::string::npos) << result.err;
            continue;
        }
        ASSERT_EQ(result.exitStatus, 0) << c.until << ": " << result.err;
        EXPECT_EQ(Field(result.out, "pass"), c.pass) << c.until;
        EXPECT_EQ(Field(result.out, "status"), "\"paused\"") << c.until;
    }
}
}  // namespace
