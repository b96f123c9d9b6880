#pragma once
// The processor state after a pass, as text that reads like the register
// display, or as one JSON object per line.
#include <cstdint>
#include <cstdio>
#include <string>

enum class ERunStatus { Running, Paused, Ended };

void PrintState(std::FILE* out, int64_t pass, ERunStatus status, bool json);

// The text as a JSON string, quotes included.
std::string JsonString(const char* text);
