#pragma once
// lumo-grade's batch: every submission against every scenario. Each
// submission runs in a child process of its own, one scenario after the
// other (its assembler output files are never written by two at once), with
// up to N children at a time. A child that outlives a run's wall-clock bound
// is killed, one that crashes is buried, and either way the submission goes
// on with its next scenario in a fresh child, so no submission can stop the
// batch.
#include <string>
#include <vector>

#include "scenario/model_comparison.h"
#include "scenario/scenario.h"
#include "scenario/scenario_report.h"

namespace cli {

struct SGradeOptions {
    int jobs = 1;
    // The wall-clock bound of one scenario's run: fixed when given, else
    // from the scenario's cycle limit at the measured speed.
    double timeoutSeconds = 0;
    double cyclesPerSecond = 0;
    std::string vcdFolder;  // one dump per submission and scenario, when given
    // The model solution's run of each scenario, in order, when every
    // submission is compared with one.
    const std::vector<scenario::SModelRun>* models = nullptr;
};

struct SSubmissionResult {
    std::string name;                           // as given on the command line
    std::string program;                        // the file graded, empty when none was found
    std::vector<scenario::SCaseSummary> cases;  // one per scenario, in order
    int earned = 0;
};

// The file a submission stands for: an .asm, .obj or .hex file itself, or
// the one .asm file in a folder. False with the reason otherwise.
bool FindSubmissionProgram(const std::string& submission, std::string* program,
                           std::string* failure);

std::vector<SSubmissionResult> GradeBatch(const std::vector<scenario::SScenario>& scenarios,
                                          const std::vector<std::string>& submissions,
                                          const SGradeOptions& options);

// The table for the terminal: a row per submission, points per scenario and
// in total, and the first failure of each row's scenarios below it.
std::string ResultTable(const std::vector<scenario::SScenario>& scenarios,
                        const std::vector<SSubmissionResult>& results);

// One row per submission: its name, the points of every scenario, the total.
std::string ResultCsv(const std::vector<scenario::SScenario>& scenarios,
                      const std::vector<SSubmissionResult>& results);

// The child's report of one scenario to the batch, and its reading; a
// record cut short waits for more bytes (false, *buffer kept), a malformed
// one is refused (false, *malformed set).
std::string EncodeCase(int index, const scenario::SCaseSummary& summary);
bool DecodeCase(std::string* buffer, int* index, scenario::SCaseSummary* summary, bool* malformed);

}  // namespace cli
