// The register display's View toggles, the dialogs and help as the running
// window issues them, and the pin panel and register display inside it.
#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QTextBrowser>
#include <QtTest>

#include "core/cpu_unit.h"
#include "core/state.h"
#include "support/app_fixture.h"
#include "ui/about_dlg.h"
#include "ui/break_labels_dlg.h"
#include "ui/command_ids.h"
#include "ui/display_flags.h"
#include "ui/help_window.h"
#include "ui/input_view.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/output_view.h"
#include "ui/pin_table.h"
#include "ui/speed_dlg.h"
#include "view_test_hooks.h"

namespace {
QMenu* MenuHolding(QAction* action) {
    for (QObject* holder : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(holder)) return menu;
    return nullptr;
}

void PressInDisplay(CMainFrame& frame, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    // A dialog that just closed may have left no window active.
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QWidget* display = frame.OutputView();
    display->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), display);
    QTest::keyClick(display, key, modifiers);
}
}  // namespace

class TestViewCommands : public QObject {
    Q_OBJECT
private slots:
    void viewTogglesFlipFlagsAndCheckMarks() {
        CAppUnderTest app;
        QVERIFY(app.Started());
        CMainFrame& frame = app.Frame();
        // The worker's first refresh records the register display.
        QTRY_COMPARE(LastRefreshedView.load(), static_cast<core::CView*>(frame.OutputView()));

        const struct {
            int id;
            bool* flag;
            bool initial;
        } toggles[] = {{ID_VIEW_HEX, &ShowHex, false},
                       {ID_VIEW_SPECIAL_REGS, &ShowSpecialRegs, true},
                       {ID_VIEW_GENERAL_REGS, &ShowGeneralRegs, true}};
        for (const auto& toggle : toggles) {
            QAction* action = frame.Action(toggle.id);
            QVERIFY(action && action->isCheckable() && action->isEnabled());
            QCOMPARE(*toggle.flag, toggle.initial);
            QCOMPARE(action->isChecked(), toggle.initial);
            action->trigger();
            QCOMPARE(*toggle.flag, !toggle.initial);
            QCOMPARE(action->isChecked(), !toggle.initial);
            action->trigger();
            QCOMPARE(*toggle.flag, toggle.initial);
            QCOMPARE(action->isChecked(), toggle.initial);

            // The check mark is read from the flag when the menu opens.
            QMenu* menu = MenuHolding(action);
            QVERIFY(menu);
            *toggle.flag = !toggle.initial;
            emit menu->aboutToShow();
            QCOMPARE(action->isChecked(), !toggle.initial);
            *toggle.flag = toggle.initial;
            emit menu->aboutToShow();
        }

        PressInDisplay(frame, Qt::Key_H, Qt::ControlModifier);
        QVERIFY(ShowHex);
        QVERIFY(frame.Action(ID_VIEW_HEX)->isChecked());
        PressInDisplay(frame, Qt::Key_H, Qt::ControlModifier);
        QVERIFY(!ShowHex);
    }

    void dialogCommandsOpenTheirDialogs() {
        CAppUnderTest app;
        QVERIFY(app.Started());
        CMainFrame& frame = app.Frame();

        bool sawSpeed = false;
        WhenModal<CSpeedDlg>([&sawSpeed, &frame](CSpeedDlg& dialog) {
            sawSpeed = true;
            QCOMPARE(dialog.parentWidget(), static_cast<QWidget*>(&frame));
            QCOMPARE(dialog.SpeedField()->text(), QString::number(SimSpeedMs));
            dialog.reject();
        });
        PressInDisplay(frame, Qt::Key_B, Qt::ControlModifier);
        QVERIFY(sawSpeed);

        bool sawLabels = false;
        WhenModal<CBreakLabelsDlg>([&sawLabels](CBreakLabelsDlg& dialog) {
            sawLabels = true;
            dialog.reject();
        });
        PressInDisplay(frame, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(sawLabels);

        bool sawAbout = false;
        WhenModal<CAboutDlg>([&sawAbout](CAboutDlg& dialog) {
            sawAbout = true;
            dialog.accept();
        });
        frame.Action(ID_APP_ABOUT)->trigger();
        QVERIFY(sawAbout);

        PressInDisplay(frame, Qt::Key_F1);
        QTextBrowser* help = OpenHelpWindow();
        QVERIFY(help && help->isVisible());
        QVERIFY(!help->parentWidget());
        help->close();
        QTRY_VERIFY(!OpenHelpWindow());
        QVERIFY(app.m_messages.Texts().empty());
    }

    void pinClickInTheWindowRepaintsTheRegisterDisplay() {
        CAppUnderTest app;
        QVERIFY(app.Started());
        CMainFrame& frame = app.Frame();
        QTRY_COMPARE(LastRefreshedView.load(), static_cast<core::CView*>(frame.OutputView()));
        LastRefreshedView = nullptr;
        // The worker applies the click between two instructions, at once
        // while it waits.
        QTest::mouseClick(frame.InputView()->viewport(), Qt::LeftButton, {}, QPoint(37, 170));
        QTRY_COMPARE(int(RegisterFile[PORTB]), 0x80);
        QCOMPARE(LastRefreshedView.load(), static_cast<core::CView*>(frame.OutputView()));
        QTest::mouseClick(frame.InputView()->viewport(), Qt::LeftButton, {}, QPoint(37, 170));
        QTRY_COMPARE(int(RegisterFile[PORTB]), 0x00);
    }

    void runningProgramShowsOnThePanel() {
        CAppUnderTest app(QString::fromUtf8(LUMO_SOURCE_DIR "/examples/counter.asm"));
        QVERIFY(app.Started());
        CMainFrame& frame = app.Frame();
        frame.Action(ID_ASSEMBLE)->trigger();
        QVERIFY(AssemblerEnded(frame));
        QVERIFY(ProgramEnd > 0);
        SimSpeedMs = 0;
        frame.Action(ID_CONTINUOUS_RUN)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(RegisterFile[PORTB] >= 3, 20000);
        frame.Action(ID_STOP_SIMULATION)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(app.Doc().m_pWorker->m_bPaused, 20000);
        SimSpeedMs = 200;

        // Paused: the panel's LEDs and the display's mnemonic show this state.
        QTest::qWait(100);
        const uint8_t portB = RegisterFile[PORTB];
        const QImage panel = frame.InputView()->grab().toImage();
        for (int bit = 0; bit < 8; ++bit) {
            const PinInfo& pin = kPins[7 - bit];
            const QColor led = panel.pixelColor(pin.ledX + 9, kPinTop + 9);
            QCOMPARE(led.red() > 200 && led.green() < 120, ((portB >> bit) & 1) != 0);
        }
        const QImage display = frame.OutputView()->grab().toImage();
        QCOMPARE(display.pixelColor(631, 91), QColor(128, 192, 128));
        QVERIFY(app.m_messages.Texts().empty());
    }
};

QTEST_MAIN(TestViewCommands)
#include "test_view_commands.moc"
