#pragma once
// Base of the two panes that draw the simulated chip. The worker asks them to
// repaint after every instruction, from its own thread and far faster than a
// screen can follow; the request is therefore one atomic flag, and only the
// first request of a burst queues an update on the user-interface thread.
// Updates go out no faster than the screen shows them (at most 60 a second):
// a request that comes too soon after the last update is held back, not
// dropped, so the last state always reaches the screen.
//
// The panes draw at fixed pixel positions whatever the pane's size or scroll
// position. The scroll extent is 100 x 100, so scroll bars show only when the
// pane is smaller than that.
#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QTimer>
#include <atomic>

#include "platform/view.h"

class QPainter;

class CPaneView : public QAbstractScrollArea, public CView {
    Q_OBJECT
public:
    static constexpr int kScrollExtent = 100;

    explicit CPaneView(QWidget* parent = nullptr);

    // Any thread. Marks the whole pane for painting; with bErase the
    // background is filled before the pane draws, without it whatever the
    // pane does not draw keeps its pixels.
    void InvalidateRect(bool bErase) override;

protected:
    // Draws the pane's whole content, in viewport pixels.
    virtual void PaintPane(QPainter& painter) = 0;
    // A left button press at a point of the viewport.
    virtual void OnLButtonDown(const QPoint& point);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // UI thread: sends the pending update now, or once a frame has passed.
    void DeliverRepaint();
    void SendUpdate();
    qint64 FrameIntervalNs() const;
    void UpdateScrollRanges();

    std::atomic<bool> m_bPending{false};
    std::atomic<bool> m_bEraseRequested{false};
    // UI thread only: the next paint fills the background first. True for the
    // first paint, since nothing has been drawn yet.
    bool m_bEraseNextPaint = true;
    QElapsedTimer m_sinceUpdate;  // UI thread only; invalid before the first update
    QTimer m_heldUpdate;          // fires when a held-back update may go out
};
