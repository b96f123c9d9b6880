// A class graded the way a teacher does it: lumo-grade with 100 submissions
// (each a folder with the Timer 0 blink example) against 3 scenarios of a
// million cycles each, on two cores. The figure is the batch's wall time,
// assembling included.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {
constexpr int kSubmissions = 100;
constexpr int kScenarios = 3;

fs::path MakeClass() {
    std::string pattern = (fs::temp_directory_path() / "lumo-grade-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    const fs::path root = pattern;
    const fs::path example = fs::path(LUMO_SOURCE_DIR) / "examples" / "timer_blink.asm";
    for (int i = 0; i < kSubmissions; ++i) {
        const fs::path folder = root / ("student" + std::to_string(i));
        fs::create_directories(folder);
        fs::copy_file(example, folder / "main.asm");
    }
    for (int i = 0; i < kScenarios; ++i) {
        std::ofstream(root / ("s" + std::to_string(i) + ".yaml"))
            << "limit: 2000000\nsteps:\n  - run: {cycles: 1000000}\n  - expect: {GIE: '<= 1'}\n";
    }
    return root;
}

int Run(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_GradeClass(benchmark::State& state) {
    const fs::path root = MakeClass();
    std::vector<std::string> args = {std::string(LUMO_BIN_DIR) + "/lumo-grade", "-j", "2", "--csv",
                                     (root / "class.csv").string()};
    for (int i = 0; i < kScenarios; ++i)
        args.push_back((root / ("s" + std::to_string(i) + ".yaml")).string());
    args.push_back("--");
    for (int i = 0; i < kSubmissions; ++i)
        args.push_back((root / ("student" + std::to_string(i))).string());
    for (auto _ : state) {
        if (Run(args) != 0) state.SkipWithError("lumo-grade failed");
    }
    state.counters["cycles/s"] =
        benchmark::Counter(static_cast<double>(kSubmissions) * kScenarios * 1e6,
                           benchmark::Counter::kIsIterationInvariantRate);
    fs::remove_all(root);
}
BENCHMARK(BM_GradeClass)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
}  // namespace
