// The board editor's draft: what it writes reads as a board, keeps the
// settings it offers no field for, and a board it cannot take is told with
// the place in the file.
#include "board/board_draft.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "board/board_reader.h"

namespace {
using board::CBoardDraft;

std::string Written(const std::string& name, const std::string& text) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

TEST(BoardDraft, EditedBoardReadsAndKeepsWhatTheEditorDoesNotShow) {
    const std::string path = Written("draft.board.yaml",
                                     "# a comment\n"
                                     "parts:\n"
                                     "  - button: {name: START, pin: RA4, bounce: {count: 6, ms: 2}}\n"
                                     "  - led: {pin: RB0}\n"
                                     "  - keypad: {rows: [RB0, RB1, RB2, RB3], columns: [RB4, RB5, RB6], "
                                     "keys: [\"123\", \"456\", \"789\", \"*0#\"]}\n");
    CBoardDraft draft;
    std::string error;
    ASSERT_TRUE(draft.Load(path, &error)) << error;
    ASSERT_EQ(draft.Count(), 3u);
    EXPECT_EQ(draft.Type(2), "keypad");
    EXPECT_EQ(draft.Get(2, "columns"), (std::vector<std::string>{"RB4", "RB5", "RB6"}));
    EXPECT_TRUE(draft.Get(1, "active").empty());

    draft.Set(0, "pin", {"RA3"}, false);
    draft.Set(1, "active", {"0"}, false);
    draft.Remove(2);
    draft.Add("serial");
    draft.Set(2, "rx", {""}, false);  // left out: the terminal only listens
    const std::string text = draft.Text();
    EXPECT_EQ(text,
              "parts:\n"
              "  - button: {name: START, pin: RA3, bounce: {count: 6, ms: 2}}\n"
              "  - led: {pin: RB0, active: 0}\n"
              "  - serial: {name: TERM, tx: RB1, baud: 9600}\n");
    board::SBoard board;
    ASSERT_TRUE(board::ReadBoardText(text, "x", &board, &error)) << error;
    ASSERT_EQ(board.parts.size(), 3u);
    EXPECT_EQ(std::get<board::CButton>(board.parts[0].part).Pin(), 3);  // RA3
    EXPECT_FALSE(std::get<board::CLed>(board.parts[1].part).ActiveHigh());
    EXPECT_EQ(std::get<board::CSerialTerminal>(board.parts[2].part).Wiring().rx, board::kNoPin);
}

// Each kind the editor offers starts as a board that reads on its own, and
// a file that does not exist yet is an empty board.
TEST(BoardDraft, EveryNewPartReadsOnItsOwn) {
    for (const board::SPartKindInfo& kind : board::PartKinds()) {
        CBoardDraft draft;
        std::string error;
        ASSERT_TRUE(draft.Load(::testing::TempDir() + "missing.board.yaml", &error));
        EXPECT_EQ(draft.Count(), 0u);
        draft.Add(kind.type);
        EXPECT_EQ(draft.Type(0), kind.type);
        EXPECT_TRUE(draft.Check("nova.board.yaml", &error)) << kind.type << ": " << error;
    }
}

TEST(BoardDraft, WhatDoesNotReadIsToldWithItsPlace) {
    CBoardDraft draft;
    std::string error;
    // Two parts driving RA4: the reader names the line of the second.
    draft.Add("button");
    draft.Add("switch");
    draft.Set(1, "pin", {"RA4"}, false);
    EXPECT_FALSE(draft.Check("b.board.yaml", &error));
    EXPECT_EQ(error.rfind("b.board.yaml:3:", 0), 0u) << error;
    EXPECT_NE(error.find("RA4"), std::string::npos) << error;
    // A pin list with a gap the editor left.
    draft.Remove(1);
    draft.Add("lcd");
    draft.Set(1, "data", {"RB4", "-", "RB6", "RB7"}, true);
    EXPECT_FALSE(draft.Check("b.board.yaml", &error));

    const std::string broken = Written("broken.board.yaml", "parts:\n  - led: {pin: [RB0\n");
    EXPECT_FALSE(draft.Load(broken, &error));
    EXPECT_EQ(error.rfind(broken + ":", 0), 0u) << error;
    const std::string notParts = Written("list.board.yaml", "parts:\n  - led\n");
    EXPECT_FALSE(draft.Load(notParts, &error));
    EXPECT_EQ(error, notParts + ":2:5: deo: ocekuje se vrsta dela i mapa podesavanja");
}
}  // namespace
