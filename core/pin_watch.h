#pragma once
// What looks at the pins as they change: the trace (pin_trace.h) and the pin
// trigger, a condition (pin_condition.h) at which a run stops as at a
// breakpoint. The pins change only through a store into a port or direction
// register, which the chip map marks for a look at its pass's end, and
// through the user's inputs; nothing else in the run loop pays for them, and
// without a trigger a look only keeps the trace.
#include <atomic>
#include <cstdint>

#include "core/pin_condition.h"

namespace core {

class CPinTrigger {
public:
    // Any thread; takes effect from the next slice of passes.
    void Set(const SPinCondition& condition) {
        m_condition.store(condition.Packed(), std::memory_order_relaxed);
    }
    void Clear() { m_condition.store(0, std::memory_order_relaxed); }
    SPinCondition Condition() const {
        return SPinCondition::Unpacked(m_condition.load(std::memory_order_relaxed));
    }
    bool IsSet() const { return m_condition.load(std::memory_order_relaxed) != 0; }

    // The machine's owner, before a slice of passes: the pins as they stand
    // are those before the next change, and nothing has fired.
    void BeginSlice() {
        if (IsSet()) {
            Rebase();
        } else {
            m_fired = false;
        }
    }
    // After a change of the pins: fires when the condition is met.
    void Check();
    // Whether it fired since the last Rebase.
    bool Fired() const { return m_fired; }

private:
    void Rebase();

    std::atomic<uint64_t> m_condition{0};
    uint32_t m_before = 0;
    bool m_fired = false;
};

extern CPinTrigger PinTrigger;

// A pass stored into a port or direction register (the executor's end of
// pass, with the pass and cycle after it).
[[gnu::cold, gnu::noinline]] void PinsStoredInPass(uint64_t pass, uint64_t cycle);
// The user changed a pin or a register between two passes; the machine is published.
void PinsChangedByInput();

}  // namespace core
