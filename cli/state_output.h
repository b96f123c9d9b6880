#pragma once
// The processor state after a pass, as text that reads like the register
// display, or as one JSON object per line.
#include <cstdint>
#include <cstdio>

enum class ERunStatus { Running, Paused, Ended };

void PrintState(std::FILE* out, int64_t pass, ERunStatus status, bool json);
