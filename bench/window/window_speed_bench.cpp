// The window at full speed: the real main window on a display, with
// examples/counter.asm assembled and running at speed 0. Reports how much of
// a core the user-interface thread and the worker take, the worker's
// instructions per second, and the same program's rate without the window,
// measured right after in the same process; with argument 1 the program's
// panes (watch, stack, program and data memory) are open as well. Run it through
// bench/window-speed.sh, which provides a display.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "core/instruction_set.h"
#include "core/run_driver.h"
#include "core/run_loop.h"
#include "core/state.h"
#include "ui/command_ids.h"
#include "ui/main_frame.h"
#include "ui/simulator_app.h"

namespace {
constexpr int kSeconds = 5;

// User plus system CPU time of every thread of this process, in seconds.
std::map<int, double> ThreadCpuSeconds() {
    std::map<int, double> seconds;
    const double ticksPerSecond = static_cast<double>(sysconf(_SC_CLK_TCK));
    DIR* tasks = opendir("/proc/self/task");
    if (tasks == nullptr) return seconds;
    while (const dirent* entry = readdir(tasks)) {
        const int tid = std::atoi(entry->d_name);
        if (tid <= 0) continue;
        std::ifstream stat("/proc/self/task/" + std::to_string(tid) + "/stat");
        std::string line;
        std::getline(stat, line);
        // The thread's name may hold blanks; the fields start after its ')'.
        std::istringstream fields(line.substr(line.rfind(')') + 2));
        std::string field;
        double ticks = 0;
        for (int number = 3; fields >> field && number <= 15; ++number) {
            if (number >= 14) ticks += std::stod(field);  // utime, stime
        }
        seconds[tid] = ticks / ticksPerSecond;
    }
    closedir(tasks);
    return seconds;
}

void RunEventLoop(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The loop alone, as lumo-run runs it, on whatever the chip holds.
double HeadlessPassesPerSecond() {
    CInstructionSet cpu;
    ResetForRun();
    QElapsedTimer wall;
    wall.start();
    int64_t passes = 0;
    while (wall.elapsed() < kSeconds * 1000 && core::PcInsideProgram()) {
        passes += core::RunPasses(cpu, 1 << 16).passes;
    }
    return passes / (wall.nsecsElapsed() / 1e9);
}

void BM_WindowAtFullSpeed(benchmark::State& state) {
    QTemporaryDir folder;
    const QString source = folder.filePath("counter.asm");
    if (!QFile::copy(LUMO_SOURCE_DIR "/examples/counter.asm", source)) {
        state.SkipWithError("examples/counter.asm not found");
        return;
    }
    CSimulatorApp app;
    if (!app.InitInstance(source)) {
        state.SkipWithError("the window did not open the example");
        return;
    }
    // The assembler runs beside the window: its end is waited for.
    {
        QEventLoop assembling;
        QObject::connect(app.MainFrame(), &CMainFrame::Assembled, &assembling, &QEventLoop::quit);
        QTimer::singleShot(30000, &assembling, &QEventLoop::quit);
        app.MainFrame()->Action(ID_ASSEMBLE)->trigger();
        if (app.MainFrame()->Assembling()) assembling.exec();
    }
    if (ProgramEnd != core::kProgramImageSize) {
        state.SkipWithError("the example did not assemble");
        return;
    }
    // With 1: the watch, stack, program and data memory panes open too.
    if (state.range(0) != 0) {
        for (int id : {ID_VIEW_WATCH, ID_VIEW_STACK, ID_VIEW_PROGRAM_MEMORY, ID_VIEW_DATA_MEMORY})
            app.MainFrame()->Action(id)->trigger();
    }
    SimSpeedMs = 0;
    app.MainFrame()->Action(ID_CONTINUOUS_RUN)->trigger();
    RunEventLoop(500);

    double uiShare = 0, workerShare = 0, windowRate = 0;
    for (auto _ : state) {
        const std::map<int, double> before = ThreadCpuSeconds();
        const uint64_t instructionsBefore = InstructionCount;
        QElapsedTimer wall;
        wall.start();
        RunEventLoop(kSeconds * 1000);
        const double seconds = wall.nsecsElapsed() / 1e9;
        const uint64_t instructions = InstructionCount - instructionsBefore;
        const std::map<int, double> after = ThreadCpuSeconds();
        for (const auto& [tid, cpu] : after) {
            const double share = (cpu - (before.count(tid) ? before.at(tid) : 0)) / seconds;
            if (tid == getpid()) {
                uiShare = share;
            } else {
                workerShare = std::max(workerShare, share);  // the busiest other thread
            }
        }
        windowRate = instructions / seconds;
    }
    app.MainFrame()->Action(ID_STOP_SIMULATION)->trigger();
    RunEventLoop(200);
    const double headlessRate = HeadlessPassesPerSecond();

    state.counters["ui_thread_%_of_core"] = 100 * uiShare;
    state.counters["worker_%_of_core"] = 100 * workerShare;
    state.counters["window_passes/s"] = windowRate;
    state.counters["headless_passes/s"] = headlessRate;
    state.counters["window_%_of_headless"] = 100 * windowRate / headlessRate;
}
BENCHMARK(BM_WindowAtFullSpeed)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
}  // namespace

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
