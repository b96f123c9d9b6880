#pragma once
// Runs a scenario on the program already loaded, step by step, through the
// same pass of the instruction loop as the window and lumo-run, and says for
// every step whether it held.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "build/source_map.h"
#include "core/run_goal.h"
#include "core/user_input.h"
#include "scenario/scenario.h"

namespace scenario {

class CVcdWriter;

// One key of an expect (or the condition of an until) that did not hold.
struct SMismatch {
    std::string key;
    std::string expected;  // "== 0x01 (00000001)"
    std::string actual;    // "0x00 (00000000)"
};

enum class EStepResult { Held, Failed, Skipped };

// Where a program's pins first left a model solution's, as the reports and
// the window show it.
struct SDifference {
    uint64_t cycle = 0;
    std::string time;  // "1234 us"
    std::string pin;
    std::string model;    // "1", or "ulaz" where the direction differs
    std::string program;  // the same of the program
    std::string file;     // the program's source line then, when a map says it
    int line = 0;
    uint16_t pc = 0;
};

struct SStepReport {
    int line = 0;
    std::string step;  // as DescribeStep gives it
    EStepResult result = EStepResult::Skipped;
    std::string failure;  // why it failed, one line
    std::vector<SMismatch> mismatches;
    std::vector<std::string> messages;      // the chip's run-time messages during the step
    uint64_t cycles = 0;                    // after the step
    int points = 0;                         // what it earns when it holds, as the scenario gives
    std::optional<SDifference> difference;  // the comparison with a model's
};

// A run-time check that fired while the scenario ran: a note for the
// teacher, worth no points.
struct SCheckNote {
    std::string kind;  // "bank", ...
    std::string file;  // the program's source line, when a map says it
    int line = 0;
    std::string text;
};

struct SScenarioReport {
    std::string file;
    std::string name;
    std::string program;
    int points = 0;           // what the scenario is worth
    bool stepPoints = false;  // its steps carry the points, not the scenario as a whole
    bool loaded = true;
    std::string loadFailure;  // what the assembler or loader said
    bool passed = false;
    std::vector<SStepReport> steps;
    std::vector<SCheckNote> notes;
    uint64_t cycles = 0;
    uint64_t instructions = 0;
    double seconds = 0;  // wall time of the run
};

// Plays a scenario's steps as the goal of a run that has just been reset:
// clicks and sets go through the pin queue, expects look at the machine, and
// a run step says how many passes may go before it must look again. The
// run driver asks it before every slice, in the window and headless alike,
// so both play a scenario the same way. It answers 0 once at every checkpoint: after
// an expect, after a failure and after the last step. A failure ends the
// scenario, and every step after it is skipped, except that of an expect with
// points of its own: that loses only its points, as the machine stands where
// the run left it and the steps after it can still be judged.
class CScenarioStepper : public core::CRunGoal {
public:
    // A VCD writer, when given, sees the pins after every click. The
    // program's names come from the map beside the program now loaded.
    CScenarioStepper(SScenario scenario, const std::string& program, CVcdWriter* vcd = nullptr);

    int64_t PassesBeforeLook(int64_t maxPasses) override;
    bool Over() const override { return m_over; }

    // The report so far: one entry per step, filled as the steps end.
    const SScenarioReport& Report() const { return m_report; }
    SScenarioReport TakeReport() { return std::move(m_report); }

    // Told of every checkpoint, with the index of the step that ended there,
    // on the thread that asked.
    std::function<void(size_t step)> onCheckpoint;
    // Gives the chip's run-time messages to keep with the step that ends;
    // unset where they are shown instead.
    std::function<std::vector<std::string>()> takeMessages;

private:
    enum class EStop { Going, Done, Limit, LeftProgram };

    void BeginRun(const SStep& step);
    EStop Look() const;
    bool Arrived() const;
    int64_t Slice(int64_t maxPasses);
    // The address of a register the program names; false, with why, for a
    // name the program does not have.
    bool ResolveName(STarget* target, std::string* failure) const;
    // A copy of the conditions with every label and program name replaced by
    // its address.
    bool Resolve(const std::vector<SCondition>& conditions, std::vector<SCondition>* resolved,
                 std::string* failure) const;
    void ClickStep(const SStep& step, SStepReport* report);
    void ExpectStep(const SStep& step, SStepReport* report);
    void MclrStep(SStepReport* report);
    std::string StopReason(EStop stop) const;
    void BoardStep(const SStep& step, SStepReport* report);
    void ReleaseDue();
    uint16_t PcBeforeLastPass() const;
    // Ends the current step; returns whether the run stops here.
    bool EndStep();
    void Sample();

    SScenario m_scenario;
    build::CSourceMap m_names;  // the loaded program's, for the variables it names
    SScenarioReport m_report;
    CVcdWriter* m_vcd;
    size_t m_current = 0;  // the step under way or next
    bool m_over = false;
    bool m_failed = false;  // some step failed
    // The run step under way.
    bool m_running = false;
    bool m_ranPasses = false;
    uint64_t m_end = 0;  // cycles or instructions
    std::vector<SCondition> m_conditions;
    std::vector<int64_t> m_levelsBefore;  // each condition's target before the last pass
    // Where the last slice began.
    uint16_t m_lastPc = 0;
    uint64_t m_sliceStart = 0;
    // Presses held for a time: the release and the cycle it is due.
    struct SRelease {
        uint64_t cycle;
        core::SUserInput input;
    };
    std::vector<SRelease> m_releases;
};

// Resets the machine for a run and plays the scenario on the loaded program,
// in slices as long as the steps allow; every step after a failed one is
// skipped. A recording VCD writer, when given, sees the pins after every
// pass and every click.
// afterPass, when given, is called after every pass too (the comparison
// with a model solution). The checks the scenario names, or else those
// switched on, run with it and their notes go into the report.
SScenarioReport RunScenario(const SScenario& scenario, const std::string& program,
                            CVcdWriter* vcd = nullptr, const std::function<void()>& afterPass = {});

// The report of a scenario whose program could not be loaded: nothing held.
SScenarioReport UnloadedReport(const SScenario& scenario, const std::string& program,
                               const std::string& failure);

// The points a report earns: those of the steps that held where the steps
// carry points, else all of the scenario's when every step held.
int EarnedPoints(const SScenarioReport& report);

// A register value as the report shows it: "0x0C (00001100)".
std::string HexAndBinary(unsigned value);

}  // namespace scenario
