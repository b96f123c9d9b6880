#pragma once
// What the register display shows and where: its texts, each with the
// top-left corner of its cell and the colour the cell is filled with, worked
// out from the live processor state and the display flags. The paint only
// draws these cells, so what is shown can be checked without pixels.
#include <array>
#include <string>

enum class CellBackground { White, Grey, Green };

struct DisplayCell {
    int x = 0;
    int y = 0;
    std::string text;
    CellBackground background = CellBackground::Grey;
};

// W and five bit strings, 48 registers, the mnemonic line.
constexpr int kMaxDisplayCells = 6 + 48 + 1;
using DisplayCells = std::array<DisplayCell, kMaxDisplayCells>;

// Fills the front of cells in drawing order and returns how many it filled.
// Reusing one array keeps the strings' buffers, so a paint does not allocate.
int LayOutRegisterDisplay(DisplayCells& cells);
