#include "board/keypad.h"

namespace board {

PinMask CKeypad::Pins() const {
    PinMask pins = 0;
    for (int r = 0; r < m_wiring.rowCount; ++r) pins |= PinBit(m_wiring.rows[r]);
    for (int c = 0; c < m_wiring.columnCount; ++c) pins |= PinBit(m_wiring.columns[c]);
    return pins;
}

bool CKeypad::Set(char label, bool down) {
    for (int r = 0; r < m_wiring.rowCount; ++r) {
        for (int c = 0; c < m_wiring.columnCount; ++c) {
            if (m_wiring.labels[r * SKeypadWiring::kMaxLines + c] != label) continue;
            const auto bit = static_cast<uint16_t>(1u << (r * 4 + c));
            m_pressed = down ? static_cast<uint16_t>(m_pressed | bit)
                             : static_cast<uint16_t>(m_pressed & ~bit);
            JoinNets();
            return true;
        }
    }
    return false;
}

std::string CKeypad::PressedLabels() const {
    std::string labels;
    for (int r = 0; r < m_wiring.rowCount; ++r) {
        for (int c = 0; c < m_wiring.columnCount; ++c) {
            if (Pressed(r, c)) labels += m_wiring.labels[r * SKeypadWiring::kMaxLines + c];
        }
    }
    return labels;
}

char CKeypad::FirstPressed() const {
    for (int r = 0; r < m_wiring.rowCount; ++r) {
        for (int c = 0; c < m_wiring.columnCount; ++c) {
            if (Pressed(r, c)) return m_wiring.labels[r * SKeypadWiring::kMaxLines + c];
        }
    }
    return 0;
}

// Each pressed key joins its two wires into one net, until nothing changes.
// Wires 0-3 are the rows, 4-7 the columns.
void CKeypad::JoinNets() {
    std::array<uint8_t, 8> net{};
    for (int w = 0; w < 8; ++w) net[w] = static_cast<uint8_t>(1u << w);
    for (bool changed = true; changed;) {
        changed = false;
        for (int r = 0; r < m_wiring.rowCount; ++r) {
            for (int c = 0; c < m_wiring.columnCount; ++c) {
                if (!Pressed(r, c)) continue;
                const uint8_t joined = net[r] | net[4 + c];
                if (net[r] != joined || net[4 + c] != joined) changed = true;
                for (int w = 0; w < 8; ++w) {
                    if (joined >> w & 1) net[w] |= joined;
                }
            }
        }
    }
    auto pinOf = [&](int w) {
        if (w < 4) return w < m_wiring.rowCount ? m_wiring.rows[w] : kNoPin;
        return w - 4 < m_wiring.columnCount ? m_wiring.columns[w - 4] : kNoPin;
    };
    m_joinedCount = 0;
    for (int w = 0; w < 8; ++w) {
        if (pinOf(w) == kNoPin || net[w] == (1u << w)) continue;
        SJoined& joined = m_joined[static_cast<size_t>(m_joinedCount++)];
        joined.pin = pinOf(w);
        joined.net = 0;
        for (int other = 0; other < 8; ++other) {
            if (net[w] >> other & 1) joined.net |= PinBit(pinOf(other));
        }
    }
}

SPartStep CKeypad::Update(const SPinView& view) const {
    SPartStep step;
    for (int index = 0; index < m_joinedCount; ++index) {
        const SJoined& joined = m_joined[static_cast<size_t>(index)];
        if (view.Output(joined.pin)) continue;
        // A net with an output low on it is low: an output high beside it
        // loses against the short, as a port pin does against a stronger
        // sink; with only outputs high on it, it is high.
        const PinMask drivers = joined.net & view.outputs;
        if (drivers != 0) step.Drive(joined.pin, (drivers & ~view.levels) == 0);
    }
    return step;
}

}  // namespace board
