#pragma once
// lumo-run --profile: the profile as two CSV files, the source lines in the
// one named, the routines in a second one beside it.
#include <string>
#include <vector>

#include "build/profile_figures.h"

namespace cli {

// "file,line,count,cycles" and a row for every line with code.
std::string ProfileLinesCsv(const build::CSourceMap& map,
                            const std::vector<build::SLineFigures>& lines);
// "routine,address,calls,cycles,share_percent" and a row for every routine;
// one without a label is named by its kind or its address.
std::string ProfileRoutinesCsv(const std::vector<build::SRoutineFigures>& routines);
// The routines' file: "run.csv" gives "run-routines.csv", "run" "run-routines.csv".
std::string RoutinesPathFor(const std::string& path);
// Both files from the counters as they stand; false with *error when one
// cannot be written.
bool WriteProfile(const std::string& path, std::string* error);

}  // namespace cli
