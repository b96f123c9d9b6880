// Scenarios played on small programs in this process: every step kind,
// every comparison, and each way a step fails, with its message.
#include "scenario/scenario_run.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "../build/build_test_support.h"
#include "build/source_file.h"
#include "core/pin_input.h"
#include "core/platform/auto_reset_event.h"
#include "core/state.h"
#include "scenario/scenario_reader.h"
#include "scenario/scenario_report.h"
#include "scenario/vcd_writer.h"

using namespace scenario;

namespace {
// Word 5 on:
//  5 BSF STATUS,RP0   6 CLRF TRISB   7 BCF STATUS,RP0   8 MOVLW 0x2A
//  9 MOVWF 0x0C       loop: 10 INCF 0x0D,F   11 CALL sub   12 GOTO loop
// 13 NOP              sub: 14 MOVWF PORTB    15 RETURN
// The first five instructions take 5 cycles, each round of the loop 8.
const std::vector<uint16_t> kCounter = {0x1683, 0x0186, 0x1283, 0x302A, 0x008C, 0x0A8D,
                                        0x200E, 0x280A, 0x0000, 0x0086, 0x0008};
const char kListing[] =
    "   1   000A           loop:   incf 0x0D,F\n"
    "   2   000E           sub:    movwf PORTB\n";

class ScenarioRunTest : public testing::Test {
protected:
    void SetUp() override { Load(5, kCounter); }

    void Load(int at, const std::vector<uint16_t>& words) {
        ResetForLoad();
        for (size_t i = 0; i < words.size(); ++i) {
            char text[5];
            std::snprintf(text, sizeof text, "%04X", words[i]);
            for (int c = 0; c < 4; ++c) ProgramImage[4 * (at + i) + c] = text[c];
        }
        ProgramEnd = core::kProgramImageSize;
        m_folder.Write("prog.lst", kListing);
        SourceFolder = m_folder.Folder();
        ListingFileName = "prog.lst";
    }

    SScenarioReport Play(const std::string& yaml, CVcdWriter* vcd = nullptr) {
        SScenario scenario;
        std::string error;
        EXPECT_TRUE(ReadScenarioText(yaml, "t.yaml", &scenario, &error)) << error;
        return RunScenario(scenario, "prog", vcd);
    }

    // The failure of the only failed step, "" when all held.
    static std::string Failure(const SScenarioReport& report) {
        for (const SStepReport& step : report.steps) {
            if (step.result == EStepResult::Failed) return step.failure;
        }
        return "";
    }

    CScratchFolder m_folder;
};

TEST_F(ScenarioRunTest, EveryRunKindStopsWhereItShould) {
    const auto report = Play(
        "clock: 400 kHz\n"  // one cycle is 10 us
        "steps:\n"
        "  - run: {cycles: 5}\n"
        "  - expect: {cycles: 5, instructions: 5, W: 0x2A, '0x0C': 42, TRISB: 0, PC: loop}\n"
        "  - run: {instructions: 5}\n"
        "  - expect: {cycles: 13, PC: loop, '0x0D': 1}\n"
        "  - run: {us: 80}\n"
        "  - expect: {cycles: 21, '0x0D': 2}\n"
        "  - run: {until: sub}\n"
        "  - expect: {PC: 14, stack: 1, cycles: 24}\n"
        "  - run: {until: 0x0C}\n"
        "  - expect: {stack: 0, PORTB: 0x2A, RB1: 1, RB0: 0}\n"
        "  - run: {until: {'0x0D': 5, PC: loop}}\n"
        "  - expect: {'0x0D': 5, PC: 10}\n");
    EXPECT_TRUE(report.passed) << Failure(report);
    EXPECT_EQ(report.cycles, 45u);
    EXPECT_EQ(report.steps.size(), 12u);
}

TEST_F(ScenarioRunTest, AnUntilRunsAtLeastOneInstruction) {
    // At loop already: the next visit is one round (8 cycles) later.
    const auto report =
        Play("steps:\n  - run: {until: loop}\n  - run: {until: loop}\n  - expect: {cycles: 13}\n");
    EXPECT_TRUE(report.passed) << Failure(report);
}

// A run until a pin's edge stops after the pass that made it: port B counts
// up by one every 3 cycles from cycle 4 on (RB0 rises at 4, falls at 7).
TEST_F(ScenarioRunTest, AnUntilWaitsForAPinsEdge) {
    // 5 BSF STATUS,RP0  6 CLRF TRISB  7 BCF STATUS,RP0  8 INCF PORTB,F  9 GOTO 8
    Load(5, {0x1683, 0x0186, 0x1283, 0x0A86, 0x2808});
    const struct {
        const char* until;
        int cycles;
    } kCases[] = {
        {"{RB0: rise}", 4},          {"{RB0: fall}", 7},         {"{RB1: Rise}", 7},
        {"{RB2: rise}", 13},         {"{RB0: edge, RB1: 1}", 7},  // both at once: RB0 falls as RB1
                                                                  // rises
        {"{RB0: rise, RB1: 1}", 10},  // not at 4, where port B became 1, but at 3
    };
    for (const auto& c : kCases) {
        const auto report = Play(std::string("steps:\n  - run: {until: ") + c.until +
                                 "}\n  - expect: {cycles: " + std::to_string(c.cycles) + "}\n");
        EXPECT_TRUE(report.passed) << c.until << ": " << Failure(report);
    }
    SScenario scenario;
    std::string error;
    EXPECT_FALSE(
        ReadScenarioText("steps:\n  - expect: {RB0: rise}\n", "t.yaml", &scenario, &error));
    EXPECT_EQ(error, "t.yaml:2:19: RB0: rise je promena pina: na nju ceka samo run until");
}

TEST_F(ScenarioRunTest, EveryComparisonHoldsAndFails) {
    struct Case {
        const char* value;
        bool holds;  // against cycles == 5
    } cases[] = {{"5", true},    {"== 5", true}, {"== 6", false}, {"!= 4", true},  {"!= 5", false},
                 {"< 6", true},  {"< 5", false}, {"<= 5", true},  {"<= 4", false}, {"> 4", true},
                 {"> 5", false}, {">= 5", true}, {">= 6", false}, {">=0x05", true}};
    for (const Case& c : cases) {
        const auto report = Play("steps:\n  - run: {cycles: 5}\n  - expect: {cycles: '" +
                                 std::string(c.value) + "'}\n");
        EXPECT_EQ(report.passed, c.holds) << c.value;
    }
}

TEST_F(ScenarioRunTest, MismatchesShowExpectedAndActualInHexAndBinary) {
    const auto report = Play(
        "steps:\n  - run: {cycles: 5}\n"
        "  - expect: {W: 0x2A, '0x0C': '!= 42', Z: 0, PC: sub, stack: '> 0'}\n"
        "  - run: {cycles: 1}\n");
    ASSERT_FALSE(report.passed);
    const SStepReport& expect = report.steps[1];
    EXPECT_EQ(expect.failure, "4 od 5 ocekivanja nije ispunjeno");
    ASSERT_EQ(expect.mismatches.size(), 4u);
    EXPECT_EQ(expect.mismatches[0].key, "0x0C");
    EXPECT_EQ(expect.mismatches[0].expected, "!= 0x2A (00101010)");
    EXPECT_EQ(expect.mismatches[0].actual, "0x2A (00101010)");
    // CLRF TRISB set Z.
    EXPECT_EQ(expect.mismatches[1].expected, "== 0");
    EXPECT_EQ(expect.mismatches[1].actual, "1");
    EXPECT_EQ(expect.mismatches[2].expected, "== 0x000E (sub)");
    EXPECT_EQ(expect.mismatches[2].actual, "0x000A");
    EXPECT_EQ(expect.mismatches[3].key, "stack");
    EXPECT_EQ(report.steps[2].result, EStepResult::Skipped);
    EXPECT_EQ(report.cycles, 5u);
}

TEST_F(ScenarioRunTest, ClicksAndSetsDriveInputPinsAndRefuseOutputs) {
    const auto report = Play(
        "steps:\n"
        "  - click: RA0\n"
        "  - expect: {RA0: 1, PORTA: 0x01}\n"
        "  - set: {RA0: 1, RA4: 1}\n"  // RA0 already 1: stays
        "  - expect: {PORTA: 0x11}\n"
        "  - set: {RA0: 0}\n"
        "  - expect: {PORTA: 0x10}\n"
        "  - run: {cycles: 2}\n"  // TRISB cleared: port B drives
        "  - click: RB3\n");
    ASSERT_FALSE(report.passed);
    EXPECT_EQ(report.steps[6].result, EStepResult::Held);
    EXPECT_EQ(report.steps[7].failure, "RB3: Port je setovan kao izlazni");
    EXPECT_EQ(RegisterFile[PORTB], 0);

    // Even a level that already holds is refused on an output pin.
    const auto set = Play("steps:\n  - run: {cycles: 2}\n  - set: {RB0: 0}\n");
    EXPECT_EQ(Failure(set), "RB0: Port je setovan kao izlazni");
}

TEST_F(ScenarioRunTest, SetWritesWAndRegistersBeforeTheNextInstruction) {
    // After MOVWF 0x0C the loop calls sub, which writes W to PORTB.
    const auto report = Play(
        "steps:\n"
        "  - run: {until: loop}\n"
        "  - set: {W: 0x33, '0x0C': 7, STATUS: 0x20}\n"
        "  - expect: {W: 0x33, '0x0C': 7, RP0: 1, STATUS: 0x20}\n"
        "  - run: {until: sub}\n"
        "  - set: {STATUS: 0}\n"
        "  - run: {instructions: 1}\n"
        "  - expect: {PORTB: 0x33, TRISB: 0}\n");
    EXPECT_TRUE(report.passed) << Failure(report);
}

// In the window the inputs wait in the worker's queue: a pin level is still
// compared with the port the settings before it wrote.
TEST_F(ScenarioRunTest, ASetComparesPinsWithThePortItsEarlierSettingsWrote) {
    core::CAutoResetEvent worker;
    core::SetPinClickWorker(&worker);
    const auto report = Play(
        "steps:\n"
        "  - set: {PORTB: 0x01, RB0: 0, RA1: 1}\n"
        "  - expect: {PORTB: 0, PORTA: 0x02}\n");
    core::SetPinClickWorker(nullptr);
    EXPECT_TRUE(report.passed) << Failure(report);
}

TEST_F(ScenarioRunTest, TheLimitStopsEveryKindOfRun) {
    EXPECT_EQ(Failure(Play("limit: 20\nsteps:\n  - run: {cycles: 100}\n")),
              "dostignuta granica od 20 ciklusa (PC 0x000A, ciklus 21)");
    EXPECT_EQ(Failure(Play("limit: 20\nsteps:\n  - run: {instructions: 1000}\n")).substr(0, 33),
              "dostignuta granica od 20 ciklusa ");
    EXPECT_EQ(Failure(Play("limit: 100\nsteps:\n  - run: {until: {'0x0D': 0xFF}}\n")),
              "uslov '0x0D == 0xFF' nije ispunjen: dostignuta granica od 100 ciklusa (PC 0x000A, "
              "ciklus 101)");
    // The limit counts the whole scenario, not each step.
    EXPECT_TRUE(Play("limit: 20\nsteps:\n  - run: {cycles: 10}\n  - run: {cycles: 10}\n").passed);
    EXPECT_FALSE(Play("limit: 20\nsteps:\n  - run: {cycles: 10}\n  - run: {cycles: 11}\n").passed);
}

TEST_F(ScenarioRunTest, LeavingTheProgramSaysWhichInstructionAndWhere) {
    // 5 MOVLW 3; 6 GOTO 0x3FF; word 1023 NOP runs off the end.
    Load(5, {0x3003, 0x2BFF});
    for (int c = 0; c < 4; ++c) ProgramImage[4 * 1023 + c] = '0';
    const auto report = Play("steps:\n  - run: {instructions: 100}\n  - expect: {W: 3}\n");
    EXPECT_EQ(Failure(report),
              "PC je napustio program: NOP na adresi 0x03FF odveo je PC na 0x0400 (ciklus 4)");
    EXPECT_EQ(report.steps[1].result, EStepResult::Skipped);
}

// A check with points of its own that fails loses them and the run goes on;
// one without ends the scenario, and what follows it earns nothing.
TEST_F(ScenarioRunTest, ChecksWithPointsEarnPartOfTheScenario) {
    const auto report = Play(
        "steps:\n"
        "  - run: {cycles: 5}\n"
        "  - expect: {W: 0x2A}\n"
        "    points: 2\n"
        "  - expect: {W: 0x2B}\n"
        "    points: 3\n"
        "  - run: {until: sub}\n"
        "    points: 1\n"
        "  - expect: {stack: 2}\n"
        "  - expect: {stack: 1}\n"
        "    points: 4\n");
    std::vector<EStepResult> results;
    for (const SStepReport& step : report.steps) results.push_back(step.result);
    EXPECT_EQ(results, (std::vector<EStepResult>{EStepResult::Held, EStepResult::Held,
                                                 EStepResult::Failed, EStepResult::Held,
                                                 EStepResult::Failed, EStepResult::Skipped}));
    EXPECT_FALSE(report.passed);
    EXPECT_EQ(report.points, 10);
    EXPECT_EQ(EarnedPoints(report), 3);
    const std::string text = ReportText(report);
    EXPECT_NE(text.find("GRESKA     expect [0/3]: 1 od 1"), std::string::npos) << text;
    EXPECT_NE(text.find("PAO (3/10 poena)"), std::string::npos) << text;

    // Without points of their own, all of the scenario's or nothing.
    EXPECT_EQ(EarnedPoints(Play("points: 4\nsteps:\n  - expect: {W: 1}\n")), 0);
    EXPECT_EQ(EarnedPoints(Play("points: 4\nsteps:\n  - expect: {W: 0}\n")), 4);
}

TEST_F(ScenarioRunTest, AnUnknownLabelFailsAtOnce) {
    const auto report = Play("steps:\n  - run: {until: nowhere}\n");
    EXPECT_EQ(Failure(report), "PC: labela 'nowhere' nije nadjena u listingu programa");
    EXPECT_EQ(report.cycles, 0u);
}

TEST_F(ScenarioRunTest, RunTimeMessagesStayWithTheirStep) {
    // 5 RETURN with an empty stack goes to word 0; NOPs up to 4, then RETURN again.
    Load(5, {0x0008});
    const auto report = Play("steps:\n  - run: {instructions: 1}\n  - run: {instructions: 6}\n");
    EXPECT_TRUE(report.passed);
    EXPECT_EQ(report.steps[0].messages, std::vector<std::string>{"Stek je prazan"});
    EXPECT_EQ(report.steps[1].messages, std::vector<std::string>{"Stek je prazan"});
}

TEST_F(ScenarioRunTest, AFreshRunEveryTime) {
    const std::string yaml = "steps:\n  - click: RA1\n  - run: {cycles: 9}\n";
    const auto first = Play(yaml);
    const auto second = Play(yaml);
    EXPECT_EQ(first.cycles, second.cycles);
    EXPECT_EQ(RegisterFile[PORTA], 0x02);
    EXPECT_EQ(RegisterFile[0x0D], 1);
}
}  // namespace

namespace {
// The counter's variables as tasm names them: 0x0C start, 0x0D presses, and
// a name that stands for PCL.
const char kNamesMap[] =
    "LUMOMAP 2\n"
    "F 0 prog.asm\n"
    "S R 2 pcl_copy\n"
    "S R 0D presses\n"
    "S R 0C start\n";

TEST_F(ScenarioRunTest, ScenariosNameTheProgramsVariables) {
    m_folder.Write("prog.map", kNamesMap);
    SourceFileName = "prog.asm";
    // Case aside, as long as only one variable matches.
    const auto report = Play(
        "steps:\n"
        "  - run: {cycles: 5}\n"
        "  - expect: {start: 42, Presses: 0}\n"
        "  - set: {presses: 7}\n"
        "  - run: {instructions: 1}\n"
        "  - expect: {presses: 8, '0x0D': 8}\n"
        "  - run: {until: {presses: 9}}\n"
        "  - expect: {cycles: 14}\n");
    EXPECT_TRUE(report.passed) << Failure(report);

    const struct {
        const char* yaml;
        const char* failure;
    } kRefused[] = {
        {"steps:\n  - expect: {pressed: 1}\n",
         "nepoznato ime 'pressed': nije registar, bit ni pin cipa, a program nema promenljivu "
         "tog imena (promenljive programa: pcl_copy, presses, start)"},
        {"steps:\n  - set: {pcl_copy: 1}\n", "set: pcl_copy: PCL prati PC i ne moze se menjati"},
    };
    for (const auto& refused : kRefused) {
        const auto failed = Play(refused.yaml);
        EXPECT_FALSE(failed.passed);
        EXPECT_EQ(Failure(failed), refused.failure);
        EXPECT_EQ(failed.cycles, 0u);
    }

    // A program without a map of names has none to offer.
    SourceFileName = "other.asm";
    EXPECT_EQ(Failure(Play("steps:\n  - run: {until: {presses: 1}}\n")),
              "nepoznato ime 'presses': nije registar, bit ni pin cipa, a program nema "
              "promenljivu tog imena (program nema imenovanih promenljivih)");
}
}  // namespace

namespace {
// The data-sheet chip's EEPROM in a scenario: set between two instructions,
// expected with hex and binary in the report, and kept through an MCLR
// reset, which starts the program at word 0 again; an erased byte reads 0xFF. The classic chip has
// neither: the step that names them fails and says which chip does.
TEST_F(ScenarioRunTest, EepromAndMclrOnTheDatasheetChipOnly) {
    const auto report = Play(
        "chip: datasheet\n"
        "steps:\n"
        "  - set:\n      EEPROM[63]: 0x41\n      EEPROM[0x05]: 7\n"
        "  - run: {cycles: 20}\n"
        "  - expect:\n      EEPROM[63]: 0x41\n      EEPROM[5]: '>= 7'\n      EEPROM[6]: 0xFF\n"
        "  - reset: MCLR\n"
        "  - expect: {PC: 0, '0x0C': 0x2A, 'EEPROM[5]': 8}\n");
    ASSERT_EQ(report.steps.size(), 5u);
    EXPECT_EQ(report.steps[2].result, EStepResult::Held) << report.steps[2].failure;
    EXPECT_EQ(report.steps[3].result, EStepResult::Held) << report.steps[3].failure;
    const SStepReport& last = report.steps[4];
    ASSERT_EQ(last.mismatches.size(), 1u) << last.failure;
    EXPECT_EQ(last.mismatches[0].key, "EEPROM[5]");
    EXPECT_EQ(last.mismatches[0].expected, "== 0x08 (00001000)");
    EXPECT_EQ(last.mismatches[0].actual, "0x07 (00000111)");

    const std::pair<const char*, const char*> classic[] = {
        {"steps:\n  - expect:\n      EEPROM[1]: 0\n", "EEPROM[1]: klasican cip nema EEPROM"},
        {"steps:\n  - set:\n      EEPROM[1]: 0\n", "EEPROM[1]: klasican cip nema EEPROM"},
        {"steps:\n  - reset: MCLR\n", "reset: MCLR: klasican cip se ne resetuje preko MCLR"},
    };
    for (const auto& [yaml, failure] : classic) {
        const auto played = Play(std::string("chip: classic\n") + yaml);
        EXPECT_FALSE(played.passed);
        EXPECT_EQ(Failure(played).find(failure), 0u) << Failure(played);
    }
}
}  // namespace
