#include "core/run_driver.h"

#include <utility>

#include "core/board_hook.h"
#include "core/event_log.h"
#include "core/history.h"
#include "core/run_goal.h"
#include "core/run_loop.h"
#include "core/state.h"

namespace core {

namespace {
// What the session keeps of a run begins with the run's reset state.
void StartRunSession() {
    StartAttachedBoard();
    History.Start();
    EventLog.Record(Event(EEventKind::RunStart));
    PublishAttachedBoard();
}
}  // namespace

void CRunDriver::Reset() {
    ResetForRunBegin();
}

void CRunDriver::Start(std::shared_ptr<CRunGoal> goal) {
    ResetForRunEnd();
    StartRunSession();
    m_goal = std::move(goal);
}

CRunDriver::SSlice CRunDriver::Slice(int64_t maxPasses) {
    SSlice slice;
    int64_t passes = maxPasses;
    if (m_goal) {
        passes = m_goal->PassesBeforeLook(maxPasses);
        if (m_goal->Over()) m_goal.reset();
        if (onChange) onChange();
    }
    if (passes == 0) {
        slice.goalPaused = true;
        return slice;
    }
    if (!PcInsideProgram()) {
        slice.leftProgram = true;
        return slice;
    }
    const SPassesRun run = RunPasses(m_cpu, passes);
    if (onChange) onChange();
    slice.passes = run.passes;
    slice.atBreakpoint = run.atBreakpoint;
    slice.atPinTrigger = run.atPinTrigger;
    return slice;
}

}  // namespace core

void ResetForRun() {
    core::ResetForRunBegin();
    core::ResetForRunEnd();
    core::StartRunSession();
}
