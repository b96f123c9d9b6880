#include "ui/assembler_process.h"

#include <QFile>
#include <QTimer>

namespace {
QString FromLocal(const std::string& text) {
    return QFile::decodeName(QByteArray::fromStdString(text));
}
}  // namespace

CAssemblerProcess::CAssemblerProcess(QObject* parent)
    : QObject(parent), m_pLimit(new QTimer(this)) {
    m_pLimit->setSingleShot(true);
    connect(m_pLimit, &QTimer::timeout, this, [this] { Kill(EEnd::TimedOut); });
    // The assembler reads nothing, and what it writes to either output is
    // one text for the user, in the order written.
    m_process.setStandardInputFile(QProcess::nullDevice());
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    connect(&m_process, &QProcess::readyRead, this, [this] { m_output += m_process.readAll(); });
    connect(&m_process, &QProcess::finished, this, [this] {
        m_output += m_process.readAll();
        Finish(m_killedFor);
    });
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) Finish(EEnd::FailedToStart);
    });
}

CAssemblerProcess::~CAssemblerProcess() {
    // A window that closes does not leave the assembler behind.
    m_process.disconnect(this);
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

void CAssemblerProcess::Start(const build::SAssemblerCommand& command, int limitSeconds) {
    m_output.clear();
    m_killedFor = EEnd::Exited;
    m_bBusy = true;
    if (command.program.empty()) {
        // Said after the caller has seen Start return, as a real failure is.
        QTimer::singleShot(0, this, [this] { Finish(EEnd::FailedToStart); });
        return;
    }
    QStringList arguments;
    for (const std::string& argument : command.arguments) arguments.append(FromLocal(argument));
    m_process.setWorkingDirectory(FromLocal(command.folder));
    // An argument vector, not a shell: blanks and shell characters in names
    // stay part of the names.
    m_process.start(FromLocal(command.program), arguments);
    m_pLimit->start(limitSeconds * 1000);
}

void CAssemblerProcess::Cancel() {
    Kill(EEnd::Cancelled);
}

void CAssemblerProcess::Kill(EEnd how) {
    if (m_process.state() == QProcess::NotRunning) return;
    m_killedFor = how;
    m_process.kill();
}

void CAssemblerProcess::Finish(EEnd how) {
    if (!m_bBusy) return;
    m_bBusy = false;
    m_pLimit->stop();
    emit Ended(m_output, how);
}
