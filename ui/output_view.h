#pragma once
// The register display: W and the special registers on one line, data memory
// 0x00-0x2F as a grid, and the last executed mnemonic. It keeps no copy of the
// processor state; every paint reads the live values.
#include <QColor>
#include <QFontMetrics>
#include <cstdint>

#include "ui/pane_view.h"
#include "ui/register_layout.h"
#include "ui/step_changes.h"

class CProgramNames;

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

    // What the program calls the registers, for the tooltips.
    void SetProgramNames(const CProgramNames* names) { m_pNames = names; }

signals:
    // A value was double-clicked: the register (or kWRegister) it shows.
    void ValueDoubleClicked(int reg);
    // The mouse has come to rest on another value: the register (or
    // kWRegister) it shows, -1 where it shows none.
    void ValueHovered(int reg, uint8_t value);

protected:
    void PaintPane(QPainter& painter) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    // Tooltips name the register under the mouse.
    bool viewportEvent(QEvent* event) override;

private:
    const DisplayCell* CellAt(QPoint drawingPoint) const;

    QFont m_font;
    QFontMetrics m_metrics;
    DisplayCells m_cells;  // kept between paints so their texts keep their buffers
    int m_nCells = 0;
    CStepChanges m_changes;  // over the states painted
    const CProgramNames* m_pNames = nullptr;
    int m_hovered = -1;
};
