#pragma once
// The run-time checks' view of the program (check_wiring.h), from its source map.
#include "build/source_map.h"
#include "core/check_wiring.h"

namespace build {

core::SCheckProgram CheckProgramFrom(const CSourceMap& map);

}  // namespace build
