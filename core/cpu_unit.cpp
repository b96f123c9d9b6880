#include "cpu_unit.h"

#include <algorithm>
#include <chrono>

#include "event_log.h"
#include "instruction_set.h"
#include "pin_input.h"
#include "platform/view.h"
#include "run_loop.h"
#include "sim_document.h"
#include "state.h"

namespace {
// The first view is the source editor, which the program never changes.
inline void RefreshViews(const CSimDocument& doc) {
    if (CView* pinPanel = doc.GetViewAt(1)) pinPanel->InvalidateRect(false);
    if (CView* registers = doc.GetViewAt(2)) {
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
    CInstructionSet cpu;
    // A worker told to end before its first run still reports a run end, so
    // whoever waits for one is released.
    bool startRun = !m_bTerminate;
    for (;;) {
        if (startRun) {
            RunProgram(cpu);
            EventLog.Record(Event(EEventKind::RunEnd));
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

void CCPUNit::RunProgram(CInstructionSet& cpu) {
    const CSimDocument& doc = *m_pDoc;
    // A new run always starts paused, whatever the command that ended the
    // last one, and shows its reset state before waiting.
    ResetForRunBegin();
    m_bRunning = true;
    m_bPaused = true;
    RefreshViews(doc);
    ResetForRunEnd();

    WaitForCommand(CAutoResetEvent::kInfinite);
    while (MayExecute()) {
        if (RunOnePass(cpu)) m_bPaused = true;
        RefreshViews(doc);
        if (m_bPaused) {
            WaitForCommand(CAutoResetEvent::kInfinite);
        } else {
            // Read now, so a new speed takes effect at the very next pause; a
            // negative value must not turn into an endless wait.
            WaitForCommand(std::max(0, static_cast<int>(SimSpeedMs)));
        }
    }
}

void CCPUNit::WaitForCommand(int timeoutMs) {
    CAutoResetEvent& step = m_pDoc->StepEvent;
    // At full speed the next pass comes at once and applies the clicks itself.
    if (timeoutMs == 0) {
        step.Wait(0);
        return;
    }
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (step.WaitOrWake(timeoutMs) != CAutoResetEvent::EWait::Woken) return;
        // A click while waiting shows at once, and the pause goes on.
        if (ApplyPinClicks()) RefreshViews(*m_pDoc);
        if (timeoutMs == CAutoResetEvent::kInfinite) continue;
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return;
        timeoutMs = static_cast<int>(left);
    }
}

bool CCPUNit::MayExecute() const {
    // m_bTerminate belongs here as well: every run start sets m_bRunning
    // again, so a shutdown that lands just before a run starts would
    // otherwise leave the worker paused in the new run.
    return PcInsideProgram() && m_bRunning && !m_bTerminate;
}
