#include "ui/input_view.h"

#include <QPainter>
#include <QPixmap>

#include "core/pin_input.h"
#include "core/state.h"
#include "ui/panel_art.h"
#include "ui/pin_table.h"

namespace {
// Made at the first paint and kept for the life of the process: every later
// paint only copies from it.
const QPixmap& PanelPixmap() {
    static const QPixmap pixmap = QPixmap::fromImage(DrawPanelImage());
    return pixmap;
}
}  // namespace

CInputView::CInputView(QWidget* parent) : CPaneView(QSize(kPanelWidth, kBoardHeight), parent) {}

void CInputView::PaintPane(QPainter& painter) {
    const QPixmap& panel = PanelPixmap();
    painter.drawPixmap(QPoint(0, 0), panel, QRect(0, 0, kPanelWidth, kBoardHeight));

    // Read each port once, so switch and LED of a pin agree in this frame.
    const uint8_t portA = RegisterFile[PORTA];
    const uint8_t portB = RegisterFile[PORTB];
    auto level = [&](const PinInfo& pin) {
        return ((pin.port == PORTA ? portA : portB) & pin.mask) != 0;
    };
    for (const PinInfo& pin : kPins)
        painter.drawPixmap(QPoint(pin.switchX, kPinTop), panel,
                           level(pin) ? kSwitchOnSource : kSwitchOffSource);
    for (const PinInfo& pin : kPins)
        painter.drawPixmap(QPoint(pin.ledX, kPinTop), panel,
                           level(pin) ? kLedLitSource : kLedDarkSource);
}

void CInputView::OnLButtonDown(const QPoint& point) {
    if (const PinInfo* pin = PinAt(point.x(), point.y())) {
        core::ClickPin(pin->port, pin->mask);
    }
    // Both panes, whatever the click hit: the panel and the register display
    // must never show two different states side by side.
    InvalidateRect(false);
    if (m_pRegisterDisplay) {
        m_pRegisterDisplay->InvalidateRect(false);
        LastRefreshedView.store(m_pRegisterDisplay);
    }
}
