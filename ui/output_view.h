#pragma once
// The register display: W and the special registers on one line, data memory
// 0x00-0x2F as a grid, and the last executed mnemonic. It keeps no copy of the
// processor state; every paint reads the live values.
#include <QFontMetrics>
#include <string>

#include "pane_view.h"

class COutputView : public CPaneView {
    Q_OBJECT
public:
    static constexpr int kFieldWidth = 800;
    static constexpr int kFieldHeight = 150;

    explicit COutputView(QWidget* parent = nullptr);

protected:
    void PaintPane(QPainter& painter) override;

private:
    // One text with its cell filled in the given colour, top-left at (x, y).
    void DrawCell(QPainter& painter, int x, int y, const std::string& text,
                  const QColor& background);

    QFont m_font;
    QFontMetrics m_metrics;
};
