#pragma once
// Stand-ins the view and dialog tests share: a message box that records
// instead of blocking, and a view that counts repaint requests.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>
#include <string>
#include <vector>

#include "core/platform/message_box.h"
#include "core/platform/view.h"
#include "recording_message_box.h"

class CRecordingView : public core::CView {
public:
    void InvalidateRect(bool bErase) override {
        ++m_nRequests;
        if (bErase) ++m_nErasing;
    }
    int m_nRequests = 0;
    int m_nErasing = 0;
};

// Runs body on the next modal dialog of type Dialog, once it is up and
// active, whenever the command under test opens it; closes it afterwards if
// body left it open (a failed check), so a failure never leaves the test
// waiting on a modal loop. Gives up after 20 s.
template <class Dialog, class Body>
void WhenModal(Body body) {
    auto* poll = new QTimer(qApp);
    auto* waited = new QElapsedTimer;
    waited->start();
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, waited, body] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog && waited->elapsed() < 20000) return;
        poll->stop();
        poll->deleteLater();
        delete waited;
        if (!dialog) return;
        if (QTest::qWaitForWindowActive(dialog)) body(*dialog);
        if (dialog->isVisible()) dialog->close();
    });
    poll->start();
}
