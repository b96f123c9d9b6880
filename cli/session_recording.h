#pragma once
// A session in the window as a scenario: the clicks a user made, each at the
// cycle it reached the machine, replayed from the reset, and a final expect
// of the complete state. Playing the scenario reaches that state bit for bit,
// because a run is a pure function of the program and its timed clicks.
#include <cstdint>
#include <string>
#include <vector>

struct SRecordedClick {
    uint64_t cycle = 0;  // the cycle count when the click reached the machine
    std::string pin;     // RA0-RA4, RB0-RB7
};

// The scenario text for a session whose clicks were these, ending now (the
// machine's current state is what the final expect holds). The program is
// named relative to the scenario's folder where it can be.
std::string RecordedScenario(const std::string& scenarioPath, const std::string& program,
                             double clockHz, const std::vector<SRecordedClick>& clicks);
