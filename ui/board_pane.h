#pragma once
// The "Ploca" pane: the attached board's drawing and, for each terminal
// the chip can receive from, a line to type into it (Enter sends the line
// and a carriage return, as a terminal in line mode does). Docked beside the
// pin panel; there only while a board is attached.
#include <QDockWidget>
#include <vector>

namespace board {
class CAttachedBoard;
}
class CBoardView;
class QLineEdit;
class QScrollArea;
class QVBoxLayout;

class CBoardPane : public QDockWidget {
    Q_OBJECT
public:
    explicit CBoardPane(QWidget* parent);

    // The board to show (null for none).
    void SetBoard(const board::CAttachedBoard* attached);
    CBoardView* View() const { return m_pView; }
    // The typing line of the part with this index, null when it has none.
    QLineEdit* TypingLine(int part) const;

    // The longest line sent at once: with its carriage return, what the
    // terminal queues.
    static constexpr int kLongestLine = 63;

private:
    void Send(int part, const QString& text);

    static constexpr int kWidest = 440;

    CBoardView* m_pView;
    QScrollArea* m_pScroll;
    QVBoxLayout* m_pLines;
    std::vector<std::pair<int, QLineEdit*>> m_typing;
};
