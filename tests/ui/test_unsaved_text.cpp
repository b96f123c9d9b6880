// Text typed since the last save: the status bar says it is there, and a
// copy of it outlives a window that is killed, to be offered at the next
// start, into its own file's document.
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLockFile>
#include <QtTest>

#include "build/source_file.h"
#include "support/app_fixture.h"
#include "ui/command_ids.h"
#include "ui/main_frame.h"
#include "ui/recovery_copy.h"

namespace {
const QByteArray kSaved = "\torg\t5\n\tnop\n\tend\n";
const QByteArray kTyped = "\torg\t5\n\tincf\t0x20,f\n\tend\n";

// A copy as a window that was killed leaves it: text, path, no live lock.
void LeaveCopy(const QString& stem, const QByteArray& text, const QString& path) {
    QDir().mkpath(CRecoveryCopy::Folder());
    WriteBytes(CRecoveryCopy::Folder() + "/" + stem + ".asm", text);
    WriteBytes(CRecoveryCopy::Folder() + "/" + stem + ".path", path.toUtf8());
}

QStringList Copies() {
    return QDir(CRecoveryCopy::Folder()).entryList({"*.asm", "*.path"}, QDir::Files);
}
}  // namespace

class UnsavedTextTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        CAppUnderTest::ClearSettings();
        SourceFolder.clear();
        SourceFileName.clear();
        QDir(CRecoveryCopy::Folder()).removeRecursively();
    }

    void theMarkAndTheCopyFollowTheText() {
        CScratchFolder folder;
        const QString file = folder.Path("prog.asm");
        WriteBytes(file, kSaved);
        {
            CAppUnderTest app(file);
            CMainFrame& frame = app.Frame();
            QVERIFY(frame.ModifiedMark()->isHidden());
            app.Doc().EditView()->ReplaceAllAsEdit(kTyped);
            QVERIFY(!frame.ModifiedMark()->isHidden());
            QCOMPARE(frame.ModifiedMark()->text(), QStringLiteral("Izmenjeno"));

            // Written a moment after the typing stops, whole.
            QTRY_COMPARE_WITH_TIMEOUT(Copies().size(), 2, 2 * CRecoveryCopy::kDelayMs);
            const QStringList texts = QDir(CRecoveryCopy::Folder()).entryList({"*.asm"});
            QCOMPARE(ReadBytes(CRecoveryCopy::Folder() + "/" + texts.first()), kTyped);

            frame.Action(ID_FILE_SAVE)->trigger();
            QCOMPARE(ReadBytes(file), kTyped);
            QVERIFY(frame.ModifiedMark()->isHidden());
            QVERIFY(Copies().isEmpty());

            // A normal close leaves nothing behind, even with the changes dropped.
            app.Doc().EditView()->ReplaceAllAsEdit(kSaved);
            app.App().RecoveryCopy()->WriteNow();
            QCOMPARE(Copies().size(), 2);
            app.m_dialogs.m_answers = {CUserDialogs::Answer::No};
            frame.close();
        }
        QVERIFY(Copies().isEmpty());
    }

    void aCopyOfAWindowThatIsGoneIsOfferedOnce() {
        CScratchFolder folder;
        const QString file = folder.Path("prog.asm");
        const QString other = folder.Path("other.asm");
        WriteBytes(file, kSaved);
        WriteBytes(other, "\tend\n");
        struct SCase {
            const char* name;
            CUserDialogs::Answer answer;
            QString copyPath;  // the copy's own file
            QString started;   // the file the window starts with
            QByteArray text;   // the editor's text afterwards
            QString document;  // the document's path afterwards
        };
        const SCase cases[] = {
            {"restored into its own file", CUserDialogs::Answer::Yes, file, other, kTyped, file},
            {"an untitled text stays untitled", CUserDialogs::Answer::Yes, QString(), other, kTyped,
             QString()},
            {"a file since removed: untitled", CUserDialogs::Answer::Yes, folder.Path("gone.asm"),
             other, kTyped, QString()},
            {"declined: dropped", CUserDialogs::Answer::No, file, other, "\tend\n", other},
        };
        for (const SCase& c : cases) {
            LeaveCopy("4242-1", kTyped, c.copyPath);
            CAppUnderTest app(c.started, CAppUnderTest::RecordedBoxes, {c.answer});
            QVERIFY2(app.m_dialogs.m_questions.size() == 1, c.name);
            QCOMPARE(app.Doc().EditView()->SourceBytes(), c.text);
            QCOMPARE(app.Doc().GetPathName(), c.document);
            QVERIFY2(Copies().isEmpty() || c.answer == CUserDialogs::Answer::Yes, c.name);
            if (c.answer == CUserDialogs::Answer::Yes) {
                QVERIFY2(app.Doc().IsModified(), c.name);
                // Undo gives the file's own text back.
                if (c.document == file) {
                    app.Doc().EditView()->undo();
                    QCOMPARE(app.Doc().EditView()->SourceBytes(), kSaved);
                }
            }
        }
        QCOMPARE(ReadBytes(file), kSaved);
    }

    void aCopyOfAWindowStillOpenIsNotOffered() {
        LeaveCopy("4343-1", kTyped, QString());
        QLockFile live(CRecoveryCopy::Folder() + "/4343-1.lock");
        QVERIFY(live.tryLock(0));
        // A question would fail the test: none is scripted.
        CAppUnderTest app;
        QVERIFY(app.m_dialogs.m_questions.isEmpty());
        QCOMPARE(Copies().size(), 2);
    }
};

QTEST_MAIN(UnsavedTextTest)
#include "test_unsaved_text.moc"
