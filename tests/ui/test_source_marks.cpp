// What the simulator marks in the editor: the assembler's messages on their
// lines and in the messages pane, the line of the instruction at PC while a
// worker runs the program, and line breakpoints.
#include <QAction>
#include <QListWidget>
#include <QSettings>
#include <QtTest>

#include "build/source_file.h"
#include "core/cpu_unit.h"
#include "core/line_breakpoints.h"
#include "core/platform/message_box.h"
#include "core/state.h"
#include "support/app_fixture.h"
#include "ui/command_ids.h"
#include "ui/edit_view.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/messages_pane.h"
#include "ui/source_commands.h"
#include "ui/source_marks.h"

namespace {
// Lines (1-based) and words: the start at 5 calls a subroutine, then raises
// the port-B change interrupt, which is entered at word 4.
const QByteArray kProgram =
    "\torg\t4\n"          // 1
    "\tgoto\tisr\n"       // 2  word 4
    "start\tcall\tsub\n"  // 3  word 5
    "\tmovlw\t0x88\n"     // 4  word 6: GIE | RBIE
    "\tmovwf\tINTCON\n"   // 5  word 7
    "\tmovlw\t0xF0\n"     // 6  word 8
    "\tmovwf\tPORTB\n"    // 7  word 9
    "loop\tgoto\tloop\n"  // 8  word 10
    "sub\treturn\n"       // 9  word 11
    "isr\tretfie\n"       // 10 word 12
    "\n"                  // 11
    "\tend\n";            // 12
}  // namespace

class SourceMarksTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void errorsAreMarkedListedAndJumpedTo();
    void theVerdictComesAfterTheMarks();
    void unsavedTextAndSavingFirst();
    void currentLineFollowsCallReturnAndInterrupt();
    void fastRunsHideTheCurrentLineUntilTheyPause();
    void lineBreakpointsPauseAndStay();
    void anIncludedFilesErrorMarksItsIncludeLineAndOpensTheFile();

private:
    QString Write(const QString& name, const QByteArray& bytes);
    static void Open(CAppUnderTest& app, const QString& path);
    static void F7(CAppUnderTest& app) {
        QTest::keyClick(app.Frame().EditView(), Qt::Key_F7);
        QVERIFY(AssemblerEnded(app.Frame()));
    }
    static CSourceMarks& Marks(CAppUnderTest& app) { return *app.Frame().Marks(); }
    static QString Word(int word) {
        QString text;
        for (int i = 0; i < 4; ++i) text += QChar(ProgramImage[4 * word + i]);
        return text;
    }
    static bool HasMarker(CAppUnderTest& app, int line, int marker) {
        return app.Frame().EditView()->markersAtLine(line) & (1u << marker);
    }

public:
    static int LinesWith(CAppUnderTest& app, int marker) {
        int count = 0;
        CEditView* editor = app.Frame().EditView();
        for (int line = 0; line < editor->lines(); ++line) count += HasMarker(app, line, marker);
        return count;
    }

private:
    std::unique_ptr<CScratchFolder> m_folder;
};

void SourceMarksTest::init() {
    m_folder = std::make_unique<CScratchFolder>();
    SourceFolder.clear();
    SourceFileName.clear();
    SimSpeedMs = 200;
    core::ClearLineBreakpoints();
}

void SourceMarksTest::cleanup() {
    core::ClearLineBreakpoints();
    SimSpeedMs = 200;
}

QString SourceMarksTest::Write(const QString& name, const QByteArray& bytes) {
    const QString path = m_folder->Path(name);
    WriteBytes(path, bytes);
    return path;
}

void SourceMarksTest::Open(CAppUnderTest& app, const QString& path) {
    app.m_dialogs.m_openPaths.append(path);
    app.Frame().Action(ID_FILE_OPEN)->trigger();
}

void SourceMarksTest::errorsAreMarkedListedAndJumpedTo() {
    QByteArray source = kProgram;
    source.replace("\tmovlw\t0xF0", "\tmovlx\t0xF0").replace("\tmovwf\tINTCON", "\tmovwf\tnowhere");
    const QString path = Write("with errors.asm", source);
    CAppUnderTest app;
    Open(app, path);
    CEditView* editor = app.Frame().EditView();
    editor->setCursorPosition(0, 1);
    F7(app);
    QCOMPARE(app.m_messages.Texts(),
             std::vector<std::string>({"GRESKA: Greske ispravljati u editoru."}));
    QVERIFY(HasMarker(app, 4, CSourceMarks::kErrorLine));
    QVERIFY(HasMarker(app, 5, CSourceMarks::kErrorLine));
    QCOMPARE(LinesWith(app, CSourceMarks::kErrorLine), 2);
    QVERIFY2(editor->annotation(5).contains("movlx"), qPrintable(editor->annotation(5)));
    int line = -1;
    int index = -1;
    editor->getCursorPosition(&line, &index);
    QCOMPARE(line, 0);  // the marks do not move the cursor

    CMessagesPane* pane = app.Frame().Messages();
    QVERIFY(pane->isVisible());
    QCOMPARE(pane->Lines().size(), 3);
    QVERIFY(pane->Lines()[0].startsWith("with errors.asm:5: error"));
    QVERIFY(pane->Lines()[1].startsWith("with errors.asm:6: error"));
    // A click jumps to the line; F4 and Shift+F4 go round the messages.
    QListWidget* list = pane->List();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    editor->getCursorPosition(&line, &index);
    QCOMPARE(line, 5);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(editor));
    QTest::keyClick(editor, Qt::Key_F4);
    editor->getCursorPosition(&line, &index);
    QCOMPARE(line, 4);
    QTest::keyClick(editor, Qt::Key_F4, Qt::ShiftModifier);
    editor->getCursorPosition(&line, &index);
    QCOMPARE(line, 5);

    // Fixed, saved, assembled: the marks go, the pane shows the summary
    // and the keyboard stays in the editor.
    Write("with errors.asm", kProgram);
    Open(app, path);
    F7(app);
    QCOMPARE(app.m_messages.Texts().size(), size_t(1));
    QCOMPARE(LinesWith(app, CSourceMarks::kErrorLine), 0);
    QVERIFY(editor->annotation(4).isEmpty());
    QVERIFY(pane->isVisible());
    QVERIFY(pane->Lines().join('\n').contains("0 error"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(editor));

    // Closed, it comes back with the next F7 that has something to say.
    pane->close();
    F7(app);
    QVERIFY(pane->isVisible());
}

// The box with the verdict is shown once the lines are marked and the pane
// lists them, so the student sees both while reading it.
void SourceMarksTest::theVerdictComesAfterTheMarks() {
    class CCheckingBoxes : public core::CMessageBoxHook {
    public:
        explicit CCheckingBoxes(CAppUnderTest& app) : m_app(app) {}
        void Show(const std::string& text) override {
            m_texts.push_back(text);
            m_markedFirst = LinesWith(m_app, CSourceMarks::kErrorLine) == 1 &&
                            m_app.Frame().Messages()->isVisible();
        }
        void CloseAll() override {}
        CAppUnderTest& m_app;
        std::vector<std::string> m_texts;
        bool m_markedFirst = false;
    };
    QByteArray source = kProgram;
    source.replace("\tmovwf\tINTCON", "\tmovwf\tnowhere");
    const QString path = Write("prog.asm", source);
    CAppUnderTest app;
    Open(app, path);
    CCheckingBoxes boxes(app);
    core::SetMessageBoxHook(&boxes);
    F7(app);
    core::SetMessageBoxHook(&app.m_messages);
    QCOMPARE(boxes.m_texts, std::vector<std::string>({"GRESKA: Greske ispravljati u editoru."}));
    QVERIFY(boxes.m_markedFirst);
}

void SourceMarksTest::unsavedTextAndSavingFirst() {
    const QString path = Write("prog.asm", kProgram);
    CAppUnderTest app;
    Open(app, path);
    CEditView* editor = app.Frame().EditView();
    editor->insertAt(QStringLiteral("\tnop\n"), 2, 0);
    F7(app);
    CMessagesPane* pane = app.Frame().Messages();
    QCOMPARE(pane->Lines().value(0),
             QStringLiteral("Izmene u editoru nisu sacuvane: preveden je sacuvani fajl (Ctrl+S)."));
    QCOMPARE(Word(5), QStringLiteral("200B"));  // the saved CALL

    QAction* saveFirst = app.Frame().Action(ID_SAVE_BEFORE_ASSEMBLE);
    QVERIFY(saveFirst->isCheckable());
    QVERIFY(!saveFirst->isChecked());
    saveFirst->trigger();
    QVERIFY(QSettings().value("Editor/SaveBeforeAssemble").toBool());
    F7(app);
    QVERIFY(!app.Doc().IsModified());
    QVERIFY(ReadBytes(path).contains("\tnop\nstart"));
    QVERIFY(!pane->Lines().value(0).startsWith("Izmene"));
    QCOMPARE(Word(5), QStringLiteral("0000"));  // the NOP now
    saveFirst->trigger();
    QVERIFY(!QSettings().value("Editor/SaveBeforeAssemble").toBool());
}

void SourceMarksTest::currentLineFollowsCallReturnAndInterrupt() {
    const QString path = Write("prog.asm", kProgram);
    CAppUnderTest app;
    Open(app, path);
    F7(app);
    QVERIFY(app.m_messages.Texts().empty());
    CSourceMarks& marks = Marks(app);
    QTRY_COMPARE(marks.CurrentLine(), 2);
    QVERIFY(HasMarker(app, 2, CSourceMarks::kCurrentArrow));
    QVERIFY(HasMarker(app, 2, CSourceMarks::kCurrentLine));
    // CALL, RETURN, three instructions, the write to PORTB, one more, the
    // interrupt entry at word 4, its GOTO.
    const int lines[] = {8, 3, 4, 5, 6, 7, 1, 9};
    for (int expected : lines) {
        QTest::keyClick(app.Frame().EditView(), Qt::Key_F5, Qt::ControlModifier);
        QTRY_COMPARE(marks.CurrentLine(), expected);
    }
    QCOMPARE(LinesWith(app, CSourceMarks::kCurrentArrow), 1);

    // The mark follows an edit above it.
    app.Frame().EditView()->insertAt(QStringLiteral("; new line\n"), 0, 0);
    QTest::keyClick(app.Frame().EditView(), Qt::Key_F5, Qt::ControlModifier);  // RETFIE
    QTRY_COMPARE(marks.CurrentLine(), 8);  // loop, one line further down
}

void SourceMarksTest::fastRunsHideTheCurrentLineUntilTheyPause() {
    const QString path = Write("prog.asm", kProgram);
    CAppUnderTest app;
    Open(app, path);
    F7(app);
    CSourceMarks& marks = Marks(app);
    QTRY_COMPARE(marks.CurrentLine(), 2);
    SimSpeedMs = 0;
    app.Frame().Action(ID_CONTINUOUS_RUN)->trigger();
    QTRY_COMPARE(marks.CurrentLine(), -1);
    app.Frame().Action(ID_STOP_SIMULATION)->trigger();
    QTRY_VERIFY(app.Doc().m_pWorker->m_bPaused);
    QTRY_VERIFY(marks.CurrentLine() >= 0);
    QTRY_COMPARE(marks.CurrentLine(), marks.LineOfWord(PC));
    // At 50 ms and more the mark follows the run.
    SimSpeedMs = CSourceCommands::kFollowingSpeedMs;
    app.Frame().Action(ID_CONTINUOUS_RUN)->trigger();
    QTest::qWait(300);
    QVERIFY(marks.CurrentLine() >= 0);
}

void SourceMarksTest::lineBreakpointsPauseAndStay() {
    const QString path = Write("prog.asm", kProgram);
    CAppUnderTest app;
    Open(app, path);
    F7(app);
    CEditView* editor = app.Frame().EditView();
    CSourceMarks& marks = Marks(app);
    // F9 on the line of word 6; a click in the mark margin on the empty
    // line 11, which produces no code.
    editor->setCursorPosition(3, 2);
    QTest::keyClick(editor, Qt::Key_F9);
    const int lineHeight =
        static_cast<int>(editor->SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0));
    const int marginX = editor->marginWidth(CEditView::kNumberMargin) + 4;
    editor->ensureLineVisible(10);
    const int firstVisible = editor->firstVisibleLine();
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {},
                      QPoint(marginX, (10 - firstVisible) * lineHeight + lineHeight / 2));
    QCOMPARE(marks.BreakpointLines(), std::vector<int>({3, 10}));
    QVERIFY(HasMarker(app, 3, CSourceMarks::kBreakpoint));
    QVERIFY(HasMarker(app, 10, CSourceMarks::kBreakpointWithoutCode));
    QVERIFY(core::AtLineBreakpoint(6));

    SimSpeedMs = 0;
    app.Frame().Action(ID_CONTINUOUS_RUN)->trigger();
    QTRY_VERIFY(app.Doc().m_pWorker->m_bPaused && PC == 6);
    QCOMPARE(int(RegisterFile[INTCON]), 0);  // paused before the instruction at 6 ran

    // A restart and a new F7 keep it; the run pauses there again.
    app.Frame().Action(ID_RESTART)->trigger();
    QTRY_VERIFY(PC == 5);
    F7(app);
    QVERIFY(HasMarker(app, 3, CSourceMarks::kBreakpoint));
    app.Frame().Action(ID_CONTINUOUS_RUN)->trigger();
    QTRY_VERIFY(app.Doc().m_pWorker->m_bPaused && PC == 6);

    // An edit that moves the line moves the breakpoint with it; F7 takes
    // the new address from the new map.
    editor->insertAt(QStringLiteral("\tnop\n"), 2, 0);
    QCOMPARE(marks.BreakpointLines(), std::vector<int>({4, 11}));
    QVERIFY(core::AtLineBreakpoint(6));
    app.Frame().Action(ID_FILE_SAVE)->trigger();
    F7(app);
    QVERIFY(!core::AtLineBreakpoint(6));
    QVERIFY(core::AtLineBreakpoint(7));

    // F9 again takes it away.
    editor->setCursorPosition(4, 0);
    QTest::keyClick(editor, Qt::Key_F9);
    QCOMPARE(marks.BreakpointLines(), std::vector<int>({11}));
    QVERIFY(!core::AtLineBreakpoint(7));
}

void SourceMarksTest::anIncludedFilesErrorMarksItsIncludeLineAndOpensTheFile() {
    Write("my defs.inc", "sub\treturn\n\tbogus\n");
    const QString path = Write("main.asm",
                               "\torg\t5\n"
                               "start\tcall\tsub\n"
                               "\tgoto\tstart\n"
                               "\t#include \"my defs.inc\"\n"
                               "\tend\n");
    CAppUnderTest app;
    Open(app, path);
    F7(app);
    CMessagesPane* pane = app.Frame().Messages();
    QVERIFY2(pane->Lines().value(0).startsWith("my defs.inc:2: error"),
             qPrintable(pane->Lines().join('\n')));
    // The #include line carries the mark, and the message with its own file
    // and line.
    QCOMPARE(LinesWith(app, CSourceMarks::kErrorLine), 1);
    QVERIFY(HasMarker(app, 3, CSourceMarks::kErrorLine));
    const QString note = app.Frame().EditView()->annotation(3);
    QVERIFY2(note.contains("my defs.inc:2: ") && note.contains("bogus"), qPrintable(note));
    // Choosing it opens the included file at that line.
    QTest::keyClick(app.Frame().EditView(), Qt::Key_F4);
    QTRY_VERIFY(app.Frame().EditView()->text().startsWith("sub\treturn\n\tbogus"));
    int line = -1;
    int index = -1;
    app.Frame().EditView()->getCursorPosition(&line, &index);
    QCOMPARE(line, 1);

    Write("my defs.inc", "sub\treturn\n");
    Open(app, path);
    F7(app);
    QVERIFY(app.m_messages.Texts().size() == 1);
    CSourceMarks& marks = Marks(app);
    QTRY_COMPARE(marks.CurrentLine(), 1);
    QTest::keyClick(app.Frame().EditView(), Qt::Key_F5, Qt::ControlModifier);
    QTRY_COMPARE(int(PC), 7);
    QTRY_COMPARE(marks.CurrentLine(), -1);  // the subroutine is in the other file
    QTest::keyClick(app.Frame().EditView(), Qt::Key_F5, Qt::ControlModifier);
    QTRY_COMPARE(marks.CurrentLine(), 2);
}

QTEST_MAIN(SourceMarksTest)
#include "test_source_marks.moc"
