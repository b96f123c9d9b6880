#include "ui/output_view.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "ui/display_flags.h"
#include "ui/pane_font.h"
#include "ui/program_names.h"
#include "ui/register_names.h"

namespace {
const QColor kFieldGrey(160, 160, 160);

QColor CellColour(CellBackground background) {
    switch (background) {
        case CellBackground::White:
            return QColor(255, 255, 255);
        case CellBackground::Green:
            return QColor(128, 192, 128);
        case CellBackground::Grey:
            break;
    }
    return kFieldGrey;
}
}  // namespace

COutputView::COutputView(QWidget* parent)
    : CPaneView(QSize(kFieldWidth, kDrawingHeight), parent),
      m_font(RegisterDisplayFont()),
      m_metrics(m_font) {
    // The status bar names the value under the mouse.
    viewport()->setMouseTracking(true);
}

void COutputView::PaintPane(QPainter& painter) {
    // Around the field the pane shows the window's background, not whatever
    // the last frame left there.
    const QRect field(0, 0, kFieldWidth, kFieldHeight);
    const QRegion outside = QRegion(VisibleDrawing()) - field;
    for (const QRect& part : outside) painter.fillRect(part, palette().window());
    painter.fillRect(field, kFieldGrey);
    painter.setFont(m_font);
    const RegisterSnapshot now = TakeRegisterSnapshot();
    const RegisterSnapshot* before = m_changes.Look(now);
    m_nCells = LayOutRegisterDisplay(m_cells, now, ShowChanges ? before : nullptr);
    for (int i = 0; i < m_nCells; ++i) {
        const DisplayCell& cell = m_cells[i];
        const QString text =
            QString::fromLatin1(cell.text.data(), static_cast<qsizetype>(cell.text.size()));
        // Each text's cell is filled first, as an opaque text background would.
        painter.fillRect(cell.x, cell.y, m_metrics.horizontalAdvance(text), m_metrics.height(),
                         CellColour(cell.background));
        painter.setPen(cell.changed ? kChangedColour : QColor(Qt::black));
        painter.drawText(cell.x, cell.y + m_metrics.ascent(), text);
    }
}

const DisplayCell* COutputView::CellAt(QPoint drawingPoint) const {
    for (int i = 0; i < m_nCells; ++i) {
        const DisplayCell& cell = m_cells[i];
        const QString text =
            QString::fromLatin1(cell.text.data(), static_cast<qsizetype>(cell.text.size()));
        const QRect box(cell.x, cell.y, m_metrics.horizontalAdvance(text), m_metrics.height());
        if (box.contains(drawingPoint)) return &cell;
    }
    return nullptr;
}

void COutputView::mouseDoubleClickEvent(QMouseEvent* event) {
    const DisplayCell* cell = CellAt(event->position().toPoint() + ScrollOffset());
    if (event->button() == Qt::LeftButton && cell && cell->reg != -1) {
        emit ValueDoubleClicked(cell->reg);
    }
}

void COutputView::mouseMoveEvent(QMouseEvent* event) {
    const DisplayCell* cell = CellAt(event->position().toPoint() + ScrollOffset());
    const int reg = cell ? cell->reg : -1;
    if (reg == m_hovered) return;
    m_hovered = reg;
    emit ValueHovered(reg, cell ? cell->value : 0);
}

void COutputView::leaveEvent(QEvent* event) {
    CPaneView::leaveEvent(event);
    if (m_hovered == -1) return;
    m_hovered = -1;
    emit ValueHovered(-1, 0);
}

bool COutputView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return CPaneView::viewportEvent(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const DisplayCell* cell = CellAt(help->pos() + ScrollOffset());
    if (cell && cell->reg != -1) {
        const QString names = m_pNames ? m_pNames->RegisterNames(cell->reg) : QString();
        QToolTip::showText(help->globalPos(), RegisterToolTip(cell->reg, cell->value, names),
                           viewport());
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
}
