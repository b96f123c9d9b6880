#include "core/sim_document.h"

#include <utility>

#include "core/cpu_unit.h"
#include "core/pin_input.h"
#include "core/platform/message_box.h"

namespace core {

namespace {
// How often shutdown closes message boxes again while the worker has not
// ended: a box it opens after one round is closed by the next.
constexpr int kCloseBoxesEveryMs = 20;
}  // namespace

CSimDocument::~CSimDocument() {
    StopWorker();
}

void CSimDocument::AddView(CView* view) {
    if (m_views.size() < kSharedViews) {
        m_sharedViews[m_views.size()].store(view, std::memory_order_release);
    }
    m_views.push_back(view);
}

void CSimDocument::CreateWorker() {
    if (m_pWorker != nullptr) return;
    // The events must be as if new: a signal left over from an earlier worker
    // would start the first run by itself.
    StepEvent.Wait(0);
    RunEndedEvent.Wait(0);

    auto* worker = new CCPUNit;
    worker->m_pDoc = this;
    worker->m_bRunning = true;
    m_pWorker = worker;
    SetPinClickWorker(&StepEvent);
    worker->Start();
}

void CSimDocument::StopWorker() {
    if (m_pWorker == nullptr) return;
    m_pWorker->m_bRunning = false;
    m_pWorker->m_bTerminate = true;
    StepEvent.Set();
    // A worker blocked in a message box hears nothing until the box closes.
    while (!m_pWorker->WaitUntilEnded(kCloseBoxesEveryMs)) CloseAllMessageBoxes();
    m_pWorker->Join();
    SetPinClickWorker(nullptr);
    delete m_pWorker;
    m_pWorker = nullptr;
}

void CSimDocument::OnSingleStep() {
    if (m_pWorker == nullptr) return;
    m_pWorker->m_bRunning = true;
    m_pWorker->m_bPaused = true;
    StepEvent.Set();
}

void CSimDocument::OnContinuousRun() {
    if (m_pWorker == nullptr) return;
    m_pWorker->m_bRunning = true;
    m_pWorker->m_bPaused = false;
    StepEvent.Set();
}

void CSimDocument::OnStopSimulation() {
    if (m_pWorker == nullptr) return;
    m_pWorker->m_bPaused = true;
}

void CSimDocument::OnStepBack() {
    if (m_pWorker == nullptr) return;
    m_pWorker->RequestTravel(CCPUNit::ETravel::StepBack, 0);
    StepEvent.Wake();
}

void CSimDocument::OnBackToEvent() {
    if (m_pWorker == nullptr) return;
    m_pWorker->RequestTravel(CCPUNit::ETravel::BackToEvent, 0);
    StepEvent.Wake();
}

void CSimDocument::OnGoToPass(uint64_t pass) {
    if (m_pWorker == nullptr) return;
    m_pWorker->RequestTravel(CCPUNit::ETravel::ToPass, pass);
    StepEvent.Wake();
}

void CSimDocument::OnMachineTask(std::function<void()> task) {
    if (m_pWorker == nullptr) return;
    m_pWorker->RequestMachineTask(std::move(task));
    StepEvent.Wake();
}

void CSimDocument::OnRestart() {
    if (m_pWorker == nullptr) return;
    m_pWorker->m_bRunning = false;
    StepEvent.Set();
}

void CSimDocument::OnRestartToward(std::shared_ptr<CRunGoal> goal) {
    if (m_pWorker == nullptr) return;
    m_pWorker->SetNextRunGoal(std::move(goal));
    OnRestart();
}

void CSimDocument::DropRunGoal() {
    if (m_pWorker != nullptr) m_pWorker->DropRunGoal();
}

void CSimDocument::OnSpeedChanged() {
    StepEvent.Wake();
}

}  // namespace core
