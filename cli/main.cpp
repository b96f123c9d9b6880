// lumo-run: the simulator without its window. Loads a program, runs it as the
// worker would but without pauses, and prints the processor state.
#include <cstdio>
#include <string>

#include "instruction_set.h"
#include "options.h"
#include "pin_switch.h"
#include "program_loader.h"
#include "run_loop.h"
#include "state.h"
#include "state_output.h"

namespace {
constexpr int kExitLoadFailed = 1;
constexpr int kExitUsage = 2;

int Usage(const std::string& reason) {
    std::fprintf(stderr, "lumo-run: %s\n%s", reason.c_str(), kUsage);
    return kExitUsage;
}

void EnterBreakpoints(const SRunOptions& options) {
    int slot = 0;
    for (const SBreakpoint& breakpoint : options.breakpoints) {
        BreakAddresses[slot++] = breakpoint.address;
    }
}

void Run(const SRunOptions& options) {
    CInstructionSet cpu;
    ResetForRun();
    EnterBreakpoints(options);

    int64_t pass = 0;
    size_t nextPin = 0;
    ERunStatus status = ERunStatus::Running;
    if (options.steps == 0 || !PcInsideProgram()) status = ERunStatus::Ended;
    while (status != ERunStatus::Ended) {
        while (nextPin < options.pins.size() && options.pins[nextPin].beforePass <= pass) {
            if (options.pins[nextPin].beforePass == pass) SwitchPin(options.pins[nextPin]);
            ++nextPin;
        }
        const bool atBreakpoint = RunOnePass(cpu);
        ++pass;
        if (pass >= options.steps || !PcInsideProgram()) {
            status = ERunStatus::Ended;
        } else if (atBreakpoint) {
            status = ERunStatus::Paused;
        }
        if (status != ERunStatus::Running) break;
        if (options.trace) PrintState(stdout, pass, status, options.json);
    }
    PrintState(stdout, pass, status, options.json);
}
}  // namespace

int main(int argc, char** argv) {
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);

    SRunOptions options;
    std::string error;
    if (!ParseRunOptions(argc, argv, &options, &error)) return Usage(error);
    if (!IsLoadableProgram(options.program)) {
        return Usage("PROGRAM must be an object file (*.obj), not '" + options.program + "'");
    }
    if (!LoadProgram(options.program)) return kExitLoadFailed;
    Run(options);
    std::fflush(stdout);
    return 0;
}
