#pragma once
// The executor's working copy of the chip's small, hot items. The copy lives
// in locals of the run loop, where the compiler keeps it in registers; the
// chip state, which the other thread reads, receives it when the loop
// publishes. The register file is not copied: instructions read and write it
// in place.
//
// The members carry the names of the chip's items (hot_fields.h), so that
// inside the executor W, PC or Tmr0Inhibit mean the working copy. Besides
// them the copy keeps the cycle countdown: the cycle count as the next cycle
// at which something is due (a step of Timer 0, an event of the cycle-timer
// queue) and the cycles until then, one decrement per cycle.
#include <algorithm>
#include <cstdint>

#include "core/chip_bits.h"
#include "core/program_checks.h"
#include "core/state.h"

namespace core {

class CExecutorCopy : public SChipBits {
public:
#define LUMO_LOCAL_FIELD(type, Name, member, initial) type Name = initial;
    LUMO_HOT_FIELDS(LUMO_LOCAL_FIELD)
#undef LUMO_LOCAL_FIELD
    int PrescaleCount = 0;

    void LoadShared() {
#define LUMO_LOAD_FIELD(type, Name, member, initial) Name = ::Name;
        LUMO_SHARED_HOT_FIELDS(LUMO_LOAD_FIELD)
        ForgetShortcuts();
    }
    void PublishShared() const {
#define LUMO_PUBLISH_FIELD(type, Name, member, initial) ::Name = Name;
        LUMO_SHARED_HOT_FIELDS(LUMO_PUBLISH_FIELD)
    }
    void LoadOwn() {
        LUMO_OWN_HOT_FIELDS(LUMO_LOAD_FIELD)
#undef LUMO_LOAD_FIELD
        PrescaleCount = ::PrescaleCount;
        m_timerTicks = false;
        m_timerDue = core::CycleCount;
        m_cyclesToDue = 0;
        ForgetShortcuts();
    }
    void PublishOwn() const {
        LUMO_OWN_HOT_FIELDS(LUMO_PUBLISH_FIELD)
#undef LUMO_PUBLISH_FIELD
        ::PrescaleCount = PrescaleCountNow();
        core::CycleCount = CycleCount();
    }
    void LoadAll() {
        LoadShared();
        LoadOwn();
    }
    void PublishAll() const {
        PublishShared();
        PublishOwn();
    }

    // Pushes onto the return stack (by a CALL, or an interrupt's entry); a
    // full stack's message and check are stamped with the chip as it stands.
    // The data-sheet chip's ring shows no message.
    template <EChipProfile P>
    void Push(int address, bool interrupt = false) {
        if (ReturnStack->Count() == 8) [[unlikely]] {
            PublishAll();
            ChecksStackLimit(true, interrupt);
        }
        if constexpr (P == EChipProfile::Datasheet) {
            ReturnStack->PushQuietly(address);
        } else {
            ReturnStack->Push(address);
        }
    }

    uint64_t CycleCount() const {
        return m_timerDue - m_cyclesToDue;
    }

protected:
    template <EChipProfile P>
    uint16_t PopAddress() {
        if (ReturnStack->Count() == 0) [[unlikely]] {
            PublishAll();  // the message about it is stamped with the chip as it stands
            ChecksStackLimit(false, false);
        }
        if constexpr (P == EChipProfile::Datasheet) {
            return static_cast<uint16_t>(ReturnStack->PopQuietly());
        } else {
            return static_cast<uint16_t>(ReturnStack->Pop());
        }
    }

    // The countdown: the cycle at which the timer next takes a step, or the
    // queue's first event falls due, and the cycles until then, one
    // decrement per cycle.
    uint64_t m_timerDue = 0;
    int64_t m_cyclesToDue = 0;

    // Shortcuts of this working copy, never published. The timer is settled
    // while no write holds it and TMR0 (equal to PrevTmr0), RA4 and OPTION
    // stand as it last saw them. Then the cycles before m_timerDue only
    // count. In timer mode (m_timerTicks) those cycles run the prescaler's
    // count up, so that it stands at m_tickPeriod - m_cyclesToDue, and the
    // cycle at m_timerDue increments TMR0, as does every m_tickPeriod-th
    // cycle after it. While an event waits, the timer never ticks this way
    // (see executor_timer0.h), so these are all the countdown needs.
    int m_tickPeriod = 1;
    bool m_timerTicks = false;

    // What this pass's stores ask of its end (kMirrorStatus,
    // kRecheckInterrupts, kWatchPins). A copy loaded afresh looks at the pins
    // too: the board may have moved them while the copy was published.
    static constexpr uint8_t kEverything = kMirrorStatus | kRecheckInterrupts | kWatchPins;
    uint8_t m_pending = kEverything;

    // The timer's next step comes in the given number of cycles.
    void Due(int64_t cycles) {
        m_timerDue = CycleCount() + cycles;
        m_cyclesToDue = cycles;
    }

    // The prescaler's count as the cycles so far have left it.
    int PrescaleCountNow() const {
        return m_timerTicks ? static_cast<int>(m_tickPeriod - m_cyclesToDue) : PrescaleCount;
    }

    // The next cycle takes the full step (and looks at the queue).
    void WakeTimer() {
        if (m_timerTicks) PrescaleCount = PrescaleCountNow();
        m_timerDue = CycleCount();
        m_cyclesToDue = 0;
        m_timerTicks = false;
    }

    // For a working copy loaded afresh, or a register file reset under it:
    // nothing is known to be settled.
    void ForgetShortcuts() {
        WakeTimer();
        m_pending = kEverything;
    }
};

}  // namespace core
