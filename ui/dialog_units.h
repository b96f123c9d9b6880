#pragma once
// Dialog layouts are given in dialog units: a quarter of the dialog font's
// average character width across, an eighth of its line height down. Mapping
// them through the font keeps the layouts' proportions whatever the font.
#include <QFont>
#include <QRect>

// The font of the small dialogs: a line of 13 pixels, as the classic 8-point
// dialog font has.
QFont DialogFont();

class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font);

    int X(int units) const { return (units * m_nBaseX + 2) / 4; }
    int Y(int units) const { return (units * m_nBaseY + 4) / 8; }
    QRect Rect(int x, int y, int width, int height) const {
        return QRect(X(x), Y(y), X(width), Y(height));
    }
    QSize Size(int width, int height) const { return QSize(X(width), Y(height)); }

private:
    int m_nBaseX;  // average character width, pixels
    int m_nBaseY;  // line height, pixels
};
