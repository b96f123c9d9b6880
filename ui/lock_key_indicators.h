#pragma once
// The CAP, NUM and SCRL panes of the status bar: each reads in full colour
// while its lock key is on and greyed while off. The state is asked of the
// display server whenever a key goes down or up or the program comes to the
// front; where the server cannot tell, a press of the lock key flips it.
#include <QObject>

#include "ui/lock_key_state.h"

class QLabel;
class QStatusBar;

class CLockKeyIndicators : public QObject {
    Q_OBJECT
public:
    explicit CLockKeyIndicators(QStatusBar* statusBar);

    LockKeyState State() const { return m_state; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refresh();
    void Show();

    QLabel* m_pCaps;
    QLabel* m_pNum;
    QLabel* m_pScroll;
    LockKeyState m_state;
};
