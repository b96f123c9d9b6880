#pragma once
// The processor state after a pass, as text that reads like the register
// display, or as one JSON object per line.
#include <cstdint>
#include <cstdio>
#include <string>

namespace build {
struct CSourceMap;
}

namespace cli {

enum class ERunStatus { Running, Paused, Ended };

// The JSON names the program's register variables and shows the return
// stack as the map and the chip hold them.
void PrintState(std::FILE* out, int64_t pass, ERunStatus status, bool json,
                const build::CSourceMap& names);

// The text as a JSON string, quotes included.
std::string JsonString(const char* text);

}  // namespace cli
