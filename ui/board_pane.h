#pragma once
// The "Ploca" pane: the attached board's drawing and, for each terminal
// the chip can receive from, a line to type into it: each key goes to the
// terminal as it is typed, as on a real one, so a program that echoes byte
// by byte keeps up. A paste goes out as its bytes typed, when it fits in
// what the terminal can still take; otherwise nothing goes and Refused says
// why. Docked beside the pin panel; there only while a board
// is attached.
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

signals:
    void Refused(const QString& why);

private:
    void Send(int part, const QByteArray& bytes);
    // Returns whether the text went out.
    bool Paste(int part, const QString& text);

    // Beyond these the drawing scrolls.
    static constexpr int kWidest = 440;
    static constexpr int kTallest = 400;

    const board::CAttachedBoard* m_pAttached = nullptr;
    CBoardView* m_pView;
    QScrollArea* m_pScroll;
    QVBoxLayout* m_pLines;
    std::vector<std::pair<int, QLineEdit*>> m_typing;
};
