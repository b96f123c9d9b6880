#pragma once
// View > Profil: switches the counting on and, with it, the profile's
// displays: the routines' pane, the program memory pane's column and the
// editor's heat margin, all read from the counters whenever the register
// display repaints. Off at first, so the window looks as it always did.
#include <QObject>
#include <memory>

class CHeatMargin;
class CMainFrame;
class CProfilePane;

class CProfileCommands : public QObject {
    Q_OBJECT
public:
    explicit CProfileCommands(CMainFrame& frame);
    ~CProfileCommands() override;

    CProfilePane* Pane() const { return m_pPane; }
    const CHeatMargin& Heat() const { return *m_heat; }

    void Refresh();

private:
    void Switch(bool on);

    CMainFrame& m_frame;
    CProfilePane* m_pPane;
    std::unique_ptr<CHeatMargin> m_heat;
    bool m_placed = false;
};
