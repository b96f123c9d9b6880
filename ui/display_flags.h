#pragma once
// What the register display shows. Read and written on the user-interface
// thread only; not saved between runs of the program.
extern bool ShowHex;
extern bool ShowSpecialRegs;
extern bool ShowGeneralRegs;
// Values that the last instruction or pin click changed are drawn in red.
extern bool ShowChanges;

// The three View commands: flip the flag, then repaint with erase the view
// that the last refresh recorded (the register display). Before any refresh
// the flag still flips and shows at the next paint.
void OnShowHex();
void OnShowSpecialRegs();
void OnShowGeneralRegs();
void OnShowChanges();
