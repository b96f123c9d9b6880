#include "return_stack.h"

#include "event_log.h"

void CReturnStack::Tell(const char* message) {
    RunTimeMessage(message);
}
