// The panes that show the program in its own words: the watch pane, the
// stack, program and data memory, following steps and going back; the
// register display's tooltips and status bar by the program's names.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include "build/source_file.h"
#include "core/cpu_unit.h"
#include "core/state.h"
#include "support/app_fixture.h"
#include "ui/command_ids.h"
#include "ui/data_memory_pane.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/output_view.h"
#include "ui/program_memory_pane.h"
#include "ui/program_names.h"
#include "ui/program_panes.h"
#include "ui/register_edit_dlg.h"
#include "ui/register_names.h"
#include "ui/source_marks.h"
#include "ui/stack_pane.h"
#include "ui/watch_entry.h"
#include "ui/watch_pane.h"
#include "view_test_hooks.h"

namespace {
// Lines 6-11 give words 5-10: 5 CLRF presses, 6 INCF presses, 7 CALL sub,
// 8 GOTO loop, 9 INCF depth, 10 RETURN.
const QByteArray kProgram =
    "\tcblock\t0x0C\n"
    "\tpresses\n"
    "\tdepth\n"
    "\tendc\n"
    "\torg\t5\n"
    "start\tclrf\tpresses\n"
    "loop\tincf\tpresses,f\n"
    "\tcall\tsub\n"
    "\tgoto\tloop\n"
    "sub\tincf\tdepth,f\n"
    "\treturn\n"
    "\tend\n";

QString Cell(QTableWidget* table, int row, int column) {
    return table->item(row, column) ? table->item(row, column)->text() : QString();
}
bool Red(QTableWidget* table, int row, int column) {
    return table->item(row, column)->foreground().color() == QColor(255, 0, 0);
}
}  // namespace

class ProgramPanesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void watchEntriesNameRegistersAndBits();
    void tooltipAndStatusBarUseTheProgramsNames();
    void panesFollowStepsAndGoingBack();
    void watchListIsKeptAndEditsGoThroughTheInputQueue();

private:
    CProgramPanes& Load(CAppUnderTest& app);
    static void Step(CAppUnderTest& app, int id = ID_SINGLE_STEP);

    std::unique_ptr<CScratchFolder> m_folder;
};

void ProgramPanesTest::init() {
    CAppUnderTest::ClearSettings();
    m_folder = std::make_unique<CScratchFolder>();
    QVERIFY(m_folder->IsValid());
    SourceFolder.clear();
    SourceFileName.clear();
}

CProgramPanes& ProgramPanesTest::Load(CAppUnderTest& app) {
    const QString path = m_folder->Path("prog.asm");
    WriteBytes(path, kProgram);
    app.m_dialogs.m_openPaths.append(path);
    app.Frame().Action(ID_FILE_OPEN)->trigger();
    app.Frame().Action(ID_ASSEMBLE)->trigger();
    [&app] {
        QVERIFY(AssemblerEnded(app.Frame()));
        QTRY_VERIFY(app.Doc().m_pWorker->m_bPaused);
    }();
    for (int id : {ID_VIEW_WATCH, ID_VIEW_STACK, ID_VIEW_PROGRAM_MEMORY, ID_VIEW_DATA_MEMORY})
        app.Frame().Action(id)->trigger();
    return *app.Frame().findChild<CProgramPanes*>();
}

void ProgramPanesTest::Step(CAppUnderTest& app, int id) {
    const uint64_t passes = InstructionCount;
    const uint64_t target = id == ID_STEP_BACK ? passes - 1 : passes + 1;
    app.Frame().Action(id)->trigger();
    QTRY_COMPARE(uint64_t(InstructionCount), target);
    QTRY_VERIFY(app.Doc().m_pWorker->m_runState != core::RunState::Running);
}

void ProgramPanesTest::watchEntriesNameRegistersAndBits() {
    build::CSourceMap map;
    map.symbols = {{"presses", 0x0C, build::CProgramSymbol::EKind::Register},
                   {"start", 5, build::CProgramSymbol::EKind::Label},
                   {"upper", 0x8D, build::CProgramSymbol::EKind::Register}};
    const struct {
        const char* text;
        int reg;
        int bit;  // -2: refused
    } kCases[] = {
        {"presses", 0x0C, -1}, {" Presses ", 0x0C, -1}, {"upper", 0x0D, -1},
        {"PORTB", 0x06, -1},   {"portb,3", 0x06, 3},    {"STATUS,Z", 0x03, 2},
        {"Z", 0x03, 2},        {"GIE", 0x0B, 7},        {"TRISB", 0x86, -1},
        {"0x8C", 0x0C, -1},    {"12", 0x0C, -1},        {"presses,7", 0x0C, 7},
        {"PORTB,9", 0, -2},    {"STATUS,GIE", 0, -2},   {"start", 0, -2},
        {"nowhere", 0, -2},    {"0x200", 0, -2},        {"", 0, -2},
    };
    for (const auto& c : kCases) {
        SWatchEntry entry;
        std::string error;
        const bool read = ParseWatchEntry(c.text, map, &entry, &error);
        QVERIFY2(read == (c.bit != -2), c.text);
        if (!read) {
            QVERIFY2(!error.empty(), c.text);
            continue;
        }
        QVERIFY2(entry.reg == c.reg && entry.bit == c.bit, c.text);
    }
}

void ProgramPanesTest::tooltipAndStatusBarUseTheProgramsNames() {
    QCOMPARE(RegisterToolTip(12, 3, QStringLiteral("presses")),
             QStringLiteral("opsti registar 0x0C = presses\nadresa 0x0C (R12)\n"
                            "vrednost 0x03 = 3 = 00000011"));
    const struct {
        int reg;
        int value;
        const char* names;
        const char* text;
    } kLines[] = {
        {12, 3, "presses", "R12 = presses = 3"},
        {12, 3, "", "R12 = 3"},
        {3, 24, "", "R3 = STATUS = 24"},
        {0x81, 255, "", "OPTION = 255"},
        {kWRegister, 10, "", "W = 10"},
        {0x8C, 1, "", "0x8C = 1"},
        {7, 0, "", "R7 = 0"},
    };
    for (const auto& line : kLines) {
        QCOMPARE(RegisterStatusText(line.reg, static_cast<uint8_t>(line.value),
                                    QString::fromLatin1(line.names)),
                 QString::fromLatin1(line.text));
    }

    // The mouse over R12 of the window's display, with the program loaded.
    CAppUnderTest app;
    Load(app);
    Step(app);
    Step(app);
    // Sent to the display itself: where the offscreen cursor stands is
    // the other windows' business too.
    QWidget* viewport = app.Frame().OutputView()->viewport();
    const auto moveTo = [viewport](QPoint point) {
        QMouseEvent move(QEvent::MouseMove, point, viewport->mapToGlobal(point), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    };
    moveTo(QPoint(2 + 81 * 2 + 20, 22 + 17 + 8));
    QTRY_COMPARE(app.Frame().statusBar()->currentMessage(), QStringLiteral("R12 = presses = 1"));
    // It follows the value while the mouse rests there, and goes with it.
    Step(app);
    Step(app);
    Step(app);
    QTRY_COMPARE(app.Frame().statusBar()->currentMessage(), QStringLiteral("R12 = presses = 1"));
    moveTo(QPoint(640, 98));  // the mnemonic
    QTRY_COMPARE(app.Frame().statusBar()->currentMessage(), QString());
}

void ProgramPanesTest::panesFollowStepsAndGoingBack() {
    CAppUnderTest app;
    CProgramPanes& panes = Load(app);
    for (QDockWidget* pane : std::initializer_list<QDockWidget*>{
             panes.Watch(), panes.Stack(), panes.ProgramMemory(), panes.DataMemory()})
        QVERIFY(pane->isVisible());
    Step(app);  // CLRF presses
    Step(app);  // INCF presses
    QTableWidget* watch = panes.Watch()->Table();
    // The program's variables, by name.
    QCOMPARE(watch->rowCount(), 2);
    QCOMPARE(Cell(watch, 0, 0), QStringLiteral("depth"));
    QCOMPARE(Cell(watch, 1, 0), QStringLiteral("presses"));
    QTRY_COMPARE(Cell(watch, 1, 2), QStringLiteral("0x01"));
    QCOMPARE(Cell(watch, 1, 3), QStringLiteral("1"));
    QCOMPARE(Cell(watch, 1, 4), QStringLiteral("00000001"));
    QVERIFY(Red(watch, 1, 2));
    QVERIFY(!Red(watch, 0, 2));

    Step(app);  // CALL sub
    QTRY_COMPARE(panes.Stack()->Depth()->text(), QStringLiteral("Dubina: 1 od 8"));
    QTableWidget* stack = panes.Stack()->Table();
    QCOMPARE(Cell(stack, 0, 1), QStringLiteral("0x008"));
    QCOMPARE(Cell(stack, 0, 2), QStringLiteral("loop+2"));
    QCOMPARE(Cell(stack, 0, 3), QStringLiteral("prog.asm:9"));
    QCOMPARE(Cell(stack, 1, 1), QString());
    QVERIFY(Cell(stack, 1, 4).contains(QStringLiteral("sledeci CALL")));
    QVERIFY(!Red(watch, 1, 2));  // the CALL left presses alone

    CProgramMemoryModel* memory = panes.ProgramMemory()->Model();
    const auto text = [memory](int row, int column) {
        return memory->data(memory->index(row, column), Qt::DisplayRole).toString();
    };
    QCOMPARE(text(5, CProgramMemoryModel::kInstruction), QStringLiteral("CLRF presses"));
    QCOMPARE(text(7, CProgramMemoryModel::kInstruction), QStringLiteral("CALL sub"));
    QCOMPARE(text(7, CProgramMemoryModel::kWord), QStringLiteral("2009"));
    QCOMPARE(text(9, CProgramMemoryModel::kLabel), QStringLiteral("sub"));
    QCOMPARE(text(9, CProgramMemoryModel::kLine), QStringLiteral("prog.asm:10"));
    QCOMPARE(text(0x20, CProgramMemoryModel::kWord), QStringLiteral("----"));
    QTRY_COMPARE(memory->ShownPc(), 9);
    QVERIFY(memory->data(memory->index(9, 1), Qt::BackgroundRole).isValid());
    QVERIFY(!memory->data(memory->index(8, 1), Qt::BackgroundRole).isValid());

    // A click in the first column sets the breakpoint of the word's line.
    QTableView* view = panes.ProgramMemory()->View();
    const QModelIndex mark = memory->index(8, CProgramMemoryModel::kBreak);
    view->scrollTo(mark);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(mark).center());
    QCOMPARE(text(8, CProgramMemoryModel::kBreak), QStringLiteral("\u25CF"));
    QCOMPARE(app.Frame().Marks()->BreakpointLines(), std::vector<int>{8});

    QTableWidget* data = panes.DataMemory()->Table();
    QCOMPARE(Cell(data, 0x0C, 1), QStringLiteral("presses"));
    QCOMPARE(Cell(data, 0x0C, 5), QStringLiteral("presses"));  // 0x8C shows it too
    QCOMPARE(Cell(data, 0x03, 1), QStringLiteral("STATUS"));
    QCOMPARE(Cell(data, 0x01, 5), QStringLiteral("OPTION_REG"));
    QCOMPARE(Cell(data, 0x0C, 2), QStringLiteral("01"));
    QCOMPARE(CDataMemoryPane::RegisterOfCell(0x07, 2), -1);

    // Back over the CALL: the stack empties, PC and the changes go with it.
    Step(app, ID_STEP_BACK);
    QTRY_COMPARE(panes.Stack()->Depth()->text(), QStringLiteral("Dubina: 0 od 8"));
    QTRY_COMPARE(memory->ShownPc(), 7);
    Step(app, ID_STEP_BACK);
    QTRY_COMPARE(Cell(watch, 1, 2), QStringLiteral("0x00"));
    QTRY_COMPARE(Cell(data, 0x0C, 2), QStringLiteral("00"));
    QVERIFY(Red(data, 0x0C, 2));
}

void ProgramPanesTest::watchListIsKeptAndEditsGoThroughTheInputQueue() {
    CAppUnderTest app;
    CProgramPanes& panes = Load(app);
    CWatchPane& watch = *panes.Watch();
    watch.Entry()->setText(QStringLiteral("PORTB,3"));
    QTest::keyClick(watch.Entry(), Qt::Key_Return);
    QCOMPARE(watch.Table()->rowCount(), 3);
    QVERIFY(watch.Entry()->text().isEmpty());
    QVERIFY(!watch.Add(QStringLiteral("nowhere")));
    QVERIFY(app.Frame().statusBar()->currentMessage().contains(QStringLiteral("'nowhere'")));
    QCOMPARE(watch.Table()->rowCount(), 3);
    watch.Table()->selectRow(0);  // depth
    watch.RemoveSelected();
    QCOMPARE(Cell(watch.Table(), 0, 0), QStringLiteral("presses"));
    // The same program brings back its own list; another starts afresh.
    watch.SetProgram(QStringLiteral("other.asm"));
    QCOMPARE(watch.Table()->rowCount(), 2);
    watch.SetProgram(QString::fromStdString(SourceFolder + SourceFileName));
    QCOMPARE(watch.Table()->rowCount(), 2);
    QCOMPARE(Cell(watch.Table(), 1, 0), QStringLiteral("PORTB,3"));

    Step(app);  // CLRF presses
    WhenModal<CRegisterEditDlg>([](CRegisterEditDlg& dialog) {
        QVERIFY(dialog.findChild<QLabel*>()->text().startsWith(
            QStringLiteral("opsti registar 0x0C = presses, sada 0x00")));
        dialog.ValueField()->setText(QStringLiteral("0x2A"));
        dialog.OkButton()->click();
    });
    // As the table tells of a double-click on the row's value.
    emit watch.Table()->cellDoubleClicked(0, 2);
    QTRY_COMPARE(int(RegisterFile[0x0C]), 0x2A);
    QTRY_COMPARE(Cell(watch.Table(), 0, 2), QStringLiteral("0x2A"));
    QCOMPARE(Cell(watch.Table(), 0, 5), QStringLiteral("'*'"));
    QVERIFY(Red(watch.Table(), 0, 2));
    Step(app);  // INCF presses
    QTRY_COMPARE(Cell(watch.Table(), 0, 2), QStringLiteral("0x2B"));
    // Back before the edit and forward over it again.
    Step(app, ID_STEP_BACK);
    Step(app, ID_STEP_BACK);
    QTRY_COMPARE(Cell(watch.Table(), 0, 2), QStringLiteral("0x00"));
    Step(app);
    Step(app);
    QTRY_COMPARE(Cell(watch.Table(), 0, 2), QStringLiteral("0x2B"));
}

QTEST_MAIN(ProgramPanesTest)
#include "test_program_panes.moc"
