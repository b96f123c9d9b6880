#pragma once
// Options > "Cip po katalogu (PIC16C84)": the data-sheet chip in the window.
// The choice is kept in the settings, shown in the status bar while on, and
// takes effect with a restart; after F7 on the classic chip the messages
// pane says when the program looks written for the real one.
#include <QObject>
#include <QString>

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

    CMainFrame& m_frame;
    CLumoDoc& m_doc;
    QLabel* m_pMark;
};

// Why the loaded program needs the data-sheet chip, in a few words, or an
// empty text when nothing in it does.
QString DatasheetChipReason();
