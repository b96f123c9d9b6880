#include "ui/qt_message_box.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QThread>
#include <algorithm>

#include "ui/app_title.h"

CQtMessageBoxHook::CQtMessageBoxHook() {
    core::SetMessageBoxHook(this);
}

CQtMessageBoxHook::~CQtMessageBoxHook() {
    CloseAll();
    core::SetMessageBoxHook(nullptr);
}

bool CQtMessageBoxHook::OnUserInterfaceThread() const {
    return QThread::currentThread() == thread();
}

void CQtMessageBoxHook::Show(const std::string& text) {
    if (OnUserInterfaceThread()) {
        {
            std::lock_guard lock(m_mutex);
            if (m_bClosing) return;
        }
        ShowHere(QString::fromStdString(text));
        return;
    }
    auto request = std::make_shared<WorkerRequest>();
    request->text = text;
    {
        std::lock_guard lock(m_mutex);
        if (m_bClosing) return;
        m_waiting.push_back(request);
    }
    QMetaObject::invokeMethod(
        this, [this, request] { ShowForWorker(request); }, Qt::QueuedConnection);
    std::unique_lock lock(m_mutex);
    m_finished.wait(lock, [&] { return request->done; });
}

void CQtMessageBoxHook::ShowForWorker(const std::shared_ptr<WorkerRequest>& request) {
    {
        std::lock_guard lock(m_mutex);
        if (request->done) return;  // released by CloseAll meanwhile
    }
    // The worker waits for this box, the window does not: Stop, Restart and
    // closing the window stay within reach while a message that the program
    // repeats keeps coming back.
    const QString text = QString::fromStdString(request->text);
    QMessageBox* box = NewBox(text);
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QDialog::finished, this, [this, request, box] {
        m_openBoxes.removeAll(box);
        Finish(request);
    });
    m_openBoxes.append(box);
    box->show();
    emit WorkerMessage(text);
    emit BoxShown();
}

void CQtMessageBoxHook::Finish(const std::shared_ptr<WorkerRequest>& request) {
    {
        std::lock_guard lock(m_mutex);
        request->done = true;
        std::erase(m_waiting, request);
    }
    m_finished.notify_all();
}

QMessageBox* CQtMessageBoxHook::NewBox(const QString& text) const {
    return new QMessageBox(QMessageBox::NoIcon, QString::fromLatin1(kAppTitle), text,
                           QMessageBox::Ok, m_pOwner);
}

void CQtMessageBoxHook::ShowHere(const QString& text) {
    QPointer<QMessageBox> box = NewBox(text);
    m_openBoxes.append(box);
    QMetaObject::invokeMethod(this, &CQtMessageBoxHook::BoxShown, Qt::QueuedConnection);
    box->exec();
    m_openBoxes.removeAll(box);
    delete box;  // QPointer: nothing when the owner took it along
}

void CQtMessageBoxHook::CloseAll() {
    {
        std::lock_guard lock(m_mutex);
        m_bClosing = true;
        for (const auto& request : m_waiting) request->done = true;
        m_waiting.clear();
    }
    m_finished.notify_all();
    if (OnUserInterfaceThread()) {
        CloseOpenBoxes();
    } else {
        QMetaObject::invokeMethod(this, &CQtMessageBoxHook::CloseOpenBoxes, Qt::QueuedConnection);
    }
}

void CQtMessageBoxHook::CloseOpenBoxes() {
    // A copy: closing a worker's box takes it off the list.
    const QList<QPointer<QMessageBox>> boxes = m_openBoxes;
    for (const QPointer<QMessageBox>& box : boxes) {
        if (box) box->done(QMessageBox::Ok);
    }
}
