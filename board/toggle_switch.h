#pragma once
// A toggle switch on one pin: it holds the pin at the level it is set to
// until the user flips it, like a switch of the pin panel.
#include "board/board_part.h"

namespace board {

class CSwitch {
public:
    CSwitch(int pin, bool level) : m_pin(pin), m_level(level) {}

    SPartStep Update(const SPinView&) const {
        SPartStep step;
        step.Drive(m_pin, m_level);
        return step;
    }
    PinMask Pins() const { return PinBit(m_pin); }
    PinMask DrivenPins() const { return PinBit(m_pin); }
    void Set(bool level) { m_level = level; }
    void Flip() { m_level = !m_level; }
    bool Level() const { return m_level; }
    int Pin() const { return m_pin; }

private:
    int m_pin;
    bool m_level;
};

}  // namespace board
