// lumo-grade: every submission of a class against every scenario, in
// parallel, with a table, a CSV of the points and JUnit XML.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "build/assemble_command.h"
#include "cli/grade_batch.h"
#include "core/check_kinds.h"
#include "core/texts/text_language.h"
#include "core/texts/translate.h"
#include "scenario/scenario_reader.h"
#include "scenario/scenario_speed.h"

using namespace scenario;

namespace {
constexpr int kExitUsage = 2;
constexpr double kComparedRunSlowdown = 8;

const char kGradeUsage[] =
    "usage: lumo-grade [-j N] [--csv FILE] [--junit FILE] [--vcd FOLDER] [--timeout SECONDS]\n"
    "                  [--reference MODEL] [--checks] [--lang sr|en] SCENARIO... -- SUBMISSION...\n"
    "  SCENARIO        a scenario file (YAML); its program key is not used\n"
    "  SUBMISSION      an .asm (or .obj, .hex) file, or a folder holding one .asm file\n"
    "  -j N            run N submissions at a time (default: one per core)\n"
    "  --csv FILE      one row per submission: the points of each scenario and the total\n"
    "  --junit FILE    JUnit XML: a test suite per submission, a test case per scenario\n"
    "  --vcd FOLDER    the pins of every run as a Value Change Dump in FOLDER\n"
    "  --reference MODEL  run every scenario on the model solution MODEL too and compare\n"
    "                  each submission's pins with the model's, within the scenario's\n"
    "                  tolerance; the first difference fails the scenario\n"
    "  --checks        make the run-time checks in every scenario without a 'checks' key;\n"
    "                  the checks that fire are notes in the reports and cost no points\n"
    "  --timeout S     wall-clock bound of one scenario run in seconds (default: four\n"
    "                  times what the scenario's limit takes at this machine's\n"
    "                  measured speed, at least 20)\n"
    "  --lang sr|en    the language of the table and the failures: Serbian or English;\n"
    "                  without it English when LANGUAGE, LC_ALL, LC_MESSAGES or LANG\n"
    "                  names en*, else Serbian. The CSV and JUnit names stay as they are\n"
    "Exit status: 0 when the batch was graded (whatever the points), 1 when a report\n"
    "could not be written, 2 for a wrong command line or a malformed scenario.\n";

int Usage(const std::string& reason) {
    std::fprintf(stderr, "lumo-grade: %s\n%s", reason.c_str(), kGradeUsage);
    return kExitUsage;
}

bool WholeNumber(const std::string& text, int low, int high, int* value) {
    if (text.empty() || text.size() > 6 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    *value = std::stoi(text);
    return *value >= low && *value <= high;
}

bool WriteText(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file) {
        std::fprintf(stderr, "lumo-grade: %s: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (std::fclose(file) != 0 || !written) {
        std::fprintf(stderr, "lumo-grade: %s\n",
                     core::Fill(core::Tr("%1: upis nije uspeo"), {path}).c_str());
        return false;
    }
    return true;
}
}  // namespace

int main(int argc, char** argv) {
    cli::SGradeOptions options;
    options.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::string csv;
    std::string junit;
    std::string reference;
    std::vector<std::string> scenarioFiles;
    std::vector<std::string> submissions;
    std::optional<core::ELanguage> language;
    bool afterSeparator = false;
    bool checks = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (afterSeparator) {
            submissions.push_back(arg);
        } else if (arg == "--") {
            afterSeparator = true;
        } else if (arg == "--checks") {
            checks = true;
        } else if (arg == "-j" || arg == "--csv" || arg == "--junit" || arg == "--vcd" ||
                   arg == "--timeout" || arg == "--reference" || arg == "--lang") {
            if (i + 1 >= argc) return Usage(arg + " needs a value");
            const std::string value = argv[++i];
            int number = 0;
            if (arg == "-j") {
                if (!WholeNumber(value, 1, 1024, &number)) {
                    return Usage("-j needs a number from 1 to 1024, not '" + value + "'");
                }
                options.jobs = number;
            } else if (arg == "--timeout") {
                if (!WholeNumber(value, 1, 86400, &number)) {
                    return Usage("--timeout needs whole seconds from 1 to 86400, not '" + value +
                                 "'");
                }
                options.timeoutSeconds = number;
            } else if (arg == "--lang") {
                language = core::LanguageCoded(value);
                if (!language) return Usage("--lang needs sr or en, not '" + value + "'");
            } else if (arg == "--csv") {
                csv = value;
            } else if (arg == "--reference") {
                reference = value;
            } else if (arg == "--junit") {
                junit = value;
            } else {
                options.vcdFolder = value;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            return Usage("unknown option " + arg);
        } else {
            scenarioFiles.push_back(arg);
        }
    }
    core::SetTextLanguage(language.value_or(core::LanguageOfEnvironment(std::getenv)));
    if (scenarioFiles.empty()) return Usage("no SCENARIO given");
    if (!afterSeparator || submissions.empty()) return Usage("no SUBMISSION given after --");

    std::vector<SScenario> scenarios(scenarioFiles.size());
    for (size_t i = 0; i < scenarios.size(); ++i) {
        std::string error;
        if (!ReadScenarioFile(scenarioFiles[i], &scenarios[i], &error)) {
            std::fprintf(stderr, "lumo-grade: %s\n", error.c_str());
            return kExitUsage;
        }
        if (checks && !scenarios[i].checks) scenarios[i].checks = core::kAllChecks;
    }

    if (!options.vcdFolder.empty()) {
        std::error_code error;
        std::filesystem::create_directories(options.vcdFolder, error);
        if (error) {
            std::fprintf(stderr, "lumo-grade: %s: %s\n", options.vcdFolder.c_str(),
                         error.message().c_str());
            return 1;
        }
    }
    build::UseOnlyOwnAssembler();
    if (options.timeoutSeconds == 0) options.cyclesPerSecond = MeasureScenarioSpeed();
    std::vector<SModelRun> models;
    if (!reference.empty()) {
        CScenarioSession session;
        for (SScenario& scenario : scenarios) {
            scenario = ComparedScenario(std::move(scenario));
            models.push_back(RecordModelRun(session, scenario, reference));
            const SScenarioReport& report = models.back().report;
            if (!report.loaded) {
                std::fprintf(stderr, "lumo-grade: model %s: %s\n", reference.c_str(),
                             report.loadFailure.c_str());
                return kExitUsage;
            }
            if (!report.passed) {
                std::fprintf(stderr, "lumo-grade: %s\n",
                             core::Fill(core::Tr("model %1 ne prolazi ni sam scenario %2"),
                                        {reference, scenario.name})
                                 .c_str());
            }
        }
        options.models = &models;
        // Each pass is compared: the runs take longer than plain ones.
        options.cyclesPerSecond /= kComparedRunSlowdown;
    }
    const std::vector<cli::SSubmissionResult> results =
        cli::GradeBatch(scenarios, submissions, options);
    std::fputs(cli::ResultTable(scenarios, results).c_str(), stdout);
    std::fflush(stdout);

    bool written = csv.empty() || WriteText(csv, cli::ResultCsv(scenarios, results));
    if (!junit.empty()) {
        std::vector<SSuite> suites;
        for (const cli::SSubmissionResult& r : results) suites.push_back({r.name, r.cases});
        std::string error;
        if (!WriteJUnit(junit, suites, &error)) {
            std::fprintf(stderr, "lumo-grade: %s\n", error.c_str());
            written = false;
        }
    }
    return written ? 0 : 1;
}
