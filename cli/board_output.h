#pragma once
// The lab board for lumo-run: the board file found or named, and what its
// parts show after the run, as text or as one JSON object.
#include <cstdio>
#include <memory>
#include <string>

#include "attached_board.h"

// The board file for a program: the one named, else NAME.board.yaml beside
// NAME.asm (or .obj, .hex) when it exists; empty for none.
std::string BoardFileFor(const std::string& named, const std::string& program);

// Reads and attaches the board; on failure prints why and returns null.
std::unique_ptr<board::CAttachedBoard> AttachBoardFile(const std::string& path, double clockHz);

void PrintBoard(std::FILE* out, const board::SBoard& board, bool json);
