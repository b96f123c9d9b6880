// The board on the chip: parts called from the run loop, their levels on the
// pins, their state carried by the history.
#include "board/attached_board.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "board/board_reader.h"
#include "core/event_log.h"
#include "core/history.h"
#include "core/pin_input.h"
#include "core/run_driver.h"
#include "core/run_loop.h"
#include "core/state.h"
#include "recording_message_box.h"

namespace board {
namespace {

// The words by hand (PIC16C84 encodings): BSF f,b 0x1400|b<<7|f, BCF
// 0x1000|b<<7|f, CLRF 0x0180|f, MOVWF 0x0080|f, MOVLW 0x3000|k, GOTO 0x2800|k.
constexpr uint16_t kBank1 = 0x1683, kBank0 = 0x1283, kClrTrisA = 0x0185, kClrTrisB = 0x0186;
constexpr uint16_t kEHigh = 0x1485, kELow = 0x1085, kRsHigh = 0x1405, kToPortB = 0x0086;
constexpr uint16_t kNop = 0;
constexpr uint16_t MovLw(int k) {
    return static_cast<uint16_t>(0x3000 | k);
}

class AttachedBoardTest : public testing::Test {
protected:
    void SetUp() override {
        ResetForLoad();
        ProgramEnd = core::kProgramImageSize;
    }
    void TearDown() override {
        if (m_board) m_board->Detach();
    }

    // At 1000 instruction cycles a second the LCD's 10 ms power-on lasts 10
    // cycles and each short instruction one.
    void Attach(const std::string& yaml, double cycleHz = 1000) {
        SBoard board;
        std::string error;
        ASSERT_TRUE(ReadBoardText(yaml, "test.board.yaml", &board, &error)) << error;
        m_board = std::make_unique<CAttachedBoard>(std::move(board), cycleHz);
        m_board->Attach();
    }

    void Load(const std::vector<uint16_t>& words) {
        for (int address = 0; address < core::kProgramImageSize / 4; ++address) Put(address, kNop);
        int at = core::kStartAddress;
        for (uint16_t word : words) Put(at++, word);
        Put(at, static_cast<uint16_t>(0x2800 | at));  // stays here
        ResetForRun();
    }
    static void Put(int address, uint16_t word) {
        char text[5];
        std::snprintf(text, sizeof text, "%04X", word);
        for (int i = 0; i < 4; ++i) ProgramImage[4 * address + i] = text[i];
    }
    void Step(int passes) {
        for (int i = 0; i < passes; ++i) core::RunOnePass(m_cpu);
    }
    std::string LcdText() const { return PartText(m_board->Live().parts[0].part); }

    CInstructionSet m_cpu;
    CRecordingMessageBox m_messages;
    std::unique_ptr<CAttachedBoard> m_board;
};

constexpr const char* kLcdBoard =
    "parts:\n"
    "  - lcd: {name: LCD, data: [RB0, RB1, RB2, RB3, RB4, RB5, RB6, RB7],"
    " rs: RA0, e: RA1}\n";

// The program's bytes reach the LCD through its pins; stepping back shows
// what it showed then, the published copy as well as the live one, and
// going forward again writes the same.
TEST_F(AttachedBoardTest, LcdWritesAndSteppingBackOverThem) {
    Attach(kLcdBoard);
    std::vector<uint16_t> words = {kBank1, kClrTrisA, kClrTrisB, kBank0};
    for (int i = 0; i < 12; ++i) words.push_back(kNop);
    auto send = [&](int byte) {
        for (uint16_t w : {MovLw(byte), kToPortB, kEHigh, kELow, kNop, kNop}) words.push_back(w);
    };
    send(0x38);  // 8 bits, two lines
    send(0x0C);  // display on
    words.push_back(kRsHigh);
    send('H');
    const int afterH = static_cast<int>(words.size());
    send('I');
    Load(words);
    Step(static_cast<int>(words.size()) + 2);
    EXPECT_EQ(LcdText(), "HI");
    const uint64_t end = InstructionCount;

    struct SCase {
        uint64_t pass;
        const char* text;
    } const cases[] = {{static_cast<uint64_t>(afterH), "H"}, {4, ""}, {end, "HI"}};
    for (const SCase& c : cases) {
        core::History.GoTo(c.pass, m_cpu);
        EXPECT_EQ(LcdText(), c.text) << "at pass " << c.pass;
        EXPECT_EQ(PartText(m_board->Snapshot()->parts[0].part), c.text) << "at pass " << c.pass;
    }
}

// A pressed key joins its row to its column: the scan reads it low, the
// released line goes back high, and port B's change flag sees both.
TEST_F(AttachedBoardTest, KeypadReadThroughThePins) {
    Attach(
        "parts:\n  - keypad: {name: KEYS, rows: [RB0, RB1, RB2, RB3],"
        " columns: [RB4, RB5, RB6, RB7]}\n");
    // TRISB = 0xF0: rows out, columns in; rows low.
    Load({kBank1, MovLw(0xF0), kToPortB, kBank0, MovLw(0x00), kToPortB});
    Step(8);
    const uint8_t idle = RegisterFile[PORTB];
    EXPECT_EQ(idle & 0xF0, 0xF0);
    RegisterFile[INTCON] = 0;
    struct SCase {
        core::SUserInput::EKind kind;
        char key;
        uint8_t columns;
    } const cases[] = {{core::SUserInput::EKind::Press, '5', 0xD0},
                       {core::SUserInput::EKind::Press, 'C', 0x50},
                       {core::SUserInput::EKind::Release, '5', 0x70},
                       {core::SUserInput::EKind::Release, 'C', 0xF0},
                       {core::SUserInput::EKind::Press, 'X', 0xF0}};
    for (const SCase& c : cases) {
        core::ActOnBoard({c.kind, 0, static_cast<uint8_t>(c.key)});
        Step(1);
        EXPECT_EQ(RegisterFile[PORTB] & 0xF0, c.columns) << c.key;
    }
    EXPECT_NE(RegisterFile[INTCON] & 0x01, 0) << "RBIF";
}

// A bouncing button's edges come from the queue at their cycles, and a run
// taken again from an earlier keyframe sees the very same edges.
TEST_F(AttachedBoardTest, BounceFromTheQueueReplaysExactly) {
    Attach("parts:\n  - button: {name: START, pin: RB0, pressed: 0, bounce: {count: 3, ms: 2}}\n",
           1e6);
    Load({});
    core::History.Start();
    Step(static_cast<int>(core::CHistory::kKeyframeEvery) + 10);
    const uint64_t pressAt = InstructionCount;
    core::ActOnBoard({core::SUserInput::EKind::Press, 0, 0});
    auto levels = [&] {
        std::string seen = "1";
        for (int i = 0; i < 2500; ++i) {
            Step(1);
            seen += (RegisterFile[PORTB] & 1) ? '1' : '0';
        }
        return seen;
    };
    const std::string first = levels();
    int edges = 0;
    for (size_t i = 1; i < first.size(); ++i) edges += first[i] != first[i - 1];
    EXPECT_EQ(edges, 7) << "three bounces and the press";
    EXPECT_EQ(first.back(), '0');
    // The state at a pass comes before the inputs made at it.
    core::History.GoTo(pressAt, m_cpu);
    EXPECT_EQ(RegisterFile[PORTB] & 1, 1);
    EXPECT_EQ(levels(), first);
}

// The history's memory counts each copy of the board its keyframes keep,
// once for keyframes that share it; going back to the previous event stops
// at the user's hand on the board.
TEST_F(AttachedBoardTest, HistoryCountsTheBoardsCopiesAndStopsAtItsInputs) {
    constexpr int kEvery = static_cast<int>(core::CHistory::kKeyframeEvery);
    Load({});
    core::History.Start();
    Step(3 * kEvery + 10);
    const size_t bare = core::History.MemoryBytes();

    // A terminal makes a copy large enough to tell from the keyframes.
    Attach("parts:\n  - button: {name: B, pin: RB0}\n  - serial: {name: T, tx: RB1}\n");
    Load({});
    core::History.Start();
    Step(kEvery + 10);  // the first two keyframes share the board's copy
    const uint64_t pressAt = InstructionCount;
    core::ActOnBoard({core::SUserInput::EKind::Press, 0, 0});
    Step(kEvery);
    const uint64_t releaseAt = InstructionCount;
    core::ActOnBoard({core::SUserInput::EKind::Release, 0, 0});
    Step(kEvery);
    const size_t copy = 2 * sizeof(SBoardPart);
    const size_t boardBytes = core::History.MemoryBytes() - bare;
    EXPECT_GE(boardBytes, 3 * copy);
    EXPECT_LT(boardBytes, 4 * copy) << "one copy counted twice";

    EXPECT_EQ(core::EventLog.LandmarkBefore(InstructionCount), releaseAt);
    EXPECT_EQ(core::EventLog.LandmarkBefore(releaseAt), pressAt);
}

}  // namespace
}  // namespace board
