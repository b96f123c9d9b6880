#pragma once
// The port pin panel: the board picture with a switch and an LED for each of
// the thirteen port pins, showing the bits of PORTA and PORTB. Clicking the
// switch of an input pin flips its bit, which is how the user makes Timer 0
// counter edges and the external and port-change interrupts.
#include "ui/pane_view.h"

class CInputView : public CPaneView {
    Q_OBJECT
public:
    explicit CInputView(QWidget* parent = nullptr);

    // The register display, repainted after every click so it shows the new
    // port value. Not owned.
    void SetRegisterDisplay(core::CView* display) { m_pRegisterDisplay = display; }

protected:
    void PaintPane(QPainter& painter) override;
    void OnLButtonDown(const QPoint& point) override;

private:
    core::CView* m_pRegisterDisplay = nullptr;
};
