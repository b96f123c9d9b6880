// The board file reader: every part type as written, and a place
// (file:line:column) for each thing it cannot accept.
#include "board/board_reader.h"

#include <gtest/gtest.h>

using namespace board;

namespace {
SBoard Read(const std::string& text) {
    SBoard board;
    std::string error;
    EXPECT_TRUE(ReadBoardText(text, "b.board.yaml", &board, &error)) << error;
    return board;
}

TEST(BoardReader, EveryPartAsWritten) {
    const SBoard board = Read(
        "# every kind once\n"
        "parts:\n"
        "  - lcd: {name: LCD, size: 20x4, data: [RB4, RB5, RB6, RB7], rs: RA2, e: RA3, rw: RA1}\n"
        "  - seven_segment: {name: DISP, segments: [RB0, RB1, RB2, RB3, RB4, RB5, RB6],\n"
        "                    digits: [RA0, RA1], common: anode}\n"
        "  - keypad: {rows: [RB0, RB1, RB2, RB3], columns: [rb4, rb5, rb6], keys: [abc, def, "
        "ghi, 'jk#']}\n"
        "  - button: {name: START, pin: RA4, pressed: 0, bounce: {count: 6, ms: 2}}\n"
        "  - led: {pin: RA0, active: 0}\n"
        "  - led: {pin: RA1}\n"
        "  - serial: {name: TERM, tx: RB1, rx: RB2, baud: 2400, inverted: true}\n"
        "  - switch: {pin: RB3, level: 1}\n"
        "  - button: {name: RESET, pin: mclr}\n");
    ASSERT_EQ(board.parts.size(), 9u);
    const char* names[] = {"LCD",  "DISP", "keypad1", "START", "led1",
                           "led2", "TERM", "switch1", "RESET"};
    for (size_t i = 0; i < board.parts.size(); ++i) EXPECT_EQ(board.parts[i].name, names[i]);
    EXPECT_EQ(board.parts[3].line, 7);
    EXPECT_EQ(board.parts[3].column, 5);

    const auto& lcd = std::get<CLcd>(board.parts[0].part).Wiring();
    EXPECT_EQ(lcd.columns * 10 + lcd.rows, 204);
    EXPECT_EQ(lcd.data[3], kNoPin);
    EXPECT_EQ(lcd.data[4], 9);  // RB4
    EXPECT_EQ(lcd.rw, 1);
    const auto& disp = std::get<CSevenSegment>(board.parts[1].part).Wiring();
    EXPECT_TRUE(disp.commonAnode && disp.digitActiveHigh);
    EXPECT_EQ(disp.digitCount, 2);
    EXPECT_EQ(disp.segments[7], kNoPin);
    const auto& keys = std::get<CKeypad>(board.parts[2].part).Wiring();
    EXPECT_EQ(keys.columnCount, 3);
    EXPECT_EQ(keys.labels[3 * 4 + 2], '#');
    EXPECT_EQ(std::get<CSerialTerminal>(board.parts[6].part).Wiring().baud, 2400);
    EXPECT_TRUE(std::get<CSwitch>(board.parts[7].part).Level());
    // The reset button drives no port line; the start button is no reset.
    EXPECT_TRUE(IsResetButton(board.parts[8].part));
    EXPECT_FALSE(IsResetButton(board.parts[3].part));
    EXPECT_EQ(PartDrivenPins(board.parts[8].part), 0);

    EXPECT_TRUE(Read("").parts.empty());
    EXPECT_TRUE(Read("parts: []\n").parts.empty());
}

TEST(BoardReader, MalformedFilesNameTheirPlace) {
    struct SCase {
        const char* text;
        const char* error;
    };
    const SCase cases[] = {
        {"parts: {lcd: 1}\n", "b.board.yaml:1:8: parts: ocekuje se lista"},
        {"board: []\n", "b.board.yaml:1:1: nepoznat kljuc 'board'"},
        {"parts:\n  - motor: {pin: RB0}\n", "b.board.yaml:2:5: nepoznata vrsta dela 'motor'"},
        {"parts:\n  - led: {pin: RC0}\n", "b.board.yaml:2:16: led: pin: nepoznat pin 'RC0'"},
        {"parts:\n  - led: {pin: RB0, colour: red}\n",
         "b.board.yaml:2:21: led: nepoznat kljuc 'colour'"},
        {"parts:\n  - led: {active: 1}\n", "b.board.yaml:2:10: led: nedostaje 'pin'"},
        {"parts:\n  - led: {pin: RB0, active: 2}\n",
         "b.board.yaml:2:29: led: active: ocekuje se 0 ili 1"},
        {"parts:\n  - lcd: {data: [RB0, RB1, RB2], rs: RA0, e: RA1}\n",
         "b.board.yaml:2:17: lcd: data: ocekuje se lista od 4 do 8 pinova"},
        {"parts:\n  - lcd: {data: [RB0, RB1, RB2, RB3, RB4], rs: RA0, e: RA1}\n",
         "b.board.yaml:2:17: lcd: data: ocekuje se 4 pina"},
        {"parts:\n  - lcd: {size: 40x2, data: [RB4, RB5, RB6, RB7], rs: RA0, e: RA1}\n",
         "b.board.yaml:2:17: lcd: size: ocekuje se 16x1, 16x2, 20x2 ili 20x4"},
        {"parts:\n  - lcd: {data: [RB4, RB5, RB6, RB7], rs: RB4, e: RA1}\n",
         "b.board.yaml:2:43: lcd: rs: pin RB4 je u ovom delu vec upotrebljen"},
        {"parts:\n  - keypad: {rows: [RB0, RB1, RB2, RB3], columns: [RB4, RB5, RB6, RB7], "
         "keys: [\"1234\", \"5678\", \"9ABC\", \"DEF1\"]}\n",
         "b.board.yaml:2:104: keypad: keys: taster '1' je naveden dvaput"},
        {"parts:\n  - keypad: {rows: [RB0, RB1, RB2, RB3], columns: [RB4, RB5, RB6, RB7], "
         "keys: [\"123\", \"456\", \"789\", \"*0#\"]}\n",
         "b.board.yaml:2:80: keypad: keys: red '123' treba da ima 4 tastera"},
        {"parts:\n  - button: {pin: RA4, bounce: {count: 3}}\n",
         "b.board.yaml:2:32: button: bounce: potrebni su 'count' i 'ms'"},
        {"parts:\n  - button: {pin: RA4, bounce: {count: -1, ms: 2}}\n",
         "b.board.yaml:2:40: button: bounce: count: ocekuje se ceo broj od 0 do 100"},
        {"parts:\n  - serial: {tx: RB1, baud: fast}\n",
         "b.board.yaml:2:29: serial: baud: ocekuje se broj od 50 do 1000000, a ne 'fast'"},
        {"parts:\n  - led: {name: RB0, pin: RB0}\n",
         "b.board.yaml:2:17: led: ime 'RB0' nije dobro"},
        {"parts:\n  - led: {name: A, pin: RB0}\n  - led: {name: a, pin: RB1}\n",
         "b.board.yaml:3:17: ime 'a' vec nosi drugi deo"},
        // Two parts that drive one pin; parts that only look may share.
        {"parts:\n  - switch: {pin: RB0}\n  - button: {name: B, pin: RB0}\n",
         "b.board.yaml:3:28: pin RB0 vec pokrece deo 'switch1' (red 2)"},
        {"parts:\n  - serial: {tx: RB1, rx: RB2}\n  - lcd: {data: [RB4, RB5, RB6, RB2], rs: "
         "RA0, e: RA1, rw: RA2}\n",
         "b.board.yaml:3:33: pin RB2 vec pokrece deo 'serial1'"},
        {"parts:\n  - button: {pin: MCLR, pressed: 1}\n",
         "b.board.yaml:2:34: button: MCLR resetuje cip niskim nivoom"},
        {"parts:\n  - button: {pin: MCLR, bounce: {count: 2, ms: 1}}\n",
         "b.board.yaml:2:33: button: taster na MCLR ne odskace"},
        {"parts:\n  - led: {pin: MCLR}\n", "b.board.yaml:2:16: led: pin: nepoznat pin 'MCLR'"},
        {"parts:\n  - led: {pin: RB0\n", "b.board.yaml:3:1: "},
        {"parts:\n  - [led, RB0]\n", "b.board.yaml:2:5: deo: ocekuje se tacno jedan kljuc"},
    };
    for (const SCase& c : cases) {
        SBoard board;
        std::string error;
        EXPECT_FALSE(ReadBoardText(c.text, "b.board.yaml", &board, &error)) << c.text;
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << c.text << "\n  gave: " << error;
    }
    // Looking is no driving: an LED, a display and a keypad on the LCD's
    // data lines are a board that works.
    EXPECT_EQ(Read("parts:\n"
                   "  - lcd: {data: [RB4, RB5, RB6, RB7], rs: RA0, e: RA1, rw: RA2}\n"
                   "  - keypad: {rows: [RB0, RB1, RB2, RB3], columns: [RB4, RB5, RB6, RB7]}\n"
                   "  - led: {pin: RB4}\n")
                  .parts.size(),
              3u);
}

TEST(BoardReader, MissingFileIsAnError) {
    SBoard board;
    std::string error;
    EXPECT_FALSE(ReadBoardFile("/nonexistent/x.board.yaml", &board, &error));
    EXPECT_EQ(error, "/nonexistent/x.board.yaml: datoteka ne moze da se otvori");
}
}  // namespace
