#include "ui/pane_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

namespace {
// More updates than this per second cost the user-interface thread without
// showing anything more.
constexpr qreal kMaxFramesPerSecond = 60;
constexpr qint64 kNsPerMs = 1000 * 1000;
}  // namespace

CPaneView::CPaneView(QSize drawing, QWidget* parent)
    : QAbstractScrollArea(parent), m_drawing(drawing) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The pane paints over its old pixels; only an erasing request clears it.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    viewport()->setFocusPolicy(Qt::NoFocus);
    setFocusPolicy(Qt::StrongFocus);
    m_heldUpdate.setSingleShot(true);
    // A coarse timer may fire early, which would break the frame limit.
    m_heldUpdate.setTimerType(Qt::PreciseTimer);
    connect(&m_heldUpdate, &QTimer::timeout, this, &CPaneView::SendUpdate);
}

void CPaneView::InvalidateRect(bool bErase) {
    if (bErase) m_bEraseRequested.store(true, std::memory_order_relaxed);
    // While an update is pending, as it is nearly all the time at full speed,
    // a request is one plain load: no locked instruction for the worker.
    if (m_bPending.load(std::memory_order_acquire)) return;
    if (m_bPending.exchange(true, std::memory_order_acq_rel)) return;
    QMetaObject::invokeMethod(this, &CPaneView::DeliverRepaint, Qt::QueuedConnection);
}

void CPaneView::DeliverRepaint() {
    if (m_sinceUpdate.isValid()) {
        const qint64 waitNs = FrameIntervalNs() - m_sinceUpdate.nsecsElapsed();
        if (waitNs > 0) {
            // Rounded up, so the update never goes out before its frame.
            m_heldUpdate.start(static_cast<int>((waitNs + kNsPerMs - 1) / kNsPerMs));
            return;
        }
    }
    SendUpdate();
}

void CPaneView::SendUpdate() {
    // Cleared before the paint, so a request made while painting is not lost.
    m_bPending.store(false, std::memory_order_release);
    if (m_bEraseRequested.exchange(false, std::memory_order_relaxed)) m_bEraseNextPaint = true;
    m_sinceUpdate.start();
    viewport()->update();
    emit Refreshing();
}

qint64 CPaneView::FrameIntervalNs() const {
    const QScreen* shown = screen();
    const qreal screenRate = shown ? shown->refreshRate() : 0;
    const qreal rate =
        screenRate > 0 ? std::min(screenRate, kMaxFramesPerSecond) : kMaxFramesPerSecond;
    return static_cast<qint64>(1e9 / rate);
}

void CPaneView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    if (m_bEraseNextPaint) {
        painter.fillRect(viewport()->rect(), palette().window());
        m_bEraseNextPaint = false;
    }
    painter.translate(-ScrollOffset());
    PaintPane(painter);
}

QPoint CPaneView::ScrollOffset() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

QRect CPaneView::VisibleDrawing() const {
    return viewport()->rect().translated(ScrollOffset());
}

void CPaneView::OnLButtonDown(const QPoint& /*point*/) {}

void CPaneView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event->position().toPoint() + ScrollOffset());
    QAbstractScrollArea::mousePressEvent(event);
}

void CPaneView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
    // Newly uncovered pixels hold nothing yet.
    m_bEraseNextPaint = true;
}

void CPaneView::scrollContentsBy(int /*dx*/, int /*dy*/) {
    // Uncovered parts beside the drawing must not keep old pixels.
    m_bEraseNextPaint = true;
    viewport()->update();
}

void CPaneView::UpdateScrollRanges() {
    // Decided from the whole area, not from the viewport, which is still
    // narrowed by the bars of the size before.
    const QSize area = maximumViewportSize();
    const int barWidth = verticalScrollBar()->sizeHint().width();
    const int barHeight = horizontalScrollBar()->sizeHint().height();
    bool horizontal = m_drawing.width() > area.width();
    bool vertical = m_drawing.height() > area.height();
    if (horizontal && !vertical) vertical = m_drawing.height() > area.height() - barHeight;
    if (vertical && !horizontal) horizontal = m_drawing.width() > area.width() - barWidth;
    const QSize visible(area.width() - (vertical ? barWidth : 0),
                        area.height() - (horizontal ? barHeight : 0));
    horizontalScrollBar()->setRange(0, std::max(0, m_drawing.width() - visible.width()));
    horizontalScrollBar()->setPageStep(visible.width());
    verticalScrollBar()->setRange(0, std::max(0, m_drawing.height() - visible.height()));
    verticalScrollBar()->setPageStep(visible.height());
}
