// lumo-run --scenario and lumo-grade as a teacher uses them: exit statuses,
// reports, a batch that survives looping, broken and missing submissions,
// and the files they write.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>

#include "cli/grade_batch.h"
#include "program_test.h"

using namespace scenario;

namespace {
const char kCounter[] =
    "        org 5\n"
    "start:  movlw 3\n"
    "        movwf 0x0C\n"
    "again:  decfsz 0x0C,F\n"
    "        goto again\n"
    "done:   goto done\n"
    "        end\n";

const char kScenario[] =
    "name: counts down to zero\n"
    "limit: 1000\n"
    "points: 3\n"
    "steps:\n"
    "  - run: {until: done}\n"
    "  - expect: {'0x0C': 0, W: 3, cycles: '<= 20'}\n";

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class GradeTest : public ProgramTest {
protected:
    GradeTest() : ProgramTest("lumo grade ") {}
};

TEST_F(GradeTest, ExitStatusSaysWhetherEveryStepHeld) {
    const auto program = Write("count.asm", kCounter);
    const auto pass = Write("pass.yaml", kScenario);
    const auto fail = Write("fail.yaml", "steps:\n  - run: {cycles: 4}\n  - expect: {W: 4}\n");
    const auto passed = LumoRun({"--scenario", pass, program});
    EXPECT_EQ(passed.exitStatus, 0) << passed.out << passed.err;
    EXPECT_NE(passed.out.find("PROSAO (3/3 poena)"), std::string::npos) << passed.out;

    const auto failed = LumoRun({"--scenario", pass, "--scenario", fail, program});
    EXPECT_EQ(failed.exitStatus, 1);
    EXPECT_NE(failed.out.find("W: ocekivano == 0x04 (00000100), stvarno 0x03 (00000011)"),
              std::string::npos)
        << failed.out;
}

TEST_F(GradeTest, TheScenarioNamesItsProgramUnlessTheCommandLineDoes) {
    Write("sub/count.asm", kCounter);
    const auto scenario = Write("sub/named.yaml", std::string("program: count.asm\n") + kScenario);
    EXPECT_EQ(LumoRun({"--scenario", scenario}).exitStatus, 0);
    // PROGRAM wins: this one never reaches done.
    const auto other =
        Write("other.asm", "        org 5\ndone:   goto done\nloop:   goto loop\n        end\n");
    const auto result = LumoRun({"--scenario", scenario, other});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_NE(result.out.find("program " + other), std::string::npos) << result.out;
}

TEST_F(GradeTest, MalformedScenariosAndWrongCommandLinesExitWithTwo) {
    const auto program = Write("count.asm", kCounter);
    const auto bad = Write("bad.yaml", "steps:\n  - run: {cycles: 1}\n  - frobnicate: 1\n");
    const auto result = LumoRun({"--scenario", bad, program});
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_NE(result.err.find(bad + ":3:5: nepoznat korak 'frobnicate'"), std::string::npos)
        << result.err;
    const auto orphan = Write("orphan.yaml", "steps: []\n");
    EXPECT_EQ(LumoRun({"--scenario", orphan}).exitStatus, 2);
    EXPECT_EQ(LumoRun({"--junit", "x.xml", program}).exitStatus, 2);
    EXPECT_EQ(LumoGrade({bad, "--", program}).exitStatus, 2);
    EXPECT_EQ(LumoGrade({Write("ok.yaml", kScenario), program}).exitStatus, 2);
    EXPECT_EQ(LumoGrade({"-j", "0", bad, "--", program}).exitStatus, 2);
}

TEST_F(GradeTest, ASourceThatDoesNotAssembleFailsWithTheAssemblersMessages) {
    const auto program = Write("bad.asm", "        org 5\n        bogus 3\n        end\n");
    const auto result = LumoRun({"--scenario", Write("s.yaml", kScenario), "--json", program});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_NE(result.err.find("bad.asm:2"), std::string::npos) << result.err;
    EXPECT_NE(result.out.find("\"loaded\":false"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\"result\":\"skipped\""), std::string::npos) << result.out;
}

TEST_F(GradeTest, JsonAndJUnitReports) {
    const auto program = Write("count.asm", kCounter);
    const auto junit = (m_folder.Path() / "report.xml").string();
    const auto result =
        LumoRun({"--scenario", Write("s.yaml", kScenario), "--json", "--junit", junit, program});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out.rfind("{\"scenario\":\"counts down to zero\",", 0), 0u) << result.out;
    EXPECT_NE(result.out.find("\"passed\":true,\"points\":3,\"earned\":3"), std::string::npos);
    const std::string xml = ReadAll(junit);
    EXPECT_NE(xml.find("<testsuites tests=\"1\" failures=\"0\">"), std::string::npos) << xml;
    EXPECT_NE(xml.find("name=\"counts down to zero\""), std::string::npos) << xml;
}

TEST_F(GradeTest, ABatchSurvivesLoopingBrokenAndMissingSubmissions) {
    Write("class/ana/main.asm", kCounter);
    const auto looping = Write(
        "class/loop.asm", "        org 5\nloop:   goto loop\ndone:   goto done\n        end\n");
    const auto broken = Write("class/broken.asm", "        org 5\n        bogus\n        end\n");
    std::filesystem::create_directories(m_folder.Path() / "class/empty");
    const auto scenario = Write("s.yaml", kScenario);
    // The looping submission meets its wall-clock bound here: a limit no run
    // reaches in a second.
    const auto endless =
        Write("endless.yaml", "limit: 1000000000000\nsteps:\n  - run: {until: done}\n");
    const auto csv = (m_folder.Path() / "class.csv").string();
    const auto junit = (m_folder.Path() / "class.xml").string();
    const auto vcd = (m_folder.Path() / "waves").string();

    const auto started = std::chrono::steady_clock::now();
    const auto result =
        LumoGrade({"-j", "2", "--timeout", "1", "--csv", csv, "--junit", junit, "--vcd", vcd,
                   scenario, endless, "--", (m_folder.Path() / "class/ana/").string(), looping,
                   broken, (m_folder.Path() / "class/empty").string()});
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started);
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    // One run meets the one-second bound; everything else is quick.
    EXPECT_LT(seconds.count(), 30);

    const std::string table = result.out;
    EXPECT_NE(table.find("predaja"), std::string::npos) << table;
    EXPECT_NE(table.find("prekoracena vremenska granica od 1 s po scenariju"), std::string::npos)
        << table;
    EXPECT_NE(table.find("dostignuta granica od 1000 ciklusa"), std::string::npos) << table;
    EXPECT_NE(table.find("u folderu nema .asm datoteke"), std::string::npos) << table;

    const std::string rows = ReadAll(csv);
    const std::string ana = (m_folder.Path() / "class/ana").string();
    EXPECT_EQ(rows, "predaja,s,endless,ukupno\n" + ana + ",3,1,4\n" + looping + ",0,0,0\n" +
                        broken + ",0,0,0\n" + (m_folder.Path() / "class/empty").string() +
                        ",0,0,0\n");
    const std::string xml = ReadAll(junit);
    EXPECT_NE(xml.find("<testsuites tests=\"8\" failures=\"6\">"), std::string::npos) << xml;
    EXPECT_NE(xml.find("broken.asm:2"), std::string::npos) << "assembler messages kept";
    std::string flat = ana;
    std::replace(flat.begin(), flat.end(), '/', '_');
    EXPECT_TRUE(std::filesystem::exists(vcd + "/" + flat + ".s.vcd")) << flat;
    EXPECT_TRUE(std::filesystem::exists(vcd + "/" + flat + ".endless.vcd")) << flat;
}

TEST_F(GradeTest, ChecksWithPointsOfTheirOwnGiveAPartOfTheScenario) {
    // The counter leaves W at 3, not 4: two of the three checks hold.
    const auto partly = Write("partly.yaml",
                              "limit: 1000\n"
                              "steps:\n"
                              "  - run: {until: {'0x0C': 0}}\n"
                              "    points: 2\n"
                              "  - expect: {W: 4}\n"
                              "    points: 3\n"
                              "  - expect: {cycles: '<= 20'}\n"
                              "    points: 1\n");
    const auto csv = (m_folder.Path() / "class.csv").string();
    const auto program = Write("count.asm", kCounter);
    const auto result = LumoGrade({"--csv", csv, partly, "--", program});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_NE(result.out.find("3/6      3/6"), std::string::npos) << result.out;
    EXPECT_EQ(ReadAll(csv), "predaja,partly,ukupno\n" + program + ",3,3\n");
    const auto json = LumoRun({"--json", "--scenario", partly, program});
    EXPECT_NE(json.out.find("\"passed\":false,\"points\":6,\"earned\":3"), std::string::npos)
        << json.out;
}

TEST_F(GradeTest, AStandardHexProgramIsGradedAndDumpedToo) {
    // The counter of kCounter as another toolchain writes it: words 5-9,
    // low byte first, plus a configuration word that must not matter.
    const auto hex = Write("count.hex", HexRecord(0x000A, "03308C008C0B07280928") +
                                            HexRecord(0x400E, "F13F") + EndRecord());
    const auto scenario =
        Write("s.yaml", "steps:\n  - run: {until: 9}\n  - expect: {'0x0C': 0, W: 3, cycles: 10}\n");
    const auto vcd = (m_folder.Path() / "w.vcd").string();
    const auto result = LumoRun({"--scenario", scenario, "--vcd", vcd, hex});
    EXPECT_EQ(result.exitStatus, 0) << result.out << result.err;
    EXPECT_NE(ReadAll(vcd).find("$enddefinitions $end"), std::string::npos);

    const auto plain = LumoRun({"--steps", "3", "--vcd", vcd, "--clock", "32.768kHz", hex});
    EXPECT_EQ(plain.exitStatus, 0) << plain.err;
    // Three cycles at 122070.3125 ns each, rounded.
    EXPECT_NE(ReadAll(vcd).find("#366211\n"), std::string::npos) << ReadAll(vcd);
}

TEST_F(GradeTest, ARecordedRunReplaysAsAPassingScenario) {
    const auto program = Write("rb0.asm",
                               "        org 4\n        goto isr\n        org 5\n"
                               "        movlw 0x90\n        movwf INTCON\n"
                               "loop:   incf 0x0C,F\n        goto loop\n"
                               "isr:    incf 0x0D,F\n        bcf INTCON,1\n        retfie\n"
                               "        end\n");
    const auto recording = (m_folder.Path() / "sub" / "rec.yaml").string();
    std::filesystem::create_directories(m_folder.Path() / "sub");
    const auto run = LumoRun({"--steps", "500", "--pin", "RB0@10", "--pin", "RB0@77", "--pin",
                              "RB0@78", "--pin", "RA2@300", "--record", recording, program});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const std::string text = ReadAll(recording);
    EXPECT_NE(text.find("program: ../rb0.asm\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  - click: RB0\n  - run:"), std::string::npos) << text;
    const auto replay = LumoRun({"--scenario", recording});
    EXPECT_EQ(replay.exitStatus, 0) << replay.out << replay.err;
    // Its limit is its own length, and the grader gives the recording's own
    // program full marks under the wall-clock bound that limit brings.
    const size_t limitAt = text.find("\nlimit: ") + 8;
    const std::string limit = text.substr(limitAt, text.find('\n', limitAt) - limitAt);
    EXPECT_NE(text.find("cycles: " + limit + "\n"), std::string::npos) << text;
    const auto grade = LumoGrade({recording, "--", program});
    EXPECT_NE(grade.out.find("1/1      1/1"), std::string::npos) << grade.out << grade.err;
    EXPECT_EQ(LumoRun({"--record", recording, "--back", "3", program}).exitStatus, 2);
}

TEST(GradeWire, RecordsSurviveTheirTripWhateverTheyHold) {
    SCaseSummary sent;
    sent.passed = true;
    sent.earned = 12;
    sent.seconds = 0.25;
    sent.failure = "a: b, c:1,";
    sent.details = std::string("line\n\0binary,", 13);
    sent.notes = {"provera bank, p.asm:3: a, b", "provera stack: c"};
    std::string buffer = cli::EncodeCase(7, sent) + cli::EncodeCase(8, SCaseSummary{});
    const std::string whole = buffer;
    int index = -1;
    SCaseSummary got;
    bool malformed = false;
    ASSERT_TRUE(cli::DecodeCase(&buffer, &index, &got, &malformed));
    EXPECT_EQ(index, 7);
    EXPECT_TRUE(got.passed);
    EXPECT_EQ(got.earned, 12);
    EXPECT_DOUBLE_EQ(got.seconds, 0.25);
    EXPECT_EQ(got.failure, sent.failure);
    EXPECT_EQ(got.details, sent.details);
    EXPECT_EQ(got.notes, sent.notes);
    ASSERT_TRUE(cli::DecodeCase(&buffer, &index, &got, &malformed));
    EXPECT_EQ(index, 8);
    EXPECT_TRUE(buffer.empty());

    // Cut anywhere, a record waits for the rest.
    for (size_t cut = 0; cut < whole.size() / 2; ++cut) {
        std::string part = whole.substr(0, cut);
        EXPECT_FALSE(cli::DecodeCase(&part, &index, &got, &malformed)) << cut;
        EXPECT_FALSE(malformed) << cut;
    }
    for (std::string bad : {"x:1,", "1;7,", "1:7;", "99999999999:", "1:7,1:2,1:0,4:0.25,0:,0:,0:,",
                            "1:7,1:1,1:x,4:0.25,0:,0:,0:,"}) {
        malformed = false;
        EXPECT_FALSE(cli::DecodeCase(&bad, &index, &got, &malformed)) << bad;
        EXPECT_TRUE(malformed) << bad;
    }
}
}  // namespace

// A submission whose expectation fails is shown where its pins first left
// the model's too, with the line of its own that made them: in lumo-grade's
// table, and in lumo-run's text and JSON for the window to read.
TEST_F(GradeTest, AFailedExpectationComesWithTheFirstDifferenceFromTheModel) {
    const std::string body =
        "        org 5\n"
        "start:  bsf 3,5\n"
        "        clrf 0x86\n"
        "        bcf 3,5\n"
        "        movlw %d\n"
        "        movwf 6\n"
        "done:   goto done\n"
        "        end\n";
    const auto program = [&body](int value) {
        std::string text = body;
        text.replace(text.find("%d"), 2, std::to_string(value));
        return text;
    };
    const auto model = Write("model/model.asm", program(1));
    const auto submission = Write("sub/sub.asm", program(2));
    const auto scenario =
        Write("port.yaml", "limit: 1000\nsteps:\n  - run: {until: done}\n  - expect: {PORTB: 1}\n");

    const auto graded = LumoGrade({"--reference", model, scenario, "--", submission});
    EXPECT_NE(graded.out.find("PORTB: ocekivano"), std::string::npos) << graded.out;
    const size_t difference = graded.out.find("\n      port.yaml poredjenje");
    ASSERT_NE(difference, std::string::npos) << graded.out;
    EXPECT_NE(graded.out.find("sub.asm:6", difference), std::string::npos) << graded.out;

    const auto text = LumoRun({"--compare", model, "--scenario", scenario, submission});
    EXPECT_NE(text.out.find("linija programa\n"), std::string::npos) << text.out;
    const auto json = LumoRun({"--compare", model, "--scenario", scenario, "--json", submission});
    EXPECT_NE(
        json.out.find(
            "\"pin\":\"RB0\",\"model\":\"1\",\"program\":\"0\",\"source\":\"sub.asm\",\"line\":6"),
        std::string::npos)
        << json.out;
}

// The run-time checks in scenarios: asked for by the scenario's key or by
// lumo-grade --checks, they fire as notes in every report and cost nothing.
TEST_F(GradeTest, ChecksFireAsNotesThatCostNoPoints) {
    const auto program = Write("bank.asm",
                               "        org 5\n"
                               "start:  clrf 0x86\n"  // TRISB named in bank 0
                               "done:   goto done\n"
                               "        end\n");
    const std::string steps = "steps:\n  - run: {until: done}\n  - expect: {PORTB: 0}\n";
    const auto keyed = Write("keyed.yaml", "checks: [bank, stack]\n" + steps);
    const auto plain = Write("plain.yaml", steps);
    const auto junit = (m_folder.Path() / "r.xml").string();
    const std::string note = "provera bank, bank.asm:2: ";

    const auto text =
        LumoRun({"--scenario", keyed, "--scenario", plain, "--junit", junit, program});
    EXPECT_EQ(text.exitStatus, 0) << text.out;
    EXPECT_EQ(text.out.find("napomena: " + note), text.out.rfind("napomena: ")) << text.out;
    EXPECT_NE(ReadAll(junit).find("<system-out>" + note), std::string::npos) << ReadAll(junit);
    const auto json = LumoRun({"--scenario", keyed, "--json", program});
    EXPECT_NE(json.out.find("\"checks\":[{\"kind\":\"bank\",\"source\":\"bank.asm\",\"line\":2"),
              std::string::npos)
        << json.out;

    const auto csv = (m_folder.Path() / "r.csv").string();
    const auto graded = LumoGrade({"--checks", "--csv", csv, plain, "--", program});
    EXPECT_NE(graded.out.find("1/1\n    napomena: " + note), std::string::npos) << graded.out;
    EXPECT_NE(ReadAll(csv).find("ukupno,napomene\n" + program + ",1,1,\"" + note),
              std::string::npos)
        << ReadAll(csv);

    const auto wrong = Write("wrong.yaml", "checks: [bank, banks]\n" + steps);
    const auto refused = LumoRun({"--scenario", wrong, program});
    EXPECT_EQ(refused.exitStatus, 2);
    EXPECT_NE(refused.err.find("nepoznata vrsta provere"), std::string::npos) << refused.err;
}
