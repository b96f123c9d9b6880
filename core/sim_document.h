#pragma once
// The part of the document that the simulation worker sees: its two events,
// its ordered list of views, its worker and the four run commands. It has no
// Qt in it, so the worker and its tests build without the window; the
// window's document derives from it.
#include <vector>

#include "platform/auto_reset_event.h"

class CView;
class CCPUNit;

class CSimDocument {
public:
    CSimDocument();
    virtual ~CSimDocument();  // ends the worker first
    CSimDocument(const CSimDocument&) = delete;
    CSimDocument& operator=(const CSimDocument&) = delete;

    // Views in creation order: source editor, pin panel, register display.
    void AddView(CView* view);
    const std::vector<CView*>& GetViews() const { return m_views; }

    // Creates and starts the worker unless this document already has one.
    void CreateWorker();
    // Ends the worker in whatever state it is and joins it. Afterwards
    // nothing touches this document, its views or its events.
    void StopWorker();

    // The run commands.
    void OnSingleStep();
    void OnContinuousRun();
    void OnStopSimulation();
    void OnRestart();

    CAutoResetEvent StepEvent;
    CAutoResetEvent RunEndedEvent;
    CCPUNit* m_pWorker = nullptr;

private:
    std::vector<CView*> m_views;
};
