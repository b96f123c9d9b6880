#pragma once
// What the register display shows and where: its texts, each with the
// top-left corner of its cell and the colour the cell is filled with, worked
// out from the live processor state and the display flags. The paint only
// draws these cells, so what is shown can be checked without pixels.
#include <array>
#include <cstdint>
#include <string>

#include "core/state.h"

enum class CellBackground { White, Grey, Green };

struct DisplayCell {
    int x = 0;
    int y = 0;
    std::string text;
    CellBackground background = CellBackground::Grey;
    // The register the cell shows (kWRegister for W), -1 for the mnemonic.
    int reg = -1;
    uint8_t value = 0;
    // Differs from the values it is compared with.
    bool changed = false;
};

// The values the display shows, kept to tell what the next state changed.
struct RegisterSnapshot {
    uint8_t w = 0;
    std::array<uint8_t, core::kRegisterFileSize> file{};
    bool operator==(const RegisterSnapshot&) const = default;
};
RegisterSnapshot TakeRegisterSnapshot();

// W and five bit strings, 48 registers, the mnemonic line.
constexpr int kMaxDisplayCells = 6 + 48 + 1;
using DisplayCells = std::array<DisplayCell, kMaxDisplayCells>;

// Fills the front of cells in drawing order, from the values of shown, and
// returns how many it filled. With before, a cell whose value differs from
// it is marked changed. Reusing one array keeps the strings' buffers, so a
// paint does not allocate.
int LayOutRegisterDisplay(DisplayCells& cells, const RegisterSnapshot& shown,
                          const RegisterSnapshot* before = nullptr);
// The same from the live state, nothing marked.
int LayOutRegisterDisplay(DisplayCells& cells);
