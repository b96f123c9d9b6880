// View > Profil in the window: the program memory pane's column, the
// editor's heat margin with the lines never run, the routines' pane, all
// following steps and a step back; off again, the window is as before.
#include <QAction>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include "build/source_file.h"
#include "core/cpu_unit.h"
#include "core/profile_counters.h"
#include "core/state.h"
#include "support/app_fixture.h"
#include "ui/command_ids.h"
#include "ui/edit_view.h"
#include "ui/heat_margin.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/profile_commands.h"
#include "ui/profile_pane.h"
#include "ui/program_memory_pane.h"
#include "view_test_hooks.h"

namespace {
// Lines 5-11 give words 5-11; the last is never reached.
const QByteArray kProgram =
    "\tcblock\t0x0C\n"
    "\tpresses, depth\n\tendc\n"
    "\torg\t5\n"
    "start\tclrf\tpresses\n"
    "loop\tincf\tpresses,f\n"
    "\tcall\tsub\n"
    "\tgoto\tloop\n"
    "sub\tincf\tdepth,f\n"
    "\treturn\n"
    "never\tclrf\tdepth\n"
    "\tend\n";
}  // namespace

class ProfileTest : public QObject {
    Q_OBJECT
private slots:
    void columnMarginAndPaneFollowTheRun();
};

void ProfileTest::columnMarginAndPaneFollowTheRun() {
    CAppUnderTest::ClearSettings();
    CScratchFolder folder;
    SourceFolder.clear();
    SourceFileName.clear();
    CAppUnderTest app;
    const QString path = folder.Path("prog.asm");
    WriteBytes(path, kProgram);
    app.m_dialogs.m_openPaths.append(path);
    app.Frame().Action(ID_FILE_OPEN)->trigger();
    app.Frame().Action(ID_ASSEMBLE)->trigger();
    QVERIFY(AssemblerEnded(app.Frame()));
    QTRY_VERIFY(app.Doc().m_pWorker->m_bPaused);
    app.Frame().Action(ID_VIEW_PROGRAM_MEMORY)->trigger();
    auto* program = app.Frame().findChild<CProgramMemoryPane*>();
    auto* profile = app.Frame().findChild<CProfileCommands*>();
    CEditView* editor = app.Frame().EditView();
    QVERIFY(program->View()->isColumnHidden(CProgramMemoryModel::kProfile));
    QCOMPARE(editor->marginWidth(CHeatMargin::kMargin), 0);

    app.Frame().Action(ID_VIEW_PROFILE)->trigger();
    QVERIFY(core::Profile.on);
    QVERIFY(profile->Pane()->isVisible());
    QVERIFY(!program->View()->isColumnHidden(CProgramMemoryModel::kProfile));
    QVERIFY(editor->marginWidth(CHeatMargin::kMargin) > 0);

    // CLRF, INCF, CALL, INCF, RETURN, GOTO, INCF, CALL.
    const auto step = [&app](int id, uint64_t to) {
        app.Frame().Action(id)->trigger();
        QTRY_COMPARE(uint64_t(InstructionCount), to);
        QTRY_VERIFY(app.Doc().m_pWorker->m_runState != core::RunState::Running);
    };
    for (uint64_t pass = 1; pass <= 8; ++pass) step(ID_SINGLE_STEP, pass);
    const auto cell = [program](int word) {
        return program->Model()
            ->data(program->Model()->index(word, CProgramMemoryModel::kProfile), Qt::DisplayRole)
            .toString();
    };
    QTRY_COMPARE(cell(7), QStringLiteral("2 / 4"));
    QCOMPARE(cell(6), QStringLiteral("2 / 2"));
    QCOMPARE(cell(11), QStringLiteral("0 / 0"));
    // The CALL's line is the busiest; CLRF's took a quarter of its cycles;
    // the line after RETURN never ran; the lines without code have no mark.
    const CHeatMargin& heat = profile->Heat();
    // Waited for on CLRF's line: its quarter holds only once the second CALL
    // is in the margin, while the CALL's line tops an earlier repaint too.
    QTRY_COMPARE(heat.MarkerOf(4), CHeatMargin::kFirstLevel + 1);
    QCOMPARE(heat.MarkerOf(6), CHeatMargin::kFirstLevel + CHeatMargin::kLevels - 1);
    QCOMPARE(heat.MarkerOf(10), CHeatMargin::kNeverRan);
    QCOMPARE(heat.MarkerOf(3), -1);
    QVERIFY(editor->markersAtLine(6) & (1 << heat.MarkerOf(6)));
    QTableWidget* routines = profile->Pane()->Table();
    QCOMPARE(routines->rowCount(), 2);
    QCOMPARE(routines->item(0, 0)->text(), QStringLiteral("start"));
    QCOMPARE(routines->item(1, 0)->text(), QStringLiteral("sub"));
    QCOMPARE(routines->item(1, 2)->text(), QStringLiteral("2"));

    // A step back takes the second CALL back out of the figures.
    step(ID_STEP_BACK, 7);
    QTRY_COMPARE(cell(7), QStringLiteral("1 / 2"));

    app.Frame().Action(ID_VIEW_PROFILE)->trigger();
    QVERIFY(!core::Profile.on);
    QVERIFY(!profile->Pane()->isVisible());
    QVERIFY(program->View()->isColumnHidden(CProgramMemoryModel::kProfile));
    QCOMPARE(editor->marginWidth(CHeatMargin::kMargin), 0);
    QCOMPARE(editor->markersAtLine(10) & (1 << CHeatMargin::kNeverRan), 0u);
}

QTEST_MAIN(ProfileTest)
#include "test_profile.moc"
