// The document's file commands: Open, Save, Save As, New, the save question,
// byte-for-byte text, the size limit, failed writes and the command line.
#include <sys/resource.h>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QtTest>
#include <csignal>

#include "build/source_file.h"
#include "core/state.h"
#include "support/app_fixture.h"
#include "ui/command_ids.h"
#include "ui/edit_view.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"

using Answer = CUserDialogs::Answer;

class DocumentTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void openLoadsTheFileAndNamesIt();
    void openCancelledChangesNothing();
    void openAsksBeforeDiscardingEdits_data();
    void openAsksBeforeDiscardingEdits();
    void saveWithoutChangesDoesNothing();
    void saveOfUntitledTextAsksForAName();
    void saveWritesTheOpenedFile();
    void saveAsMakesItsFileTheSource();
    void newKeepsTextSourceAndWorker();
    void bytesComeBackAsTheyWere_data();
    void bytesComeBackAsTheyWere();
    void anEditedLineIsAllThatChanges();
    void oversizeFileIsRefused();
    void unreadableFileChangesNothing();
    void failedWriteKeepsTheOldFile();
    void textThatNoByteCanHoldIsNotSaved();
    void utf8FilesAndNewTextsSaveAsUtf8();
    void closingAsksToSave();
    void commandLineOpensLikeOpen();
    void commandLineWithAMissingFileFails();
    void recentFilesKeepTheLastFour();

private:
    // Opens path through the File menu's Open.
    static void Open(CAppUnderTest& app, const QString& path);
    static void Trigger(CAppUnderTest& app, int id) { app.Frame().Action(id)->trigger(); }
    static void TypeAtEnd(CAppUnderTest& app, const QString& text);
    static bool MessagesContain(CAppUnderTest& app, const QString& part);

    std::unique_ptr<CScratchFolder> m_folder;
};

void DocumentTest::init() {
    m_folder = std::make_unique<CScratchFolder>();
    QVERIFY(m_folder->IsValid());
    SourceFolder.clear();
    SourceFileName.clear();
}

void DocumentTest::Open(CAppUnderTest& app, const QString& path) {
    app.m_dialogs.m_openPaths.append(path);
    Trigger(app, ID_FILE_OPEN);
}

void DocumentTest::TypeAtEnd(CAppUnderTest& app, const QString& text) {
    CEditView* editor = app.Frame().EditView();
    editor->append(text);
    editor->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
}

bool DocumentTest::MessagesContain(CAppUnderTest& app, const QString& part) {
    for (const std::string& text : app.m_messages.Texts()) {
        if (QString::fromStdString(text).contains(part)) return true;
    }
    return false;
}

void DocumentTest::openLoadsTheFileAndNamesIt() {
    const QString path = m_folder->Path("blink.asm");
    WriteBytes(path, "start\tgoto start\r\n");
    CAppUnderTest app;
    for (int i = 0; i < 8; ++i) ProgramImage[i] = 'A';
    ProgramEnd = 4096;
    RegisterFile[0x2F] = 7;
    RegisterFile[0x30] = 9;
    RegisterFile[OPTION_REG] = 0x12;

    Open(app, path);

    QCOMPARE(app.Frame().EditView()->text(), QStringLiteral("start\tgoto start\r\n"));
    QCOMPARE(app.Frame().windowTitle(), QStringLiteral("blink.asm - Lumo"));
    QVERIFY(!app.Doc().IsModified());
    QCOMPARE(QString::fromStdString(SourceFolder), QFileInfo(path).absolutePath() + "/");
    QCOMPARE(SourceFileName, std::string("blink.asm"));
    for (int i = 0; i < core::kProgramImageSize; ++i) QCOMPARE(char(ProgramImage[i]), '\0');
    QCOMPARE(int(RegisterFile[0x2F]), 0);
    QCOMPARE(int(RegisterFile[0x30]), 9);  // only 0x00-0x2F are cleared
    QCOMPARE(int(RegisterFile[OPTION_REG]), 0x12);
    // The previous program goes with its text: nothing runs until F7.
    QCOMPARE(int(ProgramEnd), 0);

    QCOMPARE(app.m_dialogs.m_openRequests.size(), 1);
    const FileDialogRequest& request = app.m_dialogs.m_openRequests[0];
    QCOMPARE(request.caption, QStringLiteral("Open"));
    QCOMPARE(request.initialName, QStringLiteral("Nemam_ime"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("asm"));
    QCOMPARE(request.filters,
             QStringList({"Asemblers Files (*.asm)", "Execute Files (*.lst)", "All Files (*.*)"}));
    QVERIFY(app.m_messages.Texts().empty());
}

void DocumentTest::openCancelledChangesNothing() {
    CAppUnderTest app;
    TypeAtEnd(app, "nop");
    app.m_dialogs.m_answers = {Answer::No};
    Trigger(app, ID_FILE_OPEN);  // no path scripted: the dialog is cancelled
    QCOMPARE(app.m_dialogs.m_openRequests.size(), 1);
    QCOMPARE(app.Frame().EditView()->text(), QStringLiteral("nop"));
    QCOMPARE(app.Doc().GetTitle(), QStringLiteral("Untitled"));
    QVERIFY(SourceFileName.empty());
}

void DocumentTest::openAsksBeforeDiscardingEdits_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QByteArray>("firstFileAfter");
    QTest::newRow("Yes saves, then opens") << int(Answer::Yes) << true << QByteArray("one\ntwo");
    QTest::newRow("No discards, then opens") << int(Answer::No) << true << QByteArray("one\n");
    QTest::newRow("Cancel keeps everything") << int(Answer::Cancel) << false << QByteArray("one\n");
}

void DocumentTest::openAsksBeforeDiscardingEdits() {
    QFETCH(int, answer);
    QFETCH(bool, opened);
    QFETCH(QByteArray, firstFileAfter);
    const QString first = m_folder->Path("first file.asm");
    const QString second = m_folder->Path("second.asm");
    WriteBytes(first, "one\n");
    WriteBytes(second, "other\n");
    CAppUnderTest app;
    Open(app, first);
    TypeAtEnd(app, "two");
    app.m_dialogs.m_answers = {Answer(answer)};
    Open(app, second);

    QCOMPARE(app.m_dialogs.m_questions, QStringList({"Save changes to first file.asm?"}));
    QCOMPARE(ReadBytes(first), firstFileAfter);
    QCOMPARE(app.Frame().EditView()->text(), opened ? "other\n" : "one\ntwo");
    QCOMPARE(app.Doc().GetTitle(), opened ? "second.asm" : "first file.asm");
    QCOMPARE(SourceFileName, opened ? std::string("second.asm") : std::string("first file.asm"));
    QCOMPARE(app.Doc().IsModified(), !opened);
    QCOMPARE(app.m_dialogs.m_openRequests.size(), opened ? 2 : 1);
}

void DocumentTest::saveWithoutChangesDoesNothing() {
    CAppUnderTest app;
    Trigger(app, ID_FILE_SAVE);
    QVERIFY(app.m_dialogs.m_saveRequests.isEmpty());

    const QString path = m_folder->Path("a.asm");
    WriteBytes(path, "nop\n");
    Open(app, path);
    QFile::remove(path);
    Trigger(app, ID_FILE_SAVE);
    QVERIFY(!QFile::exists(path));
}

void DocumentTest::saveOfUntitledTextAsksForAName() {
    CAppUnderTest app;
    TypeAtEnd(app, "clrw\n");
    Trigger(app, ID_FILE_SAVE);  // cancelled
    QCOMPARE(app.m_dialogs.m_saveRequests.size(), 1);
    const FileDialogRequest request = app.m_dialogs.m_saveRequests[0];
    QCOMPARE(request.initialName, QStringLiteral("Nemam_ime"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("asm"));
    QCOMPARE(request.filters, QStringList({"Asemblers Files (*.asm)", "All Files (*.*)"}));
    QVERIFY(app.Doc().IsModified());
    QVERIFY(SourceFileName.empty());

    const QString path = m_folder->Path("Nemam_ime.asm");
    app.m_dialogs.m_savePaths = {path};
    Trigger(app, ID_FILE_SAVE);
    QCOMPARE(ReadBytes(path), QByteArray("clrw\n"));
    QVERIFY(!app.Doc().IsModified());
    QCOMPARE(SourceFileName, std::string("Nemam_ime.asm"));
    QCOMPARE(app.Frame().windowTitle(), QStringLiteral("Nemam_ime.asm - Lumo"));
}

void DocumentTest::saveWritesTheOpenedFile() {
    const QString path = m_folder->Path("a.asm");
    WriteBytes(path, "nop\n");
    CAppUnderTest app;
    Open(app, path);
    TypeAtEnd(app, "sleep\n");
    Trigger(app, ID_FILE_SAVE);
    QVERIFY(app.m_dialogs.m_saveRequests.isEmpty());
    QCOMPARE(ReadBytes(path), QByteArray("nop\nsleep\n"));
    QVERIFY(!app.Doc().IsModified());
    // Nothing but the file itself is left in the folder.
    QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files), QStringList({"a.asm"}));
}

void DocumentTest::saveAsMakesItsFileTheSource() {
    const QString first = m_folder->Path("a.asm");
    const QString second = m_folder->Path("b.asm");
    WriteBytes(first, "nop\n");
    CAppUnderTest app;
    Open(app, first);
    app.m_dialogs.m_savePaths = {second};
    Trigger(app, ID_FILE_SAVE_AS);
    QCOMPARE(app.m_dialogs.m_saveRequests[0].caption, QStringLiteral("Save As"));
    QCOMPARE(app.m_dialogs.m_saveRequests[0].filters, QStringList({"All Files (*.*)"}));
    QCOMPARE(ReadBytes(second), QByteArray("nop\n"));
    QCOMPARE(app.Frame().windowTitle(), QStringLiteral("b.asm - Lumo"));
    QCOMPARE(SourceFileName, std::string("b.asm"));

    TypeAtEnd(app, "sleep\n");
    Trigger(app, ID_FILE_SAVE);
    QCOMPARE(ReadBytes(second), QByteArray("nop\nsleep\n"));
    QCOMPARE(ReadBytes(first), QByteArray("nop\n"));
}

void DocumentTest::newKeepsTextSourceAndWorker() {
    const QString path = m_folder->Path("a.asm");
    WriteBytes(path, "nop\n");
    CAppUnderTest app;
    CCPUNit* worker = app.Doc().m_pWorker;
    QVERIFY(worker);
    Open(app, path);
    Trigger(app, ID_FILE_NEW);
    QCOMPARE(app.Frame().windowTitle(), QStringLiteral("Untitled - Lumo"));
    QCOMPARE(app.Frame().EditView()->text(), QStringLiteral("nop\n"));
    QCOMPARE(SourceFileName, std::string("a.asm"));
    QCOMPARE(app.Doc().m_pWorker, worker);
    QVERIFY(app.m_dialogs.m_questions.isEmpty());

    // A modified text is offered for saving; Untitled goes through Save As.
    TypeAtEnd(app, "sleep\n");
    app.m_dialogs.m_answers = {Answer::Cancel};
    Trigger(app, ID_FILE_NEW);
    QCOMPARE(app.m_dialogs.m_questions, QStringList({"Save changes to Untitled?"}));
    QVERIFY(app.Doc().IsModified());
}

void DocumentTest::bytesComeBackAsTheyWere_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF, final line break")
        << QByteArray("\tlist p=16c84\r\nstart\tmovlw 0x0A\r\n\tgoto start\r\n");
    QTest::newRow("LF, no final line break") << QByteArray("a\nb\n\tend");
    QTest::newRow("CR LF, no final line break") << QByteArray("a\r\nb");
    QTest::newRow("blank lines and trailing blanks") << QByteArray("x  \r\n\r\n\r\n  \r\n");
    QByteArray everyByte;
    for (int b = 1; b < 256; ++b) {
        if (b == '\r' || b == '\n') continue;
        everyByte.append(char(b));
        if (b % 32 == 0) everyByte.append("\r\n");
    }
    QTest::newRow("every byte but line breaks") << everyByte;
    QTest::newRow("one line") << QByteArray("nop");
}

void DocumentTest::bytesComeBackAsTheyWere() {
    QFETCH(QByteArray, bytes);
    const QString path = m_folder->Path("round trip.asm");
    WriteBytes(path, bytes);
    CAppUnderTest app;
    Open(app, path);
    // Typing and taking it back marks the text changed without changing it.
    TypeAtEnd(app, "x");
    QTest::keyClick(app.Frame().EditView(), Qt::Key_Backspace);
    QVERIFY(app.Doc().IsModified());
    Trigger(app, ID_FILE_SAVE);
    QVERIFY(!app.Doc().IsModified());
    QCOMPARE(ReadBytes(path), bytes);
}

void DocumentTest::anEditedLineIsAllThatChanges() {
    const QString path = m_folder->Path("edit.asm");
    WriteBytes(path, "\tmovlw\t0xA0\r\n\tmovwf\t6 ; \xA0\xE9\r\n\tgoto\t5");
    CAppUnderTest app;
    Open(app, path);
    CEditView* editor = app.Frame().EditView();
    editor->setSelection(0, 0, 0, static_cast<int>(editor->text(0).indexOf(QLatin1Char('\r'))));
    editor->replaceSelectedText(QStringLiteral("\tmovlw\t0x55"));
    Trigger(app, ID_FILE_SAVE);
    QCOMPARE(ReadBytes(path), QByteArray("\tmovlw\t0x55\r\n\tmovwf\t6 ; \xA0\xE9\r\n\tgoto\t5"));
}

void DocumentTest::oversizeFileIsRefused() {
    const QString small = m_folder->Path("small.asm");
    WriteBytes(small, "nop\n");
    QByteArray line(63, 'x');
    line.append('\n');
    QByteArray limit = line.repeated(16384);  // 1,048,576 bytes
    limit.chop(1);                            // 1,048,575: the largest that opens
    const QString largest = m_folder->Path("largest.asm");
    WriteBytes(largest, limit);
    const QString tooLarge = m_folder->Path("too large.asm");
    WriteBytes(tooLarge, limit + "x");

    CAppUnderTest app;
    Open(app, small);
    RegisterFile[0x10] = 3;
    Open(app, tooLarge);
    QCOMPARE(app.m_messages.Texts(), std::vector<std::string>({"The file is too large to open."}));
    QCOMPARE(app.Frame().EditView()->text(), QStringLiteral("nop\n"));
    QCOMPARE(app.Doc().GetTitle(), QStringLiteral("small.asm"));
    QCOMPARE(SourceFileName, std::string("small.asm"));
    QCOMPARE(int(RegisterFile[0x10]), 3);

    app.m_messages.Clear();
    Open(app, largest);
    QVERIFY(app.m_messages.Texts().empty());
    QCOMPARE(app.Frame().EditView()->SourceBytes(), limit);
    QCOMPARE(SourceFileName, std::string("largest.asm"));
}

void DocumentTest::unreadableFileChangesNothing() {
    const QString small = m_folder->Path("small.asm");
    WriteBytes(small, "nop\n");
    CAppUnderTest app;
    Open(app, small);
    const QString missing = m_folder->Path("gone.asm");
    Open(app, missing);
    QVERIFY(MessagesContain(app, "Failed to open document."));
    QVERIFY(MessagesContain(app, QDir::toNativeSeparators(missing)));
    QVERIFY(MessagesContain(app, "No such file"));
    QCOMPARE(SourceFileName, std::string("small.asm"));
    QCOMPARE(app.Frame().EditView()->text(), QStringLiteral("nop\n"));
}

void DocumentTest::failedWriteKeepsTheOldFile() {
    const QString path = m_folder->Path("full disk.asm");
    WriteBytes(path, "nop\n");
    CAppUnderTest app;
    Open(app, path);
    TypeAtEnd(app, QString(64 * 1024, QLatin1Char('x')));

    // A file size limit makes every write past 4 KiB fail, as a full disk
    // would; it holds for root too.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    Trigger(app, ID_FILE_SAVE);
    setrlimit(RLIMIT_FSIZE, &previous);

    QCOMPARE(ReadBytes(path), QByteArray("nop\n"));
    QVERIFY(app.Doc().IsModified());
    QCOMPARE(app.m_messages.Texts().size(), size_t(1));
    QVERIFY(MessagesContain(app, "Failed to save document."));
    QVERIFY(MessagesContain(app, QDir::toNativeSeparators(path)));
    QVERIFY(MessagesContain(app, "File too large"));
    QCOMPARE(QDir(m_folder->Path(".")).entryList(QDir::Files), QStringList({"full disk.asm"}));
}

void DocumentTest::textThatNoByteCanHoldIsNotSaved() {
    // A file that is not UTF-8 is Windows-1250: its letters come in as they
    // are meant, a typed one goes out as its byte, and a character the code
    // page has no byte for stops the save.
    const QString path = m_folder->Path("a.asm");
    WriteBytes(path, "nop ; \x9A\xE6\n");
    CAppUnderTest app;
    Open(app, path);
    QCOMPARE(app.Frame().EditView()->text(), QStringLiteral("nop ; \u0161\u0107\n"));
    TypeAtEnd(app, QStringLiteral("; \u010D\n"));
    Trigger(app, ID_FILE_SAVE);
    QCOMPARE(ReadBytes(path), QByteArray("nop ; \x9A\xE6\n; \xE8\n"));

    TypeAtEnd(app, QStringLiteral("; \u0436"));
    Trigger(app, ID_FILE_SAVE);
    QCOMPARE(ReadBytes(path), QByteArray("nop ; \x9A\xE6\n; \xE8\n"));
    QVERIFY(app.Doc().IsModified());
    QVERIFY(MessagesContain(app, "Line 3"));
}

void DocumentTest::utf8FilesAndNewTextsSaveAsUtf8() {
    const QString path = m_folder->Path("u.asm");
    WriteBytes(path, "nop ; \xC5\xA1\r");  // a lone CR ends the line
    CAppUnderTest app;
    Open(app, path);
    QCOMPARE(app.Doc().GetEncoding(), SourceEncoding::Utf8);
    QCOMPARE(app.Frame().EditView()->lines(), 2);
    TypeAtEnd(app, QStringLiteral("; \u010D\u0107\u017E\u0111"));
    Trigger(app, ID_FILE_SAVE);
    QCOMPARE(ReadBytes(path), QByteArray("nop ; \xC5\xA1\r; \xC4\x8D\xC4\x87\xC5\xBE\xC4\x91"));

    // New keeps the text; saved under a new name it is UTF-8.
    Trigger(app, ID_FILE_NEW);
    TypeAtEnd(app, QStringLiteral("\u0160"));
    const QString fresh = m_folder->Path("fresh.asm");
    app.m_dialogs.m_savePaths.append(fresh);
    Trigger(app, ID_FILE_SAVE_AS);
    QCOMPARE(ReadBytes(fresh),
             QByteArray("nop ; \xC5\xA1\r; \xC4\x8D\xC4\x87\xC5\xBE\xC4\x91\xC5\xA0"));
}

void DocumentTest::closingAsksToSave() {
    CAppUnderTest app;
    TypeAtEnd(app, "nop");
    app.m_dialogs.m_answers = {Answer::Cancel};
    QVERIFY(!app.Frame().close());
    QVERIFY(app.Frame().isVisible());
    QVERIFY(app.Doc().m_pWorker);
    app.m_dialogs.m_answers = {Answer::No};
    QVERIFY(app.Frame().close());
    QVERIFY(!app.Frame().isVisible());
    QVERIFY(!app.Doc().m_pWorker);
    QCOMPARE(app.m_dialogs.m_questions,
             QStringList({"Save changes to Untitled?", "Save changes to Untitled?"}));
}

void DocumentTest::commandLineOpensLikeOpen() {
    const QString path = m_folder->Path("blink.asm");
    WriteBytes(path, "nop\r\n");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QFileInfo(path).absolutePath());
    CAppUnderTest app(QStringLiteral("blink.asm"));
    QDir::setCurrent(previous);
    QVERIFY(app.Started());
    QCOMPARE(app.Frame().windowTitle(), QStringLiteral("blink.asm - Lumo"));
    QCOMPARE(QString::fromStdString(SourceFolder), QFileInfo(path).absolutePath() + "/");
    QCOMPARE(SourceFileName, std::string("blink.asm"));
    QVERIFY(app.Doc().m_pWorker);
    QVERIFY(!app.Doc().IsModified());
    QCOMPARE(app.Doc().GetLineEnds(), LineEnds::CrLf);
}

void DocumentTest::commandLineWithAMissingFileFails() {
    CAppUnderTest app(m_folder->Path("missing.asm"));
    QVERIFY(!app.Started());
    QVERIFY(MessagesContain(app, "Failed to open document."));
}

void DocumentTest::recentFilesKeepTheLastFour() {
    CAppUnderTest app;
    QStringList paths;
    for (int i = 0; i < 5; ++i) {
        paths.append(m_folder->Path(QStringLiteral("p%1.asm").arg(i)));
        WriteBytes(paths.last(), "nop\n");
        Open(app, paths.last());
    }
    Open(app, paths[2]);
    const QStringList expected = {paths[2], paths[4], paths[3], paths[1]};
    QCOMPARE(app.App().RecentFiles().Files(), expected);
    QCOMPARE(CRecentFileList().Files(), expected);  // kept in the settings
}

QTEST_MAIN(DocumentTest)
#include "test_document.moc"
