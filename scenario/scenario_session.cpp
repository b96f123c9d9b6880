#include "scenario/scenario_session.h"

#include <cstdio>

#include "build/program_loader.h"
#include "core/state.h"
#include "core/texts/translate.h"
#include "scenario/vcd_writer.h"

namespace scenario {

void PrintAssemblerOutput(const std::string& output) {
    if (output.empty()) return;
    std::fputs(output.c_str(), stderr);
    if (output.back() != '\n') std::fputc('\n', stderr);
}

bool CScenarioSession::Load(const std::string& program) {
    std::string error;
    const bool loaded = build::CheckProgramReadable(program, &error) &&
                        build::IsLoadableProgram(program) &&
                        build::LoadProgram(program, &error, PrintAssemblerOutput);
    if (!error.empty()) std::fprintf(stderr, "lumo-run: %s\n", error.c_str());
    return loaded;
}

SScenarioReport CScenarioSession::Play(const SScenario& scenario, const std::string& program,
                                       const std::string& vcdPath,
                                       const std::function<void()>& afterPass) {
    if (!m_tried || program != m_program) {
        m_program = program;
        m_tried = true;
        m_loaded = Load(program);
    }
    if (!m_loaded) {
        return UnloadedReport(
            scenario, program,
            core::Fill(build::IsLoadableProgram(program)
                           ? core::Tr("program %1 nije preveden ili ucitan")
                           : core::Tr("program %1 nije ucitan: mora biti *.asm, *.obj ili *.hex"),
                       {program}));
    }
    CVcdWriter vcd;
    std::string error;
    if (!vcdPath.empty() && !vcd.Open(vcdPath, scenario.clockHz, &error)) {
        std::fprintf(stderr, "lumo-run: %s\n", error.c_str());
    }
    SScenarioReport report = RunScenario(scenario, program, &vcd, afterPass);
    if (!vcd.Close(core::CycleCount, &error)) std::fprintf(stderr, "lumo-run: %s\n", error.c_str());
    return report;
}

}  // namespace scenario
