#pragma once
// Reads a scenario from its YAML file. Anything the reader does not know (a
// key, a register, a pin, a value out of range) is an error that names the
// file, line and column; no input makes it crash.
#include <cstdint>
#include <string>

#include "scenario/scenario.h"

namespace scenario {

// Reads the file at path. On failure returns false with "FILE:LINE:COLUMN:
// what" (or "FILE: what" when the file cannot be read) in *error.
bool ReadScenarioFile(const std::string& path, SScenario* scenario, std::string* error);

// The same on text already in memory; file names the text in messages and
// anchors a relative program path.
bool ReadScenarioText(const std::string& text, const std::string& file, SScenario* scenario,
                      std::string* error);

// A clock frequency: a number with Hz, kHz or MHz (any case, Hz when left
// out), from 4 Hz to 1000 MHz.
bool ParseClock(const std::string& text, double* hz);

// A whole number as scenarios write it: decimal, 0x hexadecimal or 0b binary,
// with '_' between digits allowed; never negative.
bool ParseWhole(const std::string& text, int64_t* value);

}  // namespace scenario
