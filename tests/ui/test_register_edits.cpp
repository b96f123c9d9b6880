// A double-click on the register display writes W or a register while the
// simulation stands: the value lands between two instructions, shows in red,
// is replayed when stepping back and forward over it, and is refused while
// the program runs and for the registers the chip does not let one write.
#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

#include "build/source_file.h"
#include "core/cpu_unit.h"
#include "core/event_log.h"
#include "core/state.h"
#include "support/app_fixture.h"
#include "ui/command_ids.h"
#include "ui/display_flags.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/output_view.h"
#include "ui/register_edit_dlg.h"
#include "view_test_hooks.h"

namespace {
const QByteArray kCounter =
    "\torg\t5\n"
    "loop\tincf\t0x0C,f\n"
    "\tgoto\tloop\n"
    "\tend\n";

// Grid cell of register i, and the W field of the special row.
QPoint GridCell(int i) {
    return {2 + 81 * (i % 10) + 30, 22 + 17 * (i / 10) + 8};
}
const QPoint kWField(20, 8);

int RedPixels(COutputView& view, QPoint around) {
    QImage image(view.size(), QImage::Format_RGB32);
    view.render(&image);
    int count = 0;
    for (int y = around.y() - 8; y < around.y() + 8; ++y) {
        for (int x = around.x() - 28; x < around.x() + 40; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 90 && c.blue() < 90) ++count;
        }
    }
    return count;
}
}  // namespace

class RegisterEditsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { SimSpeedMs = 200; }
    void editLandsInRedAndIsReplayedOverSteps();
    void badValuesAreExplainedAndTheEditorStaysOpen();
    void refusedWhileRunningAndForIndfAndPcl();

private:
    void Load(CAppUnderTest& app);
    static void Step(CAppUnderTest& app, int id = ID_SINGLE_STEP);
    static void DoubleClick(CAppUnderTest& app, QPoint point) {
        QTest::mouseDClick(app.Frame().OutputView()->viewport(), Qt::LeftButton, {}, point);
    }
    // Double-clicks and expects no editor: only a word in the status bar.
    static void ExpectRefusal(CAppUnderTest& app, QPoint point, const QString& message);

    std::unique_ptr<CScratchFolder> m_folder;
};

void RegisterEditsTest::init() {
    CAppUnderTest::ClearSettings();
    m_folder = std::make_unique<CScratchFolder>();
    QVERIFY(m_folder->IsValid());
    SourceFolder.clear();
    SourceFileName.clear();
    ShowChanges = true;
}

void RegisterEditsTest::Load(CAppUnderTest& app) {
    const QString path = m_folder->Path("prog.asm");
    WriteBytes(path, kCounter);
    app.m_dialogs.m_openPaths.append(path);
    app.Frame().Action(ID_FILE_OPEN)->trigger();
    app.Frame().Action(ID_ASSEMBLE)->trigger();
    QVERIFY(AssemblerEnded(app.Frame()));
    QTRY_VERIFY(app.Doc().m_pWorker->m_bPaused);
}

void RegisterEditsTest::Step(CAppUnderTest& app, int id) {
    // A step back passes through an earlier keyframe's count on its way, so
    // only the exact count says the step is over.
    const uint64_t passes = InstructionCount;
    const uint64_t target = id == ID_STEP_BACK ? passes - 1 : passes + 1;
    app.Frame().Action(id)->trigger();
    QTRY_COMPARE(uint64_t(InstructionCount), target);
    QTRY_VERIFY(app.Doc().m_pWorker->m_runState != core::RunState::Running);
}

void RegisterEditsTest::ExpectRefusal(CAppUnderTest& app, QPoint point, const QString& message) {
    bool opened = false;
    QTimer::singleShot(300, [&opened] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            opened = true;
            dialog->close();
        }
    });
    DoubleClick(app, point);
    QTest::qWait(400);
    QVERIFY(!opened);
    QCOMPARE(app.Frame().statusBar()->currentMessage(), message);
}

void RegisterEditsTest::editLandsInRedAndIsReplayedOverSteps() {
    CAppUnderTest app;
    Load(app);
    for (int i = 0; i < 3; ++i) Step(app);  // INCF, GOTO, INCF
    QCOMPARE(int(RegisterFile[0x0C]), 2);
    const uint64_t from = core::EventLog.LastSerial();

    WhenModal<CRegisterEditDlg>([](CRegisterEditDlg& dialog) {
        QCOMPARE(dialog.ValueField()->text(), QStringLiteral("0x02"));
        dialog.ValueField()->setText(QStringLiteral(" 0x2A "));
        dialog.OkButton()->click();
    });
    DoubleClick(app, GridCell(12));
    QTRY_COMPARE(int(RegisterFile[0x0C]), 0x2A);
    COutputView& view = *app.Frame().OutputView();
    QTRY_VERIFY(RedPixels(view, GridCell(12)) > 0);
    QCOMPARE(RedPixels(view, GridCell(13)), 0);
    const std::vector<core::SEvent> events = core::EventLog.Since(from);
    QCOMPARE(events.size(), size_t(1));
    QCOMPARE(events[0].kind, core::EEventKind::Edit);
    QCOMPARE(events[0].pass, uint64_t(3));

    WhenModal<CRegisterEditDlg>([](CRegisterEditDlg& dialog) {
        dialog.ValueField()->setText(QStringLiteral("0b101"));
        dialog.OkButton()->click();
    });
    DoubleClick(app, kWField);
    QTRY_COMPARE(int(W), 5);

    Step(app);  // GOTO
    Step(app);  // INCF
    QCOMPARE(int(RegisterFile[0x0C]), 0x2B);
    // Back over the edit shows the old value; forward again repeats it.
    Step(app, ID_STEP_BACK);
    Step(app, ID_STEP_BACK);
    Step(app, ID_STEP_BACK);
    QCOMPARE(int(RegisterFile[0x0C]), 1);
    QCOMPARE(int(W), 0);
    for (int i = 0; i < 3; ++i) Step(app);
    QCOMPARE(int(RegisterFile[0x0C]), 0x2B);
    QCOMPARE(int(W), 5);
}

void RegisterEditsTest::badValuesAreExplainedAndTheEditorStaysOpen() {
    CAppUnderTest app;
    Load(app);
    bool stayedOpen = false;
    WhenModal<CRegisterEditDlg>([&app, &stayedOpen](CRegisterEditDlg& dialog) {
        for (const char* wrong : {"256", "-1", "0x", "12a", "", "99999999999999999999999"}) {
            dialog.ValueField()->setText(QString::fromLatin1(wrong));
            dialog.OkButton()->click();
            if (!dialog.isVisible()) return;
        }
        stayedOpen = true;
        QCOMPARE(app.m_messages.Texts().size(), size_t(6));
        QCOMPARE(app.m_messages.Texts().front(),
                 std::string("Vrednost mora biti ceo broj od 0 do 255: dekadno (12), heksa "
                             "(0x0C) ili binarno (0b00001100)"));
        dialog.ValueField()->setText(QStringLiteral("255"));
        dialog.OkButton()->click();
    });
    DoubleClick(app, GridCell(32));
    QVERIFY(stayedOpen);
    QTRY_COMPARE(int(RegisterFile[32]), 255);
}

void RegisterEditsTest::refusedWhileRunningAndForIndfAndPcl() {
    CAppUnderTest app;
    Load(app);
    ExpectRefusal(app, GridCell(2), QStringLiteral("PCL prati PC i ne moze se menjati"));
    ExpectRefusal(app, GridCell(0),
                  QStringLiteral("INDF nije registar: upis ide u registar na koji pokazuje FSR, "
                                 "upisite vrednost tamo"));

    SimSpeedMs = 1000;
    app.Frame().Action(ID_CONTINUOUS_RUN)->trigger();
    QTRY_COMPARE(app.Doc().m_pWorker->m_runState.load(), core::RunState::Running);
    ExpectRefusal(app, GridCell(12),
                  QStringLiteral("Vrednosti se menjaju samo dok simulacija stoji (Prekid, "
                                 "Shift+F5)"));
    app.Frame().Action(ID_STOP_SIMULATION)->trigger();
}

QTEST_MAIN(RegisterEditsTest)
#include "test_register_edits.moc"
