#pragma once
#include <cstdint>

#include "core/relaxed.h"

// The chip's eight-level return stack, kept apart from both memories. It is a
// ring: a ninth push overwrites the oldest entry, a pop from an empty stack
// gives 0. Both conditions tell the user and then carry on, as a student's
// program on the real chip would carry on. It lives inside the chip state, so
// copying the machine copies the stack; its fields are relaxed atomics
// because the window may copy the machine while the worker runs.
class CReturnStack {
public:
    // Inline: every call, return and interrupt of the run loop goes through
    // these.
    void Push(int32_t address) {
        // A full stack still takes the address, over the oldest entry.
        const int32_t at = top;
        m_slots[at] = address;
        if (count < 8) [[likely]] {
            count += 1;
        } else {
            Tell("Stek je pun");
        }
        top = at == 7 ? 0 : at + 1;
    }
    int32_t Pop() {
        if (count > 0) [[likely]] {
            count -= 1;
        } else {
            Tell("Stek je prazan");
        }
        const int32_t at = top == 0 ? 7 : top - 1;
        top = at;
        // Slots without a live entry hold 0, so an empty stack returns 0.
        const int32_t address = m_slots[at];
        m_slots[at] = 0;
        return address;
    }

    // The data-sheet chip's ring, as its data sheet describes it: no
    // message, and a pop leaves its slot, so the ninth pop after eight
    // returns the oldest live entry's slot again.
    void PushQuietly(int32_t address) {
        const int32_t at = top;
        m_slots[at] = address;
        if (count < 8) count += 1;
        top = at == 7 ? 0 : at + 1;
    }
    int32_t PopQuietly() {
        if (count > 0) count -= 1;
        const int32_t at = top == 0 ? 7 : top - 1;
        top = at;
        return m_slots[at];
    }

    int32_t Count() const { return count; }
    // The ring as it stands, for a view of it: slot 0-7, and the slot the
    // next push writes (over the oldest entry when the stack is full).
    int32_t Slot(int index) const { return m_slots[index]; }
    int32_t NextSlot() const { return top; }
    // The live return addresses, the oldest first and the next return last.
    template <class Visit>
    void ForEachEntry(Visit visit) const {
        for (int k = count; k > 0; --k) visit(m_slots[(top - k + 8) % 8].load());
    }

    bool operator==(const CReturnStack&) const = default;

private:
    [[gnu::cold, gnu::noinline]] static void Tell(const char* message);

    core::Relaxed<int32_t> m_slots[8];
    core::Relaxed<int32_t> top;
    core::Relaxed<int32_t> count;
};
