// Passes per second of the worker in continuous run at full speed, with the
// two views it refreshes after every instruction. Compare with the bare
// instruction loop (instruction_loop_bench.cpp): the difference is what the
// worker itself costs per instruction.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <utility>

#include "core/cpu_unit.h"
#include "core/platform/view.h"
#include "core/sim_document.h"
#include "core/state.h"

namespace {

// As cheap as the window's repaint request when a repaint is already pending:
// no locked instruction. Only the worker calls InvalidateRect, so counting
// needs no read-modify-write.
class CCountingView : public core::CView {
public:
    void InvalidateRect(bool) override {
        m_count.store(m_count.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
    }
    int64_t Count() const { return m_count.load(std::memory_order_relaxed); }

private:
    std::atomic<int64_t> m_count{0};
};

void Place(int address, const char* text) {
    for (int i = 0; i < 4; ++i) ProgramImage[4 * address + i] = text[i];
}

// The counting delay loop of the bare benchmark, run 2000 times over (about
// a million passes, so that waking the worker for each run costs nothing
// worth counting), after which the program jumps out of the image and the run
// ends.
void LoadDelayLoop() {
    ResetForLoad();
    const std::pair<int, const char*> program[] = {
        {5, "300A"},   // MOVLW 10
        {6, "008E"},   // MOVWF 0x0E
        {7, "30C8"},   // MOVLW 200
        {8, "008D"},   // MOVWF 0x0D
        {9, "30FF"},   // MOVLW 0xFF
        {10, "008C"},  // MOVWF 0x0C
        {11, "0B8C"},  // DECFSZ 0x0C,1
        {12, "280B"},  // GOTO 11
        {13, "0B8D"},  // DECFSZ 0x0D,1
        {14, "2809"},  // GOTO 9
        {15, "0B8E"},  // DECFSZ 0x0E,1
        {16, "2807"},  // GOTO 7
        {17, "2FFF"},  // GOTO 0x7FF: leave the image
    };
    for (const auto& [address, text] : program) Place(address, text);
    ProgramEnd = core::kProgramImageSize;
}

void BM_WorkerContinuousRunAtFullSpeed(benchmark::State& state) {
    LoadDelayLoop();
    SimSpeedMs = 0;
    CCountingView editor;
    CCountingView pins;
    CCountingView registers;
    core::CSimDocument doc;
    doc.AddView(&editor);
    doc.AddView(&pins);
    doc.AddView(&registers);
    doc.CreateWorker();
    while (registers.Count() == 0) std::this_thread::yield();

    // Every run takes the same number of passes; one untimed run counts them.
    // A run end is followed by the next run's first refresh, which is no pass.
    const int64_t first = registers.Count();
    doc.OnContinuousRun();
    doc.RunEndedEvent.Wait();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const int64_t passesPerRun = registers.Count() - first - 1;

    int64_t passes = 0;
    for (auto _ : state) {
        const int64_t before = registers.Count();
        doc.OnContinuousRun();
        doc.RunEndedEvent.Wait();
        while (registers.Count() < before + passesPerRun + 1) std::this_thread::yield();
        passes += passesPerRun;
    }
    doc.StopWorker();
    if (editor.Count() != 0) state.SkipWithError("the worker refreshed the source editor");
    state.SetItemsProcessed(passes);
    state.counters["passes/s"] =
        benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WorkerContinuousRunAtFullSpeed)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
