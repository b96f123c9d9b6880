#include "board/serial_terminal.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace board {

namespace {
constexpr int kStopBit = 9;
constexpr int kFrameBits = 10;
}  // namespace

// The middle of bit n of the frame under way.
uint64_t CSerialTerminal::SampleCycle(int bit, double cyclesPerBit) const {
    return m_frameStart + static_cast<uint64_t>(std::llround((bit + 0.5) * cyclesPerBit));
}

// The start of bit n of the byte being sent (n = 10: the byte's end).
uint64_t CSerialTerminal::EdgeCycle(int bit, double cyclesPerBit) const {
    return m_sendStart + static_cast<uint64_t>(std::llround(bit * cyclesPerBit));
}

void CSerialTerminal::Sample(bool mark) {
    if (m_bit == 0) {
        // A glitch shorter than half a bit is no start bit.
        if (mark) m_inFrame = false;
    } else if (m_bit < kStopBit) {
        if (mark) m_byte |= static_cast<uint8_t>(1u << (m_bit - 1));
    } else {
        m_inFrame = false;
        if (mark) {
            Keep(static_cast<char>(m_byte));
        } else {
            ++m_framingErrors;
        }
        return;
    }
    ++m_bit;
}

void CSerialTerminal::Keep(char byte) {
    ++m_received;
    if (m_textLength == kKeptBytes) {
        // Drops a quarter at once, so keeping costs a move only now and then.
        constexpr size_t kDrop = kKeptBytes / 4;
        std::memmove(m_text.data(), m_text.data() + kDrop, kKeptBytes - kDrop);
        m_textLength -= kDrop;
    }
    m_text[m_textLength++] = byte;
}

size_t CSerialTerminal::Type(std::string_view bytes) {
    const size_t fitting = std::min(bytes.size(), kQueueBytes - m_queueLength);
    for (size_t i = 0; i < fitting; ++i) {
        m_queue[(m_queueFirst + m_queueLength++) % kQueueBytes] = bytes[i];
    }
    return fitting;
}

SPartStep CSerialTerminal::Update(const SPinView& view) {
    const double cyclesPerBit = view.cycleHz / m_wiring.baud;
    const bool mark = view.Level(m_wiring.tx) != m_wiring.inverted;
    if (!m_started) {
        m_started = true;
        m_line = mark;
    }
    // The samples that fell before this call saw the level held until now;
    // one due at this very cycle sees the new level.
    while (m_inFrame && SampleCycle(m_bit, cyclesPerBit) < view.cycle) Sample(m_line);
    if (!m_inFrame && m_line && !mark) {
        m_inFrame = true;
        m_frameStart = view.cycle;
        m_bit = 0;
        m_byte = 0;
    }
    m_line = mark;
    while (m_inFrame && SampleCycle(m_bit, cyclesPerBit) <= view.cycle) Sample(m_line);

    SPartStep step;
    if (m_inFrame) step.due = SampleCycle(m_bit, cyclesPerBit);
    if (m_wiring.rx == kNoPin) return step;

    while (m_sending && EdgeCycle(kFrameBits, cyclesPerBit) <= view.cycle) {
        const uint64_t end = EdgeCycle(kFrameBits, cyclesPerBit);
        m_queueFirst = (m_queueFirst + 1) % kQueueBytes;
        --m_queueLength;
        m_sending = m_queueLength > 0;
        m_sendStart = end;
        m_sendBit = 0;
    }
    if (!m_sending && m_queueLength > 0) {
        m_sending = true;
        m_sendStart = view.cycle;
        m_sendBit = 0;
    }
    bool level = true;
    if (m_sending) {
        while (EdgeCycle(m_sendBit + 1, cyclesPerBit) <= view.cycle) ++m_sendBit;
        const auto byte = static_cast<uint8_t>(m_queue[m_queueFirst]);
        if (m_sendBit == 0)
            level = false;
        else if (m_sendBit < kStopBit)
            level = byte >> (m_sendBit - 1) & 1;
        step.due = std::min(step.due, EdgeCycle(m_sendBit + 1, cyclesPerBit));
    }
    step.Drive(m_wiring.rx, level != m_wiring.inverted);
    return step;
}

}  // namespace board
