#pragma once
// The part of the document that the simulation worker sees: its two events,
// its ordered list of views, its worker and the four run commands. It has no
// Qt in it, so the worker and its tests build without the window; the
// window's document derives from it.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/platform/auto_reset_event.h"

class CCPUNit;

namespace core {

class CView;
class CRunGoal;

class CSimDocument {
public:
    CSimDocument() = default;
    // Ends the worker first. A derived document whose views die before this
    // base part must call StopWorker itself, earlier.
    virtual ~CSimDocument();
    CSimDocument(const CSimDocument&) = delete;
    CSimDocument& operator=(const CSimDocument&) = delete;

    // Views in creation order: source editor, pin panel, register display.
    // Added on the user-interface thread; each must outlive the worker.
    void AddView(CView* view);
    // For the user-interface thread.
    const std::vector<CView*>& GetViews() const { return m_views; }
    // The view at a creation index below kSharedViews, or null while there is
    // none; safe from any thread, also while views are being added.
    static constexpr std::size_t kSharedViews = 3;
    CView* GetViewAt(std::size_t index) const {
        return index < kSharedViews ? m_sharedViews[index].load(std::memory_order_acquire)
                                    : nullptr;
    }

    // Creates and starts the worker unless this document already has one.
    void CreateWorker();
    // Ends the worker in whatever state it is, including blocked in a
    // message box, and joins it. Afterwards nothing touches this document,
    // its views or its events.
    void StopWorker();

    // The run commands. Each only sets the worker's flags and, except stop,
    // signals StepEvent; without a worker they do nothing.
    void OnSingleStep();
    void OnContinuousRun();
    void OnStopSimulation();
    void OnRestart();
    // A restart whose run is steered toward goal and starts running at once.
    void OnRestartToward(std::shared_ptr<CRunGoal> goal);
    // The current run goes on as the user's own, without its goal.
    void DropRunGoal();
    // SimSpeedMs has just changed: a running worker measures its current
    // pause against the new value at once instead of waiting out the old one.
    void OnSpeedChanged();
    // Going back through the history: one instruction, to the latest
    // interrupt entry, breakpoint or pin click, or to a given pass. Each
    // pauses the worker and has it move while it waits.
    void OnStepBack();
    void OnBackToEvent();
    void OnGoToPass(uint64_t pass);
    // The task runs on the worker's thread while it waits (CCPUNit::
    // RequestMachineTask); without a worker it is dropped.
    void OnMachineTask(std::function<void()> task);

    CAutoResetEvent StepEvent;
    CAutoResetEvent RunEndedEvent;
    CCPUNit* m_pWorker = nullptr;

private:
    std::vector<CView*> m_views;
    std::atomic<CView*> m_sharedViews[kSharedViews] = {};
};

}  // namespace core
