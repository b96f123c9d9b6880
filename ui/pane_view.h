#pragma once
// Base of the two panes that draw the simulated chip. The worker asks them to
// repaint after every instruction, from its own thread and far faster than a
// screen can follow; the request is therefore one atomic flag, and only the
// first request of a burst queues an update on the user-interface thread.
// Updates go out no faster than the screen shows them (at most 60 a second):
// a request that comes too soon after the last update is held back, not
// dropped, so the last state always reaches the screen.
//
// The panes draw at fixed pixel positions whatever the pane's size. A pane
// made smaller than its drawing shows scroll bars, and the drawing moves with
// them, so no switch is ever out of reach.
#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QSize>
#include <QTimer>
#include <atomic>

#include "core/platform/view.h"

class QPainter;

class CPaneView : public QAbstractScrollArea, public core::CView {
    Q_OBJECT
public:
    // drawing: the size of what the pane draws that is worth scrolling to.
    explicit CPaneView(QSize drawing, QWidget* parent = nullptr);

    // Any thread. Marks the whole pane for painting; with bErase the
    // background is filled before the pane draws, without it whatever the
    // pane does not draw keeps its pixels.
    void InvalidateRect(bool bErase) override;

signals:
    // User-interface thread: a burst of repaint requests is being delivered.
    // Whatever follows the pane's repaints (the status bar) hangs on this.
    void Refreshing();

protected:
    // Draws the pane's whole content in drawing pixels; the painter is moved
    // by the scroll position.
    virtual void PaintPane(QPainter& painter) = 0;
    // A left button press at a point of the drawing.
    virtual void OnLButtonDown(const QPoint& point);
    // The scroll position: the point of the drawing at the viewport's corner.
    QPoint ScrollOffset() const;
    // The part of the drawing the viewport shows.
    QRect VisibleDrawing() const;

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

    const QSize m_drawing;
    std::atomic<bool> m_bPending{false};
    std::atomic<bool> m_bEraseRequested{false};
    // UI thread only: the next paint fills the background first. True for the
    // first paint, since nothing has been drawn yet.
    bool m_bEraseNextPaint = true;
    QElapsedTimer m_sinceUpdate;  // UI thread only; invalid before the first update
    QTimer m_heldUpdate;          // fires when a held-back update may go out
};
