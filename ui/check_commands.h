#pragma once
// The run-time checks in the window: Options > Provere switches them and
// each kind on and off (kept in the settings); a check that fires marks its
// line in the editor with a note of its own colour and is listed in the
// messages pane, where choosing it shows the line.
#include <QObject>
#include <QString>
#include <set>
#include <utility>

#include "core/check_kinds.h"

class CMainFrame;
class QAction;
class QTimer;
namespace core {
struct SEvent;
}

class CCheckCommands : public QObject {
    Q_OBJECT
public:
    explicit CCheckCommands(CMainFrame& frame);

    // The Serbian name of a kind in the menu.
    static QString KindTitle(core::ECheckKind kind);

private:
    void Apply();
    void OnAssembled(bool loaded);
    void Poll();
    void Show(const core::SEvent& event);

    CMainFrame& m_frame;
    QAction* m_pAll = nullptr;
    QAction* m_pKinds[core::kCheckKinds] = {};
    QTimer* m_pPoll;
    uint64_t m_lastSerial = 0;
    std::set<std::pair<int, int>> m_shown;  // word and kind, since the last assemble command
};
