#pragma once
// The commands of time: the stopwatch in the status bar with the oscillator
// frequency it counts in, going back one instruction or to the latest event,
// and the events pane.
#include <QObject>

class CEventsPane;
class CLogicAnalyserPane;
class CLumoDoc;
class CMainFrame;
class QLabel;
class QTimer;

class CTimeCommands : public QObject {
    Q_OBJECT
public:
    static constexpr double kDefaultOscillatorHz = 4e6;

    CTimeCommands(CMainFrame& frame, CLumoDoc& doc);

    // The stopwatch's text for a number of instruction cycles: the cycles and
    // the time they take at the oscillator frequency (four periods a cycle).
    static QString StopwatchText(uint64_t cycles, double oscillatorHz);

    double OscillatorHz() const { return m_oscillatorHz; }
    void SetOscillatorHz(double hz);
    QLabel* Stopwatch() const { return m_pStopwatch; }
    CEventsPane* Events() const { return m_pEvents; }
    CLogicAnalyserPane* Analyser() const { return m_pAnalyser; }
    // Reads the clock now rather than at the next tick.
    void UpdateStopwatch();

signals:
    void OscillatorChanged();

private:
    void AskOscillator();

    CMainFrame& m_frame;
    CLumoDoc& m_doc;
    QLabel* m_pStopwatch;
    QTimer* m_pTick;
    CEventsPane* m_pEvents;
    CLogicAnalyserPane* m_pAnalyser;
    double m_oscillatorHz = kDefaultOscillatorHz;
    uint64_t m_zeroAt = 0;
    bool m_bAnalyserPlaced = false;
    bool m_bEventsPlaced = false;  // the cycle count the stopwatch counts from
};
