#pragma once
// Plays scenarios on programs, loading (or assembling) a program only when
// it differs from the one loaded before. Shared by lumo-run and lumo-grade.
#include <functional>
#include <string>

#include "scenario/scenario_run.h"

namespace scenario {

// What the programs without a window do with the assembler's output: it goes
// to stderr as it is, ending with a newline.
void PrintAssemblerOutput(const std::string& output);

class CScenarioSession {
public:
    // Runs the scenario on the program; with vcdPath, the pins go there as
    // a Value Change Dump. A program that cannot be loaded fails every step;
    // what the assembler or loader said goes to stderr.
    // afterPass, when given, is called after every pass.
    SScenarioReport Play(const SScenario& scenario, const std::string& program,
                         const std::string& vcdPath, const std::function<void()>& afterPass = {});

private:
    bool Load(const std::string& program);

    std::string m_program;
    bool m_loaded = false;
    bool m_tried = false;
};

}  // namespace scenario
