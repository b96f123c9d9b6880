#pragma once
// A terminal on a serial line, 8 data bits, no parity, one stop bit (8N1),
// least significant bit first. It decodes what the chip sends on its
// transmit pin as a UART does: a falling edge starts a frame, each bit is
// sampled in its middle, and a stop bit that is not high is a framing error
// (the byte is dropped and counted). What the user types goes out on the
// receive pin at the same rate, byte after byte. The idle line is high; an
// inverted line (a terminal without a level shifter) is low.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "board/board_part.h"

namespace board {

struct SSerialWiring {
    int tx = kNoPin;  // the chip sends here
    int rx = kNoPin;  // the chip receives here; the part drives it
    double baud = 9600;
    bool inverted = false;
};

class CSerialTerminal {
public:
    // The text kept is the latest this many bytes: a terminal's screenful
    // and more, in a value of fixed size.
    static constexpr size_t kKeptBytes = 1024;
    static constexpr size_t kQueueBytes = 64;

    explicit CSerialTerminal(const SSerialWiring& wiring) : m_wiring(wiring) {}

    SPartStep Update(const SPinView& view);
    PinMask Pins() const { return PinBit(m_wiring.tx) | PinBit(m_wiring.rx); }
    PinMask DrivenPins() const { return PinBit(m_wiring.rx); }

    // Queues what the user typed, to go out from this cycle on (the host
    // calls Update at it). Returns how many bytes fitted in the queue.
    size_t Type(std::string_view bytes);
    size_t Waiting() const { return m_queueLength; }

    // The bytes received, the latest kKeptBytes of them.
    std::string Text() const { return std::string(m_text.data(), m_textLength); }
    uint64_t Received() const { return m_received; }
    // The latest byte received, 0 before the first.
    uint8_t LastByte() const {
        return m_textLength > 0 ? static_cast<uint8_t>(m_text[m_textLength - 1]) : 0;
    }
    // A frame on the transmit line is being decoded.
    bool InFrame() const { return m_inFrame; }
    uint32_t FramingErrors() const { return m_framingErrors; }
    const SSerialWiring& Wiring() const { return m_wiring; }

private:
    uint64_t SampleCycle(int bit, double cyclesPerBit) const;
    uint64_t EdgeCycle(int bit, double cyclesPerBit) const;
    void Sample(bool mark);
    void Keep(char byte);

    SSerialWiring m_wiring;
    bool m_started = false;

    // Receiving from the chip: the line's level (true for mark, the idle
    // level) and the frame under way, if any.
    bool m_line = true;
    bool m_inFrame = false;
    uint64_t m_frameStart = 0;
    int m_bit = 0;  // 0 the start bit, 1-8 the data, 9 the stop bit
    uint8_t m_byte = 0;
    std::array<char, kKeptBytes> m_text{};
    size_t m_textLength = 0;
    uint64_t m_received = 0;
    uint32_t m_framingErrors = 0;

    // Sending to the chip.
    std::array<char, kQueueBytes> m_queue{};
    size_t m_queueFirst = 0;
    size_t m_queueLength = 0;
    bool m_sending = false;
    uint64_t m_sendStart = 0;
    int m_sendBit = 0;
};

}  // namespace board
