#pragma once
// A session in the window as a scenario: the clicks and edits a user made,
// each at the cycle it reached the machine, replayed from the reset, and a
// final expect of the complete state. Playing the scenario reaches that state
// bit for bit, because a run is a pure function of the program and its timed
// inputs.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace core {
struct SEvent;
}

namespace scenario {

struct SRecordedInput {
    enum class EKind { Click, Set, Press, Release, Type };
    uint64_t cycle = 0;  // the cycle count when the input reached the machine
    // A click's pin (RA0-RA4, RB0-RB7); an edit's W, register, by the chip's
    // name where it has one, else by address ("0x0C"), or EEPROM byte
    // ("EEPROM[3]"); "MCLR" for an MCLR reset; a board input's part.
    std::string name;
    std::optional<uint8_t> value;  // the value an edit wrote; none for a click
    EKind kind = EKind::Click;
    // Press, Release: the key's label, empty for a button or a switch;
    // Type: the bytes typed.
    std::string text;
};

// Whether the event is one the user put into the run: a pin click, an
// edited value, a key or button pressed or released, a byte typed.
bool IsRecordedInput(const core::SEvent& event);

// The input such an event of the log records.
SRecordedInput RecordedInputOf(const core::SEvent& event);

// The scenario text for a session whose inputs were these, ending now (the
// machine's current state is what the final expect holds): a click as a
// `click` step, an edit as a `set` step, an MCLR reset as a `reset` step,
// the board's as `press`, `release` and `type` (the bytes typed at one cycle
// at one terminal as one step); on the data-sheet chip the scenario says so,
// and its final expect holds the EEPROM's bytes that differ from the
// program's own. The program and the board file (none when empty) are named
// relative to the scenario's folder where they can be.
std::string RecordedScenario(const std::string& scenarioPath, const std::string& program,
                             double clockHz, const std::vector<SRecordedInput>& inputs,
                             const std::string& board = {});

}  // namespace scenario
