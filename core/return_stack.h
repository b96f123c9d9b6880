#pragma once
#include <cstdint>

#include "relaxed.h"

// The chip's eight-level return stack, kept apart from both memories. It is a
// ring: a ninth push overwrites the oldest entry, a pop from an empty stack
// gives 0. Both conditions tell the user and then carry on, as a student's
// program on the real chip would carry on. It lives inside the chip state, so
// copying the machine copies the stack; its fields are relaxed atomics
// because the window may copy the machine while the worker runs.
class CReturnStack {
public:
    void Push(int32_t address);
    int32_t Pop();

    int32_t Count() const { return count; }

    bool operator==(const CReturnStack&) const = default;

private:
    Relaxed<int32_t> m_slots[8];
    Relaxed<int32_t> top;
    Relaxed<int32_t> count;
};
