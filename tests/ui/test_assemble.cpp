// F7 from the window: the assembler runs on the saved file, also in a folder
// whose name has blanks, its messages appear, its output is shown, and the
// loaded program runs under the step command.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QtTest>

#include "build/source_file.h"
#include "core/state.h"
#include "support/app_fixture.h"
#include "ui/command_ids.h"
#include "ui/edit_view.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/messages_pane.h"

class AssembleTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void f7AssemblesInAFolderWithBlanks();
    void errorsAreReportedWithTheAssemblersOutput();
    void f7BeforeAnyFileCannotStartTheAssembler();
    void onlySavedTextIsAssembled();
    void exampleStepsThroughItsFirstInstructions();

private:
    static void PressF7(CAppUnderTest& app);
    static void Open(CAppUnderTest& app, const QString& path);
    static QString Word(int address);
    static void SaveScreenshotsIfAsked(CAppUnderTest& app);

    std::unique_ptr<CScratchFolder> m_folder;
};

namespace {
const QByteArray kSource =
    "\tlist\tp=16c84\r\n"
    "\torg\t0\r\n"
    "\tgoto\tstart\r\n"
    "\torg\t5\r\n"
    "start\tmovlw\t0x0A\r\n"
    "\tmovwf\t0x20\r\n"
    "\tgoto\tstart\r\n"
    "\tend\r\n";
}  // namespace

void AssembleTest::init() {
    m_folder = std::make_unique<CScratchFolder>();
    QVERIFY(m_folder->IsValid());
    QVERIFY(QFile::exists(QStringLiteral(LUMO_BIN_DIR "/tasm")));
    SourceFolder.clear();
    SourceFileName.clear();
}

void AssembleTest::PressF7(CAppUnderTest& app) {
    QTest::keyClick(app.Frame().EditView(), Qt::Key_F7);
    // A key lost on the way (a window not yet active) must not pass for an
    // assembler that ended at once.
    QVERIFY(app.Frame().Assembling());
    QVERIFY(AssemblerEnded(app.Frame()));
}

void AssembleTest::Open(CAppUnderTest& app, const QString& path) {
    app.m_dialogs.m_openPaths.append(path);
    app.Frame().Action(ID_FILE_OPEN)->trigger();
}

QString AssembleTest::Word(int address) {
    QString word;
    for (int i = 0; i < 4; ++i) word.append(QChar::fromLatin1(ProgramImage[4 * address + i]));
    return word;
}

void AssembleTest::f7AssemblesInAFolderWithBlanks() {
    QDir().mkpath(m_folder->Path("my programs"));
    const QString path = m_folder->Path("my programs/first try.asm");
    WriteBytes(path, kSource);
    CAppUnderTest app;
    Open(app, path);
    PressF7(app);
    QCOMPARE(app.m_messages.Texts(), std::vector<std::string>());
    QCOMPARE(int(ProgramEnd), core::kProgramImageSize);
    QCOMPARE(Word(0), QStringLiteral("2805"));
    QCOMPARE(Word(5), QStringLiteral("300A"));
    QCOMPARE(Word(6), QStringLiteral("00A0"));
    QVERIFY(QFile::exists(m_folder->Path("my programs/first try.lst")));
    CMessagesPane* output = app.Frame().Messages();
    QVERIFY(output->isVisible());
    const QString lines = output->Lines().join('\n');
    QVERIFY2(lines.contains("first try.asm: 0 error"), qPrintable(lines));
    // The keyboard stays with the editor.
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(app.Frame().EditView()));
}

void AssembleTest::errorsAreReportedWithTheAssemblersOutput() {
    const QString path = m_folder->Path("bad one.asm");
    WriteBytes(path, "\torg\t5\n\tbogus\t1\n\tend\n");
    CAppUnderTest app;
    Open(app, path);
    PressF7(app);
    QCOMPARE(app.m_messages.Texts(),
             std::vector<std::string>({"GRESKA: Greske ispravljati u editoru."}));
    CMessagesPane* output = app.Frame().Messages();
    QVERIFY(output->isVisible());
    const QString lines = output->Lines().join('\n');
    QVERIFY2(lines.contains("bad one.asm:2") && lines.contains("bogus"), qPrintable(lines));
}

void AssembleTest::f7BeforeAnyFileCannotStartTheAssembler() {
    CAppUnderTest app;
    RegisterFile[STATUS] = 0x18;
    PressF7(app);
    QCOMPARE(app.m_messages.Texts(),
             std::vector<std::string>({"GRESKA: Proces nije dobro kreiran"}));
    QCOMPARE(int(RegisterFile[STATUS]), 0);  // the reset came first
    // The pane says why, beside the message.
    QVERIFY(app.Frame().Messages()->isVisible());
    QVERIFY(app.Frame().Messages()->Lines().join(' ').contains("nije sacuvan"));
}

void AssembleTest::onlySavedTextIsAssembled() {
    const QString path = m_folder->Path("edit me.asm");
    WriteBytes(path, kSource);
    CAppUnderTest app;
    Open(app, path);
    CEditView* editor = app.Frame().EditView();
    const QString edited = editor->text().replace("0x0A", "0x0B");
    editor->selectAll();
    editor->replaceSelectedText(edited);
    PressF7(app);
    QCOMPARE(Word(5), QStringLiteral("300A"));
    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
    PressF7(app);
    QCOMPARE(Word(5), QStringLiteral("300B"));
    QVERIFY(app.m_messages.Texts().empty());
}

void AssembleTest::exampleStepsThroughItsFirstInstructions() {
    const QString path = m_folder->Path("counter.asm");
    QVERIFY(QFile::copy(QStringLiteral(LUMO_SOURCE_DIR "/examples/counter.asm"), path));
    CAppUnderTest app;
    Open(app, path);
    PressF7(app);
    QVERIFY(app.m_messages.Texts().empty());
    SimSpeedMs = 200;

    struct Step {
        int pc;
        int w;
        const char* mnemonic;
    };
    // bsf STATUS,RP0; clrf TRISB; bcf STATUS,RP0 - then clrf PORTB;
    // call delay; movlw DELAY_COUNT.
    const Step steps[] = {{6, 0, "BSF"},  {7, 0, "CLRF"},  {8, 0, "BCF"},
                          {9, 0, "CLRF"}, {12, 0, "CALL"}, {13, 20, "MOVLW"}};
    CEditView* editor = app.Frame().EditView();
    for (const Step& step : steps) {
        QTest::keyClick(editor, Qt::Key_F5, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(int(PC), step.pc, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(QByteArray(LastMnemonic.load()), QByteArray(step.mnemonic),
                                  20000);
        QCOMPARE(int(W), step.w);
        if (step.pc == 8) QCOMPARE(int(RegisterFile[TRISB]), 0);
    }
    SaveScreenshotsIfAsked(app);
    app.Frame().Action(ID_RESTART)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(int(PC), 5, 20000);
}

void AssembleTest::SaveScreenshotsIfAsked(CAppUnderTest& app) {
    // LUMO_UI_GRAB_DIR=folder: after a short run the window and the
    // assembler's output are saved there, for a person to look at.
    const QString folder = qEnvironmentVariable("LUMO_UI_GRAB_DIR");
    if (folder.isEmpty()) return;
    SimSpeedMs = 10;
    app.Frame().Action(ID_CONTINUOUS_RUN)->trigger();
    QTest::qWait(1500);
    app.Frame().Action(ID_STOP_SIMULATION)->trigger();
    QTest::qWait(100);
    QVERIFY(app.Frame().grab().save(folder + "/main_window.png"));
    QVERIFY(app.Frame().Messages()->grab().save(folder + "/assembler_output.png"));
}

QTEST_MAIN(AssembleTest)
#include "test_assemble.moc"
