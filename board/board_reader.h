#pragma once
// Reads a board file: a YAML map whose key `parts` lists the parts, each a
// map of one key (the part's type) to its settings:
//
//   parts:
//     - lcd: {name: LCD, size: 16x2, data: [RB4, RB5, RB6, RB7], rs: RA2, e: RA3, rw: RA1}
//     - seven_segment: {segments: [RB0, ..., RB7], digits: [RA0, RA1], common: cathode}
//     - keypad: {rows: [RB0, ...], columns: [RB4, ...], keys: ["123A", "456B", ...]}
//     - button: {name: START, pin: RA4, pressed: 0, bounce: {count: 6, ms: 2}}
//     - led: {pin: RA0, active: 1}
//     - switch: {pin: RB0, level: 1}
//     - serial: {name: TERM, tx: RB1, rx: RB2, baud: 9600}
//
// Anything it cannot take (an unknown type, key or pin, a malformed value,
// a pin that two parts would both drive) is an error that names the file,
// line and column; no input makes it crash.
#include <string>

#include "board/board.h"

namespace board {

// Reads the file at path. On failure returns false with "FILE:LINE:COLUMN:
// what" (or "FILE: what" when the file cannot be read) in *error.
bool ReadBoardFile(const std::string& path, SBoard* board, std::string* error);

// The same on text already in memory; file names the text in messages.
bool ReadBoardText(const std::string& text, const std::string& file, SBoard* board,
                   std::string* error);

}  // namespace board
