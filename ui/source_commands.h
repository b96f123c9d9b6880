#pragma once
// The commands that join the program to its source: F7 with its messages
// pane and the marks of the lines the assembler complained about, the
// current-line mark that follows PC, line breakpoints (a click in the mark
// margin or F9), F4 and Shift+F4 through the messages, and the option to
// save before assembling.
#include <QObject>

class CLumoDoc;
class CMainFrame;
class CMessagesPane;
class CSourceMarks;

class CSourceCommands : public QObject {
    Q_OBJECT
public:
    // The pace from which the current-line mark follows a continuous run;
    // faster runs show it only once they pause.
    static constexpr int kFollowingSpeedMs = 50;
    static constexpr int kMessagesPaneHeight = 110;

    CSourceCommands(CMainFrame& frame, CLumoDoc& doc);

    // F7. Returns whether a program was loaded.
    bool Assemble();

    CMessagesPane* Messages() const { return m_pMessages; }
    CSourceMarks* Marks() const { return m_pMarks; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
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
    int m_grownBy = 0;
};
