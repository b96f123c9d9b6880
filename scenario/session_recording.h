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

struct SEvent;

namespace scenario {

struct SRecordedInput {
    uint64_t cycle = 0;  // the cycle count when the input reached the machine
    // A click's pin (RA0-RA4, RB0-RB7); an edit's W, register, by the chip's
    // name where it has one, else by address ("0x0C"), or EEPROM byte
    // ("EEPROM[3]"); "MCLR" for an MCLR reset.
    std::string name;
    std::optional<uint8_t> value;  // the value an edit wrote; none for a click
};

// The input a pin or edit event of the log records.
SRecordedInput RecordedInputOf(const SEvent& event);

// The scenario text for a session whose inputs were these, ending now (the
// machine's current state is what the final expect holds): a click as a
// `click` step, an edit as a `set` step, an MCLR reset as a `reset` step; on
// the data-sheet chip the scenario says so, and its final expect holds the
// EEPROM's bytes that differ from the program's own. The program is named relative to the
// scenario's folder where it can be.
std::string RecordedScenario(const std::string& scenarioPath, const std::string& program,
                             double clockHz, const std::vector<SRecordedInput>& inputs);

}  // namespace scenario
