#pragma once
// The assembler as a process of its own, so the window keeps answering while
// it runs: it can be cancelled, and it is ended once its time limit is up.
#include <QObject>
#include <QProcess>

#include "build/assemble_command.h"

class QTimer;

class CAssemblerProcess : public QObject {
    Q_OBJECT
public:
    enum class EEnd { Exited, FailedToStart, Cancelled, TimedOut };

    explicit CAssemblerProcess(QObject* parent = nullptr);
    ~CAssemblerProcess() override;

    // Starts command; Ended follows in any case. The process is ended after
    // limitSeconds.
    void Start(const build::SAssemblerCommand& command, int limitSeconds);
    bool Busy() const { return m_bBusy; }
    // Ends the process; Ended says Cancelled.
    void Cancel();

signals:
    // What the assembler printed (both outputs), and why it ended.
    void Ended(const QByteArray& output, CAssemblerProcess::EEnd how);

private:
    void Finish(EEnd how);
    void Kill(EEnd how);

    QProcess m_process;
    QTimer* m_pLimit;
    QByteArray m_output;
    EEnd m_killedFor = EEnd::Exited;
    bool m_bBusy = false;
};
