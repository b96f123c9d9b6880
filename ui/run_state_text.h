#pragma once
// The words of the status bar for what the simulation does and where PC
// stands.
#include <QString>
#include <map>
#include <string>

#include "cpu_unit.h"

// place names where a breakpoint stopped the run; lastMessage, when not
// empty, is the last run-time message of the program.
QString RunStateText(RunState state, int speedMs, const QString& place, const QString& lastMessage);
// PC in hex and the label defined at it, if any.
QString PcText(int pc, const std::map<int, std::string>& labels);
// A label of the listing at the address, else the address in hex.
QString PlaceName(int address, const std::map<int, std::string>& labels);
