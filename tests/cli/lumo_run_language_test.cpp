// lumo-run speaks Serbian unless --lang or the environment asks for English,
// in the texts of every layer; a test environment without a word of English
// (LANG=C, none at all) keeps the Serbian output the other tests compare.
#include <gtest/gtest.h>

#include <optional>

#include "program_test.h"

namespace {
// A ninth nested call: the stack's run-time message and the stack check.
const char kDeepCalls[] =
    "        org 5\n"
    "start   call a1\n"
    "a1      call a2\n"
    "a2      call a3\n"
    "a3      call a4\n"
    "a4      call a5\n"
    "a5      call a6\n"
    "a6      call a7\n"
    "a7      call a8\n"
    "a8      call a9\n"
    "a9      goto a9\n"
    "        end\n";

class LumoRunLanguageTest : public ProgramTest {
protected:
    LumoRunLanguageTest() : ProgramTest("lumo language ") {}
};

using Environment = std::optional<std::vector<std::string>>;
const Environment kPinned;  // the test's own: LC_ALL=C.UTF-8

struct SRow {
    std::vector<std::string> args;  // "@" stands for the scratch folder
    Environment environment;
    std::vector<std::string> expected;  // in what it printed, out and err
};
}  // namespace

TEST_F(LumoRunLanguageTest, EveryLayerSpeaksTheLanguageAskedFor) {
    Write("deep.asm", kDeepCalls);
    Write("bad.hex", "hello\n");
    Write("wrong.board.yaml", "parts:\n  - lamp: {pin: RB0}\n");
    Write("deep.yaml",
          "name: t\nprogram: deep.asm\nsteps:\n  - run: {cycles: 10}\n  - expect: {W: 5}\n");
    const std::vector<std::string> deep = {"--checks", "--steps", "12", "@/deep.asm"};
    const std::vector<std::string> serbianRun = {
        "Stek je pun", "provera stack, linija 10 (rec 0x00D): Deveti ugnjezdeni CALL",
        "Izvrsila se: GOTO"};
    const std::vector<std::string> englishRun = {
        "The stack is full", "check stack, line 10 (word 0x00D): A ninth nested CALL",
        "Executed: GOTO"};
    auto with = [](std::vector<std::string> args, std::vector<std::string> more) {
        args.insert(args.begin(), more.begin(), more.end());
        return args;
    };
    const SRow kRows[] = {
        // How the language is chosen: core's and lumo-run's own texts.
        {deep, kPinned, serbianRun},
        {deep, std::vector<std::string>{}, serbianRun},
        {deep, std::vector<std::string>{"LANG=C"}, serbianRun},
        {deep, std::vector<std::string>{"LANG=sr_RS.UTF-8"}, serbianRun},
        {deep, std::vector<std::string>{"LANG=en_US.UTF-8"}, englishRun},
        {with(deep, {"--lang", "en"}), kPinned, englishRun},
        {with(deep, {"--lang", "sr"}), std::vector<std::string>{"LANG=en_US.UTF-8"}, serbianRun},
        // build/: the HEX loader.
        {{"@/bad.hex"}, kPinned, {"red 1: zapis ne pocinje znakom ':'"}},
        {{"--lang", "en", "@/bad.hex"}, kPinned, {"line 1: the record does not start with ':'"}},
        // board/: the board reader.
        {{"--board", "@/wrong.board.yaml", "@/deep.asm"}, kPinned, {"nepoznata vrsta dela 'lamp'"}},
        {{"--lang", "en", "--board", "@/wrong.board.yaml", "@/deep.asm"},
         kPinned,
         {"unknown kind of part 'lamp'"}},
        // scenario/: a step's failure and the report.
        {{"--scenario", "@/deep.yaml"}, kPinned, {"GRESKA   ", "W: ocekivano ==", "PAO ("}},
        {{"--lang", "en", "--scenario", "@/deep.yaml"},
         kPinned,
         {"FAILED   ", "W: expected ==", "FAILED ("}},
    };
    for (const SRow& row : kRows) {
        std::vector<std::string> args = row.args;
        std::string shown;
        for (std::string& arg : args) {
            if (arg[0] == '@') arg = m_folder.Path().string() + arg.substr(1);
            shown += arg + " ";
        }
        if (row.environment) {
            for (const std::string& setting : *row.environment) shown += "[" + setting + "] ";
        }
        const SProcessResult run =
            RunProgram(BinPath("lumo-run"), args, row.environment ? &*row.environment : nullptr);
        for (const std::string& text : row.expected) {
            EXPECT_NE((run.out + run.err).find(text), std::string::npos)
                << shown << "\nwants: " << text << "\n"
                << run.out << run.err;
        }
    }
}

TEST_F(LumoRunLanguageTest, AnUnknownLanguageIsAWrongCommandLine) {
    const SProcessResult run = LumoRun({"--lang", "de", Write("deep.asm", kDeepCalls)});
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_NE(run.err.find("--lang needs sr or en, not 'de'"), std::string::npos) << run.err;
}
