#pragma once
// The message box hook of the window. On the user-interface thread it shows
// a modal box at once. From the worker it hands the box to the user-interface
// thread, where it opens without blocking the window, and blocks the worker
// (only) until the user has closed it. At
// shutdown CloseAll closes every box and releases every waiting worker, and
// from then on boxes return at once, so ending the worker never waits for a
// user.
#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/platform/message_box.h"

class QMessageBox;

class CQtMessageBoxHook : public QObject, public core::CMessageBoxHook {
    Q_OBJECT
public:
    // Create on the user-interface thread; installs itself.
    CQtMessageBoxHook();
    ~CQtMessageBoxHook() override;

    // The window the boxes belong to (they block it while open).
    void SetOwner(QWidget* owner) { m_pOwner = owner; }

    void Show(const std::string& text) override;
    void CloseAll() override;

    // User-interface thread: the boxes open now.
    int OpenBoxCount() const { return static_cast<int>(m_openBoxes.size()); }

signals:
    // User-interface thread, right after a box has appeared.
    void BoxShown();
    // User-interface thread: the worker has reported text (a run-time
    // message), which is now on screen.
    void WorkerMessage(const QString& text);

private:
    struct WorkerRequest {
        std::string text;
        bool done = false;
    };

    bool OnUserInterfaceThread() const;
    QMessageBox* NewBox(const QString& text) const;
    void ShowHere(const QString& text);
    void ShowForWorker(const std::shared_ptr<WorkerRequest>& request);
    void Finish(const std::shared_ptr<WorkerRequest>& request);
    void CloseOpenBoxes();

    QPointer<QWidget> m_pOwner;
    std::mutex m_mutex;
    std::condition_variable m_finished;
    bool m_bClosing = false;
    std::vector<std::shared_ptr<WorkerRequest>> m_waiting;
    QList<QPointer<QMessageBox>> m_openBoxes;  // user-interface thread only
};
