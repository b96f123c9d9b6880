#include "cli/profile_output.h"

#include <cstdio>

#include "core/state.h"

namespace cli {

namespace {
// A name with a comma, a quote or a line break is quoted, as CSV readers
// expect.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char ch : text) {
        if (ch == '"') quoted += '"';
        quoted += ch;
    }
    return quoted + "\"";
}

std::string RoutineName(const build::SRoutineFigures& routine) {
    if (!routine.label.empty()) return routine.label;
    switch (routine.kind) {
        case build::SRoutineFigures::EKind::Main:
            return "(main)";
        case build::SRoutineFigures::EKind::Interrupt:
            return "(interrupt)";
        case build::SRoutineFigures::EKind::Subroutine:
            break;
    }
    char name[8];
    std::snprintf(name, sizeof name, "0x%03X", routine.entry);
    return name;
}

bool WriteFile(const std::string& path, const std::string& text, std::string* error) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    const bool written = file && std::fputs(text.c_str(), file) >= 0;
    if ((file && std::fclose(file) != 0) || !written) {
        *error = "cannot write the profile file " + path;
        return false;
    }
    return true;
}
}  // namespace

std::string ProfileLinesCsv(const build::CSourceMap& map,
                            const std::vector<build::SLineFigures>& lines) {
    std::string csv = "file,line,count,cycles\n";
    for (const build::SLineFigures& line : lines) {
        const std::string file = line.file < static_cast<int>(map.files.size())
                                     ? map.files[static_cast<size_t>(line.file)]
                                     : "";
        csv += CsvField(file) + ',' + std::to_string(line.line) + ',' + std::to_string(line.count) +
               ',' + std::to_string(line.cycles) + '\n';
    }
    return csv;
}

std::string ProfileRoutinesCsv(const std::vector<build::SRoutineFigures>& routines) {
    std::string csv = "routine,address,calls,cycles,share_percent\n";
    for (const build::SRoutineFigures& routine : routines) {
        char figures[96];
        std::snprintf(figures, sizeof figures, ",0x%03X,%llu,%llu,%.2f\n", routine.entry,
                      static_cast<unsigned long long>(routine.calls),
                      static_cast<unsigned long long>(routine.cycles), 100 * routine.share);
        csv += CsvField(RoutineName(routine)) + figures;
    }
    return csv;
}

std::string RoutinesPathFor(const std::string& path) {
    const std::string suffix = ".csv";
    const bool csv = path.size() > suffix.size() &&
                     path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0;
    return (csv ? path.substr(0, path.size() - suffix.size()) : path) + "-routines.csv";
}

bool WriteProfile(const std::string& path, std::string* error) {
    const build::CSourceMap map = build::LoadSourceMap();
    const build::CWordFigures words = build::ProfileNow();
    return WriteFile(path, ProfileLinesCsv(map, build::LineFigures(map, words)), error) &&
           WriteFile(RoutinesPathFor(path),
                     ProfileRoutinesCsv(build::RoutineFigures(build::LoadedProgram(),
                                                              core::StartAddress(), map, words)),
                     error);
}

}  // namespace cli
