#include "return_stack.h"

#include "event_log.h"

void CReturnStack::Push(int32_t address) {
    // A full stack still takes the address, over the oldest entry.
    const int32_t at = top;
    m_slots[at] = address;
    if (count < 8) {
        count += 1;
    } else {
        RunTimeMessage("Stek je pun");
    }
    top = at == 7 ? 0 : at + 1;
}

int32_t CReturnStack::Pop() {
    if (count > 0) {
        count -= 1;
    } else {
        RunTimeMessage("Stek je prazan");
    }
    const int32_t at = top == 0 ? 7 : top - 1;
    top = at;
    // Slots without a live entry hold 0, so an empty stack returns 0.
    const int32_t address = m_slots[at];
    m_slots[at] = 0;
    return address;
}
