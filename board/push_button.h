#pragma once
// A momentary push button on one pin: the pressed level while held, the
// other level (the board's resistor) when let go. A real contact bounces: on
// each press and release it springs open and closed again a few times
// before it settles. The bounces come from a seeded generator whose state is
// part of the value, so a run and its replay see the very same edges.
#include <cstdint>

#include "board/board_part.h"

namespace board {

struct SBounce {
    int count = 0;       // times the contact springs back before it settles
    double seconds = 0;  // within this time after the press or release
};

class CButton {
public:
    CButton(int pin, bool pressedLevel, const SBounce& bounce, uint64_t seed)
        : m_pin(pin),
          m_pressedLevel(pressedLevel),
          m_bounce(bounce),
          m_random(seed),
          m_contact(!pressedLevel) {}

    SPartStep Update(const SPinView& view);
    PinMask Pins() const { return PinBit(m_pin); }
    PinMask DrivenPins() const { return PinBit(m_pin); }

    // The user's hand, at the cycle it happens; the host calls Update at the
    // same cycle to learn the new level.
    void Press(uint64_t cycle) { Move(true, cycle); }
    void Release(uint64_t cycle) { Move(false, cycle); }
    bool Held() const { return m_held; }
    // The level on the pin now, bounces included.
    bool PinLevel() const { return m_contact; }
    int Pin() const { return m_pin; }
    // A button on MCLR: its press is the user's MCLR reset (the host sends
    // that input instead of a press of the part).
    bool Resets() const { return m_pin == kMclrPin; }

private:
    void Move(bool held, uint64_t cycle);
    uint64_t EdgeCycle(int edge);
    uint64_t Random();

    int m_pin;
    bool m_pressedLevel;
    SBounce m_bounce;
    uint64_t m_random;
    bool m_held = false;
    bool m_contact;        // the level on the pin, bounces included
    bool m_moved = false;  // a press or release waits for its Update
    // The bounce under way: its edges alternate, the first to the new
    // level, and the last (edge m_edges - 1) leaves it there.
    uint64_t m_moveCycle = 0;
    uint64_t m_window = 0;
    int m_edges = 0;
    int m_nextEdge = 0;
    uint64_t m_nextEdgeCycle = kNever;
};

}  // namespace board
