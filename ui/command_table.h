#pragma once
// The program's commands as the user meets them: menu texts, status-bar
// prompts, toolbar tooltips and images, the menu bar's layout, the toolbar's
// order and the accelerator keys. Data only; the main frame builds its
// actions from it. The texts are the Serbian source texts; the main frame
// shows them through QCoreApplication::translate("Command", ...).
#include <QKeyCombination>
#include <span>

struct CommandInfo {
    int id;
    const char* text;     // menu text: '&' marks the mnemonic, a tab starts the key column
    const char* prompt;   // status-bar prompt
    const char* toolTip;  // toolbar tooltip, nullptr for commands without a button
    int image;            // index in the toolbar image strip, -1 for none
};

struct MenuInfo {
    const char* title;
    std::span<const int> items;  // command ids; kSeparator draws a line
};

struct AcceleratorInfo {
    QKeyCombination key;
    int id;
};

inline constexpr int kSeparator = 0;
inline constexpr int kToolbarImageSize = 17;

std::span<const CommandInfo> Commands();
const CommandInfo* FindCommand(int id);
std::span<const MenuInfo> MainMenu();
std::span<const int> ToolbarButtons();  // left to right, kSeparator between groups
std::span<const AcceleratorInfo> Accelerators();
