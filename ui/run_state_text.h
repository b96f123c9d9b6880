#pragma once
// The words of the status bar for what the simulation does and where PC
// stands.
#include <QString>
#include <cstdint>
#include <map>
#include <string>

#include "core/cpu_unit.h"

// How fast a continuous run goes: a pause per instruction, or real time at
// a factor (then the pause does not count) and how far it lags behind.
struct SRunPace {
    int speedMs = 0;
    double realTimeFactor = 0;  // 0: not paced
    int64_t lagUs = 0;
};

// place names where a breakpoint stopped the run; lastMessage, when not
// empty, is the last run-time message of the program. asleep: the
// data-sheet chip sleeps (SLEEP), which a run or a pause says first.
QString RunStateText(core::RunState state, const SRunPace& pace, const QString& place,
                     const QString& lastMessage, bool asleep = false);
// PC in hex and the label defined at it, if any.
QString PcText(int pc, const std::map<int, std::string>& labels);
// A label of the listing at the address, else the address in hex.
QString PlaceName(int address, const std::map<int, std::string>& labels);
