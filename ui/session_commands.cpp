#include "ui/session_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>

#include "build/source_file.h"
#include "core/cpu_unit.h"
#include "core/event_log.h"
#include "core/history.h"
#include "core/state.h"
#include "scenario/history_waveforms.h"
#include "scenario/session_recording.h"
#include "ui/board_commands.h"
#include "ui/command_ids.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/status_mark.h"
#include "ui/time_commands.h"
#include "ui/user_dialogs.h"

using namespace scenario;

namespace {
constexpr int kStopPollMs = 10;
constexpr int kMessageMs = 10000;

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
}  // namespace

QString RecordingLength(uint64_t cycles, double oscillatorHz) {
    const double seconds = static_cast<double>(cycles) * 4 / oscillatorHz;
    QString shown = QString::number(seconds, 'f', 6);
    while (shown.endsWith(QLatin1Char('0'))) shown.chop(1);
    if (shown.endsWith(QLatin1Char('.'))) shown.chop(1);
    return QCoreApplication::translate("CSessionCommands", "%1 ciklusa, %2 s rada procesora")
        .arg(cycles)
        .arg(shown);
}

void WhenMachineStopped(CLumoDoc& doc, QObject* context, const std::function<void()>& action) {
    const CCPUNit* worker = doc.m_pWorker;
    if (worker && worker->m_runState == core::RunState::Running) {
        doc.OnStopSimulation();
        QTimer::singleShot(kStopPollMs, context,
                           [&doc, context, action] { WhenMachineStopped(doc, context, action); });
        return;
    }
    action();
}

std::string RunAsScenario(CMainFrame& frame, uint64_t since, const std::string& file,
                          const std::string& program) {
    // Only the clicks and edits of the run on show: those before a restart
    // belong to a run the scenario does not replay, and those of a future
    // left by stepping back have not happened in it.
    std::vector<SRecordedInput> inputs;
    for (const core::SEvent& event : core::EventLog.Since(since)) {
        if (event.kind == core::EEventKind::RunStart) inputs.clear();
        const bool reached = event.pass < InstructionCount ||
                             (event.pass == InstructionCount && !core::History.InPast());
        if (IsRecordedInput(event) && reached) inputs.push_back(RecordedInputOf(event));
    }
    const CBoardCommands* board = frame.findChild<CBoardCommands*>();
    return RecordedScenario(file, program, frame.Time()->OscillatorHz(), inputs,
                            board ? LocalPath(board->Path()) : "");
}

CSessionCommands::CSessionCommands(CMainFrame& frame, CLumoDoc& doc)
    : QObject(&frame), m_frame(frame), m_doc(doc) {
    connect(frame.Action(ID_RECORD_START), &QAction::triggered, this,
            &CSessionCommands::OnStartRecording);
    connect(frame.Action(ID_RECORD_END), &QAction::triggered, this,
            &CSessionCommands::OnEndRecording);
    connect(frame.Action(ID_EXPORT_VCD), &QAction::triggered, this,
            &CSessionCommands::OnExportWaveforms);
    // A recording can last longer than any message stays: the bar keeps
    // saying it until "Zavrsi snimanje". First of the permanent panes, after
    // the prompt.
    m_pRecordingMark = AddStatusMark(
        frame.statusBar(), QCoreApplication::translate("CSessionCommands", "Snima se"),
        QCoreApplication::translate(
            "CSessionCommands",
            "Sesija se snima; Options > Zavrsi snimanje je upisuje kao scenario"),
        1);
    m_pRecordingMark->setStyleSheet(QStringLiteral("color: #c00000;"));
    SetRecording(false);
}

void CSessionCommands::SetRecording(bool recording) {
    m_frame.Action(ID_RECORD_START)->setEnabled(!recording);
    m_frame.Action(ID_RECORD_END)->setEnabled(recording);
    m_pRecordingMark->setVisible(recording);
}

void CSessionCommands::OnStartRecording() {
    if (ProgramEnd == 0) {
        m_frame.statusBar()->showMessage(
            QCoreApplication::translate("CSessionCommands", "Prvo prevedite program (F7)"),
            kMessageMs);
        return;
    }
    m_program = SourceFolder + SourceFileName;
    m_startSerial = core::EventLog.LastSerial();
    m_doc.OnRestart();
    SetRecording(true);
    m_frame.statusBar()->showMessage(
        QCoreApplication::translate("CSessionCommands", "Snimanje sesije..."), kMessageMs);
}

void CSessionCommands::OnEndRecording() {
    WhenStopped([this] {
        const QString path =
            AskFileName(QCoreApplication::translate("CSessionCommands", "Zavrsi snimanje"),
                        QCoreApplication::translate("CSessionCommands", "Scenario (*.yaml)"),
                        QStringLiteral("yaml"));
        if (path.isEmpty()) return;
        WriteRecording(path);
        SetRecording(false);
    });
}

void CSessionCommands::OnExportWaveforms() {
    WhenStopped([this] {
        const QString path = AskFileName(
            QCoreApplication::translate("CSessionCommands", "Izvezi talasne oblike (VCD)"),
            QStringLiteral("Value Change Dump (*.vcd)"), QStringLiteral("vcd"));
        if (!path.isEmpty()) WriteWaveforms(path);
    });
}

void CSessionCommands::WhenStopped(const std::function<void()>& action) {
    WhenMachineStopped(m_doc, this, action);
}

QString CSessionCommands::AskFileName(const QString& caption, const QString& filter,
                                      const QString& suffix) {
    const QString folder = QFile::decodeName(QByteArray::fromStdString(SourceFolder));
    return m_doc.Dialogs()->GetSaveFileName({caption, {filter}, suffix, {}, folder});
}

void CSessionCommands::WriteRecording(const QString& path) {
    const std::string text = RunAsScenario(m_frame, m_startSerial, LocalPath(path), m_program);
    QFile out(path);
    const bool written = out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         out.write(text.data(), static_cast<qint64>(text.size())) ==
                             static_cast<qint64>(text.size()) &&
                         out.flush();
    m_frame.statusBar()->showMessage(
        written ? QCoreApplication::translate("CSessionCommands", "Sesija snimljena u ") + path +
                      QCoreApplication::translate("CSessionCommands", ": ") +
                      RecordingLength(core::CycleCount, m_frame.Time()->OscillatorHz())
                : path + QCoreApplication::translate("CSessionCommands", ": upis nije uspeo"),
        kMessageMs);
}

void CSessionCommands::WriteWaveforms(const QString& path) {
    // A long run takes seconds to go through again: the worker does it, and
    // the window stays free meanwhile.
    m_frame.statusBar()->showMessage(
        QCoreApplication::translate("CSessionCommands", "Izvoz talasnih oblika u ") + path +
        QStringLiteral("..."));
    QPointer<CSessionCommands> self(this);
    m_doc.OnMachineTask([self, path, file = LocalPath(path), hz = m_frame.Time()->OscillatorHz()] {
        std::string error;
        const bool written = WriteHistoryWaveforms(file, hz, &error);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, path, written, error] {
                if (!self) return;
                self->m_frame.statusBar()->showMessage(
                    written ? QCoreApplication::translate("CSessionCommands",
                                                          "Talasni oblici upisani u ") +
                                  path
                            : QString::fromStdString(error),
                    kMessageMs);
            },
            Qt::QueuedConnection);
    });
}
