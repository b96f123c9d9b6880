#pragma once
// The event log as JSON lines.
#include <string>

#include "core/event_log.h"

namespace cli {

// One event as one JSON object, without the line end: "event", "pass",
// "cycle" and "pc" always, then the keys of its kind.
std::string EventJson(const core::SEvent& event);
// A check event as one line of text, without the line end:
// "provera bank, linija 12 (rec 0x007): ...".
std::string CheckEventText(const core::SEvent& event);

}  // namespace cli
