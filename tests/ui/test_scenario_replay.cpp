// A scenario replayed in the window: the clicks come at their cycles as the
// user's own, the run pauses at every expect and at a failure with lumo-run's
// words, and a recorded session replays to the state it was recorded in.
#include <QAction>
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

namespace {
// At word 5: movlw 0x81, movwf 0x20, then goto itself.
const QByteArray kStoreHex = ":06000A008130A000072870\n:00000001FF\n";
// Runs off the end of program memory after four cycles.
const QByteArray kOffTheEnd = "\torg\t5\n\tgoto\t0x3FE\n\torg\t0x3FE\n\tnop\n\tnop\n\tend\n";
}  // namespace

class ScenarioReplayTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { SimSpeedMs = 200; }
    void pausesAtEachExpectWithClickAtItsCycle();
    void recordedSessionReplaysToTheRecordedState();
    void failuresPauseWithLumoRunsWords_data();
    void failuresPauseWithLumoRunsWords();
    void stopEndsTheReplay();
    void malformedScenarioIsReportedWithItsPlace();
    void hexProgramPlaysBesideTheEditorsSource();

private:
    QString Write(const QString& name, const QByteArray& text) const;
    static void Trigger(CAppUnderTest& app, int id) { app.Frame().Action(id)->trigger(); }
    static QString Status(CAppUnderTest& app) { return app.Frame().statusBar()->currentMessage(); }
    static void Replay(CAppUnderTest& app, const QString& scenario);
    static core::RunState State(CAppUnderTest& app) { return app.Doc().m_pWorker->m_runState; }
    static QString LumoRunReport(const QString& scenario);

    std::unique_ptr<CScratchFolder> m_folder;
};

void ScenarioReplayTest::init() {
    CAppUnderTest::ClearSettings();
    m_folder = std::make_unique<CScratchFolder>();
    QVERIFY(m_folder->IsValid());
    SourceFolder.clear();
    SourceFileName.clear();
    SimSpeedMs = 0;
}

QString ScenarioReplayTest::Write(const QString& name, const QByteArray& text) const {
    const QString path = m_folder->Path(name);
    WriteBytes(path, text);
    return path;
}

void ScenarioReplayTest::Replay(CAppUnderTest& app, const QString& scenario) {
    app.m_dialogs.m_openPaths.append(scenario);
    Trigger(app, ID_REPLAY);
}

QString ScenarioReplayTest::LumoRunReport(const QString& scenario) {
    QProcess run;
    run.start(QStringLiteral(LUMO_BIN_DIR "/lumo-run"), {QStringLiteral("--scenario"), scenario});
    if (!run.waitForFinished(60000)) return {};
    return QString::fromUtf8(run.readAllStandardOutput());
}

void ScenarioReplayTest::pausesAtEachExpectWithClickAtItsCycle() {
    Write(QStringLiteral("prog.asm"), kToggleAndSum);
    const QString scenario = Write(QStringLiteral("koraci.yaml"),
                                   "program: prog.asm\n"
                                   "steps:\n"
                                   "  - run: {until: loop}\n"
                                   "  - expect: {PC: loop, cycles: 3}\n"
                                   "  - click: RB0\n"
                                   "  - run: {instructions: 4}\n"
                                   "  - expect: {\"0x20\": 0x81, W: 0x81}\n"
                                   "  - run: {us: 10}\n");
    SimSpeedMs = 5;  // a visible pace: the pauses come from the scenario
    CAppUnderTest app;
    const uint64_t before = core::EventLog.LastSerial();
    Replay(app, scenario);
    QTRY_COMPARE(Status(app), QStringLiteral("Korak 2/6 ispunjen (koraci.yaml:4 expect). F5 ili "
                                             "Ctrl+F5 nastavlja, Shift+F5 prekida."));
    QCOMPARE(app.Frame().statusBar()->toolTip(), Status(app));
    QTRY_COMPARE(State(app), core::RunState::Paused);
    QCOMPARE(InstructionCount.load(), 3u);
    QTest::qWait(50);
    QCOMPARE(InstructionCount.load(), 3u);  // it waits for the user

    // Ctrl+F5 goes on by one instruction, F5 to the next checkpoint; the
    // click lands before the fourth instruction, as a click of the user's.
    Trigger(app, ID_SINGLE_STEP);
    QTRY_COMPARE(InstructionCount.load(), 4u);
    QTRY_COMPARE(State(app), core::RunState::Paused);
    QCOMPARE(RegisterFile[PORTB] & 1, 1);
    Trigger(app, ID_CONTINUOUS_RUN);
    QTRY_VERIFY(Status(app).startsWith(QStringLiteral("Korak 5/6 ispunjen")));
    QCOMPARE(InstructionCount.load(), 7u);
    std::vector<core::SEvent> clicks;
    for (const core::SEvent& event : core::EventLog.Since(before)) {
        if (event.kind == core::EEventKind::Pin) clicks.push_back(event);
    }
    QCOMPARE(clicks.size(), size_t{1});
    QCOMPARE(clicks[0].text, std::string("RB0"));
    QCOMPARE(clicks[0].pass, 3u);
    QCOMPARE(clicks[0].cycle, 3u);

    Trigger(app, ID_CONTINUOUS_RUN);
    QTRY_VERIFY(
        Status(app).startsWith(QStringLiteral("Korak 6/6 ispunjen, snimak zavrsen: PROSAO")));
    QTRY_COMPARE(State(app), core::RunState::Paused);
    QVERIFY(core::CycleCount >= 7u + 10u);
    QVERIFY(core::CycleCount <= 7u + 11u);
}

void ScenarioReplayTest::recordedSessionReplaysToTheRecordedState() {
    const QString program = Write(QStringLiteral("prog.asm"), kToggleAndSum);
    CAppUnderTest app;
    app.m_dialogs.m_openPaths.append(program);
    Trigger(app, ID_FILE_OPEN);
    Trigger(app, ID_ASSEMBLE);
    QVERIFY(AssemblerEnded(app.Frame()));
    const uint64_t serial = core::EventLog.LastSerial();
    Trigger(app, ID_RECORD_START);
    const auto restarted = [serial] {
        for (const core::SEvent& event : core::EventLog.Since(serial)) {
            if (event.kind == core::EEventKind::RunStart) return true;
        }
        return false;
    };
    QTRY_VERIFY(restarted());
    QTRY_COMPARE(State(app), core::RunState::WaitingToStart);
    const uint8_t pins[] = {0x01, 0x10, 0x01, 0x40, 0x02};
    for (const uint8_t pin : pins) {
        for (int i = 0; i < 3; ++i) {
            const uint64_t passes = InstructionCount;
            Trigger(app, ID_SINGLE_STEP);
            QTRY_COMPARE(InstructionCount.load(), passes + 1);
            QTRY_COMPARE(State(app), core::RunState::Paused);
        }
        core::ClickPin(PORTB, pin);
    }
    Trigger(app, ID_CONTINUOUS_RUN);
    QTRY_VERIFY(InstructionCount > 3000);
    core::ClickPin(PORTB, 0x20);
    QTRY_VERIFY(InstructionCount > 6000);
    const QString scenario = m_folder->Path(QStringLiteral("sesija.yaml"));
    app.m_dialogs.m_savePaths.append(scenario);
    Trigger(app, ID_RECORD_END);
    QTRY_VERIFY(Status(app).startsWith(QStringLiteral("Sesija snimljena")));
    const core::SChipState recorded = core::Chip;

    // Elsewhere first, so the replay has to get there itself.
    Trigger(app, ID_RESTART);
    core::ClickPin(PORTB, 0x80 >> 1);
    Replay(app, scenario);
    QTRY_VERIFY(Status(app).contains(QStringLiteral(" ispunjen, snimak zavrsen: PROSAO")));
    QTRY_COMPARE(State(app), core::RunState::Paused);
    QVERIFY(core::Chip == recorded);
}

void ScenarioReplayTest::failuresPauseWithLumoRunsWords_data() {
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<QByteArray>("steps");
    QTest::addColumn<int>("speedMs");
    QTest::addColumn<int>("failing");
    // At full speed the worker runs long slices: they must end where
    // lumo-run's single passes do.
    QTest::newRow("expect") << kToggleAndSum
                            << QByteArray(
                                   "  - run: {cycles: 1001}\n"
                                   "  - expect: {W: 0x55, cycles: 0}\n")
                            << 0 << 2;
    QTest::newRow("limit") << kToggleAndSum
                           << QByteArray("  - run: {until: {RB0: 1}}\n  - expect: {W: 0}\n") << 0
                           << 1;
    QTest::newRow("left the program")
        << kOffTheEnd << QByteArray("  - run: {cycles: 100}\n  - expect: {W: 0}\n") << 0 << 1;
    QTest::newRow("output pin") << kToggleAndSum
                                << QByteArray("  - run: {instructions: 4}\n  - click: RB7\n") << 1
                                << 2;
}

void ScenarioReplayTest::failuresPauseWithLumoRunsWords() {
    QFETCH(QByteArray, program);
    QFETCH(QByteArray, steps);
    QFETCH(int, speedMs);
    QFETCH(int, failing);
    Write(QStringLiteral("prog.asm"), program);
    const QString scenario =
        Write(QStringLiteral("pada.yaml"), "program: prog.asm\nlimit: 5000\nsteps:\n" + steps);
    SimSpeedMs = speedMs;
    CAppUnderTest app;
    Replay(app, scenario);
    const QString prefix = QStringLiteral("Korak %1/2 nije prosao: pada.yaml:").arg(failing);
    QTRY_VERIFY2(Status(app).startsWith(prefix), qPrintable(Status(app)));
    QTRY_COMPARE(State(app), core::RunState::Paused);
    // "LINE step: why; KEY: ocekivano X, stvarno Y" as lumo-run reports it.
    const QString failure = Status(app).mid(prefix.size());
    const QString line = failure.section(QLatin1Char(' '), 0, 0);
    const QString why = failure.section(QLatin1Char(' '), 1).section(QStringLiteral("; "), 0, 0);
    const QString report = LumoRunReport(scenario);
    QVERIFY2(report.contains(QStringLiteral("GRESKA     ") + why), qPrintable(report + why));
    QVERIFY(report.contains(QStringLiteral("pada.yaml:") + line));
    if (failure.contains(QStringLiteral("; "))) {
        const QString mismatch = failure.section(QStringLiteral("; "), 1);
        QVERIFY2(report.contains(mismatch.section(QStringLiteral(": "), 1)),
                 qPrintable(report + mismatch));
    }
    // After a failure the run is the user's again.
    const uint64_t passes = InstructionCount;
    Trigger(app, ID_SINGLE_STEP);
    QTRY_VERIFY(InstructionCount > passes || State(app) == core::RunState::RanOffProgram);
    QVERIFY(Status(app).startsWith(prefix));
}

void ScenarioReplayTest::stopEndsTheReplay() {
    Write(QStringLiteral("prog.asm"), kToggleAndSum);
    const QString scenario = Write(QStringLiteral("dva.yaml"),
                                   "program: prog.asm\n"
                                   "steps:\n"
                                   "  - run: {cycles: 10}\n"
                                   "  - expect: {cycles: \">= 10\"}\n"
                                   "  - run: {cycles: 10}\n"
                                   "  - expect: {cycles: \">= 20\"}\n");
    CAppUnderTest app;
    Replay(app, scenario);
    QTRY_VERIFY(Status(app).startsWith(QStringLiteral("Korak 2/4 ispunjen")));
    Trigger(app, ID_STOP_SIMULATION);
    QCOMPARE(Status(app), QStringLiteral("Snimak prekinut"));
    // The second expect no longer stops the run.
    Trigger(app, ID_CONTINUOUS_RUN);
    QTRY_VERIFY(InstructionCount > 10000);
    QCOMPARE(State(app), core::RunState::Running);
    QCOMPARE(Status(app), QStringLiteral("Snimak prekinut"));
    Trigger(app, ID_STOP_SIMULATION);
}

void ScenarioReplayTest::malformedScenarioIsReportedWithItsPlace() {
    Write(QStringLiteral("prog.asm"), kToggleAndSum);
    const QString scenario = Write(QStringLiteral("lose.yaml"),
                                   "program: prog.asm\n"
                                   "steps:\n"
                                   "  - run: {cycles: 10}\n"
                                   "  - klik: RB0\n");
    CAppUnderTest app;
    Replay(app, scenario);
    const QString status = Status(app);
    QVERIFY2(status.startsWith(QStringLiteral("Snimak nije pusten: ") + scenario + ":4:"),
             qPrintable(status));
    QCOMPARE(State(app), core::RunState::WaitingToStart);

    Replay(app, m_folder->Path(QStringLiteral("nema.yaml")));
    QVERIFY(Status(app).startsWith(QStringLiteral("Snimak nije pusten: ")));
    QVERIFY(Status(app).contains(QStringLiteral("nema.yaml")));
}

void ScenarioReplayTest::hexProgramPlaysBesideTheEditorsSource() {
    const QString source = Write(QStringLiteral("prog.asm"), kToggleAndSum);
    Write(QStringLiteral("gotov.hex"), kStoreHex);
    Write(QStringLiteral("los.hex"), ":0600\n");
    const QString steps = QStringLiteral(
        "steps:\n  - run: {instructions: 2}\n  - expect: {\"0x20\": 0x81, W: 0x81, PC: 7}\n");
    const QString good =
        Write(QStringLiteral("gotov.yaml"), ("program: gotov.hex\n" + steps).toUtf8());
    const QString bad = Write(QStringLiteral("los.yaml"), ("program: los.hex\n" + steps).toUtf8());
    CAppUnderTest app;
    app.m_dialogs.m_openPaths.append(source);
    Trigger(app, ID_FILE_OPEN);

    Replay(app, good);
    QTRY_VERIFY2(
        Status(app).startsWith(QStringLiteral("Korak 2/2 ispunjen, snimak zavrsen: PROSAO")),
        qPrintable(Status(app)));
    QCOMPARE(app.Doc().GetPathName(), source);
    Replay(app, bad);
    QVERIFY2(Status(app).startsWith(QStringLiteral("Snimak nije pusten: program ") +
                                    m_folder->Path(QStringLiteral("los.hex")) +
                                    QStringLiteral(" se nije ucitao: ")),
             qPrintable(Status(app)));

    // F7 assembles the editor's source again, not the file the replay loaded.
    Trigger(app, ID_ASSEMBLE);
    QCOMPARE(SourceFileName, std::string("prog.asm"));
    QVERIFY(ProgramEnd != 0);
}

QTEST_MAIN(ScenarioReplayTest)
#include "test_scenario_replay.moc"
