// The example programs assemble cleanly and keep the layout the simulator
// and a real chip both need: a GOTO to word 5 at word 0, the interrupt
// vector at word 4, the program from word 5.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tasm_test_support.h"

namespace fs = std::filesystem;

namespace {

const char* const kExamples[] = {"counter.asm",     "running_light.asm", "buttons.asm",
                                 "timer_blink.asm", "rb0_counter.asm",   "table.asm"};

std::string ReadExample(const std::string& name) {
    std::ifstream in(fs::path(LUMO_SOURCE_DIR) / "examples" / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(Examples, AssembleCleanlyWithTheResetLayout) {
    for (const char* name : kExamples) {
        std::string source = ReadExample(name);
        ASSERT_FALSE(source.empty()) << name;
        auto result = tasm::Assemble(tasm::CSourceFile{name, name, source}, nullptr);
        ASSERT_EQ(result.errors, 0) << name << "\n" << result.listing;
        auto words = tasm_test::ObjectWords(result.object);
        EXPECT_EQ(words[0], 0x2805u) << name << ": word 0 jumps to word 5";
        unsigned vector = words[4];
        EXPECT_TRUE(vector == 0x0009u || (vector & 0x3800u) == 0x2800u)
            << name << ": word 4 is RETFIE or a GOTO to the interrupt routine";
        EXPECT_TRUE(words.count(5)) << name;
        EXPECT_LT(result.object.size(), 5000u);
        EXPECT_EQ(source.rfind("; ", 0), 0u) << name << " starts with its header comment";
    }
}

}  // namespace

namespace {

constexpr int kPortA = 5;
constexpr int kPortB = 6;

struct CState {
    int pc = 0;
    std::vector<int> registers;
};

// Runs one example through lumo-run from a copy in a folder of its own,
// with the state after every instruction.
std::vector<CState> RunExample(const std::string& name, const std::string& arguments) {
    fs::path folder = fs::temp_directory_path() / ("tasm examples " + std::to_string(getpid()));
    fs::create_directories(folder);
    fs::copy_file(fs::path(LUMO_SOURCE_DIR) / "examples" / name, folder / name,
                  fs::copy_options::overwrite_existing);
    std::string out;
    int status = tasm_test::RunCommand("cd '" + folder.string() +
                                           "' && '" LUMO_BIN_DIR "/lumo-run' --trace --json " +
                                           arguments + " " + name + " 2>/dev/null",
                                       &out);
    fs::remove_all(folder);
    EXPECT_EQ(status, 0) << name;
    std::vector<CState> states;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        CState state;
        size_t pc = line.find("\"pc\":");
        size_t registers = line.find("\"registers\":[");
        if (pc == std::string::npos || registers == std::string::npos) continue;
        state.pc = std::stoi(line.substr(pc + 5));
        std::istringstream values(line.substr(registers + 13));
        int value;
        char separator;
        while (values >> value) {
            state.registers.push_back(value);
            if (!(values >> separator) || separator != ',') break;
        }
        states.push_back(state);
    }
    return states;
}

// The values a register took, each time it changed, from its value at reset.
std::vector<int> Changes(const std::vector<CState>& states, int reg) {
    std::vector<int> values;
    int last = 0;
    for (const CState& state : states) {
        if (state.registers.size() <= static_cast<size_t>(reg)) continue;
        if (state.registers[reg] != last) values.push_back(last = state.registers[reg]);
    }
    return values;
}

TEST(ExampleRuns, CounterCountsUpOnPortB) {
    auto states = RunExample("counter.asm", "--steps 400");
    ASSERT_EQ(states.size(), 400u);
    auto counts = Changes(states, kPortB);
    ASSERT_GE(counts.size(), 5u);
    for (size_t i = 0; i < counts.size(); ++i) EXPECT_EQ(counts[i], static_cast<int>(i + 1));
}

TEST(ExampleRuns, RunningLightMovesOneLedUpAndWraps) {
    auto lights = Changes(RunExample("running_light.asm", "--steps 600"), kPortB);
    const std::vector<int> expected = {1, 2, 4, 8, 16, 32, 64, 128, 0, 1, 2};
    ASSERT_GE(lights.size(), expected.size());
    EXPECT_EQ(std::vector<int>(lights.begin(), lights.begin() + 11), expected)
        << "0 only for the one instruction between RB7 and RB0";
}

TEST(ExampleRuns, ButtonsCopyPortAToPortB) {
    auto states = RunExample("buttons.asm", "--steps 100 --pin RA0@40 --pin RA3@60 --pin RA0@80");
    ASSERT_EQ(states.size(), 100u);
    EXPECT_EQ(states[55].registers[kPortB], 0x01);
    EXPECT_EQ(states[75].registers[kPortB], 0x09);
    EXPECT_EQ(states[99].registers[kPortB], 0x08);
    EXPECT_EQ(states[99].registers[kPortA], 0x08);
}

TEST(ExampleRuns, TimerInterruptBlinksRb0) {
    auto states = RunExample("timer_blink.asm", "--steps 500");
    auto levels = Changes(states, kPortB);
    EXPECT_GE(levels.size(), 4u);
    for (int level : levels) EXPECT_TRUE(level == 0 || level == 1) << level;
    bool vectored = false;
    for (const CState& state : states) vectored |= state.pc == 4;
    EXPECT_TRUE(vectored);
}

TEST(ExampleRuns, Rb0InterruptCountsRisingEdges) {
    // On, off, on, off, on: three presses.
    auto states = RunExample("rb0_counter.asm",
                             "--steps 200 --pin RB0@40 --pin RB0@60 --pin RB0@80 --pin RB0@100 "
                             "--pin RB0@120");
    ASSERT_EQ(states.size(), 200u);
    EXPECT_EQ(states[199].registers[kPortB] >> 1, 3);
    EXPECT_EQ(states[199].registers[kPortB] & 1, 1) << "RB0 stays as the switch left it";
}

TEST(ExampleRuns, TableShowsTheDigitsZeroToNineAndAgain) {
    auto patterns = Changes(RunExample("table.asm", "--steps 1200"), kPortB);
    const std::vector<int> digits = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D,
                                     0x7D, 0x07, 0x7F, 0x6F, 0x3F};
    ASSERT_GE(patterns.size(), digits.size());
    EXPECT_EQ(std::vector<int>(patterns.begin(), patterns.begin() + 11), digits);
}

}  // namespace
