#pragma once
// Where a program's board file is: the one the user named, else
// NAME.board.yaml beside the program NAME.asm (or .obj, .hex). lumo-run and
// the window find it alike.
#include <string>

namespace board {

// The board file for a program: named when not empty, else NAME.board.yaml
// beside program when that file exists; empty for none.
std::string BoardFileFor(const std::string& named, const std::string& program);

}  // namespace board
