#pragma once
// Timer 0 and the cycle-timer queue, one instruction cycle at a time. Both
// hang on the working copy's countdown: a cycle that nothing falls due in
// costs one decrement and one compare.
#include <array>
#include <cstdint>

#include "executor_store.h"
#include "pin_wire.h"

class CExecutorTimer0 : public CExecutorStore {
public:
    // Advances TMR0 by one instruction cycle and fires the events due at it.
    // While nothing the timer reads changes, most cycles only count, and in
    // timer mode the next increment is known without reading anything (see
    // m_timerDue).
    [[gnu::always_inline]] void Timer0CycleStep() {
        m_cyclesToDue -= 1;
        if (m_cyclesToDue > 0) [[likely]]
            return;
        if (m_fastTick) [[likely]] {
            // As the full step would do it: TMR0 and OPTION stand as it last
            // saw them, and the prescaler's count reaches its divisor now.
            PrevTmr0 = IncrementTmr0(static_cast<uint8_t>(PrevTmr0));
            m_due += m_tickPeriod;
            m_cyclesToDue = m_tickPeriod;
            if (m_due >= m_eventDue) [[unlikely]]
                StopAtEvent();
            return;
        }
        CycleDue();
    }

    // Keeps an event for the cycle delay cycles after this one's end.
    bool ScheduleCycleEvent(uint64_t delay, const SCycleEvent& event) {
        const uint64_t due = CycleCount() + delay;
        if (!Chip.cycleTimers.Add(due, event)) return false;
        if (due < m_eventDue) {
            m_eventDue = due;
            // The countdown ends at the event; a tick due then is the slow
            // path's to take, with the event.
            if (m_due >= due) {
                if (m_fastTick) {
                    m_timerDue = m_due;
                    m_fastTick = false;
                }
                m_cyclesToDue -= static_cast<int64_t>(m_due - due);
                m_due = due;
            }
        }
        return true;
    }

protected:
    // The countdown ran out at a cycle that is not only the timer's tick.
    void CycleDue() {
        const uint64_t now = CycleCount();
        if (m_timerTicks) {
            if (now >= m_timerDue) {
                PrevTmr0 = IncrementTmr0(static_cast<uint8_t>(PrevTmr0));
                m_timerDue += m_tickPeriod;
            }
        } else if (now >= m_timerDue) {
            Timer0FullStep(now);
        }
        // After the timer's step: what an event changes, the timer sees from
        // the next cycle on, as after an instruction's store.
        if (now >= m_eventDue) [[unlikely]]
            FireDueEvents(now);
        m_due = std::min(m_timerDue, m_eventDue);
        m_cyclesToDue = static_cast<int64_t>(m_due - now);
        m_fastTick = m_timerTicks && m_timerDue < m_eventDue;
    }

    // A ticking timer's countdown would run past the queue's first event:
    // it ends at the event instead, and the timer's tick waits in m_timerDue.
    void StopAtEvent() {
        m_timerDue = m_due;
        m_fastTick = false;
        m_cyclesToDue -= static_cast<int64_t>(m_due - m_eventDue);
        m_due = m_eventDue;
    }

    [[gnu::noinline]] void FireDueEvents(uint64_t now) {
        SCycleEvent event;
        while (Chip.cycleTimers.TakeDue(now, event)) {
            switch (event.kind) {
                case ECycleEvent::DrivePin:
                    DrivePinNow(event.pin, event.level != 0);
                    break;
            }
        }
        m_eventDue = Chip.cycleTimers.NextDue();
    }

    // The outside drives a pin while the program runs: the register byte
    // changes through the store path, with its hooks.
    void DrivePinNow(int pin, bool level) {
        const SChipPin& info = kChipPins[pin];
        const uint8_t mask = info.Mask();
        Relaxed<uint8_t>& drives = info.port == PORTA ? Chip.pinDrives.portA : Chip.pinDrives.portB;
        drives = level ? static_cast<uint8_t>(drives | mask) : static_cast<uint8_t>(drives & ~mask);
        const bool input = (RegisterFile[info.Direction()] & mask) != 0;
        const uint8_t port = RegisterFile[info.port];
        const uint8_t after = PortAfterDrive(kProfile, port, mask, level, input);
        if (after != port) StoreFile(info.port, after);
    }

    // One cycle of Timer 0 with everything it reads. When no write holds the
    // timer, it then knows how many cycles will only count: in counter mode
    // all of them until RA4 or a register it reads changes, in timer mode the
    // prescaler's count up to its divisor.
    void Timer0FullStep(uint64_t now) {
        // Until the timer settles below, the next cycle takes this step again.
        m_timerDue = now + 1;
        if (Tmr0Inhibit > 0) {
            Tmr0Inhibit -= 1;
            PrescaleCount = 0;
            return;
        }
        const int ra4 = RegisterFile[PORTA] & kRa4;
        const uint8_t option = RegisterFile[OPTION_REG];
        uint8_t tmr0 = RegisterFile[TMR0];
        if (option & kCounterMode) {
            // Either edge is a change of the pin.
            if (ra4 != PrevRa4) {
                const bool edge = (option & kCountFallingEdge) ? (PrevRa4 != 0 && ra4 == 0)
                                                               : (PrevRa4 == 0 && ra4 != 0);
                // An edge right after a write to TMR0 is lost unless the value
                // written equals the one the counter last produced.
                if (edge) {
                    Tmr0Overflowed = tmr0 == 0xFF;
                    m_pending |= kRecheckInterrupts;
                    if (tmr0 == PrevTmr0) tmr0 = IncrementTmr0(tmr0);
                }
            }
            // A settled timer in counter mode only counts cycles until
            // something wakes it.
            m_timerDue = now + (uint64_t{1} << 62);
        } else {
            const int divisor = kPrescaleDivisor[option & (kPrescalerToWatchdog | kPrescalerBits)];
            const int count = PrescaleCount + 1;
            if (count >= divisor) {
                tmr0 = IncrementTmr0(tmr0);
                PrescaleCount = 0;
            } else {
                PrescaleCount = count;
            }
            // The count is now below the divisor: the cycle that reaches it
            // increments TMR0.
            m_timerDue = now + static_cast<uint64_t>(divisor - PrescaleCount);
            m_timerTicks = true;
            m_tickPeriod = divisor;
        }
        PrevRa4 = ra4;
        PrevTmr0 = tmr0;
    }

    uint8_t IncrementTmr0(uint8_t tmr0) {
        if (tmr0 == 0xFF) [[unlikely]] {
            Tmr0Overflowed = true;
            Tmr0WrapPending = true;
            m_pending |= kRecheckInterrupts;
        } else {
            Tmr0Overflowed = false;
        }
        const auto next = static_cast<uint8_t>(tmr0 + 1);
        RegisterFile[TMR0] = next;
        return next;
    }

    // Cycles per TMR0 increment on the instruction clock, by OPTION's PSA and
    // prescaler bits: one table lookup instead of shifts in every cycle.
    static constexpr auto kPrescaleDivisor = [] {
        std::array<uint16_t, 16> divisors{};
        for (int bits = 0; bits < 16; ++bits) {
            const int scale = bits & kPrescalerBits;
            divisors[bits] =
                static_cast<uint16_t>((bits & kPrescalerToWatchdog) ? (1 << scale) : (2 << scale));
        }
        return divisors;
    }();
};
