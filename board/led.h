#pragma once
// An LED on one pin, lit at the level it is wired for (active high: the pin
// sources the current; active low: it sinks it).
#include "board/board_part.h"

namespace board {

class CLed {
public:
    CLed(int pin, bool activeHigh) : m_pin(pin), m_activeHigh(activeHigh) {}

    SPartStep Update(const SPinView& view) {
        m_lit = view.Level(m_pin) == m_activeHigh;
        return {};
    }
    PinMask Pins() const { return PinBit(m_pin); }
    PinMask DrivenPins() const { return 0; }
    bool Lit() const { return m_lit; }
    int Pin() const { return m_pin; }
    bool ActiveHigh() const { return m_activeHigh; }

private:
    int m_pin;
    bool m_activeHigh;
    bool m_lit = false;
};

}  // namespace board
