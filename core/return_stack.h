#pragma once
#include <cstdint>

// The chip's eight-level return stack, kept apart from both memories. It is a
// ring: a ninth push overwrites the oldest entry, a pop from an empty stack
// gives 0. Both conditions tell the user and then carry on, as a student's
// program on the real chip would carry on.
class CReturnStack {
public:
    void Push(int32_t address);
    int32_t Pop();

    int32_t Count() const { return count; }

private:
    int32_t m_slots[8] = {};
    int32_t top = 0;
    int32_t count = 0;
};
