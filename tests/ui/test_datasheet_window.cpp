// The data-sheet chip in the window: the EEPROM pane shows the program's
// bytes, writes one while the simulation stands (red, replayed over steps
// back and forth), the status bar says when the chip sleeps, and MCLR reset
// starts the program again with the EEPROM kept. On the classic chip the
// pane says there is no EEPROM and MCLR reset stands disabled.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "build/source_file.h"
#include "core/cpu_unit.h"
#include "core/state.h"
#include "support/app_fixture.h"
#include "ui/command_ids.h"
#include "ui/eeprom_pane.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/register_edit_dlg.h"
#include "ui/run_status_panes.h"
#include "view_test_hooks.h"

namespace {
const QByteArray kSleeper =
    "\torg\t0\n\tgoto\tstart\n\torg\t4\n\tretfie\n"
    "start\tmovlw\t1\n\tsleep\n\tgoto\tstart\n"
    "\torg\t0x2100\n\tde\t\"Hi\"\n\tend\n";
}  // namespace

class DatasheetWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        CAppUnderTest::ClearSettings();
        SourceFolder.clear();
        SourceFileName.clear();
    }
    void cleanup() { core::ChipProfile = core::EChipProfile::Classic; }
    void eepromPaneSleepAndMclr();

private:
    static void Step(CAppUnderTest& app, int id = ID_SINGLE_STEP) {
        const uint64_t passes = InstructionCount;
        app.Frame().Action(id)->trigger();
        QTRY_COMPARE(uint64_t(InstructionCount), id == ID_STEP_BACK ? passes - 1 : passes + 1);
        QTRY_VERIFY(app.Doc().m_pWorker->m_runState != core::RunState::Running);
    }
    static QString State(CAppUnderTest& app) { return app.Frame().RunStatus()->StateText(); }
};

void DatasheetWindowTest::eepromPaneSleepAndMclr() {
    CScratchFolder folder;
    const QString path = folder.Path("sleeper.asm");
    WriteBytes(path, kSleeper);
    CAppUnderTest app(path);
    CMainFrame& frame = app.Frame();
    frame.Action(ID_DATASHEET_CHIP)->setChecked(true);
    frame.Action(ID_VIEW_EEPROM)->setChecked(true);
    auto* pane = frame.findChild<CEepromPane*>();
    QTableWidget* table = pane->Table();
    frame.Action(ID_ASSEMBLE)->trigger();
    QVERIFY(AssemblerEnded(frame));
    QTRY_VERIFY(app.Doc().m_pWorker->m_bPaused);
    QTRY_COMPARE(table->item(0, 1)->text(), QStringLiteral("69"));
    QVERIFY(pane->ShowsBytes());
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("48"));
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("FF"));  // erased
    QCOMPARE(table->item(0, 8)->text(), QStringLiteral("Hi......"));
    Step(app);  // GOTO start
    Step(app);  // MOVLW 1

    WhenModal<CRegisterEditDlg>([](CRegisterEditDlg& dialog) {
        QCOMPARE(dialog.ValueField()->text(), QStringLiteral("0xFF"));
        dialog.ValueField()->setText(QStringLiteral("0x41"));
        dialog.OkButton()->click();
    });
    emit table->cellDoubleClicked(0, 2);
    QTRY_COMPARE(int(core::Chip.datasheet.eeprom[2]), 0x41);
    QTRY_COMPARE(table->item(0, 2)->text(), QStringLiteral("41"));
    QCOMPARE(table->item(0, 2)->foreground().color(), QColor(255, 0, 0));
    QCOMPARE(table->item(0, 1)->foreground().color() == QColor(255, 0, 0), false);
    QCOMPARE(table->item(0, 8)->text(), QStringLiteral("HiA....."));

    Step(app);  // SLEEP
    QTRY_VERIFY2(State(app).startsWith(QStringLiteral("Spava (SLEEP)")), qPrintable(State(app)));
    QCOMPARE(table->item(0, 2)->foreground().color() == QColor(255, 0, 0), false);
    Step(app, ID_STEP_BACK);
    Step(app, ID_STEP_BACK);
    QTRY_COMPARE(table->item(0, 2)->text(), QStringLiteral("FF"));
    QCOMPARE(State(app), QStringLiteral("Pauza"));
    Step(app);
    Step(app);
    QTRY_COMPARE(table->item(0, 2)->text(), QStringLiteral("41"));
    QTRY_COMPARE(State(app), QStringLiteral("Spava (SLEEP), pauza"));

    // MCLR wakes the chip at word 0; the EEPROM keeps what it holds.
    QVERIFY(frame.Action(ID_MCLR_RESET)->isEnabled());
    frame.Action(ID_MCLR_RESET)->trigger();
    QTRY_COMPARE(int(PC), 0);
    QTRY_COMPARE(State(app), QStringLiteral("Pauza"));
    QCOMPARE(int(core::Chip.datasheet.eeprom[2]), 0x41);
    QCOMPARE(int(RegisterFile[STATUS] & 0x18), 0x10);  // MCLR while asleep: TO 1, PD 0

    frame.Action(ID_DATASHEET_CHIP)->setChecked(false);
    QTRY_VERIFY(!pane->ShowsBytes());
    QTRY_VERIFY(!frame.Action(ID_MCLR_RESET)->isEnabled());
}

QTEST_MAIN(DatasheetWindowTest)
#include "test_datasheet_window.moc"
