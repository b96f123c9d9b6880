#include "ui/register_layout.h"

#include <QCoreApplication>

#include "core/state.h"
#include "ui/display_flags.h"
#include "ui/register_names.h"
#include "ui/register_text.h"

namespace {
constexpr int kFirstLine = 2;
constexpr int kSecondLine = 22;
constexpr int kColumnStep = 81;
constexpr int kRowStep = 17;
constexpr int kLastColumnStart = 700;
constexpr int kGridRegisters = 48;
constexpr int kMnemonicXWithGrid = 630;
constexpr int kMnemonicXAlone = 255;
constexpr const char* kNoMnemonic = "               ";  // 15 blanks keep the field's width

struct BitField {
    int x;
    const char* label;
    uint8_t reg;
};
// These ignore ShowHex: only W and the grid change with it.
constexpr BitField kBitFields[] = {
    {62, "INTCON=", INTCON}, {222, "STATUS=", STATUS}, {382, "OPT=", OPTION_REG},
    {512, "TRISA=", TRISA},  {652, "TRISB=", TRISB},
};

void AppendValue(std::string& text, int value) {
    text += ShowHex ? ToHex(value) : ToDecimal(value);
}
}  // namespace

RegisterSnapshot TakeRegisterSnapshot() {
    RegisterSnapshot snapshot;
    snapshot.w = W;
    for (int i = 0; i < core::kRegisterFileSize; ++i) snapshot.file[i] = RegisterFile[i];
    return snapshot;
}

int LayOutRegisterDisplay(DisplayCells& cells) {
    return LayOutRegisterDisplay(cells, TakeRegisterSnapshot());
}

int LayOutRegisterDisplay(DisplayCells& cells, const RegisterSnapshot& shown,
                          const RegisterSnapshot* before) {
    int count = 0;
    auto next = [&](int x, int y, CellBackground background, int reg = -1) -> std::string& {
        DisplayCell& cell = cells[count++];
        cell.x = x;
        cell.y = y;
        cell.background = background;
        cell.reg = reg;
        cell.value = reg == kWRegister ? shown.w : reg >= 0 ? shown.file[reg] : 0;
        const uint8_t old = !before             ? 0
                            : reg == kWRegister ? before->w
                            : reg >= 0          ? before->file[reg]
                                                : 0;
        cell.changed = before && reg != -1 && old != cell.value;
        cell.text.clear();
        return cell.text;
    };

    int y = kFirstLine;
    if (ShowSpecialRegs) {
        std::string& w = next(2, y, CellBackground::White, kWRegister);
        w += "W=";
        AppendValue(w, shown.w);
        for (const BitField& field : kBitFields) {
            std::string& text = next(field.x, y, CellBackground::White, field.reg);
            text += field.label;
            text += ToBinary(shown.file[field.reg]);
        }
        y = kSecondLine;
    }

    if (ShowGeneralRegs) {
        int x = 2;
        for (int i = 0; i < kGridRegisters; ++i) {
            std::string& text = next(x, y, CellBackground::Grey, i);
            text += 'R';
            text += ToDecimal(i);
            text += '=';
            AppendValue(text, shown.file[i]);
            if (x >= kLastColumnStart) {
                y += kRowStep;
                x = 2;
            } else {
                x += kColumnStep;
            }
        }
    }

    // The worker swaps the pointer whole, so one load gives one whole mnemonic.
    const char* mnemonic = LastMnemonic.load();
    std::string& line =
        next(ShowGeneralRegs ? kMnemonicXWithGrid : kMnemonicXAlone, y, CellBackground::Green);
    line += QCoreApplication::translate("CRegisterLayout", "Izvrsila se: ").toStdString();
    line += (mnemonic && *mnemonic) ? mnemonic : kNoMnemonic;
    return count;
}
