#include "return_stack.h"

#include "platform/message_box.h"

void CReturnStack::Push(int32_t address) {
    // A full stack still takes the address, over the oldest entry.
    m_slots[top] = address;
    if (count < 8) {
        ++count;
    } else {
        AfxMessageBox("Stek je pun");
    }
    top = top == 7 ? 0 : top + 1;
}

int32_t CReturnStack::Pop() {
    if (count > 0) {
        --count;
    } else {
        AfxMessageBox("Stek je prazan");
    }
    top = top == 0 ? 7 : top - 1;
    // Slots without a live entry hold 0, so an empty stack returns 0.
    const int32_t address = m_slots[top];
    m_slots[top] = 0;
    return address;
}
