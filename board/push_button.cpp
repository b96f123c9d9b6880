#include "board/push_button.h"

namespace board {

void CButton::Move(bool held, uint64_t cycle) {
    if (held == m_held) return;
    m_held = held;
    m_moved = true;
    m_moveCycle = cycle;
}

// splitmix64: one word of state, the same sequence on every machine.
uint64_t CButton::Random() {
    uint64_t z = (m_random += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Each edge falls at a random point of its own slot of the bounce time, so
// the edges keep their order and the last one ends within the time.
uint64_t CButton::EdgeCycle(int edge) {
    const uint64_t slot = m_window / static_cast<uint64_t>(m_edges);
    const uint64_t jitter = slot > 0 ? Random() % slot : 0;
    return m_moveCycle + m_window * static_cast<uint64_t>(edge) / static_cast<uint64_t>(m_edges) +
           jitter;
}

SPartStep CButton::Update(const SPinView& view) {
    if (m_moved) {
        m_moved = false;
        m_window = m_bounce.count > 0 ? CyclesFor(m_bounce.seconds, view.cycleHz) : 0;
        m_edges = 2 * m_bounce.count + 1;
        m_nextEdge = 0;
        m_nextEdgeCycle = m_moveCycle;
    }
    const bool target = m_held ? m_pressedLevel : !m_pressedLevel;
    while (m_nextEdge < m_edges && m_nextEdgeCycle <= view.cycle) {
        m_contact = m_nextEdge % 2 == 0 ? target : !target;
        ++m_nextEdge;
        m_nextEdgeCycle = m_nextEdge < m_edges ? EdgeCycle(m_nextEdge) : kNever;
    }
    SPartStep step;
    step.Drive(m_pin, m_contact);
    step.due = m_nextEdgeCycle;
    return step;
}

}  // namespace board
