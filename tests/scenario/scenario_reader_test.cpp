// The scenario reader: every step kind and comparison as written, and a
// place (file:line:column) for everything it cannot accept.
#include "scenario/scenario_reader.h"

#include <gtest/gtest.h>

#include "core/state.h"

using namespace scenario;

namespace {
SScenario Read(const std::string& text) {
    SScenario scenario;
    std::string error;
    EXPECT_TRUE(ReadScenarioText(text, "dir/s.yaml", &scenario, &error)) << error;
    return scenario;
}

std::string ErrorOf(const std::string& text) {
    SScenario scenario;
    std::string error;
    EXPECT_FALSE(ReadScenarioText(text, "s.yaml", &scenario, &error)) << text;
    return error;
}

TEST(ScenarioReader, HeaderDefaultsAndValues) {
    const SScenario plain = Read("steps: []\n");
    EXPECT_EQ(plain.name, "s.yaml");
    EXPECT_EQ(plain.clockHz, 4e6);
    EXPECT_EQ(plain.limit, 10'000'000);
    EXPECT_EQ(plain.points, 1);
    EXPECT_TRUE(plain.program.empty());

    const SScenario full = Read(
        "name: RB0 presses\nprogram: ../rb0.asm\nclock: 32.768 kHz\nlimit: 1_000_000\n"
        "points: 2\nsteps: []\n");
    EXPECT_EQ(full.name, "RB0 presses");
    EXPECT_EQ(full.program, "dir/../rb0.asm");
    EXPECT_DOUBLE_EQ(full.clockHz, 32768);
    EXPECT_EQ(full.limit, 1'000'000);
    EXPECT_EQ(full.points, 2);
    EXPECT_EQ(Read("program: /abs/p.hex\nsteps: []\n").program, "/abs/p.hex");
    EXPECT_DOUBLE_EQ(Read("clock: 20MHz\nsteps: []\n").clockHz, 20e6);
    EXPECT_DOUBLE_EQ(Read("clock: 100000\nsteps: []\n").clockHz, 1e5);
}

TEST(ScenarioReader, EveryRunKind) {
    const SScenario s = Read(
        "steps:\n"
        "  - run: {cycles: 500}\n"
        "  - run: {instructions: 0x10}\n"
        "  - run: {us: 2.5}\n"
        "  - run: {until: main_loop}\n"
        "  - run: {until: 0x0010}\n"
        "  - run: {until: {RB1: 1, cycles: '>= 100'}}\n");
    ASSERT_EQ(s.steps.size(), 6u);
    EXPECT_EQ(s.steps[0].kind, EStepKind::RunCycles);
    EXPECT_EQ(s.steps[0].count, 500);
    EXPECT_EQ(s.steps[0].line, 2);
    EXPECT_EQ(s.steps[1].kind, EStepKind::RunInstructions);
    EXPECT_EQ(s.steps[1].count, 16);
    EXPECT_DOUBLE_EQ(s.steps[2].microseconds, 2.5);
    EXPECT_EQ(s.steps[3].conditions[0].target.kind, ETargetKind::PC);
    EXPECT_EQ(s.steps[3].conditions[0].label, "main_loop");
    EXPECT_EQ(s.steps[4].conditions[0].value, 16);
    EXPECT_TRUE(s.steps[4].conditions[0].label.empty());
    const auto& pinAndCycles = s.steps[5].conditions;
    ASSERT_EQ(pinAndCycles.size(), 2u);
    EXPECT_EQ(pinAndCycles[0].target.kind, ETargetKind::Pin);
    EXPECT_EQ(pinAndCycles[0].target.address, PORTB);
    EXPECT_EQ(pinAndCycles[0].target.bit, 1);
    EXPECT_EQ(pinAndCycles[1].compare, ECompare::GreaterOrEqual);
    EXPECT_EQ(DescribeStep(s.steps[5]), "run {until: RB1 == 1, cycles >= 100}");
}

TEST(ScenarioReader, ClickSetAndEveryExpectTarget) {
    const SScenario s = Read(
        "steps:\n"
        "  - click: rb0\n"
        "  - set: {RA0: 1, RA1: 0}\n"
        "  - expect:\n"
        "      PORTB: 0x01\n"
        "      '0x0C': 0b101\n"
        "      W: 3\n"
        "      Z: 1\n"
        "      GIE: 0\n"
        "      RB0: 1\n"
        "      PC: main_loop\n"
        "      stack: 1\n"
        "      cycles: '<= 2000'\n"
        "      instructions: '> 5'\n"
        "      TRISA: '!= 0'\n"
        "      OPTION_REG: '< 0x80'\n");
    ASSERT_EQ(s.steps.size(), 3u);
    EXPECT_EQ(DescribeStep(s.steps[0]), "click RB0");
    EXPECT_EQ(DescribeStep(s.steps[1]), "set {RA0: 1, RA1: 0}");
    const auto& c = s.steps[2].conditions;
    ASSERT_EQ(c.size(), 12u);
    EXPECT_EQ(c[0].target.address, PORTB);
    EXPECT_EQ(c[1].target.kind, ETargetKind::Register);
    EXPECT_EQ(c[1].target.address, 0x0C);
    EXPECT_EQ(c[1].value, 5);
    EXPECT_EQ(c[2].target.kind, ETargetKind::W);
    EXPECT_EQ(c[3].target.kind, ETargetKind::Bit);
    EXPECT_EQ(c[3].target.address, STATUS);
    EXPECT_EQ(c[3].target.bit, 2);
    EXPECT_EQ(c[4].target.address, INTCON);
    EXPECT_EQ(c[4].target.bit, 7);
    EXPECT_EQ(c[5].target.kind, ETargetKind::Pin);
    EXPECT_EQ(c[6].label, "main_loop");
    EXPECT_EQ(c[7].target.kind, ETargetKind::Stack);
    EXPECT_EQ(c[8].compare, ECompare::LessOrEqual);
    EXPECT_EQ(c[8].value, 2000);
    EXPECT_EQ(c[9].compare, ECompare::Greater);
    EXPECT_EQ(c[10].compare, ECompare::NotEqual);
    EXPECT_EQ(c[11].compare, ECompare::Less);
    EXPECT_EQ(c[11].target.address, OPTION_REG);
    EXPECT_EQ(c[8].line, 13);
    EXPECT_EQ(c[8].column, 7);
}

TEST(ScenarioReader, SetWritesPinsRegistersAndWInTheOrderGiven) {
    const SScenario s =
        Read("steps:\n  - set: {W: 5, PORTB: 0x10, '0x0C': 0b11, rb0: 1, OPTION: 7}\n");
    const auto& set = s.steps[0].settings;
    ASSERT_EQ(set.size(), 5u);
    EXPECT_EQ(set[0].target.kind, ETargetKind::W);
    EXPECT_EQ(set[0].value, 5);
    EXPECT_EQ(set[1].target.kind, ETargetKind::Register);
    EXPECT_EQ(set[1].target.address, PORTB);
    EXPECT_EQ(set[1].value, 0x10);
    EXPECT_EQ(set[2].target.address, 0x0C);
    EXPECT_EQ(set[3].target.kind, ETargetKind::Pin);
    EXPECT_EQ(set[4].target.address, OPTION_REG);
    EXPECT_EQ(DescribeStep(s.steps[0]),
              "set {W: 0x05, PORTB: 0x10, 0x0C: 0x03, rb0: 1, OPTION: 0x07}");

    EXPECT_EQ(ErrorOf("steps:\n  - set: {PCL: 3}\n"),
              "s.yaml:2:11: set: PCL: PCL prati PC i ne moze se menjati");
    EXPECT_EQ(ErrorOf("steps:\n  - set: {INDF: 3}\n").substr(0, 28),
              "s.yaml:2:11: set: INDF: INDF");
    EXPECT_EQ(ErrorOf("steps:\n  - set: {W: 256}\n").substr(0, 16), "s.yaml:2:14: vre");
    EXPECT_EQ(ErrorOf("steps:\n  - set: {RB0: 2}\n").substr(0, 16), "s.yaml:2:16: niv");
    EXPECT_EQ(
        ErrorOf("steps:\n  - set: {Z: 1}\n"),
        "s.yaml:2:11: set: postavlja se pin (RA0-RA4, RB0-RB7), W, registar ili EEPROM[n], a ne "
        "'Z'");
}

TEST(ScenarioReader, OtherNamesAreTheProgramsVariables) {
    const SScenario s = Read("steps:\n  - set: {presses: 3}\n  - expect: {presses: '>= 3'}\n");
    const STarget& set = s.steps[0].settings[0].target;
    const STarget& expected = s.steps[1].conditions[0].target;
    for (const STarget* target : {&set, &expected}) {
        EXPECT_EQ(target->kind, ETargetKind::Register);
        EXPECT_TRUE(target->programName);
        EXPECT_EQ(target->name, "presses");
    }
    EXPECT_EQ(s.steps[1].conditions[0].compare, ECompare::GreaterOrEqual);
    // The chip's names still come first.
    EXPECT_FALSE(
        Read("steps:\n  - expect: {portb: 1}\n").steps[0].conditions[0].target.programName);
    EXPECT_EQ(ErrorOf("steps:\n  - expect: {presses: 256}\n").substr(0, 22),
              "s.yaml:2:23: presses: ");
}

TEST(ScenarioReader, MistakesNameTheirPlace) {
    EXPECT_EQ(ErrorOf("steps: []\ncolor: red\n"),
              "s.yaml:2:1: nepoznat kljuc 'color' (poznati: name, program, board, clock, limit, "
              "points, tolerance, chip, checks, steps)");
    EXPECT_EQ(ErrorOf("name: x\n"), "s.yaml:1:1: nedostaje kljuc 'steps'");
    EXPECT_EQ(ErrorOf("steps:\n  - jump: 3\n").substr(0, 31), "s.yaml:2:5: nepoznat korak 'jum");
    EXPECT_EQ(ErrorOf("steps:\n  - click: RC0\n"),
              "s.yaml:2:12: nepoznat pin 'RC0' (RA0-RA4, RB0-RB7)");
    EXPECT_EQ(ErrorOf("steps:\n  - click: RA5\n").substr(0, 12), "s.yaml:2:12:");
    // A name that could be the program's variable waits for the program;
    // one no assembler could define is wrong at once.
    EXPECT_EQ(ErrorOf("steps:\n  - expect: {PORT-C: 1}\n").substr(0, 35),
              "s.yaml:2:14: nepoznato ime 'PORT-C'");
    EXPECT_EQ(ErrorOf("steps:\n  - expect: {'0x8C': 1}\n").substr(0, 13), "s.yaml:2:14: ");
    EXPECT_EQ(ErrorOf("steps:\n  - expect: {PORTB: 256}\n").substr(0, 20), "s.yaml:2:21: PORTB: ");
    EXPECT_EQ(ErrorOf("steps:\n  - expect: {Z: 2}\n").substr(0, 16), "s.yaml:2:17: Z: ");
    EXPECT_EQ(ErrorOf("steps:\n  - expect: {W: '=< 3'}\n").substr(0, 16), "s.yaml:2:17: W: ");
    EXPECT_EQ(ErrorOf("steps:\n  - run: {cycles: -5}\n").substr(0, 21), "s.yaml:2:19: cycles: ");
    EXPECT_EQ(ErrorOf("steps:\n  - run: {cycles: 1, us: 2}\n").substr(0, 13), "s.yaml:2:10: ");
    EXPECT_EQ(ErrorOf("steps:\n  - run: {until: {}}\n"), "s.yaml:2:18: until: prazan uslov");
    EXPECT_EQ(ErrorOf("steps:\n  - run: {until: 2000}\n").substr(0, 19), "s.yaml:2:18: until:");
    EXPECT_EQ(ErrorOf("steps:\n  - set: {RA0: high}\n").substr(0, 13), "s.yaml:2:16: ");
    EXPECT_EQ(ErrorOf("clock: 4 GHz\nsteps: []\n").substr(0, 19), "s.yaml:1:8: clock: ");
    EXPECT_EQ(ErrorOf("clock: 1 Hz\nsteps: []\n").substr(0, 19), "s.yaml:1:8: clock: ");
    EXPECT_EQ(ErrorOf("limit: 0\nsteps: []\n").substr(0, 19), "s.yaml:1:8: limit: ");
    EXPECT_EQ(ErrorOf("steps: {run: 1}\n").substr(0, 19), "s.yaml:1:8: steps: ");
    EXPECT_EQ(ErrorOf("- 1\n- 2\n").substr(0, 12), "s.yaml:1:1: ");
    // An empty value has no place of its own: the key before it stands in.
    EXPECT_EQ(ErrorOf("steps:\n  - expect:\n").substr(0, 12), "s.yaml:2:5: ");
}

TEST(ScenarioReader, ChecksMayCarryTheirOwnPoints) {
    const SScenario s = Read(
        "steps:\n"
        "  - run: {until: {RB0: 1}}\n"
        "    points: 2\n"
        "  - expect: {W: 1}\n"
        "  - points: 3\n"
        "    expect: {W: 2}\n");
    EXPECT_TRUE(s.stepPoints);
    EXPECT_EQ(s.points, 5);
    ASSERT_EQ(s.steps.size(), 3u);
    EXPECT_EQ(s.steps[0].points, 2);
    EXPECT_EQ(s.steps[1].points, 0);
    EXPECT_EQ(s.steps[2].kind, EStepKind::Expect);
    EXPECT_EQ(s.steps[2].points, 3);
    EXPECT_FALSE(Read("points: 4\nsteps:\n  - expect: {W: 1}\n").stepPoints);

    EXPECT_EQ(ErrorOf("steps:\n  - click: RB0\n    points: 1\n"),
              "s.yaml:3:5: points: bodove nosi samo korak expect ili run until");
    EXPECT_EQ(ErrorOf("steps:\n  - run: {cycles: 5}\n    points: 1\n").substr(0, 19),
              "s.yaml:3:5: points:");
    EXPECT_EQ(ErrorOf("points: 2\nsteps:\n  - expect: {W: 1}\n    points: 1\n"),
              "s.yaml:1:1: points: bodovi se daju celom scenariju ili koracima, ne i jednom i "
              "drugom");
    EXPECT_EQ(ErrorOf("steps:\n  - expect: {W: 1}\n    points: 0\n").substr(0, 21),
              "s.yaml:3:13: points: ");
    EXPECT_EQ(ErrorOf("steps:\n  - points: 1\n"), "s.yaml:2:5: korak: points bez koraka");
    EXPECT_EQ(ErrorOf("steps:\n  - expect: {W: 1}\n    click: RB0\n"),
              "s.yaml:3:5: korak: ocekuje se tacno jedan kljuc, i po zelji points");
}

TEST(ScenarioReader, BrokenYamlAndUnreadableFilesAreErrorsToo) {
    EXPECT_EQ(ErrorOf("steps: [\n").substr(0, 9), "s.yaml:2:");
    EXPECT_EQ(ErrorOf("steps:\n  - run: {cycles: 1\n").substr(0, 7), "s.yaml:");
    EXPECT_EQ(ErrorOf("\t- tab\n").substr(0, 7), "s.yaml:");
    SScenario scenario;
    std::string error;
    EXPECT_FALSE(ReadScenarioFile("/nonexistent/s.yaml", &scenario, &error));
    EXPECT_EQ(error, "/nonexistent/s.yaml: datoteka se ne moze procitati");
}
}  // namespace

namespace {
// EEPROM[n] names the byte by its address in any case and radix; a wrong
// index, value or YAML form is told with its place.
TEST(ScenarioReader, EepromBytesInSetAndExpect) {
    const SScenario s = Read(
        "steps:\n"
        "  - set:\n      EEPROM[0]: 0x41\n      eeprom[0x3F]: 255\n"
        "  - expect:\n      EEPROM[10]: '!= 3'\n"
        "  - expect: {'EEPROM[0b11]': 1}\n"
        "  - reset: mclr\n");
    ASSERT_EQ(s.steps.size(), 4u);
    const auto& set = s.steps[0].settings;
    ASSERT_EQ(set.size(), 2u);
    EXPECT_EQ(set[0].target.kind, ETargetKind::Eeprom);
    EXPECT_EQ(set[0].target.address, 0);
    EXPECT_EQ(set[0].value, 0x41);
    EXPECT_EQ(set[1].target.address, 63);
    EXPECT_EQ(set[1].target.name, "EEPROM[63]");
    EXPECT_EQ(set[1].value, 255);
    EXPECT_EQ(s.steps[1].conditions[0].target.address, 10);
    EXPECT_EQ(s.steps[1].conditions[0].compare, ECompare::NotEqual);
    EXPECT_EQ(s.steps[2].conditions[0].target.address, 3);
    EXPECT_EQ(s.steps[3].kind, EStepKind::Mclr);

    const std::pair<const char*, const char*> mistakes[] = {
        {"steps:\n  - expect:\n      EEPROM[64]: 1\n",
         "s.yaml:3:7: 'EEPROM[64]': bajt EEPROM-a se zadaje adresom od 0 do 63, na primer "
         "EEPROM[3] ili EEPROM[0x3F]"},
        {"steps:\n  - set:\n      EEPROM[x]: 1\n", "s.yaml:3:7: 'EEPROM[x]': bajt EEPROM-a"},
        {"steps:\n  - set:\n      EEPROM[]: 1\n", "s.yaml:3:7: 'EEPROM[]': bajt EEPROM-a"},
        {"steps:\n  - set:\n      EEPROM[1]: 256\n", "s.yaml:3:18: vrednost bajta: "},
        {"steps:\n  - expect:\n      EEPROM[1]: '> 300'\n", "s.yaml:3:18: EEPROM[1]: vrednost"},
        {"steps:\n  - reset: power\n", "s.yaml:2:12: reset: jedini reset"},
        {"steps:\n  - expect: {EEPROM[1]: 1}\n", "(EEPROM[n] unutar {...} ide pod navodnike"},
    };
    for (const auto& [text, error] : mistakes) {
        EXPECT_NE(ErrorOf(text).find(error), std::string::npos) << ErrorOf(text);
    }
}
}  // namespace
