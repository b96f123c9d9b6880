// The speed dialog's checks and its effect on SimSpeedMs, the About box, the
// breakpoint labels dialog, and the help command.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>
#include <atomic>

#include "build/assemble_command.h"
#include "build/source_file.h"
#include "core/cpu_unit.h"
#include "core/sim_document.h"
#include "core/state.h"
#include "ui/about_dlg.h"
#include "ui/break_labels_dlg.h"
#include "ui/help_window.h"
#include "ui/speed_dlg.h"
#include "view_test_hooks.h"

namespace {
const char* const kNotInteger = "Please enter an integer.";
const char* const kOutOfRange = "Please enter an integer between 0 and 10000.";

// Every child lies inside the dialog and no text is cut off.
void VerifyLayoutHoldsItsTexts(QDialog& dialog) {
    const QRect inside(QPoint(0, 0), dialog.size());
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(inside.contains(child->geometry()), qPrintable(child->objectName()));
        if (auto* label = qobject_cast<QLabel*>(child); label && !label->text().isEmpty())
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
        if (auto* button = qobject_cast<QPushButton*>(child))
            QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->width());
    }
}

// A view the worker may repaint from its own thread.
class CThreadSafeView : public core::CView {
public:
    void InvalidateRect(bool) override { m_nRequests.fetch_add(1); }
    std::atomic<int> m_nRequests{0};
};

// Labels at word 0, 5 and 6 of a program that loops between 6 and 7.
const char* const kLabelProgram =
    "        org 0\r\n"
    "nula:   goto start\r\n"
    "        org 5\r\n"
    "start:  clrf 0x0C\r\n"
    "petlja: incf 0x0C, f          ; petlja: counts\r\n"
    "        goto petlja\r\n"
    "        end\r\n";

QWidget* FocusAfterTabs(QWidget& window, int tabs) {
    for (int i = 0; i < tabs; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    Q_UNUSED(window);
    return QApplication::focusWidget();
}
}  // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void speedDialogOpensOnTheStartSpeed() {
        QCOMPARE(int(SimSpeedMs), 200);
        WhenModal<CSpeedDlg>([](CSpeedDlg& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Promena brzine simulacije"));
            QCOMPARE(dialog.SpeedField()->text(), QString("200"));
            QVERIFY(dialog.SpeedField()->alignment() & Qt::AlignRight);
            QVERIFY(dialog.OkButton()->isDefault());
            QCOMPARE(QApplication::focusWidget(), dialog.OkButton());
            // Tab order: OK, Cancel, the field.
            QCOMPARE(FocusAfterTabs(dialog, 1), dialog.CancelButton());
            QCOMPARE(FocusAfterTabs(dialog, 1), static_cast<QWidget*>(dialog.SpeedField()));
            VerifyLayoutHoldsItsTexts(dialog);
            dialog.reject();
        });
        OnSpeed(nullptr);
        QCOMPARE(int(SimSpeedMs), 200);
    }

    void speedDialogChecksTheField_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");  // empty: accepted
        QTest::addColumn<int>("speed");
        QTest::newRow("0") << "0"
                           << "" << 0;
        QTest::newRow("10000") << "10000"
                               << "" << 10000;
        QTest::newRow("blanks around") << " 150 "
                                       << "" << 150;
        QTest::newRow("tabs around") << "\t7\t"
                                     << "" << 7;
        QTest::newRow("plus sign") << "+5"
                                   << "" << 5;
        QTest::newRow("10001") << "10001" << kOutOfRange << 0;
        QTest::newRow("-1") << "-1" << kOutOfRange << 0;
        QTest::newRow("huge") << "99999999999999999999" << kOutOfRange << 0;
        QTest::newRow("abc") << "abc" << kNotInteger << 0;
        QTest::newRow("12abc") << "12abc" << kNotInteger << 0;
        QTest::newRow("empty") << "" << kNotInteger << 0;
        QTest::newRow("blanks only") << "   " << kNotInteger << 0;
        QTest::newRow("sign only") << "-" << kNotInteger << 0;
        QTest::newRow("minus zero") << "-0" << kNotInteger << 0;
        QTest::newRow("inner blank") << "1 2" << kNotInteger << 0;
    }
    void speedDialogChecksTheField() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(int, speed);
        CRecordingMessageBox box;
        CSpeedDlg dialog;
        dialog.m_nSpeed = 200;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.SpeedField()->setText(typed);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        if (message.isEmpty()) {
            QVERIFY(box.Messages().empty());
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.m_nSpeed, speed);
        } else {
            QCOMPARE(box.Messages(), std::vector<std::string>{message.toStdString()});
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.m_nSpeed, 200);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.SpeedField()));
            QCOMPARE(dialog.SpeedField()->selectedText(), typed);
        }
    }

    void enterInTheFieldChoosesOk() {
        CSpeedDlg dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.SpeedField()->setFocus();
        dialog.SpeedField()->setText("42");
        QTest::keyClick(dialog.SpeedField(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.m_nSpeed, 42);
    }

    void speedCommandWritesOnlyOnOk() {
        SimSpeedMs = 200;
        WhenModal<CSpeedDlg>([](CSpeedDlg& dialog) {
            dialog.SpeedField()->setText("999");
            dialog.CancelButton()->click();
        });
        OnSpeed(nullptr);
        QCOMPARE(int(SimSpeedMs), 200);

        WhenModal<CSpeedDlg>([](CSpeedDlg& dialog) {
            dialog.SpeedField()->setText("998");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        OnSpeed(nullptr);
        QCOMPARE(int(SimSpeedMs), 200);

        WhenModal<CSpeedDlg>([](CSpeedDlg& dialog) {
            dialog.SpeedField()->setText("997");
            dialog.close();
        });
        OnSpeed(nullptr);
        QCOMPARE(int(SimSpeedMs), 200);

        WhenModal<CSpeedDlg>([](CSpeedDlg& dialog) {
            dialog.SpeedField()->setText(" 350");
            dialog.OkButton()->click();
        });
        OnSpeed(nullptr);
        QCOMPARE(int(SimSpeedMs), 350);
        SimSpeedMs = 200;
    }

    void aboutBoxShowsNameAndVersion() {
        WhenModal<CAboutDlg>([](CAboutDlg& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("About"));
            QStringList texts;
            for (QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
            QVERIFY(texts.contains("Lumo Version 2.0"));
            auto buttons = dialog.findChildren<QPushButton*>();
            QCOMPARE(buttons.size(), 1);
            QCOMPARE(buttons[0]->text(), QString("OK"));
            QVERIFY(buttons[0]->isDefault());
            VerifyLayoutHoldsItsTexts(dialog);
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        OnAppAbout(nullptr);
    }

    void breakLabelsDialogLayout() {
        CBreakLabelsDlg dialog;
        QCOMPARE(dialog.windowTitle(), QString("Labele prekidnih tacaka"));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowSystemMenuHint));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), dialog.OkButton());
        QCOMPARE(FocusAfterTabs(dialog, 1), dialog.CancelButton());
        for (int i = 0; i < CBreakLabelsDlg::kFields; ++i)
            QCOMPARE(FocusAfterTabs(dialog, 1), static_cast<QWidget*>(dialog.Field(i)));
        // Two columns of four, top to bottom.
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(dialog.Field(i)->x(), dialog.Field(0)->x());
            QCOMPARE(dialog.Field(i + 4)->y(), dialog.Field(i)->y());
            QVERIFY(dialog.Field(i + 4)->x() > dialog.Field(i)->geometry().right());
            if (i > 0) QVERIFY(dialog.Field(i)->y() > dialog.Field(i - 1)->geometry().bottom());
        }
        VerifyLayoutHoldsItsTexts(dialog);
        dialog.reject();
    }

    void breakLabelsResolveCompactAndReopen() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QFile source(folder.filePath("prog.asm"));
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write(kLabelProgram);
        source.close();
        SourceFolder = QDir(folder.path()).absolutePath().toStdString() + "/";
        SourceFileName = "prog.asm";
        CRecordingMessageBox box;
        QVERIFY(OnAssemble());
        QVERIFY(box.Messages().empty());

        // Fields 3 and 6 filled, plus a label at word 0 and one in the wrong case.
        WhenModal<CBreakLabelsDlg>([](CBreakLabelsDlg& dialog) {
            dialog.Field(2)->setText("petlja");
            dialog.Field(4)->setText("nula");
            dialog.Field(5)->setText("start");
            dialog.Field(7)->setText("Petlja");
            dialog.OkButton()->click();
        });
        OnBreakLabels(nullptr);
        QCOMPARE(int(BreakLabelCount), 2);
        QCOMPARE(BreakLabels.Get(0), std::string("petlja"));
        QCOMPARE(BreakLabels.Get(1), std::string("start"));
        QCOMPARE(int(BreakAddresses[0]), 6);
        QCOMPARE(int(BreakAddresses[1]), 5);
        for (int i = 2; i < core::kBreakpointsUsed; ++i) QCOMPARE(int(BreakAddresses[i]), 0);

        // Reopened, the kept labels stand in the first fields; Cancel after
        // editing leaves everything as it was.
        WhenModal<CBreakLabelsDlg>([](CBreakLabelsDlg& dialog) {
            QCOMPARE(dialog.Field(0)->text(), QString("petlja"));
            QCOMPARE(dialog.Field(1)->text(), QString("start"));
            for (int i = 2; i < CBreakLabelsDlg::kFields; ++i)
                QVERIFY(dialog.Field(i)->text().isEmpty());
            dialog.Field(0)->setText("nula");
            dialog.Field(3)->setText("start");
            dialog.CancelButton()->click();
        });
        OnBreakLabels(nullptr);
        QCOMPARE(int(BreakLabelCount), 2);
        QCOMPARE(BreakLabels.Get(0), std::string("petlja"));
        QCOMPARE(int(BreakAddresses[0]), 6);
        QCOMPARE(int(BreakAddresses[1]), 5);
    }

    void breakpointPausesAContinuousRunAtItsLabel() {
        QTemporaryDir folder;
        QFile source(folder.filePath("prog.asm"));
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write(kLabelProgram);
        source.close();
        SourceFolder = QDir(folder.path()).absolutePath().toStdString() + "/";
        SourceFileName = "prog.asm";
        CRecordingMessageBox box;
        QVERIFY(OnAssemble());

        core::CSimDocument doc;
        CThreadSafeView editor, panel, display;
        doc.AddView(&editor);
        doc.AddView(&panel);
        doc.AddView(&display);
        doc.CreateWorker();
        // The worker's reset at the start of a run clears the breakpoints;
        // its first refresh comes after that.
        QTRY_VERIFY_WITH_TIMEOUT(display.m_nRequests.load() > 0, 20000);

        WhenModal<CBreakLabelsDlg>([](CBreakLabelsDlg& dialog) {
            dialog.Field(0)->setText("petlja");
            dialog.OkButton()->click();
        });
        OnBreakLabels(nullptr);
        QCOMPARE(int(BreakAddresses[0]), 6);

        SimSpeedMs = 0;
        doc.OnContinuousRun();
        QTRY_VERIFY_WITH_TIMEOUT(doc.m_pWorker->m_bPaused && PC == 6, 20000);
        QCOMPARE(int(RegisterFile[0x0C]), 0);  // only the word at 5 ran
        doc.OnContinuousRun();                 // on from the label: once round the loop
        QTRY_VERIFY_WITH_TIMEOUT(doc.m_pWorker->m_bPaused && RegisterFile[0x0C] == 1, 20000);
        QCOMPARE(int(PC), 6);
        doc.StopWorker();
        SimSpeedMs = 200;
        QVERIFY(box.Messages().empty());
    }

    void helpWithoutItsDocumentShowsNothing() {
        CRecordingMessageBox box;
        const int windows = QApplication::topLevelWidgets().size();
        SetHelpDocumentPath(QDir::temp().filePath("lumo-no-such-help/Pomoc.html"));
        OnHelp();
        QCoreApplication::processEvents();
        QVERIFY(!OpenHelpWindow());
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        QVERIFY(box.Messages().empty());
        SetHelpDocumentPath(QString());
    }

    void helpOpensItsOwnWindowOnce() {
        QWidget owner;  // stands for the main window
        owner.show();
        OnHelp();
        QTextBrowser* help = OpenHelpWindow();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QVERIFY(help->isWindow());
        QVERIFY(!help->parentWidget());
        QVERIFY(!help->testAttribute(Qt::WA_QuitOnClose));
        QVERIFY(help->toPlainText().contains("Lumo"));
        QVERIFY(help->toPlainText().contains("Labele prekidnih tacaka"));
        OnHelp();  // a second F1 brings the same window forward
        QCOMPARE(OpenHelpWindow(), help);
        help->close();
        QTRY_VERIFY(!OpenHelpWindow());
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
