// The keypad example (scan rows, read columns, write the LCD) with its
// whole board attached, beside the same program on bare pins: the board is
// called only at the scan's port writes and the parts' due cycles, so the
// board run should keep most of the plain run's passes per second.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "board/attached_board.h"
#include "board/board_reader.h"
#include "build/program_loader.h"
#include "core/pin_input.h"
#include "core/run_driver.h"
#include "core/state.h"

namespace {
namespace fs = std::filesystem;
constexpr int64_t kPasses = 20'000'000;

// The example assembled in a folder of its own, once.
bool LoadKeypadExample(std::string* error) {
    static bool loaded = false;
    if (loaded) return true;
    const fs::path folder = fs::temp_directory_path() / "lumo_board_bench";
    fs::create_directories(folder);
    const fs::path source = fs::path(LUMO_SOURCE_DIR) / "examples" / "board" / "keypad_lcd.asm";
    fs::copy_file(source, folder / "keypad_lcd.asm", fs::copy_options::overwrite_existing);
    loaded = build::LoadProgram((folder / "keypad_lcd.asm").string(), error);
    return loaded;
}

void RunKeypad(benchmark::State& state, bool withBoard) {
    std::string error;
    if (!LoadKeypadExample(&error)) {
        state.SkipWithError(("the example did not load: " + error).c_str());
        return;
    }
    std::unique_ptr<board::CAttachedBoard> attached;
    if (withBoard) {
        board::SBoard wiring;
        const std::string text =
            "parts:\n"
            "  - lcd: {name: LCD, data: [RB4, RB5, RB6, RB7], rs: RA2, e: RA3}\n"
            "  - keypad: {name: KEYS, rows: [RB4, RB5, RB6, RB7], columns: [RB0, RB1, RB2, RB3]}\n"
            "  - led: {pin: RA0}\n"
            "  - button: {name: START, pin: RA1, pressed: 0, bounce: {count: 4, ms: 2}}\n";
        if (!board::ReadBoardText(text, "bench.board.yaml", &wiring, &error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        attached = std::make_unique<board::CAttachedBoard>(std::move(wiring), 1e6);
        attached->Attach();
    }
    for (auto _ : state) {
        core::CRunDriver driver;
        driver.Begin();
        // A key held from the start: the program writes it and then scans
        // until it is let go.
        if (withBoard) core::ActOnBoard({core::SUserInput::EKind::Press, 1, '5'});
        int64_t passes = 0;
        while (passes < kPasses) passes += driver.Slice(1 << 16).passes;
    }
    state.counters["passes/s"] =
        benchmark::Counter(static_cast<double>(kPasses) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

void BM_KeypadScanBarePins(benchmark::State& state) {
    RunKeypad(state, false);
}
BENCHMARK(BM_KeypadScanBarePins)->Unit(benchmark::kMillisecond);

void BM_KeypadScanWithBoard(benchmark::State& state) {
    RunKeypad(state, true);
}
BENCHMARK(BM_KeypadScanWithBoard)->Unit(benchmark::kMillisecond);
}  // namespace
