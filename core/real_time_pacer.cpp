#include "core/real_time_pacer.h"

#include <algorithm>
#include <cmath>

namespace core {

Relaxed<double> RealTimeFactor{0};
Relaxed<double> OscillatorHz{4e6};
Relaxed<int64_t> RealTimeLagUs{0};

namespace {
// The smallest slice worth a wait: short enough that a blinking LED or a
// multiplexed digit keeps its rhythm, long enough that the waits cost
// nothing against the instructions.
constexpr double kSliceSeconds = 0.002;
}  // namespace

void CRealTimePacer::Start(uint64_t cycle, Clock::time_point now, double cyclesPerSecond) {
    m_startCycle = cycle;
    m_startTime = now;
    m_rate = cyclesPerSecond;
    m_slice = std::max(1.0, std::floor(cyclesPerSecond * kSliceSeconds));
}

double CRealTimePacer::CyclesDue(uint64_t cycle, Clock::time_point now) const {
    const double seconds = std::chrono::duration<double>(now - m_startTime).count();
    return seconds * m_rate - static_cast<double>(cycle - m_startCycle);
}

CRealTimePacer::SNext CRealTimePacer::Next(uint64_t cycle, Clock::time_point now,
                                           int64_t maxPasses) const {
    SNext next;
    const double cycles = static_cast<double>(cycle - m_startCycle) + m_slice;
    next.resumeAt = m_startTime + std::chrono::duration_cast<Clock::duration>(
                                      std::chrono::duration<double>(cycles / m_rate));
    // Decided on the moment, not on the cycles due, so rounding can never
    // name a wait that has already ended.
    if (next.resumeAt <= now) {
        const double due = std::max(m_slice, std::floor(CyclesDue(cycle, now)));
        next.passes = static_cast<int64_t>(std::min(due, static_cast<double>(maxPasses)));
    }
    return next;
}

CRealTimePacer::Clock::duration CRealTimePacer::Lag(uint64_t cycle, Clock::time_point now) const {
    const double due = CyclesDue(cycle, now);
    if (due <= m_slice) return Clock::duration::zero();
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(due / m_rate));
}

}  // namespace core
