#pragma once
// The run-time checks' view of the program (check_wiring.h), from its source map.
#include "check_wiring.h"
#include "source_map.h"

SCheckProgram CheckProgramFrom(const CSourceMap& map);
