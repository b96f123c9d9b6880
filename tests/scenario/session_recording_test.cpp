// A session recorded as a scenario replays to the very same machine: random
// clicks on every pin and random values written into W and the registers, at
// random moments, into a program whose interrupts, counter and port reads
// all depend on them.
#include "scenario/session_recording.h"

#include <gtest/gtest.h>

#include <random>

#include "../build/build_test_support.h"
#include "core/event_log.h"
#include "core/instruction_set.h"
#include "core/pin_input.h"
#include "core/run_driver.h"
#include "core/run_loop.h"
#include "core/state.h"
#include "recording_message_box.h"
#include "scenario/scenario_reader.h"
#include "scenario/scenario_run.h"

using namespace scenario;

namespace {
// 4 GOTO isr
// 5 BSF STATUS,RP0; MOVLW 0xF1; MOVWF TRISB (RB1-RB3 outputs); MOVLW 0x28;
//   MOVWF OPTION_REG (Timer 0 counts RA4 edges); BCF STATUS,RP0; MOVLW 0xB8;
//   MOVWF INTCON (GIE, T0IE, INTE, RBIE)
// 13 loop: INCF 0x0C,F; MOVF PORTB,W; GOTO loop
// 16 isr: INCF 0x0D,F; MOVF PORTB,W; MOVWF 0x0E; MOVF TMR0,W; MOVWF 0x0F;
//   BCF INTCON,RBIF; BCF INTCON,INTF; BCF INTCON,T0IF; RETFIE
const uint16_t kProgram[] = {0x2810, 0x1683, 0x30F1, 0x0086, 0x3028, 0x0081, 0x1283,
                             0x30B8, 0x008B, 0x0A8C, 0x0806, 0x280D, 0x0A8D, 0x0806,
                             0x008E, 0x0801, 0x008F, 0x100B, 0x108B, 0x110B, 0x0009};
const char* const kPins[] = {"RA0", "RA1", "RA2", "RA3", "RA4", "RB0",
                             "RB1", "RB2", "RB4", "RB5", "RB6", "RB7"};

void LoadProgram() {
    ResetForLoad();
    for (size_t i = 0; i < std::size(kProgram); ++i) {
        char text[5];
        std::snprintf(text, sizeof text, "%04X", kProgram[i]);
        for (int c = 0; c < 4; ++c) ProgramImage[4 * (4 + i) + c] = text[c];
    }
    ProgramEnd = core::kProgramImageSize;
}

TEST(SessionRecording, ReplayReachesTheRecordedMachineBitForBit) {
    CScratchFolder folder;
    const std::string program = (folder.Path() / "prog.asm").string();
    for (unsigned seed = 1; seed <= 20; ++seed) {
        // Clicks on output pins are refused with a message, which stays here.
        CRecordingMessageBox messages;
        LoadProgram();
        ResetForRun();
        std::mt19937 random(seed);
        const uint64_t from = core::EventLog.LastSerial();
        CInstructionSet cpu;
        const int passes = 500 + static_cast<int>(random() % 1500);
        for (int pass = 0; pass < passes; ++pass) {
            // Now and then a burst of clicks and edits, some at the same moment.
            while (random() % 8 == 0) {
                if (random() % 4 == 0) {
                    // W, a special register or one of the program's counters.
                    const int targets[] = {-1, TMR0, STATUS, PORTB, INTCON, 0x0C, 0x0E, TRISB};
                    const int target = targets[random() % std::size(targets)];
                    const auto value = static_cast<uint8_t>(random());
                    core::EditValue({target < 0 ? core::SUserInput::EKind::W
                                                : core::SUserInput::EKind::Register,
                                     static_cast<uint8_t>(target < 0 ? 0 : target), value});
                    continue;
                }
                const char* pin = kPins[random() % std::size(kPins)];
                const uint8_t port = pin[1] == 'A' ? PORTA : PORTB;
                const auto mask = static_cast<uint8_t>(1u << (pin[2] - '0'));
                core::ClickPin(port, mask);
            }
            core::RunOnePass(cpu);
        }
        std::vector<SRecordedInput> inputs;
        for (const core::SEvent& event : core::EventLog.Since(from)) {
            if (core::IsUserInput(event.kind)) inputs.push_back(RecordedInputOf(event));
        }
        const core::SChipState recorded = core::Chip;
        const std::string path = (folder.Path() / "session.yaml").string();
        const std::string text = RecordedScenario(path, program, 3.2768e6, inputs);

        SScenario scenario;
        std::string error;
        ASSERT_TRUE(ReadScenarioText(text, path, &scenario, &error)) << error << "\n" << text;
        EXPECT_EQ(scenario.program, program);
        EXPECT_DOUBLE_EQ(scenario.clockHz, 3.2768e6);
        const SScenarioReport report = RunScenario(scenario, program);
        EXPECT_TRUE(report.passed) << "seed " << seed << "\n" << text;
        EXPECT_TRUE(core::Chip == recorded) << "seed " << seed;
        EXPECT_GT(RegisterFile[0x0D], 0) << "seed " << seed << ": no interrupt ever ran";
    }
}

TEST(SessionRecording, TheExpectNamesRegistersAndLeavesOutZeros) {
    CRecordingMessageBox messages;
    LoadProgram();
    ResetForRun();
    CInstructionSet cpu;
    for (int pass = 0; pass < 9; ++pass) core::RunOnePass(cpu);
    const std::string text = RecordedScenario("/tmp/s.yaml", "/tmp/p.asm", 4e6, {});
    EXPECT_NE(text.find("program: p.asm\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  - run: {cycles: 9}\n"), std::string::npos) << text;
    EXPECT_NE(text.find("INTCON: 0xB8"), std::string::npos) << text;
    EXPECT_NE(text.find("TRISB: 0xF1"), std::string::npos) << text;
    EXPECT_NE(text.find("0x0C: 0x01"), std::string::npos) << text;
    EXPECT_EQ(text.find("0x0E:"), std::string::npos) << text;
    EXPECT_NE(text.find("PC: 0x000E"), std::string::npos) << text;
}

TEST(SessionRecording, EditsBecomeSetStepsByTheRegistersName) {
    core::SEvent edit = core::Event(core::EEventKind::Edit, 0x10, 0, "0x06");
    edit.cycle = 4;
    core::SEvent general = core::Event(core::EEventKind::Edit, 3, 0, "0x0C");
    general.cycle = 4;
    core::SEvent w = core::Event(core::EEventKind::Edit, 0xFF, 0, "W");
    w.cycle = 7;
    core::SEvent click = core::Event(core::EEventKind::Pin, 1, 0, "RB0");
    click.cycle = 7;
    std::vector<SRecordedInput> inputs;
    for (const core::SEvent& event : {edit, general, w, click})
        inputs.push_back(RecordedInputOf(event));
    ResetForRun();
    core::CycleCount = 9;
    const std::string text = RecordedScenario("/tmp/s.yaml", "/tmp/p.asm", 4e6, inputs);
    EXPECT_NE(text.find("  - run: {cycles: 4}\n"
                        "  - set: {PORTB: 0x10}\n"
                        "  - set: {0x0C: 0x03}\n"
                        "  - run: {cycles: 3}\n"
                        "  - set: {W: 0xFF}\n"
                        "  - click: RB0\n"
                        "  - run: {cycles: 2}\n"),
              std::string::npos)
        << text;
}
// Keys, buttons and typing on the board, as the log has them: a key's label
// after its part, a button by its name alone, the bytes typed at one cycle
// at one terminal as one step; events of the board that are no input (the
// LCD's bytes) are left out.
TEST(SessionRecording, BoardInputsBecomePressReleaseAndTypeSteps) {
    auto board = [](core::EBoardEvent what, int value, const char* part, uint64_t cycle) {
        core::SEvent event =
            core::Event(core::EEventKind::Board, value, static_cast<uint8_t>(what), part);
        event.cycle = cycle;
        return event;
    };
    const core::SEvent events[] = {board(core::EBoardEvent::Press, '5', "KEYS", 2),
                                   board(core::EBoardEvent::Data, 'A', "LCD", 3),
                                   board(core::EBoardEvent::Release, '5', "KEYS", 5),
                                   board(core::EBoardEvent::Press, 0, "START", 5),
                                   board(core::EBoardEvent::Typed, 'O', "TERM", 8),
                                   board(core::EBoardEvent::Typed, 'K', "TERM", 8),
                                   board(core::EBoardEvent::Typed, '\r', "TERM", 8),
                                   board(core::EBoardEvent::Typed, '!', "TERM", 9)};
    std::vector<SRecordedInput> inputs;
    for (const core::SEvent& event : events) {
        if (IsRecordedInput(event)) inputs.push_back(RecordedInputOf(event));
    }
    ResetForRun();
    core::CycleCount = 10;
    const std::string text =
        RecordedScenario("/tmp/s.yaml", "/tmp/p.asm", 4e6, inputs, "/tmp/b/p.board.yaml");
    EXPECT_NE(text.find("board: b/p.board.yaml\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  - run: {cycles: 2}\n"
                        "  - press: KEYS.5\n"
                        "  - run: {cycles: 3}\n"
                        "  - release: KEYS.5\n"
                        "  - press: START\n"
                        "  - run: {cycles: 3}\n"
                        "  - type: {TERM: \"OK\\r\"}\n"
                        "  - run: {cycles: 1}\n"
                        "  - type: {TERM: \"!\"}\n"
                        "  - run: {cycles: 1}\n"),
              std::string::npos)
        << text;
}
}  // namespace

namespace {
// On the data-sheet chip the scenario names its chip, an MCLR reset becomes
// a reset step, an EEPROM edit a set of the byte, and the final expect
// holds the EEPROM's bytes that differ from the program's own (erased: 0xFF).
TEST(SessionRecording, DatasheetChipInputsAndEeprom) {
    core::SEvent byte = core::Event(core::EEventKind::Edit, 0x41, 0, "EEPROM[3]");
    byte.cycle = 2;
    core::SEvent mclr = core::Event(core::EEventKind::Mclr);
    mclr.cycle = 5;
    std::vector<SRecordedInput> inputs;
    for (const core::SEvent& event : {byte, mclr}) inputs.push_back(RecordedInputOf(event));
    const core::EChipProfile setting = core::ChipProfile;
    core::ChipProfile = core::EChipProfile::Datasheet;
    ResetForRun();
    core::ChipProfile = setting;
    core::LoadEepromFromProgram();
    core::Chip.datasheet.eeprom[3] = static_cast<uint8_t>(core::ProgramEeprom[3] ^ 0xFF);
    core::CycleCount = 6;
    const std::string text = RecordedScenario("/tmp/s.yaml", "/tmp/p.asm", 4e6, inputs);
    EXPECT_NE(text.find("chip: datasheet\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  - run: {cycles: 2}\n"
                        "  - set: {\"EEPROM[3]\": 0x41}\n"
                        "  - run: {cycles: 3}\n"
                        "  - reset: MCLR\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("EEPROM[3]: "), std::string::npos) << text;
    EXPECT_EQ(text.find("EEPROM[4]"), std::string::npos) << text;
    // Read back, the scenario names the same byte.
    SScenario replay;
    std::string error;
    ASSERT_TRUE(ReadScenarioText(text, "s.yaml", &replay, &error)) << error;
    ResetForRun();
}
}  // namespace
