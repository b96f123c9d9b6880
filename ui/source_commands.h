#pragma once
// The commands that join the program to its source: F7 with its messages
// pane and the marks of the lines the assembler complained about, the
// current-line mark that follows PC, line breakpoints (a click in the mark
// margin or F9), F4 and Shift+F4 through the messages, and the options to
// save before assembling and of the assembler's time limit.
#include <QObject>

#include "ui/assembler_process.h"

class CLumoDoc;
class CMainFrame;
class CMessagesPane;
class CProgramNames;
class CSourceMarks;
class QTimer;

class CSourceCommands : public QObject {
    Q_OBJECT
public:
    // The pace from which the current-line mark follows a continuous run;
    // faster runs show it only once they pause.
    static constexpr int kFollowingSpeedMs = 50;
    static constexpr int kMessagesPaneHeight = 110;
    // A quick assembler comes and goes without a note.
    static constexpr int kAssemblingNoteDelayMs = 500;
    static constexpr int kDefaultTimeLimitSeconds = 30;

    CSourceCommands(CMainFrame& frame, CLumoDoc& doc);

    // F7: resets and starts the assembler; Assembled follows when it ended.
    void Assemble();
    bool Assembling() const { return m_assembler.Busy(); }
    // The note that the assembler runs, with its cancel button.
    QWidget* AssemblingNote() const { return m_pAssemblingNote; }
    CAssemblerProcess& Assembler() { return m_assembler; }
    int TimeLimitSeconds() const;

    CMessagesPane* Messages() const { return m_pMessages; }
    CSourceMarks* Marks() const { return m_pMarks; }
    // The loaded program's names: those of the last F7 that loaded one.
    CProgramNames* Names() const { return m_pNames; }

signals:
    // F7 has ended, with a program loaded or not.
    void Assembled(bool loaded);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnAssemblerEnded(const QByteArray& output, CAssemblerProcess::EEnd how);
    void CreateAssemblingNote();
    void AskTimeLimit();
    void UpdateCurrentLine();
    void ShowAssemblerOutput(const QStringList& notes, const std::string& output);
    void GoToMessage(const QString& file, int line);
    void ToggleBreakpointAtCursor();
    // The pane comes in below the panes and goes again without changing
    // their sizes: the window grows by its height and shrinks back.
    void ShowMessagesPane(const QStringList& notes, const std::vector<std::string>& lines);
    void OnMessagesPaneShown(bool visible);

    CMainFrame& m_frame;
    CLumoDoc& m_doc;
    CMessagesPane* m_pMessages;
    CSourceMarks* m_pMarks;
    CProgramNames* m_pNames;
    CAssemblerProcess m_assembler;
    QWidget* m_pAssemblingNote = nullptr;
    QTimer* m_pNoteDelay = nullptr;
    QStringList m_notes;  // what F7 noted before the assembler ran
    int m_grownBy = 0;
};
