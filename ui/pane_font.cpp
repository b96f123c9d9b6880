#include "ui/pane_font.h"

QFont RegisterDisplayFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
