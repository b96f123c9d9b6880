#pragma once
// Options > "Cip po katalogu (PIC16C84)": the data-sheet chip in the window.
// The choice is kept in the settings, shown in the status bar while on, and
// takes effect with a restart; after F7 on the classic chip the messages
// pane says when the program looks written for the real one. Options >
// "MCLR reset" resets the data-sheet chip as its MCLR pin does; the classic
// chip has no such reset (Restart starts it afresh), so there the command
// stands disabled. Each watchdog reset is told in the messages pane.
#include <QObject>
#include <QString>
#include <cstdint>

class CLumoDoc;
class CMainFrame;
class QLabel;

class CChipCommands : public QObject {
    Q_OBJECT
public:
    CChipCommands(CMainFrame& frame, CLumoDoc& doc);
    QLabel* ChipMark() const { return m_pMark; }

private:
    void Choose(bool datasheet);
    void OnAssembled(bool loaded);
    void OnMclr();
    // After every repaint: the MCLR command follows the chip, and watchdog
    // resets since the last look are told.
    void Follow();

    CMainFrame& m_frame;
    CLumoDoc& m_doc;
    QLabel* m_pMark;
    uint32_t m_watchdogResets = 0;  // the count the messages pane has told
};

// Why the loaded program needs the data-sheet chip, in a few words, or an
// empty text when nothing in it does.
QString DatasheetChipReason();
