#pragma once
// The run on show as a Value Change Dump, from the history: the run is
// executed again from the history's earliest point, silently, with the
// inputs at their passes, the pins sampled at the start, after every input
// and after every pass, as a scenario's run samples them; the machine ends
// where it stood. The thread that owns the machine.
#include <string>

namespace scenario {

// False with the reason in *error when the file could not be written.
bool WriteHistoryWaveforms(const std::string& path, double clockHz, std::string* error);

}  // namespace scenario
