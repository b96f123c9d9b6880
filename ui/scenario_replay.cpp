#include "ui/scenario_replay.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStatusBar>
#include <mutex>

#include "build/program_loader.h"
#include "build/source_file.h"
#include "build/source_map.h"
#include "core/state.h"
#include "scenario/scenario_reader.h"
#include "scenario/scenario_report.h"
#include "scenario/scenario_run.h"
#include "ui/board_commands.h"
#include "ui/command_ids.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/messages_pane.h"
#include "ui/program_names.h"
#include "ui/user_dialogs.h"

using namespace scenario;

struct CScenarioReplay::SLink {
    std::mutex mutex;
    CScenarioReplay* owner = nullptr;
};

namespace {
std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// What the status bar says at a checkpoint: the step and whether it held
// first, as the bar beside the panes shows only the beginning; a failure in
// the report's own words.
QString CheckpointText(const SScenarioReport& report, size_t index, bool over) {
    const SStepReport& step = report.steps[index];
    const QString where = QFileInfo(QString::fromStdString(report.file)).fileName() +
                          QStringLiteral(":") + QString::number(step.line) + QStringLiteral(" ") +
                          QString::fromStdString(step.step);
    const QString number = QCoreApplication::translate("CScenarioReplay", "Korak %1/%2")
                               .arg(index + 1)
                               .arg(report.steps.size());
    if (step.result == EStepResult::Failed) {
        return number + QCoreApplication::translate("CScenarioReplay", " nije prosao: ") +
               QString::fromStdString(StepFailureText(report, step));
    }
    if (over && report.passed) {
        return number +
               QCoreApplication::translate("CScenarioReplay",
                                           " ispunjen, snimak zavrsen: PROSAO (") +
               where + QStringLiteral(", ") + QString::number(report.cycles) +
               QCoreApplication::translate("CScenarioReplay", " ciklusa)");
    }
    if (over) {  // an earlier check with points of its own failed
        return number + QCoreApplication::translate("CScenarioReplay",
                                                    " ispunjen, snimak zavrsen: PAO (%1/%2 poena)")
                            .arg(EarnedPoints(report))
                            .arg(report.points);
    }
    return number + QCoreApplication::translate("CScenarioReplay", " ispunjen (") + where +
           QCoreApplication::translate("CScenarioReplay",
                                       "). F5 ili Ctrl+F5 nastavlja, Shift+F5 prekida.");
}
}  // namespace

CScenarioReplay::CScenarioReplay(CMainFrame& frame, CLumoDoc& doc)
    : QObject(&frame), m_frame(frame), m_doc(doc), m_link(std::make_shared<SLink>()) {
    m_link->owner = this;
    connect(frame.statusBar(), &QStatusBar::messageChanged, this, [this](const QString& message) {
        if (message.isEmpty()) m_frame.statusBar()->setToolTip({});
    });
    connect(frame.Action(ID_REPLAY), &QAction::triggered, this, &CScenarioReplay::OnReplay);
    // The stop command pauses the run as always; here it also ends the
    // replay. A restart begins a run of the user's own.
    connect(frame.Action(ID_STOP_SIMULATION), &QAction::triggered, this, [this] {
        if (!m_replaying) return;
        m_doc.DropRunGoal();
        OnEnded();
    });
    connect(frame.Action(ID_RESTART), &QAction::triggered, this, [this] {
        if (m_replaying) OnEnded();
    });
    connect(&frame, &CMainFrame::Assembled, this, &CScenarioReplay::OnAssembled);
}

CScenarioReplay::~CScenarioReplay() {
    std::lock_guard lock(m_link->mutex);
    m_link->owner = nullptr;
}

void CScenarioReplay::Say(const QString& text) {
    m_frame.statusBar()->showMessage(text);
    // The whole text, however narrow the window, and kept where it can be
    // read again.
    m_frame.statusBar()->setToolTip(text);
    m_frame.Messages()->AddLine(text);
}

void CScenarioReplay::OnReplay() {
    const QString folder = QFile::decodeName(QByteArray::fromStdString(SourceFolder));
    const QString path = m_doc.Dialogs()->GetOpenFileName(
        {QCoreApplication::translate("CScenarioReplay", "Pusti snimak"),
         {QCoreApplication::translate("CScenarioReplay", "Scenario (*.yaml *.yml)"),
          QCoreApplication::translate("CScenarioReplay", "Svi fajlovi (*)")},
         QStringLiteral("yaml"),
         {},
         folder});
    if (!path.isEmpty()) Start(path);
}

void CScenarioReplay::OnEnded() {
    m_replaying = false;
    Say(QCoreApplication::translate("CScenarioReplay", "Snimak prekinut"));
}

bool CScenarioReplay::AssembleSource(const std::string& program) {
    const QString path =
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(program))).absoluteFilePath();
    if (QFileInfo(m_doc.GetPathName()) != QFileInfo(path)) {
        if (!m_doc.SaveModified() || !m_doc.OpenDocumentFile(path)) return false;
    }
    m_frame.OnAssemble();
    return true;
}

void CScenarioReplay::OnAssembled(bool loaded) {
    if (!m_pWaiting) return;
    const std::unique_ptr<SScenario> scenario = std::move(m_pWaiting);
    if (!loaded) {
        Say(QCoreApplication::translate("CScenarioReplay", "Snimak nije pusten: program ") +
            QString::fromStdString(scenario->program) +
            QCoreApplication::translate("CScenarioReplay", " se nije preveo"));
        return;
    }
    Play(std::move(*scenario));
}

bool CScenarioReplay::Start(const QString& path) {
    SScenario scenario;
    std::string error;
    if (!ReadScenarioFile(LocalPath(path), &scenario, &error)) {
        Say(QCoreApplication::translate("CScenarioReplay", "Snimak nije pusten: ") +
            QString::fromStdString(error));
        return false;
    }
    if (scenario.program.empty()) {
        Play(std::move(scenario));
        return true;
    }
    const build::EProgramKind kind = build::ProgramKindOf(scenario.program);
    if (kind == build::EProgramKind::Object || kind == build::EProgramKind::Hex) {
        // Loaded as lumo-run loads it; the editor keeps its text and its file.
        std::string error;
        const bool loaded = build::LoadProgram(scenario.program, &error);
        m_frame.Names()->SetMap(loaded ? build::LoadSourceMap() : build::CSourceMap());
        m_doc.UpdateAllViews();
        if (!loaded) {
            Say(QCoreApplication::translate("CScenarioReplay", "Snimak nije pusten: program ") +
                QString::fromStdString(
                    scenario.program +
                    QCoreApplication::translate("CScenarioReplay", " se nije ucitao")
                        .toStdString() +
                    (error.empty() ? std::string() : ": " + error)));
            return false;
        }
        Play(std::move(scenario));
        return true;
    }
    m_pWaiting = std::make_unique<SScenario>(scenario);
    if (!AssembleSource(scenario.program)) {
        m_pWaiting.reset();
        Say(QCoreApplication::translate("CScenarioReplay", "Snimak nije pusten: program ") +
            QString::fromStdString(scenario.program) +
            QCoreApplication::translate("CScenarioReplay", " se nije preveo"));
        return false;
    }
    return true;
}

void CScenarioReplay::Play(SScenario scenario) {
    if (ProgramEnd == 0) {
        Say(QCoreApplication::translate("CScenarioReplay",
                                        "Snimak nije pusten: prvo prevedite program (F7)"));
        return;
    }
    const std::string program =
        scenario.program.empty() ? SourceFolder + SourceFileName : scenario.program;
    const QString name = QString::fromStdString(scenario.name);
    // The scenario's board is the window's from now on, as if chosen in
    // Options > Ploca...; the restart below starts it.
    if (!scenario.board.empty()) {
        CBoardCommands* boards = m_frame.findChild<CBoardCommands*>();
        const QString path = QFile::decodeName(QByteArray::fromStdString(scenario.board));
        if (boards && (boards->AttachFile(path), boards->Path().isEmpty())) {
            Say(tr("Snimak nije pusten: ploca %1 se ne cita").arg(path));
            return;
        }
    }
    auto stepper = std::make_shared<CScenarioStepper>(std::move(scenario), program);
    const uint64_t generation = ++m_generation;
    // Told on the worker's thread, which owns the report then: the text is
    // made there and handed to this thread.
    stepper->onCheckpoint = [link = m_link, replay = stepper.get(), generation](size_t index) {
        const QString text = CheckpointText(replay->Report(), index, replay->Over());
        const bool over = replay->Over();
        std::lock_guard lock(link->mutex);
        if (CScenarioReplay* owner = link->owner) {
            QMetaObject::invokeMethod(
                owner,
                [owner, generation, text, over] { owner->ShowCheckpoint(generation, text, over); },
                Qt::QueuedConnection);
        }
    };
    m_replaying = true;
    m_doc.OnRestartToward(std::move(stepper));
    Say(QCoreApplication::translate("CScenarioReplay", "Snimak: ") + name);
}

void CScenarioReplay::ShowCheckpoint(uint64_t generation, const QString& text, bool over) {
    if (generation != m_generation || !m_replaying) return;
    if (over) m_replaying = false;
    Say(text);
}
