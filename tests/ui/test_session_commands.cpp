// A session recorded in the window plays in lumo-run to the same state, and
// the waveform the window exports is the one lumo-run writes for that run.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStatusBar>
#include <QtTest>

#include "build/source_file.h"
#include "core/cpu_unit.h"
#include "core/event_log.h"
#include "core/pin_input.h"
#include "core/state.h"
#include "support/app_fixture.h"
#include "support/toggle_and_sum.h"
#include "ui/command_ids.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/output_view.h"
#include "ui/register_edit_dlg.h"
#include "ui/session_commands.h"
#include "ui/time_commands.h"
#include "view_test_hooks.h"

class SessionCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { SimSpeedMs = 200; }
    void recordedSessionWithClicksPassesInLumoRun();
    void recordedSessionWithEditsPassesInLumoRun();
    void exportedWaveformIsLumoRunsOwn_data();
    void exportedWaveformIsLumoRunsOwn();
    void recordingLengthInCyclesAndChipSeconds();

private:
    void LoadAndRecord(CAppUnderTest& app);
    static void Step(CAppUnderTest& app, int count);
    static void Trigger(CAppUnderTest& app, int id) { app.Frame().Action(id)->trigger(); }
    void EndRecording(CAppUnderTest& app, const QString& path);
    // Exports from the window and finds the dump expected.
    static void ExportWaveforms(CAppUnderTest& app, const QString& path,
                                const QByteArray& expected);
    static int LumoRun(const QStringList& arguments);

    std::unique_ptr<CScratchFolder> m_folder;
};

void SessionCommandsTest::init() {
    CAppUnderTest::ClearSettings();
    m_folder = std::make_unique<CScratchFolder>();
    QVERIFY(m_folder->IsValid());
    SourceFolder.clear();
    SourceFileName.clear();
    SimSpeedMs = 0;
}

void SessionCommandsTest::LoadAndRecord(CAppUnderTest& app) {
    const QString path = m_folder->Path("prog.asm");
    WriteBytes(path, kToggleAndSum);
    app.m_dialogs.m_openPaths.append(path);
    Trigger(app, ID_FILE_OPEN);
    Trigger(app, ID_ASSEMBLE);
    QVERIFY(AssemblerEnded(app.Frame()));
    QTRY_VERIFY(app.Doc().m_pWorker->m_bPaused);
    QVERIFY(!app.Frame().Action(ID_RECORD_END)->isEnabled());
    QLabel* mark = app.Frame().findChild<CSessionCommands*>()->RecordingMark();
    QVERIFY(mark->isHidden());

    const uint64_t before = core::EventLog.LastSerial();
    Trigger(app, ID_RECORD_START);
    QVERIFY(!mark->isHidden());
    QVERIFY(!app.Frame().Action(ID_RECORD_START)->isEnabled());
    QVERIFY(app.Frame().Action(ID_RECORD_END)->isEnabled());
    // The restart that begins the recording has reached the worker.
    const auto restarted = [before] {
        for (const core::SEvent& event : core::EventLog.Since(before)) {
            if (event.kind == core::EEventKind::RunStart) return true;
        }
        return false;
    };
    QTRY_VERIFY(restarted());
    QTRY_COMPARE(app.Doc().m_pWorker->m_runState.load(), core::RunState::WaitingToStart);
}

void SessionCommandsTest::Step(CAppUnderTest& app, int count) {
    for (int i = 0; i < count; ++i) {
        const uint64_t passes = InstructionCount;
        Trigger(app, ID_SINGLE_STEP);
        QTRY_COMPARE(InstructionCount.load(), passes + 1);
        QTRY_COMPARE(app.Doc().m_pWorker->m_runState.load(), core::RunState::Paused);
    }
}

void SessionCommandsTest::EndRecording(CAppUnderTest& app, const QString& path) {
    app.m_dialogs.m_savePaths.append(path);
    Trigger(app, ID_RECORD_END);
    QTRY_VERIFY(app.Frame().Action(ID_RECORD_START)->isEnabled());
    QVERIFY(!app.Frame().Action(ID_RECORD_END)->isEnabled());
    QVERIFY(app.Frame().findChild<CSessionCommands*>()->RecordingMark()->isHidden());
    QCOMPARE(app.Frame().statusBar()->currentMessage(),
             QStringLiteral("Sesija snimljena u ") + path + QStringLiteral(": ") +
                 RecordingLength(core::CycleCount, app.Frame().Time()->OscillatorHz()));
}

int SessionCommandsTest::LumoRun(const QStringList& arguments) {
    QProcess run;
    run.start(QStringLiteral(LUMO_BIN_DIR "/lumo-run"), arguments);
    if (!run.waitForFinished(60000)) return -1;
    if (run.exitCode() != 0) qWarning("%s", run.readAll().constData());
    return run.exitCode();
}

void SessionCommandsTest::recordedSessionWithClicksPassesInLumoRun() {
    CAppUnderTest app;
    LoadAndRecord(app);
    Step(app, 6);
    core::ClickPin(PORTB, 0x01);
    Step(app, 5);
    core::ClickPin(PORTB, 0x10);
    core::ClickPin(PORTB, 0x01);
    Step(app, 3);
    // Clicks while the worker runs at full speed reach it between passes.
    Trigger(app, ID_CONTINUOUS_RUN);
    QTRY_VERIFY(InstructionCount > 2000);
    core::ClickPin(PORTB, 0x40);
    QTRY_VERIFY(InstructionCount > 4000);

    const QString scenario = m_folder->Path("sesija.yaml");
    EndRecording(app, scenario);
    const QByteArray text = ReadBytes(scenario);
    QCOMPARE(text.count("click:"), 4);
    QVERIFY(text.contains("program: prog.asm"));
    QCOMPARE(LumoRun({QStringLiteral("--scenario"), scenario}), 0);
}

void SessionCommandsTest::recordedSessionWithEditsPassesInLumoRun() {
    CAppUnderTest app;
    LoadAndRecord(app);
    Step(app, 5);
    // Register 0x20, the sum, and then W, through the editor of the display.
    for (const auto& [point, value] : {std::pair{QPoint(194, 80), "0x40"}, {QPoint(20, 8), "7"}}) {
        WhenModal<CRegisterEditDlg>([value = value](CRegisterEditDlg& dialog) {
            dialog.ValueField()->setText(QString::fromLatin1(value));
            dialog.accept();
        });
        QTest::mouseDClick(app.Frame().OutputView()->viewport(), Qt::LeftButton, {}, point);
    }
    QTRY_COMPARE(int(W), 7);
    QCOMPARE(int(RegisterFile[0x20]), 0x40);
    Step(app, 3);

    const QString scenario = m_folder->Path("sesija.yaml");
    EndRecording(app, scenario);
    const QByteArray text = ReadBytes(scenario);
    QVERIFY2(text.contains("- set: {0x20: 0x40}\n  - set: {W: 0x07}\n"), text.constData());
    QCOMPARE(LumoRun({QStringLiteral("--scenario"), scenario}), 0);
}

void SessionCommandsTest::exportedWaveformIsLumoRunsOwn_data() {
    QTest::addColumn<QList<int>>("clicks");  // the passes of RB0 clicks
    QTest::newRow("without clicks") << QList<int>{};
    // At the start, in the middle, twice at one pass and at the pass on show.
    QTest::newRow("with clicks") << QList<int>{0, 7, 19, 19, 40};
}

void SessionCommandsTest::exportedWaveformIsLumoRunsOwn() {
    QFETCH(QList<int>, clicks);
    CAppUnderTest app;
    LoadAndRecord(app);
    for (int pass = 0; pass <= 40; ++pass) {
        for (const int at : clicks) {
            if (at == pass) core::ClickPin(PORTB, 0x01);
        }
        if (pass < 40) Step(app, 1);
    }
    const uint64_t passes = InstructionCount;
    const QString scenario = m_folder->Path("sesija.yaml");
    EndRecording(app, scenario);

    const QString cli = m_folder->Path("lumo-run.vcd");
    QCOMPARE(LumoRun({QStringLiteral("--scenario"), scenario, QStringLiteral("--vcd"), cli}), 0);
    const QByteArray expected = ReadBytes(cli);
    QVERIFY(expected.contains("$enddefinitions"));
    QVERIFY(expected.count("\n1m\n") >= 3);  // RB7 went high again and again

    ExportWaveforms(app, m_folder->Path("prozor.vcd"), expected);
    // The export goes back through the run and leaves the machine as it was.
    QCOMPARE(InstructionCount.load(), passes);

    // The same run played from its recording exports the same dump.
    Trigger(app, ID_RESTART);
    app.m_dialogs.m_openPaths.append(scenario);
    Trigger(app, ID_REPLAY);
    QTRY_VERIFY(app.Frame().statusBar()->currentMessage().contains(QStringLiteral("PROSAO")));
    ExportWaveforms(app, m_folder->Path("snimak.vcd"), expected);
}

void SessionCommandsTest::ExportWaveforms(CAppUnderTest& app, const QString& path,
                                          const QByteArray& expected) {
    app.m_dialogs.m_savePaths.append(path);
    Trigger(app, ID_EXPORT_VCD);
    QTRY_COMPARE(app.Frame().statusBar()->currentMessage(),
                 QStringLiteral("Talasni oblici upisani u ") + path);
    QCOMPARE(ReadBytes(path), expected);
}

// The length a finished recording reports: the cycles its limit covers and
// what they last on the chip at its clock.
void SessionCommandsTest::recordingLengthInCyclesAndChipSeconds() {
    QCOMPARE(RecordingLength(1'300'000'000, 4e6),
             QStringLiteral("1300000000 ciklusa, 1300 s rada procesora"));
    QCOMPARE(RecordingLength(12, 4e6), QStringLiteral("12 ciklusa, 0.000012 s rada procesora"));
    QCOMPARE(RecordingLength(32768, 32768), QStringLiteral("32768 ciklusa, 4 s rada procesora"));
}

QTEST_MAIN(SessionCommandsTest)
#include "test_session_commands.moc"
