#pragma once
// The command line of lumo-run.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/chip_profile.h"
#include "core/pin_condition.h"
#include "core/texts/text_language.h"

namespace cli {

struct SPinSwitch {
    int port;            // register index of PORTA or PORTB
    int bit;             // 0-7
    int64_t beforePass;  // counting from 0
    std::string name;
};

struct SBreakpoint {
    int address = 0;    // word address, when label is empty
    std::string label;  // resolved against the listing
};

struct SRunOptions {
    int64_t steps = 1000;
    std::vector<SBreakpoint> breakpoints;
    std::vector<SPinSwitch> pins;  // in the order they take effect
    bool trace = false;
    bool json = false;
    std::string eventsFile;  // empty: no event file
    int64_t back = 0;        // instructions to go back after the run
    std::string program;
    std::vector<std::string> scenarios;  // with these, PROGRAM may be left out
    std::string junit;                   // JUnit XML of the scenarios
    std::string vcd;                     // the pins as a Value Change Dump
    std::string record;                  // the run as a scenario that replays it
    std::optional<core::EChipProfile>
        chip;                    // the chip to run as; the setting's default when absent
    std::string board;           // the board file; empty: NAME.board.yaml if there
    std::string compare;         // a model solution the scenarios' runs are compared with
    double clockHz = 4'000'000;  // the oscillator, for the dump's time
    double realTime = 0;         // chip seconds per wall second; 0 unpaced
    core::SPinCondition until;   // the pin trigger; empty for none
    uint32_t checks = 0;         // the run-time checks switched on (CheckBit)
    std::optional<core::ELanguage>
        language;         // of the texts for people; the environment's when absent
    std::string profile;  // the per-line profile's CSV; empty for none
};

// Parses argv; on a mistake returns false with a one-line reason in *error.
bool ParseRunOptions(int argc, char** argv, SRunOptions* options, std::string* error);

extern const char kUsage[];

}  // namespace cli
