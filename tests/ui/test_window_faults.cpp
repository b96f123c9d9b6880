// What the window showed wrongly or refused to do: panes left showing the
// previous program after F7, Open or a click; a message the worker repeats
// locking the window; Save after New writing over the file opened before;
// a black band below the register field; greyed-out menu items without
// their status-bar prompt.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QToolBar>
#include <QtTest>

#include "build/source_file.h"
#include "core/cpu_unit.h"
#include "core/state.h"
#include "support/app_fixture.h"
#include "ui/command_ids.h"
#include "ui/edit_view.h"
#include "ui/input_view.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/output_view.h"
#include "ui/qt_message_box.h"

using Answer = CUserDialogs::Answer;

namespace {
// Counts the paints a widget receives.
class CPaintCounter : public QObject {
public:
    explicit CPaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int m_nPaints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++m_nPaints;
        return false;
    }
};

const QByteArray kSource =
    "\torg\t5\n"
    "start\tmovlw\t0x0A\n"
    "\tmovwf\t0x20\n"
    "\tgoto\tstart\n"
    "\tend\n";

QMessageBox* WorkerBox() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box && box->isVisible()) return box;
    }
    return nullptr;
}
}  // namespace

class WindowFaultTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void f7OpenAndClicksRepaintBothPanes();
    void repeatingWorkerMessageLeavesTheWindowUsable();
    void saveAfterNewAsksForAName();
    void disabledMenuItemsShowTheirPrompt();

private:
    static void Open(CAppUnderTest& app, const QString& path);
    static void LoadProgram(const QStringList& words);

    std::unique_ptr<CScratchFolder> m_folder;
};

void WindowFaultTest::init() {
    m_folder = std::make_unique<CScratchFolder>();
    QVERIFY(m_folder->IsValid());
    SourceFolder.clear();
    SourceFileName.clear();
    SimSpeedMs = 200;
}

void WindowFaultTest::Open(CAppUnderTest& app, const QString& path) {
    app.m_dialogs.m_openPaths.append(path);
    app.Frame().Action(ID_FILE_OPEN)->trigger();
}

void WindowFaultTest::LoadProgram(const QStringList& words) {
    ClearProgramImage();
    int at = 4 * core::kStartAddress;
    for (const QString& word : words) {
        for (QChar ch : word) ProgramImage[at++] = ch.toLatin1();
    }
    ProgramEnd = core::kProgramImageSize;
}

void WindowFaultTest::f7OpenAndClicksRepaintBothPanes() {
    const QString path = m_folder->Path("a.asm");
    WriteBytes(path, kSource);
    CAppUnderTest app;
    CMainFrame& frame = app.Frame();
    CPaintCounter registers(frame.OutputView()->viewport());
    CPaintCounter pins(frame.InputView()->viewport());
    auto settle = [&] {
        QTest::qWait(50);
        registers.m_nPaints = pins.m_nPaints = 0;
    };
    auto bothRepainted = [&] {
        QTRY_VERIFY_WITH_TIMEOUT(registers.m_nPaints > 0 && pins.m_nPaints > 0, 5000);
    };

    // Open clears data memory: both panes must show it.
    RegisterFile[PORTB] = 0x80;
    settle();
    Open(app, path);
    QCOMPARE(int(RegisterFile[PORTB]), 0);
    bothRepainted();

    // F7 resets for the new program.
    settle();
    QTest::keyClick(frame.EditView(), Qt::Key_F7);
    QVERIFY(AssemblerEnded(frame));
    QCOMPARE(int(ProgramEnd), core::kProgramImageSize);
    bothRepainted();

    // A click beside every switch still repaints both, so neither can lag
    // behind the other.
    settle();
    QTest::mouseClick(frame.InputView()->viewport(), Qt::LeftButton, {}, QPoint(52 + 9, 165));
    bothRepainted();
}

void WindowFaultTest::repeatingWorkerMessageLeavesTheWindowUsable() {
    CAppUnderTest app(QString(), CAppUnderTest::RealBoxes);
    CMainFrame& frame = app.Frame();
    CQtMessageBoxHook& boxes = app.App().MessageBoxes();
    LoadProgram({"2005"});  // call 5: endless recursion, the stack overflows
    SimSpeedMs = 0;
    // The worker has begun its first run, which starts paused: a command
    // before that would be undone by it on a slow machine.
    QTRY_VERIFY(app.Doc().m_pWorker->m_bPaused);
    QSignalSpy shown(&boxes, &CQtMessageBoxHook::BoxShown);
    frame.Action(ID_CONTINUOUS_RUN)->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(WorkerBox(), 20000);
    QCOMPARE(WorkerBox()->text(), QStringLiteral("Stek je pun"));
    QVERIFY(!QApplication::activeModalWidget());

    // The toolbar's stop button takes a real click while the box is open.
    QToolBar* toolbar = frame.ToolBar();
    QSignalSpy stops(frame.Action(ID_STOP_SIMULATION), &QAction::triggered);
    QTest::mouseClick(toolbar->widgetForAction(frame.Action(ID_STOP_SIMULATION)), Qt::LeftButton);
    QCOMPARE(stops.count(), 1);
    QVERIFY(app.Doc().m_pWorker->m_bPaused);
    WorkerBox()->button(QMessageBox::Ok)->click();
    // The instruction ends and the worker waits: no box comes back.
    const int count = shown.count();
    QTest::qWait(200);
    QCOMPARE(shown.count(), count);
    QVERIFY(!WorkerBox());

    // Shift+F5 and Ctrl+R reach the window while the next box is open.
    frame.Action(ID_CONTINUOUS_RUN)->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(WorkerBox(), 20000);
    // The user clicks into the text, which brings the window to the front.
    QApplication::setActiveWindow(&frame);
    QTRY_COMPARE(QApplication::activeWindow(), &frame);
    frame.EditView()->setFocus();
    QTest::keyClick(frame.EditView(), Qt::Key_F5, Qt::ShiftModifier);
    QVERIFY(app.Doc().m_pWorker->m_bPaused);
    QTest::keyClick(frame.EditView(), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(!app.Doc().m_pWorker->m_bRunning);
    WorkerBox()->button(QMessageBox::Ok)->click();
    // The run ended and the next one waits in its reset state.
    QTRY_COMPARE_WITH_TIMEOUT(QByteArray(LastMnemonic.load()), QByteArray(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(app.Doc().m_pWorker->m_bRunning, 5000);
    QVERIFY(!WorkerBox());

    // Closing the window works too: it closes the box and ends the worker.
    frame.Action(ID_CONTINUOUS_RUN)->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(WorkerBox(), 20000);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(frame.close());
    QVERIFY(!frame.isVisible());
    QVERIFY(!app.Doc().m_pWorker);
    QCOMPARE(boxes.OpenBoxCount(), 0);
}

void WindowFaultTest::saveAfterNewAsksForAName() {
    const QString opened = m_folder->Path("a.asm");
    const QString named = m_folder->Path("b.asm");
    WriteBytes(opened, "nop\n");
    CAppUnderTest app;
    Open(app, opened);
    app.Frame().Action(ID_FILE_NEW)->trigger();
    QCOMPARE(app.Frame().EditView()->text(), QStringLiteral("nop\n"));

    CEditView* editor = app.Frame().EditView();
    editor->append("sleep\n");
    app.m_dialogs.m_savePaths = {named};
    app.Frame().Action(ID_FILE_SAVE)->trigger();
    QCOMPARE(app.m_dialogs.m_saveRequests.size(), 1);
    QCOMPARE(app.m_dialogs.m_saveRequests.first().initialName, QStringLiteral("Nemam_ime"));
    QCOMPARE(ReadBytes(opened), QByteArray("nop\n"));
    QCOMPARE(ReadBytes(named), QByteArray("nop\nsleep\n"));
    QCOMPARE(app.Frame().windowTitle(), QStringLiteral("b.asm - Lumo"));
}

void WindowFaultTest::disabledMenuItemsShowTheirPrompt() {
    CAppUnderTest app;
    CMainFrame& frame = app.Frame();
    QVERIFY(!frame.Action(ID_EDIT_UNDO)->isEnabled());
    QVERIFY(!frame.Action(ID_EDIT_CUT)->isEnabled());
    QMenu* edit = frame.menuBar()->actions().at(1)->menu();
    edit->popup(frame.mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(edit));
    QTest::mouseMove(edit, edit->actionGeometry(frame.Action(ID_EDIT_UNDO)).center());
    QTRY_COMPARE(frame.StatusMessage(), QStringLiteral("Undo the last action"));
    QTest::mouseMove(edit, edit->actionGeometry(frame.Action(ID_EDIT_CUT)).center());
    QTRY_COMPARE(frame.StatusMessage(),
                 QStringLiteral("Cut the selection and put it on the Clipboard"));
    // A greyed-out item stays inert.
    QTest::mouseClick(edit, Qt::LeftButton, {},
                      edit->actionGeometry(frame.Action(ID_EDIT_CUT)).center());
    edit->hide();
    QTRY_COMPARE(frame.StatusMessage(), QStringLiteral("Spreman"));
}

QTEST_MAIN(WindowFaultTest)
#include "test_window_faults.moc"
