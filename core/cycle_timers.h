#pragma once
// Events due at a future cycle: an outside level that changes at a given
// cycle (a button's bounce, a part's answer), and later the watchdog's
// time-out or the end of an EEPROM write. The queue is part of the machine
// value, so the history's keyframes and its replays carry the pending events.
// The run loop folds the first event's cycle into its cycle countdown (see
// executor_timer0.h), so waiting costs it no test of its own.
//
// Only the thread that runs the program changes the queue; its items are
// relaxed atomics so that a copy of the whole chip taken meanwhile on another
// thread sees whole values.
#include <cstdint>
#include <limits>

#include "core/relaxed.h"

namespace core {

enum class ECycleEvent : uint8_t {
    DrivePin,  // the level driven from outside onto pin (an index of kChipPins) becomes level
    BoardDue,  // the attached board asked to look at this cycle (board_hook.h)
    WatchdogTimeOut,  // the data-sheet chip's watchdog runs out
    EepromWritten,    // the data-sheet chip's EEPROM write completes
};

struct SCycleEvent {
    ECycleEvent kind = ECycleEvent::DrivePin;
    uint8_t pin = 0;
    uint8_t level = 0;
};

class CCycleTimers {
public:
    static constexpr int kCapacity = 8;
    static constexpr uint64_t kNever = std::numeric_limits<uint64_t>::max();

    // Keeps the event for the given cycle; events due at the same cycle come
    // in the order added. Returns false, keeping nothing, when the queue is
    // full.
    bool Add(uint64_t due, const SCycleEvent& event);
    // The cycle of the first event, kNever when none waits.
    uint64_t NextDue() const { return m_count > 0 ? m_slots[0].due.load() : kNever; }
    // Takes the first event when it is due at or before the cycle.
    bool TakeDue(uint64_t cycle, SCycleEvent& event);
    // Drops every waiting event of the kind.
    void Remove(ECycleEvent kind);
    int Count() const { return m_count; }
    // Keeps the only event of its kind for the given cycle, dropping the one
    // kept before (kNever: none). Returns whether the queue changed.
    bool Reschedule(uint64_t due, const SCycleEvent& event);
    void Clear();

    bool operator==(const CCycleTimers&) const = default;

private:
    void RemoveAt(int at);

    struct SSlot {
        Relaxed<uint64_t> due;
        Relaxed<ECycleEvent> kind;
        Relaxed<uint8_t> pin;
        Relaxed<uint8_t> level;
        bool operator==(const SSlot&) const = default;
    };
    // In the order they fall due; slots past m_count are empty.
    SSlot m_slots[kCapacity];
    Relaxed<int> m_count;
};

// Keeps an event for delay cycles from now, for a caller that owns the
// machine between two instructions. Returns false when the queue is full.
bool ScheduleCycleEvent(uint64_t delay, const SCycleEvent& event);

}  // namespace core
