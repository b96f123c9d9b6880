#include "pane_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

CPaneView::CPaneView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The pane paints over its old pixels; only an erasing request clears it.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    viewport()->setFocusPolicy(Qt::NoFocus);
    setFocusPolicy(Qt::StrongFocus);
}

void CPaneView::InvalidateRect(bool bErase) {
    if (bErase) m_bEraseRequested.store(true, std::memory_order_relaxed);
    if (m_bPending.exchange(true, std::memory_order_acq_rel)) return;
    QMetaObject::invokeMethod(this, &CPaneView::DeliverRepaint, Qt::QueuedConnection);
}

void CPaneView::DeliverRepaint() {
    // Cleared before the paint, so a request made while painting is not lost.
    m_bPending.store(false, std::memory_order_release);
    if (m_bEraseRequested.exchange(false, std::memory_order_relaxed)) m_bEraseNextPaint = true;
    viewport()->update();
}

void CPaneView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    if (m_bEraseNextPaint) {
        painter.fillRect(viewport()->rect(), palette().window());
        m_bEraseNextPaint = false;
    }
    PaintPane(painter);
}

void CPaneView::OnLButtonDown(const QPoint& /*point*/) {}

void CPaneView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) OnLButtonDown(event->position().toPoint());
    QAbstractScrollArea::mousePressEvent(event);
}

void CPaneView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
    // Newly uncovered pixels hold nothing yet.
    m_bEraseNextPaint = true;
}

void CPaneView::scrollContentsBy(int /*dx*/, int /*dy*/) {
    // The drawing does not move with the scroll bars; repaint in place.
    viewport()->update();
}

void CPaneView::UpdateScrollRanges() {
    const QSize visible = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, kScrollExtent - visible.width()));
    horizontalScrollBar()->setPageStep(visible.width());
    verticalScrollBar()->setRange(0, std::max(0, kScrollExtent - visible.height()));
    verticalScrollBar()->setPageStep(visible.height());
}
