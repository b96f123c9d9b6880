// The stopwatch, the oscillator setting, going back from the window and the
// events pane, with a real program on the running worker.
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include "core/history.h"
#include "core/pin_input.h"
#include "core/state.h"
#include "support/app_fixture.h"
#include "ui/command_ids.h"
#include "ui/events_pane.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/time_commands.h"

class TestTime : public QObject {
    Q_OBJECT
private slots:
    void stopwatchTextAtTheOscillatorFrequency() {
        QCOMPARE(CTimeCommands::StopwatchText(0, 4e6),
                 QStringLiteral("Ciklusi: 0  Vreme: 0.000 us"));
        QCOMPARE(CTimeCommands::StopwatchText(250, 4e6),
                 QStringLiteral("Ciklusi: 250  Vreme: 250.000 us"));
        QCOMPARE(CTimeCommands::StopwatchText(1000, 4e6),
                 QStringLiteral("Ciklusi: 1000  Vreme: 1.000 ms"));
        QCOMPARE(CTimeCommands::StopwatchText(3, 32768),
                 QStringLiteral("Ciklusi: 3  Vreme: 366.211 us"));
        QCOMPARE(CTimeCommands::StopwatchText(2500000, 10e6),
                 QStringLiteral("Ciklusi: 2500000  Vreme: 1.000 s"));
    }

    void stepBackTheStopwatchAndTheEventsPane() {
        CAppUnderTest app(QString::fromUtf8(LUMO_SOURCE_DIR "/examples/timer_blink.asm"));
        QVERIFY(app.Started());
        CMainFrame& frame = app.Frame();
        CTimeCommands& time = *frame.Time();
        QCOMPARE(time.OscillatorHz(), 4e6);
        frame.Action(ID_ASSEMBLE)->trigger();
        QVERIFY(AssemblerEnded(frame));
        QVERIFY(ProgramEnd > 0);
        for (int step = 1; step <= 4; ++step) {
            frame.Action(ID_SINGLE_STEP)->trigger();
            QTRY_COMPARE(InstructionCount, uint64_t(step));
        }
        const uint64_t cycles = core::CycleCount;
        time.UpdateStopwatch();
        QCOMPARE(time.Stopwatch()->text(), CTimeCommands::StopwatchText(cycles, 4e6));

        const uint16_t pc = PC;
        frame.Action(ID_STEP_BACK)->trigger();
        QTRY_COMPARE(InstructionCount, uint64_t(3));
        QVERIFY(PC != pc || core::CycleCount < cycles);
        frame.Action(ID_SINGLE_STEP)->trigger();
        QTRY_COMPARE(InstructionCount, uint64_t(4));
        QCOMPARE(PC, pc);
        QCOMPARE(core::CycleCount, cycles);

        // Zeroing counts from here; a new oscillator is kept in the settings.
        frame.Action(ID_ZERO_STOPWATCH)->trigger();
        QCOMPARE(time.Stopwatch()->text(), CTimeCommands::StopwatchText(0, 4e6));
        frame.Action(ID_OSCILLATOR)->trigger();
        auto* dialog = frame.findChild<QInputDialog*>(QStringLiteral("oscillator"));
        QVERIFY(dialog);
        QCOMPARE(dialog->doubleValue(), 4.0);
        dialog->setDoubleValue(8.0);
        dialog->accept();
        QCOMPARE(time.OscillatorHz(), 8e6);
        QCOMPARE(QSettings().value("simulator/oscillatorHz").toDouble(), 8e6);
        time.SetOscillatorHz(4e6);

        // The pane opens from the View menu and lists the run's start.
        CEventsPane& pane = *time.Events();
        QVERIFY(!pane.isVisible());
        frame.Action(ID_VIEW_EVENTS)->trigger();
        QVERIFY(pane.isVisible());
        pane.Update();
        QTableWidget& table = *pane.Table();
        QVERIFY(table.rowCount() > 0);
        int startRow = -1;
        for (int row = 0; row < table.rowCount(); ++row) {
            if (table.item(row, 3)->text() == QStringLiteral("Pocetak izvrsavanja")) startRow = row;
        }
        QVERIFY(startRow >= 0);
        // A double-click goes to that moment.
        emit table.cellDoubleClicked(startRow, 0);
        QTRY_COMPARE(InstructionCount, uint64_t(0));
        QCOMPARE(PC, uint16_t(5));
        // Filtering by kind keeps only that kind.
        pane.Filter()->setCurrentIndex(pane.Filter()->findText(QStringLiteral("Pinovi")));
        QCOMPARE(table.rowCount(), 0);
    }

    // A step back and a new input start a new future: the pane forgets the
    // events of the old one instead of listing them out of order.
    void anAbandonedFutureLeavesTheEventsPane() {
        CAppUnderTest app(QString::fromUtf8(LUMO_SOURCE_DIR "/examples/timer_blink.asm"));
        QVERIFY(app.Started());
        CMainFrame& frame = app.Frame();
        frame.Action(ID_ASSEMBLE)->trigger();
        QVERIFY(AssemblerEnded(frame));
        CEventsPane& pane = *frame.Time()->Events();
        auto pinRows = [&] {
            pane.Update();
            QStringList rows;
            for (int row = 0; row < pane.Table()->rowCount(); ++row) {
                const QString text = pane.Table()->item(row, 3)->text();
                if (text.startsWith(QStringLiteral("Pin "))) rows << text;
            }
            return rows;
        };
        auto step = [&](QAction* action, uint64_t pass) {
            action->trigger();
            QTRY_COMPARE(InstructionCount, pass);
        };
        for (uint64_t pass = 1; pass <= 4; ++pass) step(frame.Action(ID_SINGLE_STEP), pass);
        QVERIFY(core::ClickPin(PORTA, 0x01));
        QTRY_COMPARE(pinRows().size(), 1);
        const QString oldClick = pinRows().front();
        step(frame.Action(ID_SINGLE_STEP), 5);
        step(frame.Action(ID_STEP_BACK), 4);
        step(frame.Action(ID_STEP_BACK), 3);
        // Stepping back alone keeps the future.
        QCOMPARE(pinRows(), QStringList{oldClick});

        QVERIFY(core::ClickPin(PORTA, 0x02));
        QTRY_VERIFY(pinRows().size() == 1 && pinRows().front() != oldClick);
    }
};

QTEST_MAIN(TestTime)
#include "test_time.moc"
