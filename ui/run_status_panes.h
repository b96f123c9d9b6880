#pragma once
// Two panes of the status bar: what the simulation does (waiting, paused,
// running at which speed, stopped at which breakpoint, ended because PC left
// the program, the last run-time message) and PC with the label it stands
// on. They follow the register display's repaints, so they cost no
// repaints of their own.
#include <QObject>
#include <QString>
#include <map>
#include <string>

namespace core {
class CSimDocument;
}
class QLabel;
class QStatusBar;

class CRunStatusPanes : public QObject {
    Q_OBJECT
public:
    CRunStatusPanes(QStatusBar* statusBar, const core::CSimDocument& doc);

    // Reads the worker's state, PC and the speed again.
    void Update();
    // The labels of the program now loaded (none after Open).
    void SetListingLabels(std::map<int, std::string> labels);
    const std::map<int, std::string>& ListingLabels() const { return m_labels; }
    // The program's last run-time message; empty forgets it.
    void SetLastMessage(const QString& text);

    QString StateText() const;
    QString PcText() const;

signals:
    // The run has stopped for a reason of its own (a breakpoint, PC leaving
    // the program, a run-time message): the state pane's whole text.
    void Stopped(const QString& text);

private:
    QString BreakpointName(int pc) const;

    const core::CSimDocument& m_doc;
    QLabel* m_pState;
    QLabel* m_pPc;
    std::map<int, std::string> m_labels;
    QString m_lastMessage;
    QString m_lastStop;  // the stop told last, so each is told once
};
