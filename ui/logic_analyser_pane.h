#pragma once
// The "Logicki analizator" pane: the 13 pins over time from the pin trace,
// levels as traces and inputs drawn apart from outputs, and under them each
// board part's signals as a group that a click on its name folds, zoomed with the
// wheel from one cycle to the whole run and scrolled with the bar. Cursor A
// (a left click) takes the machine to the pin change nearest to it through
// the history, cursor B (a right click) measures the interval from A; a
// click on a pin's name selects it for period, frequency and duty cycle.
// The current moment is marked. A pin condition typed below makes the run
// stop where the pins come to meet it.
#include <QDockWidget>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/board_hook.h"
#include "core/pin_signal.h"
#include "core/pin_trace.h"

class QLabel;
class QPainter;
class QLineEdit;
class QScrollBar;
class QTimer;

class CTraceView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kNameWidth = 56;
    static constexpr int kRowHeight = 18;

    explicit CTraceView(QWidget* parent = nullptr);
    // Reads the trace afresh for the cycles on show.
    void Reload();
    void ShowWhole();
    void ScrollTo(uint64_t from);
    // Cursor A at a cycle, in sight, the machine taken there as a click does.
    void PlaceCursor(uint64_t cycle);

    uint64_t From() const { return m_from; }
    uint64_t Span() const { return m_span; }
    uint64_t End() const { return m_copy.endCycle; }
    int SelectedPin() const { return m_selected; }
    bool HasCursor(int which) const { return m_cursor[which] != kNone; }
    uint64_t Cursor(int which) const { return m_cursor[which]; }
    // The change nearest to a cycle among those on show, if any; a copy,
    // as the view's trace is reloaded when the machine goes back.
    std::optional<core::SPinChange> NearestChange(uint64_t cycle) const;
    const core::SPinTraceCopy& Copy() const { return m_copy; }
    // The board's signals on show: those of the board the trace holds.
    const std::vector<core::SBoardSignal>& BoardSignals() const { return m_signals; }
    // A row of the traces, top to bottom: a pin, a part's name, or a
    // signal of a part that is not folded.
    struct SRow {
        enum class EKind { Pin, Part, Signal } kind;
        int index;  // the pin, or the part's first signal, or the signal
    };
    std::vector<SRow> Rows() const;

signals:
    void Changed();
    void GoToPass(quint64 pass);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    QSize sizeHint() const override;

private:
    static constexpr uint64_t kNone = UINT64_MAX;
    double XOf(uint64_t cycle) const;
    uint64_t CycleAt(int x) const;
    void TakeBoardSignals();
    void FitHeight();
    void DrawBoardSignal(QPainter& painter, int top, uint64_t end, int signal);

    core::SPinTraceCopy m_copy;
    uint64_t m_from = 0;
    uint64_t m_span = 200;  // cycles across the traces
    uint64_t m_cursor[2] = {kNone, kNone};
    uint64_t m_hover = kNone;
    int m_selected = -1;
    bool m_following = true;  // the view keeps the run's end in sight
    std::vector<core::SBoardSignal> m_signals;
    const core::CBoardHook* m_signalsOf = nullptr;
    std::set<std::string> m_folded;  // parts shown by their name only
};

class CLogicAnalyserPane : public QDockWidget {
    Q_OBJECT
public:
    explicit CLogicAnalyserPane(QWidget* parent = nullptr);
    void SetOscillatorHz(double hz) { m_oscillatorHz = hz; }
    CTraceView* Traces() const { return m_pTraces; }
    QLabel* Readout() const { return m_pReadout; }
    QLineEdit* Condition() const { return m_pCondition; }

    // The readout's words for an interval of cycles.
    static QString TimeText(uint64_t cycles, double oscillatorHz);

signals:
    void GoToPass(quint64 pass);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Poll();
    void UpdateReadout();
    void UpdateScrollBar();
    void TakeCondition();

    CTraceView* m_pTraces;
    QScrollBar* m_pScroll;
    QLabel* m_pReadout;
    QLineEdit* m_pCondition;
    QTimer* m_pPoll;
    double m_oscillatorHz = 4e6;
};
