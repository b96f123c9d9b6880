// Scenarios that press keys and read what the board's parts show.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "recording_message_box.h"
#include "scenario/scenario_reader.h"
#include "scenario/scenario_session.h"

namespace scenario {
namespace {
namespace fs = std::filesystem;

std::string ErrorOf(const std::string& yaml) {
    SScenario scenario;
    std::string error;
    EXPECT_FALSE(ReadScenarioText(yaml, "s.yaml", &scenario, &error));
    return error;
}

TEST(BoardScenarioTest, MalformedBoardStepsSayWhere) {
    const std::string board =
        "board: " LUMO_SOURCE_DIR "/examples/board/keypad_lcd.board.yaml\nsteps:\n  - ";
    struct SCase {
        std::string yaml;
        const char* error;
    } const cases[] = {
        {"steps:\n  - press: KEYS.5\n", "s.yaml:2:12: press: deo 'KEYS' postoji samo na ploci"},
        {"board: none.yaml\nsteps: []\n", "s.yaml:1:8: board: none.yaml: "},
        {board + "press: KEYS.55\n", "s.yaml:3:12: press: ocekuje se deo"},
        {board + "press: {START: 20 dana}\n",
         "s.yaml:3:20: press: jedinica trajanja je us, ms ili s"},
        {board + "release: {START: 20 ms}\n", "s.yaml:3:14: release: ocekuje"},
        {board + "type: TERM\n", "s.yaml:3:11: type: ocekuje se terminal"},
    };
    for (const SCase& c : cases) {
        const std::string error = ErrorOf(c.yaml);
        EXPECT_EQ(error.substr(0, std::string(c.error).size()), c.error) << c.yaml;
    }
}

// The board examples' scenarios pass, and one that expects what the LCD
// does not show fails with both texts.
TEST(BoardScenarioTest, ExamplesPassAndAWrongTextFailsWithBothTexts) {
    CRecordingMessageBox messages;
    const fs::path folder = fs::temp_directory_path() / "lumo_board_scenarios";
    fs::remove_all(folder);
    fs::copy(fs::path(LUMO_SOURCE_DIR) / "examples" / "board", folder);
    CScenarioSession session;
    for (const char* name :
         {"lcd_greeting.yaml", "keypad_lcd.yaml", "mux_counter.yaml", "serial_echo.yaml"}) {
        SScenario scenario;
        std::string error;
        ASSERT_TRUE(ReadScenarioFile((folder / name).string(), &scenario, &error)) << error;
        EXPECT_TRUE(session.Play(scenario, scenario.program, "").passed) << name;
    }
    SScenario wrong;
    std::string error;
    ASSERT_TRUE(
        ReadScenarioText("program: lcd_greeting.asm\nboard: lcd_greeting.board.yaml\n"
                         "steps:\n  - run: {us: 200000}\n"
                         "  - expect: {LCD.line1: \"Zdravo\", LCD.line3: \"\"}\n",
                         (folder / "wrong.yaml").string(), &wrong, &error))
        << error;
    const SScenarioReport report = session.Play(wrong, wrong.program, "");
    ASSERT_EQ(report.steps.size(), 2u);
    ASSERT_EQ(report.steps[1].mismatches.size(), 2u);
    EXPECT_EQ(report.steps[1].mismatches[0].expected, "== \"Zdravo\"");
    EXPECT_EQ(report.steps[1].mismatches[0].actual, "\"Zdravo!\"");
    EXPECT_EQ(report.steps[1].mismatches[1].actual, "nema takvog dela na ploci");
}

// A press of the board's reset button (on MCLR) is the MCLR reset: the
// data-sheet chip starts again at word 0 with its EEPROM kept, a hold and a
// release add nothing; the classic chip refuses it as it refuses "reset: MCLR".
TEST(BoardScenarioTest, ResetButtonIsTheMclrReset) {
    CRecordingMessageBox messages;
    const fs::path folder = fs::temp_directory_path() / "lumo_reset_button";
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy(fs::path(LUMO_SOURCE_DIR) / "examples" / "datasheet" / "eeprom_counter.asm", folder);
    {
        std::ofstream board(folder / "reset.board.yaml");
        board << "parts:\n  - button: {name: RESET, pin: MCLR}\n";
    }
    auto play = [&](const std::string& chip, const std::string& steps) {
        SScenario scenario;
        std::string error;
        const std::string yaml =
            "program: eeprom_counter.asm\nboard: reset.board.yaml\nchip: " + chip +
            "\nlimit: 100000\nsteps:\n" + steps;
        EXPECT_TRUE(ReadScenarioText(yaml, (folder / "s.yaml").string(), &scenario, &error))
            << error;
        return CScenarioSession().Play(scenario, scenario.program, "");
    };
    const SScenarioReport datasheet = play("datasheet",
                                           "  - run: {until: {PC: done}}\n"
                                           "  - press: {RESET: 5 ms}\n"
                                           "  - expect: {PC: 0}\n"
                                           "  - run: {until: {PC: done}}\n"
                                           "  - release: RESET\n"
                                           "  - expect: {\"EEPROM[0]\": 2, PORTB: 2}\n");
    EXPECT_TRUE(datasheet.passed);
    for (const SStepReport& step : datasheet.steps) EXPECT_EQ(step.failure, "");

    const SScenarioReport classic = play("classic", "  - press: RESET\n");
    ASSERT_EQ(classic.steps.size(), 1u);
    EXPECT_EQ(classic.steps[0].failure.find("reset: MCLR: klasican cip se ne resetuje"), 0u)
        << classic.steps[0].failure;
}

}  // namespace
}  // namespace scenario
