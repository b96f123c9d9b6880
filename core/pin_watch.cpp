#include "core/pin_watch.h"

#include "core/history.h"
#include "core/pin_trace.h"
#include "core/pin_wire.h"
#include "core/state.h"
#include "core/wiring.h"

namespace core {

CPinTrigger PinTrigger;

void CPinTrigger::Rebase() {
    m_before = PinLevels();
    m_fired = false;
}

void CPinTrigger::Check() {
    const uint64_t packed = m_condition.load(std::memory_order_relaxed);
    if (packed == 0) return;
    const uint32_t now = PinLevels();
    if (now == m_before) return;
    if (SPinCondition::Unpacked(packed).Met(m_before, now)) {
        m_fired = true;
        SignalRunLoop();
    }
    m_before = now;
}

void PinsStoredInPass(uint64_t pass, uint64_t cycle) {
    // Passes up to the latest reached are in the trace already: this is the
    // history going over them again.
    if (pass > History.LatestKept()) PinTrace.Sample(pass, cycle);
    PinTrigger.Check();
}

void PinsChangedByInput() {
    PinTrace.Sample(InstructionCount, CycleCount);
    PinTrigger.Check();
}

}  // namespace core
