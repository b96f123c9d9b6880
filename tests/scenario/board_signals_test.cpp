// The board's signals as the waveform file and the logic analyser's trace
// carry them: an LCD written on a 4-bit bus and a key held for a while, at
// a clock slow enough (40 kHz, 100 us a cycle) that the LCD's busy times are
// a handful of cycles and every edge can be counted by hand.
#include "board/board_signals.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "../build/build_test_support.h"
#include "board/board_reader.h"
#include "core/pin_signal.h"
#include "core/pin_trace.h"
#include "core/state.h"
#include "scenario/scenario_reader.h"
#include "scenario/scenario_run.h"
#include "scenario/vcd_writer.h"

using namespace scenario;

namespace {
// RS on RA2, E on RA3, D4-D7 on RB4-RB7; cycle counts at each word's end.
const uint16_t kLcdWrite[] = {
    0x1683,  // 05 BSF STATUS,RP0                       1
    0x0185,  // 06 CLRF TRISA                           2
    0x0186,  // 07 CLRF TRISB                           3
    0x1283,  // 08 BCF STATUS,RP0                       4
    0x3021,  // 09 MOVLW 33                             5
    0x008C,  // 0A MOVWF 0x0C                           6
    0x0B8C,  // 0B DECFSZ 0x0C,F  past the power-on busy time (10 ms, 100 cycles)
    0x280B,  // 0C GOTO 0B                              ends at 104
    0x3020,  // 0D MOVLW 0x20                           105
    0x0086,  // 0E MOVWF PORTB    nibble 2: 4-bit bus   106
    0x1585,  // 0F BSF PORTA,3    E                     107
    0x1185,  // 10 BCF PORTA,3                          108
    0x0186,  // 11 CLRF PORTB     0x0C: display on      109
    0x1585,  // 12 BSF PORTA,3                          110
    0x1185,  // 13 BCF PORTA,3                          111
    0x30C0,  // 14 MOVLW 0xC0                           112
    0x0086,  // 15 MOVWF PORTB                          113
    0x1585,  // 16 BSF PORTA,3                          114
    0x1185,  // 17 BCF PORTA,3                          115
    0x1505,  // 18 BSF PORTA,2    RS: data              116
    0x3040,  // 19 MOVLW 0x40                           117
    0x0086,  // 1A MOVWF PORTB    'A' = 0x41            118
    0x1585,  // 1B BSF PORTA,3                          119
    0x1185,  // 1C BCF PORTA,3                          120
    0x3010,  // 1D MOVLW 0x10                           121
    0x0086,  // 1E MOVWF PORTB                          122
    0x1585,  // 1F BSF PORTA,3                          123
    0x1185,  // 20 BCF PORTA,3                          124
    0x2821,  // 21 GOTO 21
};

const char kBoard[] =
    "parts:\n"
    "  - lcd: {name: LCD, data: [RB4, RB5, RB6, RB7], rs: RA2, e: RA3}\n"
    "  - keypad: {name: KEYS, rows: [RB0, RB1, RB2, RB3], columns: [RA0, RA1, RA4],"
    " keys: [\"123\", \"456\", \"789\", \"*0#\"]}\n";

using SSteps = std::vector<core::SSignalStep>;

// The board's scopes of a waveform file, read back: each signal's values
// with the cycle they start at. (The pins' lines have one letter, so none
// of them is taken for a board's signal.)
std::map<std::string, SSteps> ReadBoardSignals(const std::string& vcd, double nsPerCycle) {
    std::map<std::string, std::string> names;  // code -> PART.name
    std::map<std::string, SSteps> steps;
    std::istringstream in(vcd.substr(vcd.find("$upscope $end\n") + 14));
    std::string line;
    std::string scope;
    uint64_t cycle = 0;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string first, second, third, fourth;
        words >> first >> second >> third >> fourth;
        if (first == "$scope") scope = third;
        if (first == "$var") {
            std::string name;
            words >> name;
            names[fourth] = scope + "." + name;
        }
        if (first[0] == '#')
            cycle = static_cast<uint64_t>(std::stoll(first.substr(1)) / nsPerCycle);
        std::string code, bits;
        if (first[0] == 'b') {
            code = second;
            bits = first.substr(1);
        } else if (first[0] == '0' || first[0] == '1') {
            code = first.substr(1);
            bits = first.substr(0, 1);
        }
        if (!names.contains(code)) continue;
        const auto value = static_cast<uint32_t>(std::stoul(bits, nullptr, 2));
        // A viewer shows the last of several values at one time.
        SSteps& signal = steps[names[code]];
        if (!signal.empty() && signal.back().cycle == cycle) signal.pop_back();
        if (signal.empty() || signal.back().value != value) signal.push_back({cycle, value});
    }
    return steps;
}

TEST(BoardSignals, LcdNibblesAndAKeyPressAreTheSameInTheWaveformsAndTheTrace) {
    CScratchFolder folder;
    const std::string boardPath = folder.Write("b.board.yaml", kBoard).string();
    ResetForLoad();
    for (size_t i = 0; i < std::size(kLcdWrite); ++i) {
        char text[5];
        std::snprintf(text, sizeof text, "%04X", kLcdWrite[i]);
        for (int c = 0; c < 4; ++c) ProgramImage[4 * (5 + i) + c] = text[c];
    }
    ProgramEnd = core::kProgramImageSize;
    SScenario scenario;
    std::string error;
    ASSERT_TRUE(ReadScenarioText("clock: 40 kHz\nboard: " + boardPath +
                                     "\nsteps:\n  - run: {cycles: 110}\n  - press: KEYS.5\n"
                                     "  - run: {cycles: 10}\n  - release: KEYS.5\n"
                                     "  - run: {cycles: 20}\n  - expect: {LCD: \"A\"}\n",
                                 "s.yaml", &scenario, &error))
        << error;
    const std::string vcdPath = (folder.Path() / "w.vcd").string();
    CVcdWriter vcd;
    ASSERT_TRUE(vcd.Open(vcdPath, scenario.clockHz, &error)) << error;
    const SScenarioReport report = RunScenario(scenario, "lcd", &vcd);
    ASSERT_TRUE(vcd.Close(report.cycles, &error)) << error;
    // The LCD took every byte: its bus was read at the right edges.
    ASSERT_TRUE(report.passed) << report.loadFailure;
    std::ifstream in(vcdPath);
    std::stringstream text;
    text << in.rdbuf();
    const std::string file = text.str();
    EXPECT_NE(file.find("$scope module LCD $end\n$var wire 1 na RS $end\n$var wire 1 nb E $end\n"),
              std::string::npos)
        << file;
    EXPECT_NE(file.find("$var wire 8 nh key $end"), std::string::npos) << file;

    std::map<std::string, SSteps> waves = ReadBoardSignals(file, 4e9 / scenario.clockHz);
    const core::SPinTraceCopy trace = core::PinTrace.Read(0, UINT64_MAX);
    board::SBoard wiring;
    ASSERT_TRUE(board::ReadBoardFile(boardPath, &wiring, &error)) << error;
    const std::vector<core::SBoardSignal> signals = board::BoardSignals(wiring);
    ASSERT_EQ(trace.boardWidth, 2u);  // busy and key; the lines are the pins' own
    ASSERT_EQ(waves.size(), signals.size());
    std::map<std::string, SSteps> traced;
    for (size_t s = 0; s < signals.size(); ++s) {
        const std::string name = signals[s].part + "." + signals[s].name;
        traced[name] = core::BoardSignalSteps(trace, signals[s]);
        EXPECT_EQ(waves[name], traced[name]) << name;
    }

    // E strobes the function set's one nibble, then display on and 'A' as
    // two nibbles each; the LCD is busy 10 ms from power-on, then one cycle
    // (37 us) after each byte, seen at the end of the pass it ends in (the
    // last in GOTO's second cycle).
    EXPECT_EQ(traced["LCD.E"], (SSteps{{0, 0},
                                       {107, 1},
                                       {108, 0},
                                       {110, 1},
                                       {111, 0},
                                       {114, 1},
                                       {115, 0},
                                       {119, 1},
                                       {120, 0},
                                       {123, 1},
                                       {124, 0}}));
    EXPECT_EQ(
        traced["LCD.busy"],
        (SSteps{{0, 1}, {100, 0}, {108, 1}, {109, 0}, {115, 1}, {116, 0}, {124, 1}, {126, 0}}));
    EXPECT_EQ(traced["LCD.RS"], (SSteps{{0, 0}, {116, 1}}));
    EXPECT_EQ(traced["LCD.D4"], (SSteps{{0, 0}, {122, 1}}));
    EXPECT_EQ(traced["LCD.D5"], (SSteps{{0, 0}, {106, 1}, {109, 0}}));
    EXPECT_EQ(traced["LCD.D6"], (SSteps{{0, 0}, {113, 1}, {122, 0}}));
    EXPECT_EQ(traced["LCD.D7"], (SSteps{{0, 0}, {113, 1}, {118, 0}}));
    // The key '5' joins ROW2 and COL2 from the pass it is pressed after to
    // the one it is released after.
    EXPECT_EQ(traced["KEYS.key"], (SSteps{{0, 0}, {110, '5'}, {120, 0}}));
}

}  // namespace
