// The logic analyser as a user works it: a trigger typed into its box stops
// the run at the pins' edge, a pin's name shows its period, cursor A moves
// the machine to the change nearest the click and B measures from it.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "build/source_file.h"
#include "core/cpu_unit.h"
#include "core/pin_signal.h"
#include "core/pin_trace.h"
#include "core/pin_watch.h"
#include "core/state.h"
#include "support/app_fixture.h"
#include "ui/command_ids.h"
#include "ui/logic_analyser_pane.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/time_commands.h"

namespace {
// Port B counts up from cycle 4 on, one every 3 cycles: RB0 rises at 4, 10,
// 16, ..., a period of 6 cycles, high half of it.
const QByteArray kCount =
    "\torg\t5\n"
    "\tbsf\t3,5\n"
    "\tclrf\t0x86\n"
    "\tbcf\t3,5\n"
    "loop\tincf\t6,f\n"
    "\tgoto\tloop\n"
    "\tend\n";
constexpr int kRb0 = 5;  // its row, after RA0-RA4
}  // namespace

class LogicAnalyserTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() {
        SimSpeedMs = 200;
        core::PinTrigger.Clear();
    }
    void triggerPeriodAndCursors();
    void boardGroupsUnderThePins();

private:
    static void Trigger(CAppUnderTest& app, int id) { app.Frame().Action(id)->trigger(); }
    // Runs at full speed until the worker pauses by itself.
    static void RunToPause(CAppUnderTest& app);

    std::unique_ptr<CScratchFolder> m_folder;
};

void LogicAnalyserTest::init() {
    CAppUnderTest::ClearSettings();
    m_folder = std::make_unique<CScratchFolder>();
    QVERIFY(m_folder->IsValid());
    SourceFolder.clear();
    SourceFileName.clear();
    SimSpeedMs = 0;
}

void LogicAnalyserTest::RunToPause(CAppUnderTest& app) {
    const uint64_t before = InstructionCount;
    Trigger(app, ID_CONTINUOUS_RUN);
    QTRY_VERIFY(InstructionCount > before && app.Doc().m_pWorker->m_bPaused);
    QTRY_COMPARE(app.Doc().m_pWorker->m_runState.load(), core::RunState::Paused);
}

void LogicAnalyserTest::triggerPeriodAndCursors() {
    CAppUnderTest app;
    const QString path = m_folder->Path("count.asm");
    WriteBytes(path, kCount);
    app.m_dialogs.m_openPaths.append(path);
    Trigger(app, ID_FILE_OPEN);
    Trigger(app, ID_ASSEMBLE);
    QVERIFY(AssemblerEnded(app.Frame()));
    QTRY_VERIFY(app.Doc().m_pWorker->m_bPaused);
    app.Frame().Action(ID_VIEW_ANALYSER)->setChecked(true);
    CLogicAnalyserPane* pane = app.Frame().Time()->Analyser();
    QTRY_VERIFY(pane->isVisible());

    // Typed in any case, shown as the analyser reads it.
    QTest::keyClicks(pane->Condition(), QStringLiteral("rb0:rise"));
    QTest::keyClick(pane->Condition(), Qt::Key_Return);
    QCOMPARE(pane->Condition()->text(), QStringLiteral("RB0:rise"));
    RunToPause(app);
    QCOMPARE(core::CycleCount.load(), uint64_t{4});
    RunToPause(app);
    QCOMPARE(core::CycleCount.load(), uint64_t{10});

    QTest::keyClicks(pane->Condition(), QStringLiteral(",nonsense"));
    QTest::keyClick(pane->Condition(), Qt::Key_Return);
    QCOMPARE(pane->Condition()->styleSheet(), QStringLiteral("color: red"));
    pane->Condition()->clear();
    QTest::keyClick(pane->Condition(), Qt::Key_Return);
    Trigger(app, ID_CONTINUOUS_RUN);
    QTRY_VERIFY(core::CycleCount > 3000);
    Trigger(app, ID_STOP_SIMULATION);
    QTRY_COMPARE(app.Doc().m_pWorker->m_runState.load(), core::RunState::Paused);
    const uint64_t end = core::CycleCount;

    CTraceView* traces = pane->Traces();
    traces->ShowWhole();
    QTest::mouseClick(traces, Qt::LeftButton, {}, QPoint(5, kRb0 * CTraceView::kRowHeight + 9));
    QTRY_VERIFY(pane->Readout()->text().contains(
        QStringLiteral("RB0: perioda 6 ciklusa (6.000 us), 166666.67 Hz, faktor ispune 50.0 %")));

    // A: the machine goes back to the change nearest the click.
    const int x = CTraceView::kNameWidth + (traces->width() - CTraceView::kNameWidth) / 3;
    QTest::mouseClick(traces, Qt::LeftButton, {}, QPoint(x, 40));
    QVERIFY(traces->HasCursor(0));
    const std::optional<core::SPinChange> nearest = traces->NearestChange(traces->Cursor(0));
    QVERIFY(nearest.has_value());
    QTRY_COMPARE(InstructionCount.load(), nearest->pass);
    QVERIFY(core::CycleCount < end);
    // B: the interval between the two, both ways round.
    QTest::mouseClick(traces, Qt::RightButton, {}, QPoint(x / 2 + 20, 40));
    QVERIFY(traces->HasCursor(1));
    const uint64_t a = traces->Cursor(0), b = traces->Cursor(1);
    QVERIFY(b < a);
    QVERIFY2(pane->Readout()->text().contains(QStringLiteral("B-A: %1 ciklusa").arg(a - b)),
             qPrintable(pane->Readout()->text()));
}

// A board beside the program: its parts follow the pins as groups of rows,
// an LED's trace is its pin's, and a click on a part's name folds its group.
void LogicAnalyserTest::boardGroupsUnderThePins() {
    CAppUnderTest app;
    const QString path = m_folder->Path("count.asm");
    WriteBytes(path, kCount);
    WriteBytes(m_folder->Path("count.board.yaml"),
               "parts:\n  - led: {name: LAMP, pin: RB0}\n  - button: {name: GO, pin: RA4}\n");
    app.m_dialogs.m_openPaths.append(path);
    Trigger(app, ID_FILE_OPEN);
    Trigger(app, ID_ASSEMBLE);
    QVERIFY(AssemblerEnded(app.Frame()));
    QTRY_VERIFY(app.Doc().m_pWorker->m_bPaused);
    app.Frame().Action(ID_VIEW_ANALYSER)->setChecked(true);
    Trigger(app, ID_CONTINUOUS_RUN);
    QTRY_VERIFY(core::CycleCount > 300);
    Trigger(app, ID_STOP_SIMULATION);
    QTRY_COMPARE(app.Doc().m_pWorker->m_runState.load(), core::RunState::Paused);
    CTraceView* traces = app.Frame().Time()->Analyser()->Traces();
    traces->ShowWhole();

    // 13 pins, LAMP and its lit, GO and its held and level.
    QCOMPARE(traces->Rows().size(), size_t{18});
    std::vector<core::SSignalStep> rb0;
    for (const core::SPinEdge& edge : core::PinEdges(traces->Copy().changes, kRb0)) {
        if (rb0.empty() || rb0.back().value != edge.level) rb0.push_back({edge.cycle, edge.level});
    }
    QVERIFY(rb0.size() > 20 &&
            core::BoardSignalSteps(traces->Copy(), traces->BoardSignals()[0]) == rb0);
    QTest::mouseClick(traces, Qt::LeftButton, {},
                      QPoint(traces->width() / 2, 13 * CTraceView::kRowHeight + 9));
    QCOMPARE(traces->Rows().size(), size_t{17});
    QCOMPARE(traces->Rows()[14].kind, CTraceView::SRow::EKind::Part);
    QVERIFY(!traces->HasCursor(0));
}

QTEST_MAIN(LogicAnalyserTest)
#include "test_logic_analyser.moc"
