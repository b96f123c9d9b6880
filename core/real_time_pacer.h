#pragma once
// Runs at real time: chip time follows the wall clock at a factor the user
// chose (1 at the oscillator's own rate, 0.1 ten times slower, ...). The
// pace is kept in slices against a steady clock, never by a sleep per
// instruction, so a slice runs at full speed and the host waits between
// slices. The worker and lumo-run pace through the same code.
#include <chrono>
#include <cstdint>

#include "core/relaxed.h"

namespace core {

// The pace of the window's runs: 0 when the pause per instruction holds,
// else chip seconds per wall second.
extern Relaxed<double> RealTimeFactor;
// The oscillator chip time is counted in; an instruction cycle is four of
// its periods.
extern Relaxed<double> OscillatorHz;
// How far the window's paced run is behind the wall clock, in microseconds
// of wall time; 0 while it keeps up or is not paced.
extern Relaxed<int64_t> RealTimeLagUs;

class CRealTimePacer {
public:
    using Clock = std::chrono::steady_clock;

    // Instruction cycles per wall second for an oscillator and a factor.
    static double CyclesPerSecond(double oscillatorHz, double factor) {
        return oscillatorHz / 4 * factor;
    }

    // Pacing starts afresh from this cycle and moment: after a pause, a
    // message box or a change of the pace, the time that passed meanwhile
    // is not made up for.
    void Start(uint64_t cycle, Clock::time_point now, double cyclesPerSecond);
    bool Started() const { return m_rate > 0; }
    void Stop() { m_rate = 0; }
    double Rate() const { return m_rate; }

    struct SNext {
        int64_t passes = 0;          // run this many passes now, or
        Clock::time_point resumeAt;  // when 0: wait until then
    };
    // What the run at cycle does next: the passes it is short of the wall
    // clock (at most maxPasses; an instruction of two cycles makes the
    // slice overshoot a little, which the next wait evens out), or, when it
    // is less than a small slice short, the moment it will be.
    SNext Next(uint64_t cycle, Clock::time_point now, int64_t maxPasses) const;

    // How far the run at cycle is behind the wall clock; zero when not.
    Clock::duration Lag(uint64_t cycle, Clock::time_point now) const;

private:
    double CyclesDue(uint64_t cycle, Clock::time_point now) const;

    uint64_t m_startCycle = 0;
    Clock::time_point m_startTime;
    double m_rate = 0;  // cycles per wall second; 0 while not started
    double m_slice = 1;
};

}  // namespace core
