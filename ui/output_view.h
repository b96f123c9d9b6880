#pragma once
// The register display: W and the special registers on one line, data memory
// 0x00-0x2F as a grid, and the last executed mnemonic. It keeps no copy of the
// processor state; every paint reads the live values.
#include <QFontMetrics>

#include "pane_view.h"
#include "register_layout.h"

class COutputView : public CPaneView {
    Q_OBJECT
public:
    // The grey field; the display never draws outside it.
    static constexpr int kFieldWidth = 800;
    static constexpr int kFieldHeight = 150;
    // Where the texts end: a pane lower than this scrolls.
    static constexpr int kDrawingHeight = 110;

    explicit COutputView(QWidget* parent = nullptr);

protected:
    void PaintPane(QPainter& painter) override;

private:
    QFont m_font;
    QFontMetrics m_metrics;
    DisplayCells m_cells;  // kept between paints so their texts keep their buffers
};
