#include "qt_message_box.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QThread>
#include <algorithm>

#include "app_title.h"

CQtMessageBoxHook::CQtMessageBoxHook() {
    SetMessageBoxHook(this);
}

CQtMessageBoxHook::~CQtMessageBoxHook() {
    CloseAll();
    SetMessageBoxHook(nullptr);
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
    ShowHere(QString::fromStdString(request->text));
    Finish(request);
}

void CQtMessageBoxHook::Finish(const std::shared_ptr<WorkerRequest>& request) {
    {
        std::lock_guard lock(m_mutex);
        request->done = true;
        std::erase(m_waiting, request);
    }
    m_finished.notify_all();
}

void CQtMessageBoxHook::ShowHere(const QString& text) {
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::NoIcon, QString::fromLatin1(kAppTitle),
                                                text, QMessageBox::Ok, m_pOwner);
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
    for (const QPointer<QMessageBox>& box : std::as_const(m_openBoxes)) {
        if (box) box->done(QMessageBox::Ok);
    }
}
