#pragma once
// Timer 0 and the cycle-timer queue, one instruction cycle at a time. Both
// hang on the working copy's countdown: a cycle that nothing falls due in
// costs one decrement and one compare.
#include <algorithm>
#include <array>
#include <cstdint>

#include "core/board_hook.h"
#include "core/executor_store.h"
#include "core/pin_wire.h"
#include "core/profile_counters.h"

namespace core {

class CExecutorTimer0 : public CExecutorStore {
public:
    // Advances TMR0 by one instruction cycle and fires the events due at it.
    // While nothing the timer reads changes, most cycles only count, and in
    // timer mode the next increment is known without reading anything (see
    // m_timerDue).
    template <EChipProfile P = EChipProfile::Classic>
    [[gnu::always_inline]] void Timer0CycleStep() {
        m_cyclesToDue -= 1;
        if (m_cyclesToDue > 0) [[likely]]
            return;
        if (m_timerTicks) [[likely]] {
            // As the full step would do it: TMR0 and OPTION stand as it last
            // saw them, and the prescaler's count reaches its divisor now.
            PrevTmr0 = IncrementTmr0(static_cast<uint8_t>(PrevTmr0));
            m_timerDue += m_tickPeriod;
            m_cyclesToDue = m_tickPeriod;
            return;
        }
        Timer0FullStep<P>();
        if (Chip.cycleTimers.Count() != 0) [[unlikely]]
            EventsDue<P>();
    }

    // The second cycle of the instruction at word (a jump, a skip taken, a
    // write of PCL). The counting loop's profile takes it for the word; the
    // plain loop never sets m_counting, and the compiler drops the test.
    template <EChipProfile P = EChipProfile::Classic>
    [[gnu::always_inline]] void SecondCycle(int word) {
        if (m_counting) Profile.AddSecondCycle(word);
        Timer0CycleStep<P>();
    }
    bool m_counting = false;

    // A cycle of the data-sheet chip asleep: the instruction clock and with
    // it Timer 0 stand still, the watchdog's oscillator and an EEPROM write
    // go on. The countdown then only runs to the queue's next event.
    void SleepCycleStep() {
        m_cyclesToDue -= 1;
        if (m_cyclesToDue > 0) [[likely]]
            return;
        if (m_timerTicks) {
            PrescaleCount = PrescaleCountNow();
            m_timerTicks = false;
        }
        const uint64_t now = CycleCount();
        FireDueEvents<EChipProfile::Datasheet>(now);
        const uint64_t next = Chip.cycleTimers.NextDue();
        Due(next == CCycleTimers::kNever ? int64_t{1} << 62 : static_cast<int64_t>(next - now));
    }

    // Keeps an event for the cycle delay cycles after this one's end (at
    // least one).
    bool ScheduleCycleEvent(uint64_t delay, const SCycleEvent& event) {
        if (!Chip.cycleTimers.Add(CycleCount() + std::max<uint64_t>(delay, 1), event)) return false;
        // The next cycle looks at the queue.
        WakeTimer();
        return true;
    }

    // The data-sheet chip's watchdog and its prescaler start afresh (CLRWDT,
    // SLEEP, a reset): the time-out comes one nominal period from now, times
    // the prescaler's rate when the watchdog has it. A later change of the
    // assignment counts from the next clear, as the data sheet asks programs
    // to clear the watchdog before they change it.
    void ClearWatchdog() {
        Chip.cycleTimers.Remove(ECycleEvent::WatchdogTimeOut);
        if (!Chip.datasheet.watchdogOn) return;
        const uint8_t option = RegisterFile[OPTION_REG];
        const uint64_t rate = (option & kPrescalerToWatchdog) ? 1u << (option & kPrescalerBits) : 1;
        ScheduleCycleEvent(Chip.datasheet.watchdogCycles * rate, {ECycleEvent::WatchdogTimeOut});
    }

protected:
    // A watchdog reset waits for the end of the instruction its cycle falls
    // in (the run loop applies it after the pass).
    bool m_watchdogReset = false;

    // After the timer's step of a cycle while events wait: fires those due
    // (what they change, the timer sees from the next cycle on, as after an
    // instruction's store) and ends the countdown at the next one. A ticking
    // timer takes its full step every cycle meanwhile instead of counting
    // ahead, so the fast path above never has to look at the queue: the
    // classic chip, which schedules nothing, pays nothing for it.
    template <EChipProfile P>
    void EventsDue() {
        const uint64_t now = CycleCount();
        FireDueEvents<P>(now);
        if (Chip.cycleTimers.Count() == 0 || m_cyclesToDue <= 0) return;
        if (m_timerTicks) {
            PrescaleCount = PrescaleCountNow();
            m_timerTicks = false;
            Due(1);
            return;
        }
        Due(std::min(m_cyclesToDue, static_cast<int64_t>(Chip.cycleTimers.NextDue() - now)));
    }

    template <EChipProfile P>
    void FireDueEvents(uint64_t now) {
        SCycleEvent event;
        while (Chip.cycleTimers.TakeDue(now, event)) {
            switch (event.kind) {
                case ECycleEvent::DrivePin:
                    DrivePinNow<P>(event.pin, event.level != 0);
                    break;
                case ECycleEvent::BoardDue:
                    LookAtBoard();
                    // A part that was due may have changed what it shows
                    // (a byte decoded, the busy flag dropped) without moving
                    // a pin: the trace looks at the pass's end all the same.
                    m_pending |= kWatchPins;
                    break;
                default:
                    RunChipEvent<P>(event);
                    break;
            }
        }
    }

protected:
    // The pins may have changed, or the board's cycle has come. The board
    // looks out of line and touches only what the loop keeps in place (the
    // register file, the pins' drives, the queue), so that the working copy
    // stays in registers; when it moved something, the copy forgets what it
    // knew settled, as after a store of a port with its hooks.
    [[gnu::always_inline]] void LookAtBoard() {
        if (AttachedBoard.load(std::memory_order_relaxed) == nullptr) [[likely]]
            return;
        if (UpdateAttachedBoard(CycleCount())) ForgetShortcuts();
    }

    // The data-sheet chip's own events (the watchdog, the EEPROM), defined
    // with the whole executor (executor_hooks.h).
    template <EChipProfile P>
    void RunChipEvent(const SCycleEvent& event);

    // The outside drives a pin while the program runs: in the classic
    // profile the register byte changes through the store path, with its
    // hooks; on the data-sheet chip the port resolves anew.
    template <EChipProfile P>
    void DrivePinNow(int pin, bool level) {
        const SChipPin& info = kChipPins[pin];
        const uint8_t mask = info.Mask();
        Relaxed<uint8_t>& drives = info.port == PORTA ? Chip.pinDrives.portA : Chip.pinDrives.portB;
        drives = level ? static_cast<uint8_t>(drives | mask) : static_cast<uint8_t>(drives & ~mask);
        if constexpr (P == EChipProfile::Datasheet) {
            (info.port == PORTA ? Chip.pinDrives.heldA : Chip.pinDrives.heldB) |= mask;
            ResolvePort(info.port);
        } else {
            const uint8_t port = RegisterFile[info.port];
            const uint8_t after =
                PortAfterDrive(P, port, mask, level ? mask : 0, RegisterFile[info.Direction()]);
            if (after != port) StoreFile<P>(info.port, after);
        }
    }

public:
    // The data-sheet chip's port register takes its pins' levels; what reads
    // them (Timer 0's RA4, the interrupt check) looks again.
    void ResolvePort(uint8_t port) {
        RegisterFile[port] = ResolvedPort(port);
        m_pending |= kRecheckInterrupts;
        if (port == PORTA) WakeTimer();
    }

protected:
    // One cycle of Timer 0 with everything it reads. When no write holds the
    // timer, it then knows how many cycles will only count: in counter mode
    // all of them until RA4 or a register it reads changes, in timer mode the
    // prescaler's count up to its divisor.
    template <EChipProfile P>
    [[gnu::always_inline]] void Timer0FullStep() {
        // Until the timer settles below, the next cycle takes this step again.
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
                if constexpr (P == EChipProfile::Datasheet) {
                    // The prescaler, when Timer 0 has it, divides the edges.
                    if (edge) {
                        const int divisor =
                            kPrescaleDivisor<P>[option & (kPrescalerToWatchdog | kPrescalerBits)];
                        const int count = PrescaleCount + 1;
                        PrescaleCount = count >= divisor ? 0 : count;
                        if (count >= divisor) tmr0 = IncrementTmr0(tmr0);
                    }
                } else if (edge) {
                    Tmr0Overflowed = tmr0 == 0xFF;
                    m_pending |= kRecheckInterrupts;
                    if (tmr0 == PrevTmr0) tmr0 = IncrementTmr0(tmr0);
                }
            }
            // A settled timer in counter mode only counts cycles until
            // something wakes it.
            Due(int64_t{1} << 62);
        } else {
            const int divisor =
                kPrescaleDivisor<P>[option & (kPrescalerToWatchdog | kPrescalerBits)];
            const int count = PrescaleCount + 1;
            if (count >= divisor) {
                tmr0 = IncrementTmr0(tmr0);
                PrescaleCount = 0;
            } else {
                PrescaleCount = count;
            }
            // The count is now below the divisor: the cycle that reaches it
            // increments TMR0.
            Due(divisor - PrescaleCount);
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
    // prescaler bits: one table lookup instead of shifts in every cycle. On
    // the data-sheet chip a prescaler given to the watchdog leaves Timer 0
    // undivided.
    template <EChipProfile P>
    static constexpr auto kPrescaleDivisor = [] {
        std::array<uint16_t, 16> divisors{};
        for (int bits = 0; bits < 16; ++bits) {
            const int scale = bits & kPrescalerBits;
            const bool toWatchdog = bits & kPrescalerToWatchdog;
            const int watchdogs = P == EChipProfile::Datasheet ? 1 : 1 << scale;
            divisors[bits] = static_cast<uint16_t>(toWatchdog ? watchdogs : (2 << scale));
        }
        return divisors;
    }();
};

}  // namespace core
