#pragma once
// Runs a scenario on the program already loaded, step by step, through the
// same pass of the instruction loop as the window and lumo-run, and says for
// every step whether it held.
#include <cstdint>
#include <string>
#include <vector>

#include "scenario.h"

class CVcdWriter;

// One key of an expect (or the condition of an until) that did not hold.
struct SMismatch {
    std::string key;
    std::string expected;  // "== 0x01 (00000001)"
    std::string actual;    // "0x00 (00000000)"
};

enum class EStepResult { Held, Failed, Skipped };

struct SStepReport {
    int line = 0;
    std::string step;  // as DescribeStep gives it
    EStepResult result = EStepResult::Skipped;
    std::string failure;  // why it failed, one line
    std::vector<SMismatch> mismatches;
    std::vector<std::string> messages;  // the chip's run-time messages during the step
    uint64_t cycles = 0;                // after the step
};

struct SScenarioReport {
    std::string file;
    std::string name;
    std::string program;
    int points = 0;
    bool loaded = true;
    std::string loadFailure;  // what the assembler or loader said
    bool passed = false;
    std::vector<SStepReport> steps;
    uint64_t cycles = 0;
    uint64_t instructions = 0;
    double seconds = 0;  // wall time of the run
};

// Resets the machine for a run and plays the scenario on the loaded program;
// every step after a failed one is skipped. A VCD writer, when given, sees
// the pins after every pass and every click.
SScenarioReport RunScenario(const SScenario& scenario, const std::string& program,
                            CVcdWriter* vcd = nullptr);

// The report of a scenario whose program could not be loaded: nothing held.
SScenarioReport UnloadedReport(const SScenario& scenario, const std::string& program,
                               const std::string& failure);

// A register value as the report shows it: "0x0C (00001100)".
std::string HexAndBinary(unsigned value);
