#include "core/cpu_unit.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "core/event_log.h"
#include "core/history.h"
#include "core/instruction_set.h"
#include "core/pin_input.h"
#include "core/platform/message_box.h"
#include "core/platform/view.h"
#include "core/run_goal.h"
#include "core/sim_document.h"
#include "core/state.h"

namespace {
// Instructions run between two looks at the commands when no pause
// separates them: a few microseconds, far below what a user notices, and
// enough that looking costs nothing against the instructions.
constexpr int64_t kPassesPerLook = 4096;

// The first view is the source editor, which the program never changes.
inline void RefreshViews(const core::CSimDocument& doc) {
    if (core::CView* pinPanel = doc.GetViewAt(1)) pinPanel->InvalidateRect(false);
    if (core::CView* registers = doc.GetViewAt(2)) {
        registers->InvalidateRect(false);
        LastRefreshedView.store(registers, std::memory_order_release);
    }
}
}  // namespace

void CCPUNit::Start() {
    m_thread = std::thread([this] {
        m_exitCode = Run();
        m_ended.Set();
    });
}

int CCPUNit::Run() {
    if (m_pDoc == nullptr) return -1;
    // A worker told to end before its first run still reports a run end, so
    // whoever waits for one is released.
    bool startRun = !m_bTerminate;
    for (;;) {
        if (startRun) {
            RunProgram();
            core::EventLog.Record(core::Event(core::EEventKind::RunEnd));
        }
        m_pDoc->RunEndedEvent.Set();
        if (m_bTerminate) return 0;
        startRun = true;
    }
}

bool CCPUNit::WaitUntilEnded(int timeoutMs) {
    if (!m_endSeen) m_endSeen = m_ended.Wait(timeoutMs);
    return m_endSeen;
}

int CCPUNit::Join() {
    if (m_thread.joinable()) m_thread.join();
    return m_exitCode;
}

void CCPUNit::RunProgram() {
    const core::CSimDocument& doc = *m_pDoc;
    // A new run starts paused, whatever the command that ended the last one,
    // and shows its reset state before waiting; a run with a goal is under
    // way at once.
    m_driver.Reset();
    std::shared_ptr<core::CRunGoal> goal;
    {
        std::lock_guard lock(m_goalMutex);
        goal = std::exchange(m_nextGoal, nullptr);
        m_dropGoal = false;
    }
    m_bRunning = true;
    m_bPaused = goal == nullptr;
    RefreshViews(doc);
    m_driver.Start(std::move(goal));

    WaitForCommand(m_bPaused);
    while (m_bRunning && !m_bTerminate) {
        const bool paced = !m_bPaused && core::RealTimeFactor > 0;
        const bool fullSpeed = !m_bPaused && SimSpeedMs <= 0;
        if (m_dropGoal) {
            m_dropGoal = false;
            m_driver.DropGoal();
        }
        int64_t passes = fullSpeed ? kPassesPerLook : 1;
        if (paced) {
            passes = PacedPasses();
            if (passes == 0) continue;
        } else {
            m_pacer.Stop();
            core::RealTimeLagUs = 0;
        }
        const core::CRunDriver::SSlice slice = m_driver.Slice(passes);
        if (slice.leftProgram) break;
        if (slice.atBreakpoint || slice.atPinTrigger || slice.goalPaused) {
            m_bPaused = true;
            // A command sets its flag before its signal, so the run may have
            // been under way before the signal came: the signal left over
            // would step past the pause the run has just made.
            m_pDoc->StepEvent.Wait(0);
        }
        // Read once, so the state on show is the wait that follows: a stop
        // arriving from now on takes effect after the next instruction.
        const bool paused = m_bPaused;
        m_runState = slice.atBreakpoint ? core::RunState::AtBreakpoint
                     : paused           ? core::RunState::Paused
                                        : core::RunState::Running;
        RefreshViews(doc);
        WaitForCommand(paused);
    }
    m_driver.DropGoal();
    // What ended the run stays on show until the next command; a restart
    // simply starts afresh.
    if (!m_bRunning || m_bTerminate) {
        m_runState = core::RunState::WaitingToStart;
    } else {
        m_runState = ProgramEnd == 0 ? core::RunState::NoProgram : core::RunState::RanOffProgram;
    }
}

void CCPUNit::SetNextRunGoal(std::shared_ptr<core::CRunGoal> goal) {
    std::lock_guard lock(m_goalMutex);
    m_nextGoal = std::move(goal);
}

void CCPUNit::WaitForCommand(bool paused) {
    core::CAutoResetEvent& step = m_pDoc->StepEvent;
    // At full speed the next pass comes at once and applies the clicks itself;
    // a negative speed must not turn into an endless wait.
    if (!paused && (SimSpeedMs <= 0 || core::RealTimeFactor > 0)) {
        step.Wait(0);
        return;
    }
    using Clock = std::chrono::steady_clock;
    const Clock::time_point last = Clock::now();
    for (;;) {
        int timeoutMs = core::CAutoResetEvent::kInfinite;
        // Real time chosen during the pause: the paced run waits its own way.
        if (!paused && core::RealTimeFactor > 0) return;
        if (!paused) {
            // The pause runs from the last instruction at the speed of this
            // moment: a new speed wakes the wait, which then lasts until the
            // new pause has passed, and ends at once when it already has.
            const Clock::time_point due =
                last + std::chrono::milliseconds(std::max(0, static_cast<int>(SimSpeedMs)));
            const auto left =
                std::chrono::ceil<std::chrono::milliseconds>(due - Clock::now()).count();
            if (left <= 0) {
                step.Wait(0);
                return;
            }
            timeoutMs = static_cast<int>(left);
        }
        if (step.WaitOrWake(timeoutMs) != core::CAutoResetEvent::EWait::Woken) return;
        // A click while waiting shows at once, and the pause goes on; a move
        // through the history pauses a run.
        if (ServeNudge()) {
            paused = true;
            m_runState = core::RunState::Paused;
        }
    }
}

int64_t CCPUNit::PacedPasses() {
    using Clock = core::CRealTimePacer::Clock;
    const double rate =
        core::CRealTimePacer::CyclesPerSecond(core::OscillatorHz, core::RealTimeFactor);
    const uint32_t boxes = core::MessageBoxesShown.load(std::memory_order_relaxed);
    Clock::time_point now = Clock::now();
    // Time spent paused or in a message box is not made up for.
    if (!m_pacer.Started() || m_pacer.Rate() != rate || boxes != m_pacedBoxes) {
        m_pacer.Start(core::CycleCount, now, rate);
        m_pacedBoxes = boxes;
    }
    const core::CRealTimePacer::SNext next = m_pacer.Next(core::CycleCount, now, kPassesPerLook);
    core::RealTimeLagUs =
        std::chrono::duration_cast<std::chrono::microseconds>(m_pacer.Lag(core::CycleCount, now))
            .count();
    if (next.passes > 0) return next.passes;
    // A short wait at a time, so Stop, which only sets the flag, is seen
    // soon even at the slowest pace.
    constexpr auto kLongestWait = std::chrono::milliseconds(50);
    const auto until = std::min(next.resumeAt, now + kLongestWait);
    core::CAutoResetEvent& step = m_pDoc->StepEvent;
    while ((now = Clock::now()) < until) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - now).count();
        const core::CAutoResetEvent::EWait wait = step.WaitOrWake(static_cast<int>(left));
        // A command: the loop looks at the flags again (a step runs at once).
        if (wait == core::CAutoResetEvent::EWait::Signalled) break;
        if (wait == core::CAutoResetEvent::EWait::Woken && ServeNudge()) {
            m_bPaused = true;
            m_runState = core::RunState::Paused;
            break;
        }
    }
    return 0;
}

void CCPUNit::RequestTravel(ETravel travel, uint64_t pass) {
    m_bPaused = true;
    m_travelPass = pass;
    m_travel = static_cast<int>(travel);
}

void CCPUNit::RequestMachineTask(std::function<void()> task) {
    m_bPaused = true;
    std::lock_guard lock(m_goalMutex);
    m_task = std::move(task);
}

bool CCPUNit::ServeNudge() {
    const bool clicked = core::ApplyPinClicks();
    std::function<void()> task;
    {
        std::lock_guard lock(m_goalMutex);
        task = std::exchange(m_task, nullptr);
    }
    if (task) task();
    const auto travel = static_cast<ETravel>(m_travel.load());
    if (travel != ETravel::None) {
        m_travel = static_cast<int>(ETravel::None);
        const uint64_t now = InstructionCount;
        uint64_t target = m_travelPass;
        if (travel == ETravel::StepBack) target = now > 0 ? now - 1 : 0;
        if (travel == ETravel::BackToEvent) target = core::EventLog.LandmarkBefore(now);
        CInstructionSet cpu;
        core::History.GoTo(target, cpu);
    }
    const bool worked = task || travel != ETravel::None;
    if (clicked || worked) RefreshViews(*m_pDoc);
    return worked;
}
