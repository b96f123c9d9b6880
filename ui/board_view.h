#pragma once
// The drawing of the lab board: each part of the attached board as the user
// would see it on the bench (the LCD's dots from its own character ROM, the
// digits lit by the share of time their segments were, the keypad's keys,
// the buttons, LEDs and switches, the terminal's received text). It draws
// the copy the board last published, so whatever the worker has done (a
// run, a step back) shows as the board then was; it keeps no state of the
// parts itself. A press of the mouse on a key, a button or a switch and its
// release go to the machine as the user's input, through the queue the pin
// clicks take; a press of a reset button (on MCLR) is told to the window,
// which resets the chip as its MCLR command does.
#include <QWidget>
#include <memory>
#include <vector>

#include "board/board.h"

namespace board {
class CAttachedBoard;
}

class CBoardView : public QWidget {
    Q_OBJECT
public:
    explicit CBoardView(QWidget* parent = nullptr);

    // The board to draw (null for none); lays the parts out anew.
    void SetBoard(const board::CAttachedBoard* attached);
    // Takes the board's latest published copy and repaints if it is new.
    void Refresh();
    // The copy drawn now (null without a board).
    const board::SBoard* Shown() const { return m_shown.get(); }

    // Where a part's key (its label, 0 for a button or a switch) is drawn,
    // empty when the part has none: for tests and for the user's hand alike.
    QRect KeyRect(int part, char key) const;

    QSize sizeHint() const override { return m_size; }
    QSize minimumSizeHint() const override { return m_size; }

signals:
    void ResetPressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct SKey {
        QRect rect;
        int part = 0;
        char key = 0;
    };
    struct SPlace {
        QRect rect;  // the part's drawing, below its title
        QString title;
    };

    void Layout();
    void Act(bool press, const SKey& key);

    const board::CAttachedBoard* m_pAttached = nullptr;
    std::shared_ptr<const board::SBoard> m_shown;
    std::vector<SPlace> m_places;  // by part index
    std::vector<SKey> m_keys;
    QSize m_size{0, 0};
    int m_held = -1;  // the index in m_keys the mouse holds down
};
