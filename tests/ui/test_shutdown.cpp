// Message boxes of the worker and the end of the program: a box asked for by
// the worker appears on the user-interface thread and blocks only the
// worker; closing the window ends the worker whatever it is doing.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <thread>

#include "core/state.h"
#include "support/app_fixture.h"
#include "ui/app_title.h"
#include "ui/command_ids.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/qt_message_box.h"

class ShutdownTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void workerBoxBlocksOnlyTheWorker();
    void boxesReturnAtOnceAfterCloseAll();
    void closeAllReleasesAWorkerWhoseBoxNeverAppeared();
    void closingWhileRunningFlatOutEndsTheWorker();
    void closingWithAWorkerBoxOpenEndsTheWorker();
    void windowKeepsRespondingAtSpeedZero();

private:
    // Loads words (four hex characters each) from word 5 on.
    static void LoadProgram(const QStringList& words);
};

void ShutdownTest::init() {
    SimSpeedMs = 200;
}

void ShutdownTest::LoadProgram(const QStringList& words) {
    ClearProgramImage();
    int at = 4 * core::kStartAddress;
    for (const QString& word : words) {
        for (QChar ch : word) ProgramImage[at++] = ch.toLatin1();
    }
    ProgramEnd = core::kProgramImageSize;
}

void ShutdownTest::workerBoxBlocksOnlyTheWorker() {
    QWidget owner;
    CQtMessageBoxHook hook;
    hook.SetOwner(&owner);
    std::atomic<bool> returned{false};
    bool stillBlockedWhileShown = false;
    QString caption;
    QString text;
    connect(&hook, &CQtMessageBoxHook::BoxShown, this, [&] {
        // Not modal: the window stays usable while the worker waits.
        QVERIFY(!QApplication::activeModalWidget());
        QMessageBox* box = owner.findChild<QMessageBox*>();
        QVERIFY(box);
        caption = box->windowTitle();
        text = box->text();
        QCOMPARE(box->buttons().size(), 1);
        // The user-interface thread goes on serving events meanwhile.
        QTest::qWait(50);
        stillBlockedWhileShown = !returned;
        box->button(QMessageBox::Ok)->click();
    });
    std::thread worker([&] {
        AfxMessageBox("Stek je prazan");
        returned = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(returned, 20000);
    worker.join();
    QVERIFY(stillBlockedWhileShown);
    QCOMPARE(caption, QString::fromLatin1(kAppTitle));
    QCOMPARE(text, QStringLiteral("Stek je prazan"));
    QCOMPARE(hook.OpenBoxCount(), 0);
}

void ShutdownTest::boxesReturnAtOnceAfterCloseAll() {
    CQtMessageBoxHook hook;
    QSignalSpy shown(&hook, &CQtMessageBoxHook::BoxShown);
    hook.CloseAll();
    AfxMessageBox("from the user-interface thread");
    std::thread worker([] { AfxMessageBox("from the worker"); });
    worker.join();
    QCoreApplication::processEvents();
    QCOMPARE(shown.count(), 0);
}

void ShutdownTest::closeAllReleasesAWorkerWhoseBoxNeverAppeared() {
    CQtMessageBoxHook hook;
    std::atomic<bool> started{false};
    std::thread worker([&] {
        started = true;
        AfxMessageBox("GRESKA: Pogresna vrednost argumenta instrukcije");
    });
    while (!started) std::this_thread::yield();
    // No event is processed here, so the box never reaches the screen.
    hook.CloseAll();
    worker.join();
    QCOMPARE(hook.OpenBoxCount(), 0);
}

void ShutdownTest::closingWhileRunningFlatOutEndsTheWorker() {
    CAppUnderTest app;
    LoadProgram({"2805"});  // goto 5
    SimSpeedMs = 0;
    app.Frame().Action(ID_CONTINUOUS_RUN)->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(QByteArray(LastMnemonic.load()).size() > 0, 20000);
    QVERIFY(app.Frame().close());
    QVERIFY(!app.Doc().m_pWorker);
}

void ShutdownTest::closingWithAWorkerBoxOpenEndsTheWorker() {
    CAppUnderTest app(QString(), CAppUnderTest::RealBoxes);
    CQtMessageBoxHook& boxes = app.App().MessageBoxes();
    LoadProgram({"0008", "2805"});  // return with an empty stack, then goto 5
    bool closed = false;
    int openWhenClosing = 0;
    connect(&boxes, &CQtMessageBoxHook::BoxShown, this, [&] {
        openWhenClosing = boxes.OpenBoxCount();
        closed = app.Frame().close();
    });
    app.Frame().Action(ID_SINGLE_STEP)->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(closed, 20000);
    QCOMPARE(openWhenClosing, 1);
    QCOMPARE(boxes.OpenBoxCount(), 0);
    QVERIFY(!app.Doc().m_pWorker);
    QVERIFY(!app.Frame().isVisible());
}

void ShutdownTest::windowKeepsRespondingAtSpeedZero() {
    CAppUnderTest app;
    LoadProgram({"0AA0", "2805"});  // incf 0x20,f; goto 5
    SimSpeedMs = 0;
    app.Frame().Action(ID_CONTINUOUS_RUN)->trigger();
    // With the worker running flat out, events still get their turn and the
    // register counts on.
    for (int round = 0; round < 3; ++round) {
        bool fired = false;
        QTimer::singleShot(0, this, [&] { fired = true; });
        QTRY_VERIFY_WITH_TIMEOUT(fired, 20000);
        const int before = RegisterFile[0x20];
        QTRY_VERIFY_WITH_TIMEOUT(RegisterFile[0x20] != before, 20000);
    }
    app.Frame().Action(ID_STOP_SIMULATION)->trigger();
}

QTEST_MAIN(ShutdownTest)
#include "test_shutdown.moc"
