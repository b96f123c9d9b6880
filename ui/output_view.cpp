#include "output_view.h"

#include <QPainter>

#include "pane_font.h"

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
      m_metrics(m_font) {}

void COutputView::PaintPane(QPainter& painter) {
    // Around the field the pane shows the window's background, not whatever
    // the last frame left there.
    const QRect field(0, 0, kFieldWidth, kFieldHeight);
    const QRegion outside = QRegion(VisibleDrawing()) - field;
    for (const QRect& part : outside) painter.fillRect(part, palette().window());
    painter.fillRect(field, kFieldGrey);
    painter.setFont(m_font);
    painter.setPen(Qt::black);
    const int count = LayOutRegisterDisplay(m_cells);
    for (int i = 0; i < count; ++i) {
        const DisplayCell& cell = m_cells[i];
        const QString text =
            QString::fromLatin1(cell.text.data(), static_cast<qsizetype>(cell.text.size()));
        // Each text's cell is filled first, as an opaque text background would.
        painter.fillRect(cell.x, cell.y, m_metrics.horizontalAdvance(text), m_metrics.height(),
                         CellColour(cell.background));
        painter.drawText(cell.x, cell.y + m_metrics.ascent(), text);
    }
}
