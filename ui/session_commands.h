#pragma once
// Options > "Snimi sesiju", "Zavrsi snimanje" and "Izvezi talasne oblike
// (VCD)": the window's side of recorded sessions and waveforms. The files
// come from the same writers lumo-run uses, so a session recorded here plays
// in lumo-run exactly as it ran here.
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

class CMainFrame;
class CLumoDoc;
class QLabel;

// How long a recording runs, as a scenario's limit counts it and as the chip
// lives it: "1300000 ciklusa, 1.3 s rada procesora" at 4 MHz.
QString RecordingLength(uint64_t cycles, double oscillatorHz);

// Stops a continuous run and calls action once the worker stands between
// two instructions: the machine is then the window's to read.
void WhenMachineStopped(CLumoDoc& doc, QObject* context, const std::function<void()>& action);

// The run on show as a scenario file's text: its clicks, edits and the
// board's inputs since the event log's serial `since`, at their cycles, up
// to the cycle it stands at.
std::string RunAsScenario(CMainFrame& frame, uint64_t since, const std::string& file,
                          const std::string& program);

class CSessionCommands : public QObject {
    Q_OBJECT
public:
    CSessionCommands(CMainFrame& frame, CLumoDoc& doc);
    // The status bar's mark of a recording in progress.
    QLabel* RecordingMark() const { return m_pRecordingMark; }

private:
    // A scenario replays from the reset, so a recording starts with a restart.
    void OnStartRecording();
    void OnEndRecording();
    void OnExportWaveforms();
    void WhenStopped(const std::function<void()>& action);
    void WriteRecording(const QString& path);
    void WriteWaveforms(const QString& path);
    QString AskFileName(const QString& caption, const QString& filter, const QString& suffix);
    void SetRecording(bool recording);

    CMainFrame& m_frame;
    CLumoDoc& m_doc;
    uint64_t m_startSerial = 0;  // the event log's newest event when recording began
    std::string m_program;
    QLabel* m_pRecordingMark = nullptr;
};
