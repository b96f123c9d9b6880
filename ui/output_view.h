#pragma once
// The register display: W and the special registers on one line, data memory
// 0x00-0x2F as a grid, and the last executed mnemonic. It keeps no copy of the
// processor state; every paint reads the live values.
#include <QColor>
#include <QFontMetrics>
#include <cstdint>

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

    // The colour of values that the last step changed.
    static inline const QColor kChangedColour{255, 0, 0};

signals:
    // A value was double-clicked: the register (or kWRegister) it shows.
    void ValueDoubleClicked(int reg);

protected:
    void PaintPane(QPainter& painter) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Tooltips name the register under the mouse.
    bool viewportEvent(QEvent* event) override;

private:
    // The values the last step (an instruction, a pin click, a load) changed,
    // worked out from the last two states painted.
    const RegisterSnapshot* Before(const RegisterSnapshot& now);
    const DisplayCell* CellAt(QPoint drawingPoint) const;

    QFont m_font;
    QFontMetrics m_metrics;
    DisplayCells m_cells;  // kept between paints so their texts keep their buffers
    int m_nCells = 0;
    RegisterSnapshot m_shown;
    RegisterSnapshot m_before;
    uint64_t m_nShownInstructions = 0;
    bool m_bPainted = false;
    bool m_bHaveBefore = false;
};
