#pragma once
// Drives one part as the run loop would: the chip's pin levels and
// directions set by the test, a call at each change and at each cycle the
// part asks for.
#include "board/board_part.h"

namespace board::test {

template <class Part>
class CHarness {
public:
    explicit CHarness(Part part, double cycleHz = 1e6) : m_part(part) { m_view.cycleHz = cycleHz; }

    Part& part() { return m_part; }
    // The chip drives the pin as an output at this level.
    void Out(int pin, bool high) {
        m_view.outputs |= PinBit(pin);
        Set(pin, high);
    }
    // The chip makes the pin an input, held at the level given (a pull-up).
    void In(int pin, bool high = true) {
        m_view.outputs &= static_cast<PinMask>(~PinBit(pin));
        Set(pin, high);
    }
    // Runs to the cycle, calling the part at every due cycle on the way.
    void RunTo(uint64_t cycle) {
        while (m_step.due <= cycle) Call(m_step.due > m_view.cycle ? m_step.due : m_view.cycle);
        if (cycle > m_view.cycle) m_view.cycle = cycle;
    }
    void Run(uint64_t cycles) { RunTo(m_view.cycle + cycles); }
    // A call now, after the test acted on the part.
    void Call() { Call(m_view.cycle); }
    uint64_t Now() const { return m_view.cycle; }
    const SPartStep& Step() const { return m_step; }
    // The level the pin shows: the chip's output wins; an input takes the
    // part's level where the part drives it, else what the test set.
    bool Level(int pin) const {
        if (m_view.Output(pin) || !(m_step.drive & PinBit(pin))) return m_view.Level(pin);
        return m_step.level & PinBit(pin);
    }

private:
    void Set(int pin, bool high) {
        if (high)
            m_view.levels |= PinBit(pin);
        else
            m_view.levels &= static_cast<PinMask>(~PinBit(pin));
        Call(m_view.cycle);
    }
    void Call(uint64_t cycle) {
        m_view.cycle = cycle;
        m_step = m_part.Update(m_view);
    }

    Part m_part;
    SPinView m_view;
    SPartStep m_step;
};

}  // namespace board::test
