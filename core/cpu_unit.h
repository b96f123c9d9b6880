#pragma once
// The simulation worker: one thread per document that resets the processor,
// waits for the user's run commands and executes one instruction per wake-up.
// The user-interface thread steers it only through the three flags below and
// the document's StepEvent; it answers only by asking views to repaint and by
// signalling RunEndedEvent when a run ends.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "core/platform/auto_reset_event.h"
#include "core/real_time_pacer.h"
#include "core/relaxed.h"
#include "core/run_driver.h"

namespace core {

class CRunGoal;
class CSimDocument;

// What the worker is doing, for the user to see. Set by the worker before it
// refreshes its views, so a repaint shows the state that goes with it.
enum class RunState : uint8_t {
    WaitingToStart,  // reset, waiting for the first command of a run
    Paused,          // between instructions, waiting for a command
    Running,         // continuous run
    AtBreakpoint,    // paused because PC reached a breakpoint
    RanOffProgram,   // PC left the program: the processor was reset, waiting
    NoProgram,       // a command found nothing loaded: reset, waiting
};

}  // namespace core

class CCPUNit {
public:
    CCPUNit() = default;
    // The thread must have been joined (CSimDocument::StopWorker does it).
    ~CCPUNit() = default;
    CCPUNit(const CCPUNit&) = delete;
    CCPUNit& operator=(const CCPUNit&) = delete;

    // Starts the thread, which runs Run(). m_pDoc must be set.
    void Start();
    // The worker's whole life: run after run until m_bTerminate is seen at
    // the end of one. Returns -1 at once when there is no document, else 0.
    int Run();
    // Waits up to timeoutMs for Run to have returned on the worker thread;
    // stays true once it was.
    bool WaitUntilEnded(int timeoutMs);
    // Joins the thread and gives Run's result.
    int Join();

    // A move through the history, made by the worker at its next wait; the
    // worker pauses first.
    enum class ETravel { None, StepBack, BackToEvent, ToPass };
    void RequestTravel(ETravel travel, uint64_t pass);
    // Work that goes through the history or the chip at length (an export),
    // done by the worker at its next wait, so the window's thread never holds
    // the machine for it; the worker pauses first. A later request replaces
    // one not yet begun.
    void RequestMachineTask(std::function<void()> task);

    // The next run (the one the next restart begins) is steered toward goal
    // and starts running at once; null for a run of the user's own.
    void SetNextRunGoal(std::shared_ptr<core::CRunGoal> goal);
    // The current run goes on without its goal from the next slice on.
    void DropRunGoal() { m_dropGoal = true; }

    core::CSimDocument* m_pDoc = nullptr;
    core::Relaxed<bool> m_bTerminate{false};  // end the worker at the end of this run
    core::Relaxed<bool> m_bRunning{false};    // the current run goes on
    core::Relaxed<bool> m_bPaused{false};     // wait for a command between instructions
    // Set after the slice has published the chip, and not relaxed: whoever
    // reads it first and the chip after sees the chip the state speaks of.
    std::atomic<core::RunState> m_runState{core::RunState::WaitingToStart};

private:
    void RunProgram();
    // Waits for the next command, without end when paused, else for the
    // pause of SimSpeedMs; applies pin clicks that arrive meanwhile.
    void WaitForCommand(bool paused);
    // The passes of a paced run's next slice: none while it is ahead of the
    // wall clock, after a wait that commands and clicks end early.
    int64_t PacedPasses();
    // What a nudge asks for: clicks to apply, a move through the history, a
    // machine task. Returns whether it moved or worked on the machine.
    bool ServeNudge();

    std::thread m_thread;
    core::CAutoResetEvent m_ended;
    int m_exitCode = 0;
    core::Relaxed<int> m_travel{0};  // an ETravel
    core::Relaxed<uint64_t> m_travelPass{0};
    bool m_endSeen = false;  // touched only by the thread that ends the worker
    std::mutex m_goalMutex;
    std::shared_ptr<core::CRunGoal> m_nextGoal;  // guarded by m_goalMutex
    std::function<void()> m_task;                // guarded by m_goalMutex
    core::CRunDriver m_driver;                   // the worker's own
    core::Relaxed<bool> m_dropGoal{false};
    core::CRealTimePacer m_pacer;
    uint32_t m_pacedBoxes = 0;  // the message boxes shown when pacing began
};
