// The keypad matrix: a pressed key joins its row and column, so a scan in
// either direction finds it on the pull-ups' high level, and keys held
// together join their wires as on the real matrix.
#include "board/keypad.h"

#include <gtest/gtest.h>

#include "board_test_support.h"

using namespace board;

namespace {
constexpr int RB0 = 5, RB4 = 9;

test::CHarness<CKeypad> FourByFour() {
    SKeypadWiring wiring;
    for (int i = 0; i < 4; ++i) {
        wiring.rows[i] = RB0 + i;
        wiring.columns[i] = RB4 + i;
    }
    return test::CHarness<CKeypad>{CKeypad(wiring)};
}

// Drives one line of `outs` low and the others high, reads `ins` (inputs on
// pull-ups): a bit per line that reads low.
int Scan(test::CHarness<CKeypad>& pad, int outs, int ins, int low) {
    for (int i = 0; i < 4; ++i) pad.In(ins + i, true);
    for (int i = 0; i < 4; ++i) pad.Out(outs + i, i != low);
    int lows = 0;
    for (int i = 0; i < 4; ++i) lows |= pad.Level(ins + i) ? 0 : 1 << i;
    return lows;
}

TEST(Keypad, EachKeyIsFoundByRowScanAndByColumnScan) {
    const char* layout = "123A456B789C*0#D";
    for (int key = 0; key < 16; ++key) {
        auto pad = FourByFour();
        ASSERT_TRUE(pad.part().Press(layout[key]));
        const int row = key / 4, column = key % 4;
        for (int line = 0; line < 4; ++line) {
            EXPECT_EQ(Scan(pad, RB0, RB4, line), line == row ? 1 << column : 0) << layout[key];
            EXPECT_EQ(Scan(pad, RB4, RB0, line), line == column ? 1 << row : 0) << layout[key];
        }
        pad.part().Release(layout[key]);
        EXPECT_EQ(Scan(pad, RB0, RB4, row), 0);
    }
    auto pad = FourByFour();
    EXPECT_FALSE(pad.part().Press('E'));
}

TEST(Keypad, KeysHeldTogetherJoinTheirWires) {
    auto pad = FourByFour();
    pad.part().Press('1');  // row 0, column 0
    pad.part().Press('4');  // row 1, column 0
    EXPECT_EQ(Scan(pad, RB0, RB4, 0), 0b0001) << "the other row's high output loses";
    pad.part().Press('5');  // row 1, column 1: a path 1-4-5 to column 1
    EXPECT_EQ(Scan(pad, RB0, RB4, 0), 0b0011) << "the phantom key of a matrix";
    EXPECT_EQ(Scan(pad, RB0, RB4, 2), 0);
    EXPECT_EQ(pad.part().PressedLabels(), "145");
    // Inputs on both sides: nothing drives, the pull-ups hold.
    for (int i = 0; i < 8; ++i) pad.In(RB0 + i, true);
    EXPECT_EQ(pad.Step().drive, 0);
}
}  // namespace
