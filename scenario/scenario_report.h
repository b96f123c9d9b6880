#pragma once
// What a scenario run reports: as text for the teacher, as one JSON object
// per scenario for tools, and as JUnit XML for CI systems and autograders.
#include <string>
#include <vector>

#include "scenario/scenario_run.h"

namespace scenario {

std::string ReportText(const SScenarioReport& report);
// A failed step on one line: "FILE:LINE step: why; KEY: ocekivano X, stvarno Y"
// with the first key that did not hold.
std::string StepFailureText(const SScenarioReport& report, const SStepReport& step);
std::string ReportJson(const SScenarioReport& report);
// "provera bank, prog.asm:6: ...": a check's note on one line.
std::string NoteText(const SCheckNote& note);

// One scenario of one program, as a batch keeps it and JUnit shows it.
struct SCaseSummary {
    std::string name;
    bool passed = false;
    int points = 0;  // what the scenario is worth
    int earned = 0;
    double seconds = 0;
    std::string failure;             // the first failure, one line
    std::string details;             // the text report
    std::vector<std::string> notes;  // the checks that fired, as NoteText gives them
};
SCaseSummary Summarize(const SScenarioReport& report);

// One program's scenarios: a test suite.
struct SSuite {
    std::string name;
    std::vector<SCaseSummary> cases;
};
// Writes the suites as JUnit XML; false with a reason in *error.
bool WriteJUnit(const std::string& path, const std::vector<SSuite>& suites, std::string* error);

}  // namespace scenario
