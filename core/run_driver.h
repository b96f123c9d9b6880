#pragma once
// One run from its reset to its end, slice by slice: the worker, lumo-run
// and the scenario runner all drive the instruction loop through it, so a
// run with a goal behaves alike wherever it runs. The driver has no thread
// of its own: its host calls Slice as often as it likes, from the thread
// that owns the machine.
#include <cstdint>
#include <functional>
#include <memory>

#include "core/instruction_set.h"

namespace core {

class CRunGoal;

class CRunDriver {
public:
    struct SSlice {
        int64_t passes = 0;
        bool atBreakpoint = false;  // the last pass left PC on a breakpoint
        bool atPinTrigger = false;  // the last pass met the pin trigger (pin_watch.h)
        bool goalPaused = false;    // the goal asked for a pause here; nothing ran
        bool leftProgram = false;   // PC lies outside the program; nothing ran
    };

    // The chip's reset at the start of a run. A host with views shows the
    // reset state between this and Start.
    void Reset();
    // Starts the run from the reset state, steered toward goal (null for a
    // run without one): the history begins here and the event log gets the
    // run's start.
    void Start(std::shared_ptr<CRunGoal> goal = nullptr);
    // Both, for a host with nothing to show between them.
    void Begin(std::shared_ptr<CRunGoal> goal = nullptr) {
        Reset();
        Start(std::move(goal));
    }

    // Runs up to maxPasses passes, or fewer as the goal says. The goal looks
    // first, so it sees PC leave the program and makes its inputs before the
    // passes that follow them.
    SSlice Slice(int64_t maxPasses);

    // The run goes on without its goal from the next slice on.
    void DropGoal() { m_goal.reset(); }
    bool HasGoal() const { return m_goal != nullptr; }

    // Told after the goal's inputs and after every slice's passes, so a
    // watcher of the pins (a waveform) sees every change at its cycle.
    std::function<void()> onChange;

private:
    CInstructionSet m_cpu;
    std::shared_ptr<CRunGoal> m_goal;
};

}  // namespace core

// The start of a run for code that runs passes itself (tests, benchmarks):
// the reset and the session services, without a driver.
void ResetForRun();
