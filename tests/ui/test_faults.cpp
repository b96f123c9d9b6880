// Saving where nothing can be written: a read-only folder, a folder removed
// while its file is open, a folder that is really a file, a file name that
// is really a folder. Each time the previous file stays whole, the user is
// told why, and nothing typed is lost: the text stays in the editor, still
// modified, ready for Save As; closing the window does not throw it away.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QtTest>

#include "build/source_file.h"
#include "support/app_fixture.h"
#include "ui/command_ids.h"
#include "ui/edit_view.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"

using Answer = CUserDialogs::Answer;

namespace {

// Makes a folder refuse new files for as long as it lives. Permissions do
// not stop root, so for root the folder is marked immutable instead, which
// stops everybody. Where neither works (a file system without the flag),
// Active() is false.
class CReadOnlyFolder {
public:
    explicit CReadOnlyFolder(const QString& folder) : m_path(QFile::encodeName(folder)) {
        if (::geteuid() != 0) {
            m_bChmod = ::chmod(m_path.constData(), 0555) == 0;
        } else {
            m_bImmutable = SetImmutable(true);
        }
        m_bActive = (m_bChmod || m_bImmutable) && !CanCreateFile();
    }
    ~CReadOnlyFolder() { Release(); }
    CReadOnlyFolder(const CReadOnlyFolder&) = delete;
    CReadOnlyFolder& operator=(const CReadOnlyFolder&) = delete;

    bool Active() const { return m_bActive; }
    void Release() {
        if (m_bChmod) ::chmod(m_path.constData(), 0755);
        if (m_bImmutable) SetImmutable(false);
        m_bChmod = m_bImmutable = false;
    }

private:
    bool SetImmutable(bool on) const {
        const int fd = ::open(m_path.constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0) return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return done;
    }
    bool CanCreateFile() const {
        const QByteArray probe = m_path + "/probe";
        const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd < 0) return false;
        ::close(fd);
        ::unlink(probe.constData());
        return true;
    }

    QByteArray m_path;
    bool m_bChmod = false;
    bool m_bImmutable = false;
    bool m_bActive = false;
};

}  // namespace

class FaultTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void saveInAReadOnlyFolderKeepsFileAndText();
    void saveAfterTheFolderWasRemovedKeepsTheText();
    void saveAsBelowAFileOrOverAFolderIsRefused_data();
    void saveAsBelowAFileOrOverAFolderIsRefused();
    void closingAfterAFailedSaveKeepsTheWindowOpen();

private:
    static void Open(CAppUnderTest& app, const QString& path);
    static void Trigger(CAppUnderTest& app, int id) { app.Frame().Action(id)->trigger(); }
    static void TypeAtEnd(CAppUnderTest& app, const QString& text);
    static QString Text(CAppUnderTest& app) { return app.Frame().EditView()->text(); }
    // One message: the save failed, naming the file.
    static void VerifyOneSaveFailure(CAppUnderTest& app, const QString& path);

    std::unique_ptr<CScratchFolder> m_folder;
};

void FaultTest::init() {
    m_folder = std::make_unique<CScratchFolder>();
    QVERIFY(m_folder->IsValid());
    SourceFolder.clear();
    SourceFileName.clear();
}

void FaultTest::Open(CAppUnderTest& app, const QString& path) {
    app.m_dialogs.m_openPaths.append(path);
    Trigger(app, ID_FILE_OPEN);
}

void FaultTest::TypeAtEnd(CAppUnderTest& app, const QString& text) {
    CEditView* editor = app.Frame().EditView();
    editor->append(text);
    editor->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
}

void FaultTest::VerifyOneSaveFailure(CAppUnderTest& app, const QString& path) {
    const std::vector<std::string> texts = app.m_messages.Texts();
    QCOMPARE(texts.size(), size_t(1));
    const QString text = QString::fromStdString(texts[0]);
    QVERIFY2(text.startsWith("Failed to save document."), qPrintable(text));
    QVERIFY2(text.contains(QDir::toNativeSeparators(path)), qPrintable(text));
}

void FaultTest::saveInAReadOnlyFolderKeepsFileAndText() {
    QDir().mkpath(m_folder->Path("locked"));
    const QString path = m_folder->Path("locked/prog.asm");
    WriteBytes(path, "nop\r\n");
    CAppUnderTest app;
    Open(app, path);
    TypeAtEnd(app, "sleep\n");

    CReadOnlyFolder locked(m_folder->Path("locked"));
    if (!locked.Active()) QSKIP("no way to make a folder read-only here");
    Trigger(app, ID_FILE_SAVE);
    locked.Release();

    VerifyOneSaveFailure(app, path);
    QCOMPARE(ReadBytes(path), QByteArray("nop\r\n"));
    QVERIFY(app.Doc().IsModified());
    QCOMPARE(Text(app), QStringLiteral("nop\r\nsleep\n"));
    QCOMPARE(QDir(m_folder->Path("locked")).entryList(QDir::Files), QStringList({"prog.asm"}));

    // Once the folder takes files again, the same Save succeeds.
    app.m_messages.Clear();
    Trigger(app, ID_FILE_SAVE);
    QVERIFY(app.m_messages.Texts().empty());
    QCOMPARE(ReadBytes(path), QByteArray("nop\r\nsleep\n"));
    QVERIFY(!app.Doc().IsModified());
}

void FaultTest::saveAfterTheFolderWasRemovedKeepsTheText() {
    QDir().mkpath(m_folder->Path("gone soon"));
    const QString path = m_folder->Path("gone soon/prog.asm");
    WriteBytes(path, "nop\n");
    CAppUnderTest app;
    Open(app, path);
    TypeAtEnd(app, "clrw\n");
    QVERIFY(QDir(m_folder->Path("gone soon")).removeRecursively());

    Trigger(app, ID_FILE_SAVE);
    VerifyOneSaveFailure(app, path);
    QVERIFY(app.Doc().IsModified());
    QCOMPARE(Text(app), QStringLiteral("nop\nclrw\n"));
    QCOMPARE(app.Frame().windowTitle(), QStringLiteral("prog.asm - Lumo"));

    // Save As rescues the text elsewhere and makes that file the source.
    const QString rescue = m_folder->Path("rescued.asm");
    app.m_messages.Clear();
    app.m_dialogs.m_savePaths = {rescue};
    Trigger(app, ID_FILE_SAVE_AS);
    QVERIFY(app.m_messages.Texts().empty());
    QCOMPARE(ReadBytes(rescue), QByteArray("nop\nclrw\n"));
    QVERIFY(!app.Doc().IsModified());
    QCOMPARE(QString::fromStdString(SourceFolder + SourceFileName), rescue);
}

void FaultTest::saveAsBelowAFileOrOverAFolderIsRefused_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("below a file") << QStringLiteral("plain file/prog.asm");
    QTest::newRow("over a folder") << QStringLiteral("a folder");
}

void FaultTest::saveAsBelowAFileOrOverAFolderIsRefused() {
    QFETCH(QString, target);
    WriteBytes(m_folder->Path("plain file"), "keep");
    QDir().mkpath(m_folder->Path("a folder"));
    const QString source = m_folder->Path("prog.asm");
    WriteBytes(source, "nop\n");
    CAppUnderTest app;
    Open(app, source);
    TypeAtEnd(app, "retfie\n");

    const QString path = m_folder->Path(target);
    app.m_dialogs.m_savePaths = {path};
    Trigger(app, ID_FILE_SAVE_AS);
    VerifyOneSaveFailure(app, path);
    QCOMPARE(ReadBytes(m_folder->Path("plain file")), QByteArray("keep"));
    QVERIFY(QFileInfo(m_folder->Path("a folder")).isDir());
    QVERIFY(app.Doc().IsModified());
    QCOMPARE(Text(app), QStringLiteral("nop\nretfie\n"));
    // The source stays the file that was opened.
    QCOMPARE(QString::fromStdString(SourceFolder + SourceFileName), source);
}

void FaultTest::closingAfterAFailedSaveKeepsTheWindowOpen() {
    QDir().mkpath(m_folder->Path("gone soon"));
    const QString path = m_folder->Path("gone soon/prog.asm");
    WriteBytes(path, "nop\n");
    CAppUnderTest app;
    Open(app, path);
    TypeAtEnd(app, "sleep\n");
    QVERIFY(QDir(m_folder->Path("gone soon")).removeRecursively());

    // Yes to "Save changes?", the save fails: the window must stay, with
    // the text, rather than close and lose it.
    app.m_dialogs.m_answers = {Answer::Yes};
    QVERIFY(!app.Frame().close());
    QVERIFY(app.Frame().isVisible());
    VerifyOneSaveFailure(app, path);
    QCOMPARE(Text(app), QStringLiteral("nop\nsleep\n"));
    QVERIFY(app.Doc().IsModified());

    app.m_dialogs.m_answers = {Answer::No};
    QVERIFY(app.Frame().close());
}

QTEST_MAIN(FaultTest)
#include "test_faults.moc"
