// F7 with an assembler that takes its time: the window keeps answering, the
// commands pressed meanwhile wait for the load, a note with a cancel button
// comes after half a second, the time limit ends a hung assembler, and
// missing output files are told in the messages pane beside what the
// assembler printed.
#include <QAction>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

#include "build/source_file.h"
#include "core/cpu_unit.h"
#include "core/state.h"
#include "support/app_fixture.h"
#include "ui/command_ids.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/messages_pane.h"
#include "ui/source_commands.h"

class AssemblerProcessTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void aSlowAssemblerLeavesTheWindowAnsweringAndTheKeysWait();
    void aHungAssemblerIsCancelledOrEndedAtItsLimit();
    void missingOutputIsToldInThePane();

private:
    // An assembler in the source folder that runs body, then (with real) the
    // real one.
    void FakeAssembler(const QByteArray& body, bool real) const;
    void Open(CAppUnderTest& app) const;

    std::unique_ptr<CScratchFolder> m_folder;
};

void AssemblerProcessTest::init() {
    CAppUnderTest::ClearSettings();
    m_folder = std::make_unique<CScratchFolder>();
    QVERIFY(m_folder->IsValid());
    WriteBytes(m_folder->Path("a.asm"), "\torg\t5\nloop\tincf\t0x20,f\n\tgoto\tloop\n\tend\n");
    SourceFolder.clear();
    SourceFileName.clear();
    SimSpeedMs = 200;
}

void AssemblerProcessTest::FakeAssembler(const QByteArray& body, bool real) const {
    const QString path = m_folder->Path("tasm");
    QByteArray script = "#!/bin/sh\n" + body + "\n";
    if (real) script += "exec '" LUMO_BIN_DIR "/tasm' \"$@\"\n";
    WriteBytes(path, script);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void AssemblerProcessTest::Open(CAppUnderTest& app) const {
    app.m_dialogs.m_openPaths.append(m_folder->Path("a.asm"));
    app.Frame().Action(ID_FILE_OPEN)->trigger();
}

void AssemblerProcessTest::aSlowAssemblerLeavesTheWindowAnsweringAndTheKeysWait() {
    FakeAssembler("echo working; sleep 1", true);
    CAppUnderTest app;
    CMainFrame& frame = app.Frame();
    Open(app);
    QWidget* note = frame.findChild<QWidget*>(QStringLiteral("assembling"));
    QVERIFY(note);

    QTest::keyClick(frame.EditView(), Qt::Key_F7);
    QVERIFY(frame.Assembling());
    QVERIFY(note->isHidden());
    // The keys of the run wait; those of the view do not.
    QVERIFY(!frame.Action(ID_SINGLE_STEP)->isEnabled());
    QTest::keyClick(frame.EditView(), Qt::Key_F5, Qt::ControlModifier);
    const bool hex = frame.Action(ID_VIEW_HEX)->isChecked();
    QTest::keyClick(frame.EditView(), Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(frame.Action(ID_VIEW_HEX)->isChecked(), !hex);
    QTRY_VERIFY_WITH_TIMEOUT(note->isVisible(), 900);
    QCOMPARE(InstructionCount.load(), 0u);

    QVERIFY(AssemblerEnded(frame));
    QVERIFY(note->isHidden());
    QVERIFY(frame.Action(ID_SINGLE_STEP)->isEnabled());
    QCOMPARE(int(ProgramEnd), core::kProgramImageSize);
    // The step pressed meanwhile runs the new program's first instruction.
    QTRY_COMPARE(InstructionCount.load(), 1u);
    QTRY_COMPARE(int(RegisterFile[0x20]), 1);
    QVERIFY(app.m_messages.Texts().empty());
}

void AssemblerProcessTest::aHungAssemblerIsCancelledOrEndedAtItsLimit() {
    FakeAssembler("echo hanging; exec sleep 60", false);
    QSettings().setValue(QStringLiteral("Editor/AssemblerTimeLimit"), 1);
    CAppUnderTest app;
    CMainFrame& frame = app.Frame();
    Open(app);

    frame.Action(ID_ASSEMBLE)->trigger();
    QWidget* note = frame.findChild<QWidget*>(QStringLiteral("assembling"));
    QTRY_VERIFY(note->isVisible());
    note->findChild<QPushButton*>()->click();
    QVERIFY(AssemblerEnded(frame));
    QCOMPARE(frame.Messages()->Lines(),
             QStringList({QStringLiteral("Prevodjenje je prekinuto."), QStringLiteral("hanging")}));
    QCOMPARE(int(ProgramImage[4 * core::kStartAddress]), 0);

    QElapsedTimer clock;
    clock.start();
    frame.Action(ID_ASSEMBLE)->trigger();
    QVERIFY(AssemblerEnded(frame));
    QVERIFY(clock.elapsed() < 20000);
    QCOMPARE(frame.Messages()->Lines().first(),
             QStringLiteral("Prevodilac nije zavrsio za 1 s i prekinut je (Options, Vreme za "
                            "prevodjenje)."));
    QCOMPARE(int(ProgramImage[4 * core::kStartAddress]), 0);
    QVERIFY(app.m_messages.Texts().empty());
}

void AssemblerProcessTest::missingOutputIsToldInThePane() {
    struct {
        QByteArray body;
        QString note;
    } cases[] = {
        {"echo 'tasm: out of memory'", QStringLiteral("Prevodilac nije napravio listing a.lst.")},
        {"printf '0001  0005  2805  goto 5\\r\\nNumber of errors = 0\\r\\n' > a.lst; echo 'tasm: "
         "out of memory'",
         QStringLiteral("Prevodilac nije napravio objektni fajl a.obj.")},
    };
    for (const auto& c : cases) {
        FakeAssembler(c.body, false);
        CAppUnderTest app;
        Open(app);
        app.Frame().Action(ID_ASSEMBLE)->trigger();
        QVERIFY(AssemblerEnded(app.Frame()));
        QCOMPARE(app.Frame().Messages()->Lines(),
                 QStringList({c.note, QStringLiteral("tasm: out of memory")}));
        QVERIFY(app.m_messages.Texts().empty());
        QCOMPARE(int(ProgramImage[4 * core::kStartAddress]), 0);
    }
}

QTEST_MAIN(AssemblerProcessTest)
#include "test_assembler_process.moc"
