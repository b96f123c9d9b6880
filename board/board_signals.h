#pragma once
// What a logic analyser shows of each part: its lines (the levels of the
// pins it is wired to) and what it decodes from them. One list serves the
// waveform file and the analyser pane, so both show the same signals with
// the same values.
//
//   lcd            RS, E, RW (when wired), the wired data lines D0-D7, busy
//   seven_segment  the digit selects DIG1-DIGn (when wired), segments a-g, dp
//   keypad         key (the code of the first key held, 0 for none), the
//                  rows ROW1-ROWn and columns COL1-COLn
//   button         held (the hand), level (the contact, bounces included)
//   led            lit
//   switch         level
//   serial         tx, rx (when wired), frame (a byte under way on tx), byte
//                  (the last byte received)
#include <cstdint>
#include <vector>

#include "board/board.h"
#include "core/board_hook.h"

namespace board {

std::vector<core::SBoardSignal> BoardSignals(const SBoard& board);
// The values among BoardSignals(board) (the lines are the pins' levels), in
// its order, as the parts stand at this cycle.
void BoardSignalValues(const SBoard& board, uint64_t cycle, uint32_t* values);
// Whether a call of the part may change one of its values: not when it
// shows lines alone, nor when its Update leaves it as it was (a keypad's key
// changes by the user's hand alone).
bool CallMayChangeValues(const SPart& part);

}  // namespace board
