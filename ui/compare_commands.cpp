#include "ui/compare_commands.h"

#include <QAction>
#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>

#include "build/assembler_output.h"
#include "build/source_file.h"
#include "core/state.h"
#include "ui/command_ids.h"
#include "ui/logic_analyser_pane.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/messages_pane.h"
#include "ui/session_commands.h"
#include "ui/time_commands.h"
#include "ui/user_dialogs.h"

namespace {
const QColor kDifferenceInk(170, 60, 0);
constexpr int kMessageMs = 10000;
// lumo-run's status for a command line or scenario it cannot take.
constexpr int kExitUsage = 2;

QString Local(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// What lumo-run said on its own behalf, without its name; the assembler's
// summary lines are left out.
QStringList OwnLines(const QByteArray& err) {
    QStringList lines;
    const QString prefix = QStringLiteral("lumo-run: ");
    for (const QString& line : QString::fromLocal8Bit(err).split(QLatin1Char('\n'))) {
        if (line.startsWith(prefix)) lines.append(line.mid(prefix.size()));
    }
    return lines;
}
}  // namespace

CCompareCommands::CCompareCommands(CMainFrame& frame, CLumoDoc& doc)
    : QObject(&frame), m_frame(frame), m_doc(doc) {
    connect(frame.Action(ID_COMPARE), &QAction::triggered, this, &CCompareCommands::OnCompare);
}

CCompareCommands::~CCompareCommands() {
    if (Running()) {
        m_pProcess->disconnect(this);
        m_pProcess->kill();
        m_pProcess->waitForFinished();
    }
}

bool CCompareCommands::Running() const {
    return m_pProcess && m_pProcess->state() != QProcess::NotRunning;
}

QString CCompareCommands::LoadedProgram() const {
    if (ProgramEnd <= 0 || SourceFileName.empty()) return {};
    const std::string name =
        SourceFileName.size() > 4 &&
                SourceFileName.compare(SourceFileName.size() - 4, 4, ".asm") == 0
            ? build::OutputFileName(SourceFileName, "obj")
            : SourceFileName;
    const QString path = Local(SourceFolder + name);
    return QFile::exists(path) ? path : QString();
}

void CCompareCommands::OnCompare() {
    if (Running()) {
        Say(tr("Poredjenje sa resenjem je vec u toku"));
        return;
    }
    const QString program = LoadedProgram();
    if (program.isEmpty()) {
        Say(tr("Prevedite program (F7) pre poredjenja sa resenjem"));
        return;
    }
    const QString folder = Local(SourceFolder);
    const QString model = m_doc.Dialogs()->GetOpenFileName(
        {tr("Resenje za poredjenje"), {tr("Programi (*.asm *.obj *.hex)")}, {}, {}, folder});
    if (model.isEmpty()) return;
    // A student who has just tried the program by hand expects the model
    // to get the same clicks; a published exercise comes with a scenario.
    if (!m_doc.Dialogs()->AskYesNo(
            tr("Uporediti na ulazima ovog rada (klikovi i izmene od poslednjeg restarta, do "
               "ciklusa na kome je sada)?\nNe: izaberite scenario (*.yaml)."))) {
        const QString scenario = m_doc.Dialogs()->GetOpenFileName(
            {tr("Scenario za poredjenje"), {tr("Scenario (*.yaml)")}, {}, {}, folder});
        if (!scenario.isEmpty()) Start(model, scenario, false);
        return;
    }
    WhenMachineStopped(m_doc, this, [this, model, program] {
        if (core::CycleCount == 0) {
            Say(tr("Pokrenite program (F5) pa ga uporedite na ulazima tog rada"));
            return;
        }
        m_pFolder = std::make_unique<QTemporaryDir>();
        const QString path = m_pFolder->filePath(QStringLiteral("rad.yaml"));
        const std::string text = RunAsScenario(m_frame, 0, QFile::encodeName(path).toStdString(),
                                               QFile::encodeName(program).toStdString());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(text.data(), static_cast<qint64>(text.size())) !=
                static_cast<qint64>(text.size()) ||
            !file.flush()) {
            Say(path + tr(": upis nije uspeo"));
            return;
        }
        Start(model, path, true);
    });
}

void CCompareCommands::Start(const QString& model, const QString& scenario, bool ownRun) {
    m_ownRun = ownRun;
    delete m_pProcess;
    m_pProcess = new QProcess(this);
    connect(m_pProcess, &QProcess::finished, this, &CCompareCommands::OnFinished);
    QStringList args = {QStringLiteral("--compare"), model, QStringLiteral("--scenario"), scenario,
                        QStringLiteral("--json")};
    if (core::ChipProfile == core::EChipProfile::Datasheet)
        args << QStringLiteral("--chip") << QStringLiteral("datasheet");
    args << LoadedProgram();
    m_frame.statusBar()->showMessage(tr("Poredjenje sa resenjem %1...").arg(model));
    m_pProcess->start(QCoreApplication::applicationDirPath() + QStringLiteral("/lumo-run"), args);
}

void CCompareCommands::OnFinished() {
    const QByteArray out = m_pProcess->readAllStandardOutput().trimmed();
    const QByteArray err = m_pProcess->readAllStandardError();
    const QStringList said = OwnLines(err);
    const QString why = said.join(QStringLiteral("; "));
    QJsonObject report;
    if (!out.isEmpty()) report = QJsonDocument::fromJson(out.split('\n').last()).object();
    if (m_pProcess->exitStatus() != QProcess::NormalExit) {
        Say(tr("Poredjenje sa resenjem nije zavrseno"));
    } else if (m_pProcess->exitCode() == kExitUsage) {
        Say(tr("Scenario nije ispravan: %1").arg(why));
    } else if (report.isEmpty()) {
        Say(tr("Resenje se ne moze prevesti ni ucitati: %1").arg(why));
        for (const QString& line : QString::fromLocal8Bit(err).split(QLatin1Char('\n'))) {
            if (line.contains(QStringLiteral(": error: "))) m_frame.Messages()->AddLine(line);
        }
    } else if (!report.value(QStringLiteral("loaded")).toBool()) {
        Say(tr("Program se ne moze ucitati: %1")
                .arg(report.value(QStringLiteral("load_failure")).toString()));
    } else {
        // A model that fails a scenario itself is worth knowing first; the
        // run's own inputs expect only the state this program ended in.
        if (!m_ownRun) {
            for (const QString& line : said) m_frame.Messages()->AddLine(line);
        }
        QJsonObject difference;
        for (const QJsonValue step : report.value(QStringLiteral("steps")).toArray()) {
            if (step.toObject().contains(QStringLiteral("difference")))
                difference = step.toObject().value(QStringLiteral("difference")).toObject();
        }
        if (difference.isEmpty()) {
            Say(tr("Pinovi programa se ne razlikuju od resenja (u toleranciji scenarija)"));
        } else {
            const QString text =
                tr("Prvo odstupanje od resenja: ciklus %1 (%2), %3 je %4, u resenju %5")
                    .arg(difference.value(QStringLiteral("cycle")).toInteger())
                    .arg(difference.value(QStringLiteral("time")).toString(),
                         difference.value(QStringLiteral("pin")).toString(),
                         difference.value(QStringLiteral("program")).toString(),
                         difference.value(QStringLiteral("model")).toString());
            const QString source = difference.value(QStringLiteral("source")).toString();
            const int line = difference.value(QStringLiteral("line")).toInt();
            if (source.isEmpty()) {
                m_frame.Messages()->AddLine(text);
            } else {
                m_frame.Messages()->AddLineAt(
                    QStringLiteral("%1:%2: ").arg(source).arg(line) + text, source, line,
                    kDifferenceInk);
            }
            m_frame.statusBar()->showMessage(text, kMessageMs);
            if (m_ownRun) {
                CLogicAnalyserPane* analyser = m_frame.Time()->Analyser();
                if (!analyser->isVisible()) m_frame.Action(ID_VIEW_ANALYSER)->trigger();
                analyser->Traces()->PlaceCursor(
                    static_cast<uint64_t>(difference.value(QStringLiteral("cycle")).toInteger()));
            }
        }
    }
    emit Finished();
}

void CCompareCommands::Say(const QString& text) {
    m_frame.Messages()->AddLine(text);
    m_frame.statusBar()->showMessage(text, kMessageMs);
}
