// Another program after the first: F7 and Open start the clock and the
// events afresh, Open unloads the old program and its messages, and the
// window stays on its screen however tall it was left.
#include <QAction>
#include <QScreen>
#include <QSettings>
#include <QtTest>

#include "build/source_file.h"
#include "core/state.h"
#include "support/app_fixture.h"
#include "ui/command_ids.h"
#include "ui/main_frame.h"
#include "ui/messages_pane.h"

class ProgramSwitchTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        CAppUnderTest::ClearSettings();
        SourceFolder.clear();
        SourceFileName.clear();
        SimSpeedMs = 200;
    }

    void f7AndOpenStartTheNextProgramAfresh() {
        CScratchFolder folder;
        const QString first = folder.Path("first.asm");
        const QString second = folder.Path("second.asm");
        WriteBytes(first, "\torg\t5\nloop\tincf\t0x20,f\n\tgoto\tloop\n\tend\n");
        WriteBytes(second, "\torg\t5\n\tnop\n\tend\n");
        CAppUnderTest app;
        CMainFrame& frame = app.Frame();
        app.m_dialogs.m_openPaths = {first, second};
        frame.Action(ID_FILE_OPEN)->trigger();
        frame.Action(ID_ASSEMBLE)->trigger();
        QVERIFY(AssemblerEnded(frame));
        for (int step = 1; step <= 3; ++step) {
            frame.Action(ID_SINGLE_STEP)->trigger();
            QTRY_COMPARE(InstructionCount.load(), uint64_t(step));
        }
        frame.Action(ID_ASSEMBLE)->trigger();
        QVERIFY(AssemblerEnded(frame));
        QCOMPARE(core::CycleCount.load(), uint64_t(0));
        QCOMPARE(InstructionCount.load(), uint64_t(0));
        frame.Action(ID_SINGLE_STEP)->trigger();
        QTRY_COMPARE(InstructionCount.load(), uint64_t(1));

        frame.Action(ID_FILE_OPEN)->trigger();
        QCOMPARE(int(ProgramEnd), 0);
        QCOMPARE(core::CycleCount.load(), uint64_t(0));
        QVERIFY(frame.Messages()->Lines().isEmpty());
        QCOMPARE(frame.StatusMessage(),
                 QStringLiteral("Tekst nije preveden: nijedan program nije ucitan (F7)"));
        frame.Action(ID_ASSEMBLE)->trigger();
        QVERIFY(AssemblerEnded(frame));
        QCOMPARE(frame.StatusMessage(), QStringLiteral("Spreman"));
        QVERIFY(app.m_messages.Texts().empty());
    }

    void aWindowLeftTallerThanTheScreenComesBackOnIt() {
        {
            CAppUnderTest app;
            app.Frame().resize(700, 3000);
            app.Frame().close();
        }
        CAppUnderTest app;
        const QRect room = app.Frame().screen()->availableGeometry();
        QVERIFY(app.Frame().frameGeometry().height() <= room.height());
        QVERIFY(app.Frame().frameGeometry().top() >= room.top());
    }
};

QTEST_MAIN(ProgramSwitchTest)
#include "test_program_switch.moc"
