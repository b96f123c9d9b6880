#pragma once
// The lab board for lumo-run: the board file found or named (board_file.h),
// and what its parts show after the run, as text or as one JSON object.
#include <cstdio>
#include <memory>
#include <string>

#include "board/attached_board.h"
#include "board/board_file.h"

namespace cli {

// Reads and attaches the board; on failure prints why and returns null.
std::unique_ptr<board::CAttachedBoard> AttachBoardFile(const std::string& path, double clockHz);

void PrintBoard(std::FILE* out, const board::SBoard& board, bool json);

}  // namespace cli
