#pragma once
// Wires the commands of the register display, the dialogs and help to the
// main window's actions: the three View toggles (with their check marks),
// Speed, breakpoint labels, About and Help.
class CMainFrame;
class CLumoDoc;

void InstallViewAndDialogCommands(CMainFrame& frame, CLumoDoc& doc);
