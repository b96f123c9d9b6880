#pragma once
// A seven-segment display: one digit, or a multiplexed row of 2-8 digits
// whose segment lines are shared and whose commons are selected one at a
// time. An eye sees a multiplexed digit by the share of time its segments
// are lit, so the part keeps, per digit and segment, the time lit in the
// current frame and the shares of the frame before: a program that
// multiplexes fast enough shows steady digits, a slow one flickers from
// frame to frame.
#include <array>
#include <cstdint>
#include <string>

#include "board/board_part.h"

namespace board {

struct SSevenSegmentWiring {
    // a, b, c, d, e, f, g and the decimal point (kNoPin when not wired).
    std::array<int, 8> segments = {kNoPin, kNoPin, kNoPin, kNoPin, kNoPin, kNoPin, kNoPin, kNoPin};
    // The digits' commons from left to right; none for a single digit that
    // is always selected.
    std::array<int, 8> digits = {kNoPin, kNoPin, kNoPin, kNoPin, kNoPin, kNoPin, kNoPin, kNoPin};
    int digitCount = 1;
    bool commonAnode = false;
    // A common cathode lights with its segments high and its common low; a
    // driver transistor between pin and common inverts the common's level.
    bool digitActiveHigh = false;
};

class CSevenSegment {
public:
    static constexpr int kSegments = 8;
    static constexpr int kMaxDigits = 8;
    // 50 frames a second: slower than that, a multiplexed display flickers.
    static constexpr double kFrameSeconds = 20e-3;

    explicit CSevenSegment(const SSevenSegmentWiring& wiring) : m_wiring(wiring) {}

    SPartStep Update(const SPinView& view);
    PinMask Pins() const;
    PinMask DrivenPins() const { return 0; }

    // The share (0 to 1) of the last whole frame that the segment was lit.
    double Share(int digit, int segment) const;
    // What the display shows over the last frame: a character per digit
    // (' ' for a dark one, '?' for a pattern that is no character), a '.'
    // after a digit whose point is lit.
    std::string Text() const;
    const SSevenSegmentWiring& Wiring() const { return m_wiring; }

private:
    uint8_t LitNow(const SPinView& view, int digit) const;
    void Account(uint64_t until);

    SSevenSegmentWiring m_wiring;
    bool m_started = false;
    uint64_t m_frameCycles = 1;
    uint64_t m_frameStart = 0;
    uint64_t m_accounted = 0;  // the cycle up to which lit time is counted
    // The segments lit since the last call, per digit.
    std::array<uint8_t, kMaxDigits> m_lit{};
    std::array<std::array<uint32_t, kSegments>, kMaxDigits> m_litCycles{};
    std::array<std::array<uint16_t, kSegments>, kMaxDigits> m_lastShare{};  // in 1/65535
};

// The character a pattern of segments a-g (bits 0-6) shows, '?' for none.
char SegmentCharacter(uint8_t segments);

}  // namespace board
