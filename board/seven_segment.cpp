#include "board/seven_segment.h"

#include <algorithm>

namespace board {

namespace {
constexpr uint32_t kShareUnit = 65535;

struct SPattern {
    uint8_t segments;
    char shown;
};
// Bits a=0 ... g=6. Where a letter and a digit look alike the digit stands;
// 7 and 9 also in their other common forms.
constexpr SPattern kPatterns[] = {
    {0x3F, '0'}, {0x06, '1'}, {0x5B, '2'}, {0x4F, '3'}, {0x66, '4'}, {0x6D, '5'}, {0x7D, '6'},
    {0x07, '7'}, {0x7F, '8'}, {0x6F, '9'}, {0x77, 'A'}, {0x7C, 'b'}, {0x39, 'C'}, {0x58, 'c'},
    {0x5E, 'd'}, {0x79, 'E'}, {0x71, 'F'}, {0x76, 'H'}, {0x74, 'h'}, {0x1E, 'J'}, {0x38, 'L'},
    {0x54, 'n'}, {0x5C, 'o'}, {0x73, 'P'}, {0x50, 'r'}, {0x78, 't'}, {0x3E, 'U'}, {0x1C, 'u'},
    {0x6E, 'y'}, {0x40, '-'}, {0x08, '_'}, {0x00, ' '}, {0x27, '7'}, {0x67, '9'},
};
}  // namespace

char SegmentCharacter(uint8_t segments) {
    for (const SPattern& p : kPatterns) {
        if (p.segments == (segments & 0x7F)) return p.shown;
    }
    return '?';
}

PinMask CSevenSegment::Pins() const {
    PinMask pins = 0;
    for (int pin : m_wiring.segments) pins |= PinBit(pin);
    for (int pin : m_wiring.digits) pins |= PinBit(pin);
    return pins;
}

uint8_t CSevenSegment::LitNow(const SPinView& view, int digit) const {
    const int common = m_wiring.digits[digit];
    if (common != kNoPin && view.Level(common) != m_wiring.digitActiveHigh) return 0;
    uint8_t lit = 0;
    for (int s = 0; s < kSegments; ++s) {
        const int pin = m_wiring.segments[s];
        if (pin != kNoPin && view.Level(pin) != m_wiring.commonAnode) lit |= 1u << s;
    }
    return lit;
}

// Counts the time since the last call, with the segments lit then, into the
// frames it falls in.
void CSevenSegment::Account(uint64_t until) {
    while (m_accounted < until) {
        const uint64_t frameEnd = m_frameStart + m_frameCycles;
        const uint64_t end = std::min(until, frameEnd);
        const auto span = static_cast<uint32_t>(end - m_accounted);
        for (int d = 0; d < m_wiring.digitCount; ++d) {
            for (int s = 0; s < kSegments; ++s) {
                if (m_lit[d] >> s & 1) m_litCycles[d][s] += span;
            }
        }
        m_accounted = end;
        if (end < frameEnd) break;
        for (int d = 0; d < m_wiring.digitCount; ++d) {
            for (int s = 0; s < kSegments; ++s) {
                m_lastShare[d][s] =
                    static_cast<uint16_t>(uint64_t{m_litCycles[d][s]} * kShareUnit / m_frameCycles);
                m_litCycles[d][s] = 0;
            }
        }
        m_frameStart = frameEnd;
        // Whole frames without a call all looked like the state held now.
        const uint64_t skipped = (until - m_frameStart) / m_frameCycles;
        if (skipped > 0) {
            for (int d = 0; d < m_wiring.digitCount; ++d) {
                for (int s = 0; s < kSegments; ++s) {
                    m_lastShare[d][s] = (m_lit[d] >> s & 1) ? kShareUnit : 0;
                }
            }
            m_frameStart += skipped * m_frameCycles;
            m_accounted = m_frameStart;
        }
    }
}

SPartStep CSevenSegment::Update(const SPinView& view) {
    if (!m_started) {
        m_started = true;
        m_frameCycles = CyclesFor(kFrameSeconds, view.cycleHz);
        m_frameStart = m_accounted = view.cycle;
    }
    Account(view.cycle);
    for (int d = 0; d < m_wiring.digitCount; ++d) m_lit[d] = LitNow(view, d);
    SPartStep step;
    step.due = m_frameStart + m_frameCycles;
    return step;
}

double CSevenSegment::Share(int digit, int segment) const {
    if (digit < 0 || digit >= m_wiring.digitCount || segment < 0 || segment >= kSegments) return 0;
    return static_cast<double>(m_lastShare[digit][segment]) / kShareUnit;
}

std::string CSevenSegment::Text() const {
    // A segment counts as shown when it is at least half as bright as the
    // brightest one: the glimmer of a segment still lit while the program
    // switches digits does not.
    uint16_t brightest = 0;
    for (int d = 0; d < m_wiring.digitCount; ++d) {
        for (uint16_t share : m_lastShare[d]) brightest = std::max(brightest, share);
    }
    std::string text;
    for (int d = 0; d < m_wiring.digitCount; ++d) {
        uint8_t shown = 0;
        for (int s = 0; s < kSegments; ++s) {
            if (brightest > 0 && 2u * m_lastShare[d][s] >= brightest) shown |= 1u << s;
        }
        text += SegmentCharacter(shown);
        if (shown & 0x80) text += '.';
    }
    return text;
}

}  // namespace board
