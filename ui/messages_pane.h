#pragma once
// The assembler's messages, in a pane docked under the three panes: one
// line each, as the assembler printed them, after the window's own notes.
// Choosing a message (a click, Enter, F4 and Shift+F4) asks to show its
// file and line. The pane can be closed; the next assemble command with
// something to say shows it again.
#include <QDockWidget>
#include <string>
#include <vector>

class QColor;
class QListWidget;

class CMessagesPane : public QDockWidget {
    Q_OBJECT
public:
    explicit CMessagesPane(QWidget* parent);

    // Replaces the lines: the notes first, then what the assembler printed.
    // Shows the pane without taking the keyboard.
    void ShowLines(const QStringList& notes, const std::vector<std::string>& output);
    QStringList Lines() const;
    // One line more below the others (what the run or a replay has to say,
    // whole, where the status bar would cut it), shown as ShowLines does.
    void AddLine(const QString& text);
    // The same for a line about a line of a file, which choosing it shows.
    void AddLineAt(const QString& text, const QString& file, int line, const QColor& ink);
    QListWidget* List() const { return m_pList; }

    // Chooses the message step places after (or, negative, before) the
    // selected line, wrapping around; nothing when there is none.
    void ChooseNext(int step);

signals:
    void MessageChosen(const QString& file, int line);

private:
    void Choose(int row);

    QListWidget* m_pList;
};
