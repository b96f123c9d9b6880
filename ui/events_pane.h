#pragma once
// The "Dogadjaji" pane: what happened while the program ran, newest last,
// with a filter by kind. A double-click on a row takes the machine to the
// moment of that event through the history.
#include <QDockWidget>
#include <deque>

#include "core/event_log.h"

class QComboBox;
class QTableWidget;
class QTimer;

class CEventsPane : public QDockWidget {
    Q_OBJECT
public:
    // Rows kept in the pane; the log itself keeps more.
    static constexpr size_t kRows = 5000;

    explicit CEventsPane(QWidget* parent = nullptr);

    // Reads the events recorded since the last look.
    void Update();
    QTableWidget* Table() const { return m_pTable; }
    QComboBox* Filter() const { return m_pFilter; }

    // One event as the pane words it.
    static QString Describe(const core::SEvent& event);

signals:
    // The user asked to see the state at this pass.
    void GoToPass(quint64 pass);

private:
    bool Shown(const core::SEvent& event) const;
    void AddRow(const core::SEvent& event);
    void Refill();
    // Keeps the events as the pane shows them; returns whether a load
    // started the pane afresh.
    bool Take(const std::vector<core::SEvent>& events);

    QComboBox* m_pFilter;
    QTableWidget* m_pTable;
    QTimer* m_pPoll;
    std::deque<core::SEvent> m_events;
    uint64_t m_lastSerial = 0;
    uint64_t m_drops = 0;  // the log's Drops when the pane last read it
};
