#include "core/event_log.h"

#include "core/platform/message_box.h"
#include "core/state.h"
#include "core/texts/translate.h"

namespace core {

CEventLog EventLog;

const char* EventKindName(EEventKind kind) {
    switch (kind) {
        case EEventKind::Accept:
            return "accept";
        case EEventKind::Interrupt:
            return "interrupt";
        case EEventKind::Retfie:
            return "retfie";
        case EEventKind::Message:
            return "message";
        case EEventKind::Breakpoint:
            return "breakpoint";
        case EEventKind::Pin:
            return "pin";
        case EEventKind::RunStart:
            return "start";
        case EEventKind::RunEnd:
            return "end";
        case EEventKind::Load:
            return "load";
        case EEventKind::Edit:
            return "edit";
        case EEventKind::Board:
            return "board";
        case EEventKind::Mclr:
            return "mclr";
        case EEventKind::Check:
            return "check";
    }
    return "";
}

const char* BoardEventName(EBoardEvent what) {
    switch (what) {
        case EBoardEvent::Command:
            return "command";
        case EBoardEvent::Data:
            return "data";
        case EBoardEvent::Ignored:
            return "ignored";
        case EBoardEvent::Received:
            return "received";
        case EBoardEvent::Framing:
            return "framing";
        case EBoardEvent::Press:
            return "press";
        case EBoardEvent::Release:
            return "release";
        case EBoardEvent::Typed:
            return "typed";
    }
    return "";
}

namespace {
void Stamp(SEvent& event) {
    event.pass = InstructionCount;
    event.cycle = CycleCount;
    event.pc = PC;
}
}  // namespace

void CEventLog::Record(SEvent event) {
    if (Muted()) return;
    Stamp(event);
    Keep(std::move(event));
}

void CEventLog::RecordAtWord(SEvent event, uint16_t pc) {
    if (Muted()) return;
    Stamp(event);
    event.pc = pc;
    Keep(std::move(event));
}

void CEventLog::Keep(SEvent event) {
    std::lock_guard lock(m_mutex);
    SEvent& kept = m_events.Append();
    kept = std::move(event);
    Kept(kept);
}

void CEventLog::RecordAtPassEnd(EEventKind kind, int32_t value, uint8_t cause, const char* text) {
    if (Muted()) return;
    m_pending.push_back({kind, cause, value, text});
    // One signal for all the pass's events: they are stamped together.
    if (!m_unstamped.load(std::memory_order_relaxed)) {
        m_unstamped.store(true, std::memory_order_relaxed);
        SignalRunLoop();
    }
}

void CEventLog::StampPassEnd() {
    m_unstamped.store(false, std::memory_order_relaxed);
    std::lock_guard lock(m_mutex);
    for (const SPending& pending : m_pending) {
        // Filled in place: a slot reused holds an older event's text.
        SEvent& event = m_events.Append();
        event.kind = pending.kind;
        event.cause = pending.cause;
        event.value = pending.value;
        event.text.assign(pending.text);
        Stamp(event);
        Kept(event);
    }
    m_pending.clear();
}

void CEventLog::Kept(SEvent& event) {
    event.serial = ++m_serial;
    // Under the lock, so the sink sees the events in their order.
    if (m_sink) m_sink(event);
}

std::vector<SEvent> CEventLog::Since(uint64_t serial) const {
    std::lock_guard lock(m_mutex);
    // The serials rise from the oldest event kept to the newest: the first
    // newer one is found by halving.
    size_t first = 0;
    size_t end = m_events.size();
    while (first < end) {
        const size_t middle = first + (end - first) / 2;
        if (m_events[middle].serial <= serial) {
            first = middle + 1;
        } else {
            end = middle;
        }
    }
    std::vector<SEvent> events;
    events.reserve(m_events.size() - first);
    for (size_t index = first; index < m_events.size(); ++index) events.push_back(m_events[index]);
    return events;
}

uint64_t CEventLog::LandmarkBefore(uint64_t pass) const {
    std::lock_guard lock(m_mutex);
    for (size_t index = m_events.size(); index-- > 0;) {
        const SEvent& event = m_events[index];
        if (event.kind == EEventKind::RunStart) break;
        const bool landmark = event.kind == EEventKind::Interrupt ||
                              event.kind == EEventKind::Breakpoint || IsUserInput(event);
        if (landmark && event.pass < pass) return event.pass;
    }
    return pass;
}

uint64_t CEventLog::LastSerial() const {
    std::lock_guard lock(m_mutex);
    return m_serial;
}

void CEventLog::DropAfter(uint64_t pass) {
    std::lock_guard lock(m_mutex);
    // Only the current run's events can lie after a pass of it: every run
    // ends with an end event, and nothing of an earlier run is dropped.
    bool dropped = false;
    while (!m_events.empty()) {
        const SEvent& last = m_events.back();
        const bool later = last.pass > pass || (last.pass == pass && IsUserInput(last));
        if (!later || last.kind == EEventKind::RunStart || last.kind == EEventKind::Load) break;
        m_events.pop_back();
        dropped = true;
    }
    if (dropped) m_drops.fetch_add(1, std::memory_order_release);
}

void CEventLog::SetSink(std::function<void(const SEvent&)> sink) {
    std::lock_guard lock(m_mutex);
    m_sink = std::move(sink);
}

void RunTimeMessage(const char* text) {
    if (EventLog.Muted()) return;
    // Translated here, off the run loop's path: its callers hand over the
    // Serbian literal and stay as small as they were.
    const char* shown = Tr(text);
    EventLog.RecordAtPassEnd(EEventKind::Message, 0, 0, shown);
    AfxMessageBox(shown);
}

}  // namespace core
