#include "core/cycle_timers.h"

#include "core/chip_executor.h"

namespace core {

bool CCycleTimers::Add(uint64_t due, const SCycleEvent& event) {
    int at = m_count;
    if (at == kCapacity) return false;
    for (; at > 0 && m_slots[at - 1].due > due; --at) m_slots[at] = m_slots[at - 1];
    m_slots[at].due = due;
    m_slots[at].kind = event.kind;
    m_slots[at].pin = event.pin;
    m_slots[at].level = event.level;
    m_count = m_count + 1;
    return true;
}

bool CCycleTimers::TakeDue(uint64_t cycle, SCycleEvent& event) {
    if (m_count == 0 || m_slots[0].due > cycle) return false;
    event = {m_slots[0].kind, m_slots[0].pin, m_slots[0].level};
    RemoveAt(0);
    return true;
}

void CCycleTimers::RemoveAt(int at) {
    const int count = m_count;
    for (++at; at < count; ++at) m_slots[at - 1] = m_slots[at];
    m_slots[count - 1] = SSlot{};
    m_count = count - 1;
}

bool CCycleTimers::Reschedule(uint64_t due, const SCycleEvent& event) {
    bool dropped = false;
    for (int at = 0; at < m_count; ++at) {
        if (m_slots[at].kind != event.kind) continue;
        if (m_slots[at].due == due) return false;
        RemoveAt(at);
        dropped = true;
        break;
    }
    if (due == kNever) return dropped;
    return Add(due, event) || dropped;
}

void CCycleTimers::Remove(ECycleEvent kind) {
    int kept = 0;
    const int count = m_count;
    for (int at = 0; at < count; ++at) {
        if (m_slots[at].kind != kind) m_slots[kept++] = m_slots[at];
    }
    for (int at = kept; at < count; ++at) m_slots[at] = SSlot{};
    m_count = kept;
}

void CCycleTimers::Clear() {
    for (SSlot& slot : m_slots) slot = SSlot{};
    m_count = 0;
}

bool ScheduleCycleEvent(uint64_t delay, const SCycleEvent& event) {
    bool kept = false;
    OnChip([&](CChipExecutor& chip) { kept = chip.ScheduleCycleEvent(delay, event); });
    return kept;
}

}  // namespace core
