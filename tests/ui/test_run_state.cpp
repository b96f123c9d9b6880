// The status bar says what the simulation does and where PC stands; the
// toolbar's speed control changes the pace of a run at once; the window
// grows into its source text and keeps its layout for the next start.
#include <QAction>
#include <QMessageBox>
#include <QScrollBar>
#include <QSplitter>
#include <QtTest>

#include "build/break_labels.h"
#include "build/source_file.h"
#include "core/cpu_unit.h"
#include "core/event_log.h"
#include "core/real_time_pacer.h"
#include "core/state.h"
#include "support/app_fixture.h"
#include "ui/command_ids.h"
#include "ui/edit_view.h"
#include "ui/input_view.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/messages_pane.h"
#include "ui/output_view.h"
#include "ui/qt_message_box.h"
#include "ui/run_status_panes.h"
#include "ui/speed_box.h"

namespace {
const QByteArray kLoop =
    "\torg\t5\n"
    "start\tmovlw\t1\n"
    "loop\tincf\t0x20,f\n"
    "\tgoto\tloop\n"
    "\tend\n";
// Runs through the empty program memory and off its end.
const QByteArray kRunOff =
    "\torg\t5\n"
    "\tnop\n"
    "\tend\n";
// Recurses for ever: the stack overflows.
const QByteArray kRecursion =
    "\torg\t5\n"
    "again\tcall\tagain\n"
    "\tend\n";
}  // namespace

class RunStateTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { SimSpeedMs = 200; }
    void statusFollowsStepsRunsAndBreakpoints();
    void runningOffTheProgramIsNoLongerSilent();
    void lastRunTimeMessageStaysInView();
    void toolbarSpeedTakesEffectInTheCurrentPause();
    void extraHeightGoesToTheEditorAndTheLayoutIsKept();

private:
    // Opens source (written to a file) and assembles it with F7.
    void Load(CAppUnderTest& app, const QByteArray& source);
    static QString State(CAppUnderTest& app) { return app.Frame().RunStatus()->StateText(); }
    static QString Pc(CAppUnderTest& app) { return app.Frame().RunStatus()->PcText(); }
    static void Trigger(CAppUnderTest& app, int id) { app.Frame().Action(id)->trigger(); }
    static bool RunStartedSince(uint64_t serial) {
        for (const core::SEvent& event : core::EventLog.Since(serial))
            if (event.kind == core::EEventKind::RunStart) return true;
        return false;
    }

    std::unique_ptr<CScratchFolder> m_folder;
};

void RunStateTest::init() {
    CAppUnderTest::ClearSettings();
    m_folder = std::make_unique<CScratchFolder>();
    QVERIFY(m_folder->IsValid());
    SourceFolder.clear();
    SourceFileName.clear();
    SimSpeedMs = 200;
}

void RunStateTest::Load(CAppUnderTest& app, const QByteArray& source) {
    const QString path = m_folder->Path("prog.asm");
    WriteBytes(path, source);
    app.m_dialogs.m_openPaths.append(path);
    Trigger(app, ID_FILE_OPEN);
    Trigger(app, ID_ASSEMBLE);
    QVERIFY(AssemblerEnded(app.Frame()));
    QCOMPARE(int(ProgramEnd), core::kProgramImageSize);
    // The worker has begun its first run: a command from now on is not
    // undone by the start of that run.
    QTRY_VERIFY(app.Doc().m_pWorker->m_bPaused);
}

void RunStateTest::statusFollowsStepsRunsAndBreakpoints() {
    CAppUnderTest app;
    Load(app, kLoop);
    // The first run waits with the same words: only its successor's start
    // shows that the restart was taken, and that no step below lands in the
    // run it ends.
    const uint64_t beforeRestart = core::EventLog.LastSerial();
    Trigger(app, ID_RESTART);
    QTRY_VERIFY(RunStartedSince(beforeRestart));
    QTRY_COMPARE(State(app), QStringLiteral("Ceka prvu komandu (Ctrl+F5 korak, F5 kontinualno)"));
    QCOMPARE(Pc(app), QStringLiteral("PC=0x0005 start"));

    Trigger(app, ID_SINGLE_STEP);
    QTRY_COMPARE(Pc(app), QStringLiteral("PC=0x0006 loop"));
    QCOMPARE(State(app), QStringLiteral("Pauza"));

    build::SetBreakLabelsFromFields({"loop"});
    SimSpeedMs = 0;
    Trigger(app, ID_CONTINUOUS_RUN);
    QTRY_COMPARE(State(app), QStringLiteral("Stala na prekidnoj tacki loop"));
    // Waited for too: the pane may lag its state by one refresh, while a run
    // that went on past its breakpoint still ends elsewhere and fails.
    QTRY_VERIFY2(Pc(app) == QStringLiteral("PC=0x0006 loop"),
                 qPrintable(Pc(app) + QStringLiteral(" | ") + State(app)));
    // The bar may cut it; the messages pane keeps it whole.
    QVERIFY(
        app.Frame().Messages()->Lines().contains(QStringLiteral("Stala na prekidnoj tacki loop")));

    SimSpeedMs = 5000;
    Trigger(app, ID_CONTINUOUS_RUN);
    QTRY_COMPARE(State(app), QStringLiteral("Radi, 5000 ms po instrukciji"));
    Trigger(app, ID_RESTART);
}

void RunStateTest::runningOffTheProgramIsNoLongerSilent() {
    CAppUnderTest app;
    Load(app, kRunOff);
    SimSpeedMs = 0;
    Trigger(app, ID_CONTINUOUS_RUN);
    const QString ranOff = QStringLiteral("PC je izasao iz programa: procesor je resetovan");
    QTRY_COMPARE_WITH_TIMEOUT(State(app), ranOff, 20000);
    QCOMPARE(Pc(app), QStringLiteral("PC=0x0005"));
    QTest::qWait(100);
    QCOMPARE(State(app), ranOff);
    // Until the next command.
    Trigger(app, ID_SINGLE_STEP);
    QTRY_COMPARE(State(app), QStringLiteral("Pauza"));
}

void RunStateTest::lastRunTimeMessageStaysInView() {
    CAppUnderTest app(QString(), CAppUnderTest::RealBoxes);
    Load(app, kRecursion);
    SimSpeedMs = 0;
    Trigger(app, ID_CONTINUOUS_RUN);
    QTRY_VERIFY_WITH_TIMEOUT(app.App().MessageBoxes().OpenBoxCount() == 1, 20000);
    Trigger(app, ID_STOP_SIMULATION);
    // No longer running, at once, with the box still open.
    QTRY_VERIFY(State(app).endsWith(QStringLiteral(" | Poruka: Stek je pun")));
    QVERIFY(!State(app).startsWith(QStringLiteral("Radi")));
    QCOMPARE(app.App().MessageBoxes().OpenBoxCount(), 1);
    app.Frame().findChild<QMessageBox*>()->done(QMessageBox::Ok);
    QTRY_COMPARE(State(app), QStringLiteral("Pauza | Poruka: Stek je pun"));
    // Restart begins afresh.
    Trigger(app, ID_RESTART);
    QTRY_COMPARE(State(app), QStringLiteral("Ceka prvu komandu (Ctrl+F5 korak, F5 kontinualno)"));
}

void RunStateTest::toolbarSpeedTakesEffectInTheCurrentPause() {
    CAppUnderTest app;
    Load(app, kLoop);
    CSpeedBox* box = app.Frame().SpeedBox();
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items.append(box->itemText(i));
    QCOMPARE(items, QStringList({"1000 ms", "500 ms", "200 ms", "100 ms", "50 ms", "10 ms", "1 ms",
                                 "0 ms", "realno vreme", "1/10 realnog vremena",
                                 "1/100 realnog vremena", "1/1000 realnog vremena"}));
    QCOMPARE(box->currentText(), QStringLiteral("200 ms"));

    // A pace of ten minutes: the first instruction comes at once, the next
    // would come only after the pause.
    SimSpeedMs = 600000;
    app.Frame().OnSpeedChanged();
    QCOMPARE(box->currentText(), QStringLiteral("600000 ms"));
    QCOMPARE(box->count(), 13);
    Trigger(app, ID_CONTINUOUS_RUN);
    QTRY_COMPARE(int(PC), 6);
    QTRY_COMPARE(State(app), QStringLiteral("Radi, 600000 ms po instrukciji"));

    // Real time ends the pause in progress too, and says how it runs.
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    QCOMPARE(box->currentText(), QStringLiteral("1/1000 realnog vremena"));
    QCOMPARE(double(core::RealTimeFactor), 0.001);
    QTRY_COMPARE(State(app), QStringLiteral("Radi, 1/1000 realnog vremena"));
    QTRY_VERIFY(RegisterFile[0x20] > 2);

    // Choosing 0 from the list ends real time: a pace per instruction again.
    QTest::keyClick(box, Qt::Key_Up);
    QTest::keyClick(box, Qt::Key_Up);
    QTest::keyClick(box, Qt::Key_Up);
    QTest::keyClick(box, Qt::Key_Up);
    QCOMPARE(int(SimSpeedMs), 0);
    QCOMPARE(double(core::RealTimeFactor), 0.0);
    QCOMPARE(box->currentText(), QStringLiteral("0 ms"));
    QCOMPARE(box->count(), 12);
    QTRY_VERIFY_WITH_TIMEOUT(RegisterFile[0x20] > 10, 5000);
    QTRY_COMPARE(State(app), QStringLiteral("Radi punom brzinom"));
    Trigger(app, ID_STOP_SIMULATION);
}

void RunStateTest::extraHeightGoesToTheEditorAndTheLayoutIsKept() {
    QList<int> dragged;
    {
        CAppUnderTest app;
        CMainFrame& frame = app.Frame();
        QSplitter* splitter = frame.Splitter();
        const QList<int> start = splitter->sizes();
        QCOMPARE(start.mid(0, 2), QList<int>({150, 110}));
        // Still within the off-screen screen (800x800), where a window is kept.
        frame.resize(800, 770);
        QTRY_COMPARE(splitter->sizes().at(0), start.at(0) + 200);
        QCOMPARE(splitter->sizes().mid(1), start.mid(1));
        // The board keeps its size, so no scroll bar shows.
        QVERIFY(!frame.InputView()->verticalScrollBar()->isVisible());
        QVERIFY(!frame.OutputView()->verticalScrollBar()->isVisible());

        const QList<int> grown = splitter->sizes();
        dragged = {grown[0] - 50, grown[1] + 40, grown[2] + 10};
        splitter->setSizes(dragged);
        QCOMPARE(splitter->sizes(), dragged);
        QVERIFY(frame.close());
    }
    CAppUnderTest again;
    QCOMPARE(again.Frame().size(), QSize(800, 770));
    QCOMPARE(again.Frame().Splitter()->sizes(), dragged);
}

QTEST_MAIN(RunStateTest)
#include "test_run_state.moc"
