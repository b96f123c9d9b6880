#pragma once
// Options > "Pusti snimak": a scenario replayed in the window at the speed of
// the moment. The worker's own run carries the scenario as its goal, so the
// clicks reach the machine at their cycles through the pin queue, the history
// and the event log see them as the user's, and no second loop runs. The run
// pauses at every expect and at a failure, with the reason in the status bar;
// F5 or Ctrl+F5 goes on to the next step, Shift+F5 or a restart ends the
// replay.
#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>

#include "scenario/scenario.h"

class CMainFrame;
class CLumoDoc;

class CScenarioReplay : public QObject {
    Q_OBJECT
public:
    CScenarioReplay(CMainFrame& frame, CLumoDoc& doc);
    ~CScenarioReplay() override;
    CScenarioReplay(const CScenarioReplay&) = delete;
    CScenarioReplay& operator=(const CScenarioReplay&) = delete;

    // Replays the scenario at path, once its program has been assembled
    // when it names one; false, with the reason in the status bar, when the
    // scenario is malformed or its program cannot be opened.
    bool Start(const QString& path);
    // A replay waits for F7 to load its program; its own restart follows.
    bool WaitingForProgram() const { return m_pWaiting != nullptr; }

    // How the worker reaches this object while both live.
    struct SLink;

private:
    void OnReplay();
    void OnEnded();
    void ShowCheckpoint(uint64_t generation, const QString& text, bool over);
    // The scenario's source, opened and assembled as F7 does; Play follows
    // once it is loaded. An object or HEX file is loaded at once instead,
    // beside the editor's text.
    bool AssembleSource(const std::string& program);
    void OnAssembled(bool loaded);
    void Play(scenario::SScenario scenario);
    void Say(const QString& text);

    CMainFrame& m_frame;
    CLumoDoc& m_doc;
    std::shared_ptr<SLink> m_link;
    uint64_t m_generation = 0;  // counts the replays, so a late word of an old one is ignored
    bool m_replaying = false;
    // The scenario whose program is being assembled.
    std::unique_ptr<scenario::SScenario> m_pWaiting;
};
