// Options > "Jezik (Language)": the window speaks the Serbian source texts by
// default and English once English was chosen and the program started again;
// the help opens the document of that language.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QtTest>

#include "app_title.h"
#include "command_ids.h"
#include "help_window.h"
#include "language_commands.h"
#include "main_frame.h"
#include "speed_dlg.h"
#include "support/app_fixture.h"

namespace {
QStringList MenuTitles(CMainFrame& frame) {
    QStringList titles;
    for (QAction* menu : frame.menuBar()->actions()) titles << menu->text();
    return titles;
}

QStringList LabelTexts(QWidget& dialog) {
    QStringList texts;
    for (QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    return texts;
}

void ChooseInSettings(const QString& code) {
    QSettings(QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kAppTitle))
        .setValue(QStringLiteral("Opcije/Jezik"), code);
}
}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void init() { CAppUnderTest::ClearSettings(); }

    // Each row: what the settings hold, and what the menu bar, an Options
    // item, the status bar, the speed dialog, the open dialog's first filter
    // and the help document then are.
    void theWindowSpeaksTheChosenLanguage_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("assemble");
        QTest::addColumn<QString>("idle");
        QTest::addColumn<QString>("dialogTitle");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("help");
        const QStringList titles{"&File", "&Edit", "&View", "&Options", "&Help"};
        QTest::newRow("default") << QString() << titles << "&Prevedi  (F7)" << "Spreman"
                                 << "Promena brzine simulacije"
                                 << "Unesite brzinu izvrsavanja u ms:"
                                 << "Asemblers Files (*.asm)" << ":/help/Pomoc.html";
        QTest::newRow("Srpski") << "sr" << titles << "&Prevedi  (F7)" << "Spreman"
                                << "Promena brzine simulacije"
                                << "Unesite brzinu izvrsavanja u ms:"
                                << "Asemblers Files (*.asm)" << ":/help/Pomoc.html";
        QTest::newRow("English") << "en" << titles << "&Assemble  (F7)" << "Ready"
                                 << "Change the simulation speed" << "Enter the run speed in ms:"
                                 << "Assembler Files (*.asm)" << ":/help/Pomoc_en.html";
        // A language this program does not know is the default one.
        QTest::newRow("unknown") << "xx" << titles << "&Prevedi  (F7)" << "Spreman"
                                 << "Promena brzine simulacije"
                                 << "Unesite brzinu izvrsavanja u ms:"
                                 << "Asemblers Files (*.asm)" << ":/help/Pomoc.html";
    }
    void theWindowSpeaksTheChosenLanguage() {
        QFETCH(QString, setting);
        if (!setting.isEmpty()) ChooseInSettings(setting);
        CAppUnderTest app;
        CMainFrame& frame = app.Frame();
        QTEST(MenuTitles(frame), "titles");
        QTEST(frame.Action(ID_ASSEMBLE)->text(), "assemble");
        QTEST(frame.StatusMessage(), "idle");
        CSpeedDlg dialog(&frame);
        QTEST(dialog.windowTitle(), "dialogTitle");
        QFETCH(QString, prompt);
        QVERIFY2(LabelTexts(dialog).contains(prompt), qPrintable(LabelTexts(dialog).join('|')));
        frame.Action(ID_FILE_OPEN)->trigger();
        QCOMPARE(app.m_dialogs.m_openRequests.size(), 1);
        QTEST(app.m_dialogs.m_openRequests[0].filters.value(0), "filter");
        QTEST(HelpDocumentPath(), "help");
        QVERIFY(QFile::exists(HelpDocumentPath()));
    }

    // The choice is kept and said to apply at the next start; the running
    // window stays as it is, and choosing the language it has says nothing.
    void aChoiceIsKeptForTheNextStart() {
        CAppUnderTest app;
        QMenu* menu = app.Frame().findChild<CLanguageCommands*>()->Menu();
        QCOMPARE(menu->title(), QStringLiteral("Jezik (Language)"));
        const QList<QAction*> items = menu->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->text(), QStringLiteral("Srpski"));
        QVERIFY(items[0]->isChecked());
        items[0]->trigger();
        QVERIFY(app.m_messages.Texts().empty());
        items[1]->trigger();
        QVERIFY(items[1]->isChecked());
        QCOMPARE(app.m_messages.Texts().size(), size_t(1));
        QVERIFY(QString::fromStdString(app.m_messages.Texts()[0]).contains("next time"));
        QCOMPARE(app.Frame().Action(ID_ASSEMBLE)->text(), QStringLiteral("&Prevedi  (F7)"));
        QCOMPARE(QSettings().value(QStringLiteral("Opcije/Jezik")).toString(),
                 QStringLiteral("en"));
    }
};

QTEST_MAIN(LanguageTest)
#include "test_language.moc"
