// The run-time checks in the window: a check that fires marks its line with
// a note and lists itself in the messages pane; Options > Provere switches a
// kind off for the next run and keeps the choice.
#include <QAction>
#include <QMenu>
#include <QtTest>

#include "build/source_file.h"
#include "core/check_wiring.h"
#include "support/app_fixture.h"
#include "ui/check_commands.h"
#include "ui/command_ids.h"
#include "ui/edit_view.h"
#include "ui/main_frame.h"
#include "ui/messages_pane.h"

class CheckMarksTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        CAppUnderTest::ClearSettings();
        SourceFolder.clear();
        SourceFileName.clear();
    }

    void aFiredCheckMarksItsLineAndCanBeSwitchedOff() {
        CScratchFolder folder;
        const QString source = folder.Path("bank.asm");
        // Line 5 names TRISB of bank 1 while bank 0 is selected.
        WriteBytes(source,
                   "\tlist\tp=16c84\n\t#include <p16c84.inc>\n\torg\t5\nstart\tnop\n"
                   "\tclrf\tTRISB\n\tgoto\tstart\n\tend\n");
        {
            CAppUnderTest app(source);
            CMainFrame& frame = app.Frame();
            QCOMPARE(core::ChecksOn.load(), core::kAllChecks);
            frame.Action(ID_ASSEMBLE)->trigger();
            QVERIFY(AssemblerEnded(frame));
            frame.Action(ID_CONTINUOUS_RUN)->trigger();
            CEditView* editor = frame.EditView();
            QTRY_VERIFY2(editor->annotation(4).contains("provera bank"),
                         qPrintable(editor->annotation(4)));
            QVERIFY(editor->annotation(4).contains("PORTB"));
            QVERIFY(editor->annotation(3).isEmpty());
            QTRY_VERIFY(!frame.Messages()->Lines().filter("bank.asm:5: provera bank").isEmpty());
            frame.Action(ID_STOP_SIMULATION)->trigger();

            QMenu* checks = frame.findChild<QMenu*>();
            for (QMenu* menu : frame.findChildren<QMenu*>()) {
                if (menu->title() == "Provere") checks = menu;  // the Serbian window
            }
            QCOMPARE(checks->title(), QString("Provere"));
            const QString bankTitle = CCheckCommands::KindTitle(core::ECheckKind::Bank);
            for (QAction* action : checks->actions()) {
                if (action->text() == bankTitle) action->trigger();
            }
            QCOMPARE(core::ChecksOn.load(),
                     core::kAllChecks & ~core::CheckBit(core::ECheckKind::Bank));
        }
        CAppUnderTest again;
        QCOMPARE(core::ChecksOn.load(), core::kAllChecks & ~core::CheckBit(core::ECheckKind::Bank));
        core::ChecksOn = 0;
    }
};

QTEST_MAIN(CheckMarksTest)
#include "test_check_marks.moc"
