// lumo-run: the simulator without its window. Loads a program, runs it as the
// worker would but without pauses, and prints the processor state.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "build/break_labels.h"
#include "build/check_program.h"
#include "build/program_loader.h"
#include "build/source_file.h"
#include "build/source_map.h"
#include "cli/board_output.h"
#include "cli/event_output.h"
#include "cli/options.h"
#include "cli/profile_output.h"
#include "cli/state_output.h"
#include "core/event_log.h"
#include "core/history.h"
#include "core/instruction_set.h"
#include "core/pin_switch_goal.h"
#include "core/pin_watch.h"
#include "core/profile_counters.h"
#include "core/real_time_pacer.h"
#include "core/run_driver.h"
#include "core/run_loop.h"
#include "core/state.h"
#include "core/texts/translate.h"
#include "scenario/model_comparison.h"
#include "scenario/scenario_reader.h"
#include "scenario/scenario_report.h"
#include "scenario/scenario_session.h"
#include "scenario/session_recording.h"
#include "scenario/vcd_writer.h"

using namespace scenario;

namespace {
constexpr int kExitLoadFailed = 1;
constexpr int kExitScenarioFailed = 1;
constexpr int kExitUsage = 2;

bool IsBreakLabel(const std::string& label) {
    for (int i = 0; i < BreakLabelCount; ++i) {
        if (BreakLabels.Get(i) == label) return true;
    }
    return false;
}

// A load that failed: why, unless the assembler's verdict has said it.
int LoadFailed(const std::string& error) {
    if (!error.empty()) std::fprintf(stderr, "lumo-run: %s\n", error.c_str());
    return kExitLoadFailed;
}

int Usage(const std::string& reason) {
    std::fprintf(stderr, "lumo-run: %s\n%s", reason.c_str(), cli::kUsage);
    return kExitUsage;
}

// Labels first, resolved against the listing as the labels dialog does;
// then the plain addresses in the slots after them.
void EnterBreakpoints(const cli::SRunOptions& options) {
    int labels = 0;
    for (const cli::SBreakpoint& breakpoint : options.breakpoints) {
        if (!breakpoint.label.empty()) BreakLabels.Set(labels++, breakpoint.label);
    }
    BreakLabelCount = labels;
    if (labels > 0) ResolveBreakLabels();
    int slot = BreakLabelCount;
    for (const cli::SBreakpoint& breakpoint : options.breakpoints) {
        if (breakpoint.label.empty()) {
            BreakAddresses[slot++] = breakpoint.address;
        } else if (!IsBreakLabel(breakpoint.label)) {
            std::fprintf(stderr, "lumo-run: label %s not found in %s%s; no breakpoint for it\n",
                         breakpoint.label.c_str(), SourceFolder.c_str(), ListingFileName.c_str());
        }
    }
}

// The --pin switches steer the run as its goal.
std::shared_ptr<core::CRunGoal> PinSwitches(const cli::SRunOptions& options) {
    std::vector<core::SPinSwitchAt> switches;
    for (const cli::SPinSwitch& pin : options.pins) {
        switches.push_back(
            {pin.beforePass, static_cast<uint8_t>(pin.port), static_cast<uint8_t>(1u << pin.bit)});
    }
    return std::make_shared<core::CPinSwitchGoal>(std::move(switches));
}

// The checks that fired in the run, oldest first.
void PrintChecks(bool json) {
    for (const core::SEvent& event : core::EventLog.Since(0)) {
        if (event.kind != core::EEventKind::Check) continue;
        const std::string line = (json ? cli::EventJson(event) : cli::CheckEventText(event)) + "\n";
        std::fputs(line.c_str(), stdout);
    }
}

void Run(const cli::SRunOptions& options, CVcdWriter* vcd) {
    const build::CSourceMap names = build::LoadSourceMap();
    core::CRunDriver driver;
    driver.Begin(PinSwitches(options));
    EnterBreakpoints(options);
    vcd->Sample(core::CycleCount);
    driver.onChange = [vcd] { vcd->Sample(core::CycleCount); };
    if (!options.until.Empty()) core::PinTrigger.Set(options.until);

    // A paced run waits between slices until the wall clock has caught up.
    core::CRealTimePacer pacer;
    if (options.realTime > 0) {
        pacer.Start(core::CycleCount, core::CRealTimePacer::Clock::now(),
                    core::CRealTimePacer::CyclesPerSecond(options.clockHz, options.realTime));
    }
    int64_t pass = 0;
    // "ended" only when PC has left the program; a run stopped by its pass
    // count could go on and reads "running".
    cli::ERunStatus status =
        core::PcInsideProgram() ? cli::ERunStatus::Running : cli::ERunStatus::Ended;
    while (status == cli::ERunStatus::Running && pass < options.steps) {
        // Up to the next pin switch or the last pass; one pass at a time when
        // tracing or recording the pins.
        int64_t slice = (options.trace || vcd->Recording()) ? 1 : options.steps - pass;
        if (pacer.Started()) {
            const core::CRealTimePacer::SNext next =
                pacer.Next(core::CycleCount, core::CRealTimePacer::Clock::now(), slice);
            if (next.passes == 0) {
                std::this_thread::sleep_until(next.resumeAt);
                continue;
            }
            slice = next.passes;
        }
        const core::CRunDriver::SSlice run = driver.Slice(slice);
        pass += run.passes;
        if (!core::PcInsideProgram()) {
            status = cli::ERunStatus::Ended;
        } else if (run.atBreakpoint || run.atPinTrigger) {
            status = cli::ERunStatus::Paused;
        }
        if (status != cli::ERunStatus::Running || pass >= options.steps) break;
        if (options.trace) cli::PrintState(stdout, pass, status, options.json, names);
    }
    if (options.back > 0) {
        // A run that stops after fewer passes ends there.
        CInstructionSet cpu;
        core::History.GoTo(pass > options.back ? static_cast<uint64_t>(pass - options.back) : 0,
                           cpu);
        pass = static_cast<int64_t>(InstructionCount.load());
        // As the shorter run would print it: it could go on.
        status = cli::ERunStatus::Running;
    }
    if (options.checks != 0) PrintChecks(options.json);
    cli::PrintState(stdout, pass, status, options.json, names);
    if (auto* attached = dynamic_cast<board::CAttachedBoard*>(core::AttachedBoard.load())) {
        cli::PrintBoard(stdout, attached->Live(), options.json);
    }
    core::EventLog.Record(core::Event(core::EEventKind::RunEnd));
}

// Every event from the run start on goes to the file as it happens, so a
// long run keeps all of them, not only what the window's log holds.
std::FILE* OpenEventFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file) {
        std::fprintf(stderr, "lumo-run: cannot write the event file %s\n", path.c_str());
        return nullptr;
    }
    core::EventLog.SetSink([file](const core::SEvent& event) {
        const std::string line = cli::EventJson(event) + "\n";
        std::fputs(line.c_str(), file);
    });
    return file;
}

// The run as a scenario: the pin switches with the cycles the event log
// gave them, and the state the run ended in.
bool WriteRecording(const cli::SRunOptions& options) {
    std::vector<SRecordedInput> inputs;
    for (const core::SEvent& event : core::EventLog.Since(0)) {
        if (IsRecordedInput(event)) inputs.push_back(RecordedInputOf(event));
    }
    const std::string text =
        RecordedScenario(options.record, options.program, options.clockHz, inputs,
                         board::BoardFileFor(options.board, options.program));
    std::FILE* file = std::fopen(options.record.c_str(), "w");
    const bool written = file && std::fputs(text.c_str(), file) >= 0;
    if (file && std::fclose(file) != 0) return false;
    return written;
}

// The VCD file, when one is asked for, for every scenario: the scenario's
// file name goes into it when there are several, so none overwrites another.
std::string VcdPathFor(const cli::SRunOptions& options, const SScenario& scenario) {
    if (options.vcd.empty() || options.scenarios.size() == 1) return options.vcd;
    std::string stem = scenario.file.substr(scenario.file.rfind('/') + 1);
    stem = stem.substr(0, stem.rfind('.'));
    const size_t dot = options.vcd.rfind('.');
    const size_t slash = options.vcd.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return options.vcd + "." + stem;
    }
    return options.vcd.substr(0, dot) + "." + stem + options.vcd.substr(dot);
}

// A model that fails the scenario itself is said, since every comparison
// with it then means little; one that does not load leaves nothing to
// compare with (empty report).
std::optional<SScenarioReport> PlayBesideModel(CScenarioSession& session, const SScenario& scenario,
                                               const std::string& model, const std::string& program,
                                               const std::string& vcdPath) {
    const SModelRun run = RecordModelRun(session, scenario, model);
    if (!run.report.loaded) {
        std::fprintf(stderr, "lumo-run: model %s se ne moze ucitati: %s\n", model.c_str(),
                     run.report.loadFailure.c_str());
        return std::nullopt;
    }
    if (!run.report.passed) {
        std::fprintf(
            stderr, "lumo-run: %s\n",
            core::Fill(core::Tr("model %1 ne prolazi ni sam scenario %2"), {model, scenario.name})
                .c_str());
    }
    return PlayAgainstModel(session, scenario, program, run, vcdPath);
}

int RunScenarios(const cli::SRunOptions& options) {
    std::vector<SScenario> scenarios(options.scenarios.size());
    for (size_t i = 0; i < scenarios.size(); ++i) {
        std::string error;
        if (!ReadScenarioFile(options.scenarios[i], &scenarios[i], &error)) {
            std::fprintf(stderr, "lumo-run: %s\n", error.c_str());
            return kExitUsage;
        }
        if (options.checks != 0 && !scenarios[i].checks) scenarios[i].checks = options.checks;
        if (options.program.empty() && scenarios[i].program.empty()) {
            return Usage("scenario " + options.scenarios[i] +
                         " names no program: give PROGRAM or add 'program:' to it");
        }
    }
    CScenarioSession session;
    SSuite suite{options.program.empty() ? "lumo-run" : options.program, {}};
    bool allPassed = true;
    if (!options.compare.empty()) {
        for (SScenario& scenario : scenarios) scenario = ComparedScenario(std::move(scenario));
    }
    for (const SScenario& scenario : scenarios) {
        const std::string& program = options.program.empty() ? scenario.program : options.program;
        const std::optional<SScenarioReport> played =
            options.compare.empty() ? session.Play(scenario, program, VcdPathFor(options, scenario))
                                    : PlayBesideModel(session, scenario, options.compare, program,
                                                      VcdPathFor(options, scenario));
        if (!played) return kExitLoadFailed;
        const SScenarioReport& report = *played;
        const std::string text = options.json ? ReportJson(report) + "\n" : ReportText(report);
        std::fputs(text.c_str(), stdout);
        std::fflush(stdout);
        suite.cases.push_back(Summarize(report));
        allPassed = allPassed && report.passed;
    }
    std::string error;
    if (!options.junit.empty() && !WriteJUnit(options.junit, {suite}, &error)) {
        std::fprintf(stderr, "lumo-run: %s\n", error.c_str());
        return kExitScenarioFailed;
    }
    return allPassed ? 0 : kExitScenarioFailed;
}
}  // namespace

int main(int argc, char** argv) {
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);

    cli::SRunOptions options;
    std::string error;
    if (!cli::ParseRunOptions(argc, argv, &options, &error)) return Usage(error);
    core::SetTextLanguage(options.language.value_or(core::LanguageOfEnvironment(std::getenv)));
    if (options.chip) core::ChipProfile = *options.chip;
    // A scenario without a board of its own plays on this one.
    std::unique_ptr<board::CAttachedBoard> attached;
    if (const std::string path = board::BoardFileFor(options.board, options.program);
        !path.empty()) {
        attached = cli::AttachBoardFile(path, options.clockHz);
        if (!attached) return kExitLoadFailed;
    }
    if (!options.scenarios.empty()) return RunScenarios(options);
    if (!build::CheckProgramReadable(options.program, &error)) return LoadFailed(error);
    if (!build::IsLoadableProgram(options.program)) {
        return Usage(
            "PROGRAM must be an object file (*.obj), an assembly source (*.asm) or an Intel HEX "
            "file (*.hex), not '" +
            options.program + "'");
    }
    if (!build::LoadProgram(options.program, &error, scenario::PrintAssemblerOutput))
        return LoadFailed(error);
    if (options.checks != 0) {
        core::SetCheckProgram(build::CheckProgramFrom(build::LoadSourceMap()));
        core::ChecksOn = options.checks;
    }
    std::FILE* events = nullptr;
    if (!options.eventsFile.empty()) {
        events = OpenEventFile(options.eventsFile);
        if (!events) return kExitLoadFailed;
    }
    CVcdWriter vcd;
    if (!options.vcd.empty() && !vcd.Open(options.vcd, options.clockHz, &error)) {
        std::fprintf(stderr, "lumo-run: %s\n", error.c_str());
        return kExitLoadFailed;
    }
    core::Profile.on = !options.profile.empty();
    Run(options, &vcd);
    std::fflush(stdout);
    if (!options.profile.empty() && !cli::WriteProfile(options.profile, &error)) {
        std::fprintf(stderr, "lumo-run: %s\n", error.c_str());
        return kExitLoadFailed;
    }
    if (!vcd.Close(core::CycleCount, &error)) {
        std::fprintf(stderr, "lumo-run: %s\n", error.c_str());
        return kExitLoadFailed;
    }
    if (!options.record.empty() && !WriteRecording(options)) {
        std::fprintf(stderr, "lumo-run: %s\n",
                     core::Fill(core::Tr("%1: upis nije uspeo"), {options.record}).c_str());
        return kExitLoadFailed;
    }
    if (events) {
        core::EventLog.SetSink(nullptr);
        if (std::fclose(events) != 0) {
            std::fprintf(stderr, "lumo-run: writing the event file %s failed\n",
                         options.eventsFile.c_str());
            return kExitLoadFailed;
        }
    }
    return 0;
}
