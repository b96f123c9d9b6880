#include "core/return_stack.h"

#include "core/event_log.h"

void CReturnStack::Tell(const char* message) {
    core::RunTimeMessage(message);
}
