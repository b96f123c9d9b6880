// Options > "Jezik (Language)": the window speaks the Serbian source texts by
// default and English once English was chosen and the program started again;
// the help opens the document of that language.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QtTest>

#include "board/board_reader.h"
#include "core/cpu_unit.h"
#include "core/state.h"
#include "support/app_fixture.h"
#include "ui/app_title.h"
#include "ui/command_ids.h"
#include "ui/help_window.h"
#include "ui/language_commands.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/speed_dlg.h"

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
        QTest::newRow("default") << QString() << titles << "&Prevedi  (F7)"
                                 << "Spreman"
                                 << "Promena brzine simulacije"
                                 << "Unesite brzinu izvrsavanja u ms:"
                                 << "Asemblers Files (*.asm)"
                                 << ":/help/Pomoc.html";
        QTest::newRow("Srpski") << "sr" << titles << "&Prevedi  (F7)"
                                << "Spreman"
                                << "Promena brzine simulacije"
                                << "Unesite brzinu izvrsavanja u ms:"
                                << "Asemblers Files (*.asm)"
                                << ":/help/Pomoc.html";
        QTest::newRow("English") << "en" << titles << "&Assemble  (F7)"
                                 << "Ready"
                                 << "Change the simulation speed"
                                 << "Enter the run speed in ms:"
                                 << "Assembler Files (*.asm)"
                                 << ":/help/Pomoc_en.html";
        // A language this program does not know is the default one.
        QTest::newRow("unknown") << "xx" << titles << "&Prevedi  (F7)"
                                 << "Spreman"
                                 << "Promena brzine simulacije"
                                 << "Unesite brzinu izvrsavanja u ms:"
                                 << "Asemblers Files (*.asm)"
                                 << ":/help/Pomoc.html";
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

    // Each row: the setting, the worker's message box on a ninth call, and a
    // board reader's complaint; both come from the Qt-free layers, which
    // follow the window's language and go back to Serbian with it.
    void theQtFreeTextsFollowTheWindow_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("boardError");
        QTest::newRow("Srpski") << "sr"
                                << "Stek je pun"
                                << "b.yaml:1:8: parts: ocekuje se lista delova";
        QTest::newRow("English") << "en"
                                 << "The stack is full"
                                 << "b.yaml:1:8: parts: a list of parts expected";
    }
    void theQtFreeTextsFollowTheWindow() {
        QFETCH(QString, setting);
        ChooseInSettings(setting);
        {
            CAppUnderTest app;
            ClearProgramImage();
            int at = 4 * core::kStartAddress;
            for (const char ch : std::string("2005"))
                ProgramImage[at++] = ch;  // call 5, again and again
            ProgramEnd = core::kProgramImageSize;
            SimSpeedMs = 0;
            QTRY_VERIFY(app.Doc().m_pWorker->m_bPaused);
            app.Frame().Action(ID_CONTINUOUS_RUN)->trigger();
            QTRY_VERIFY_WITH_TIMEOUT(!app.m_messages.Texts().empty(), 20000);
            QTEST(QString::fromStdString(app.m_messages.Texts()[0]), "message");
            app.Frame().Action(ID_STOP_SIMULATION)->trigger();
            board::SBoard board;
            std::string error;
            QVERIFY(!board::ReadBoardText("parts: 5", "b.yaml", &board, &error));
            QTEST(QString::fromStdString(error), "boardError");
        }
        std::string error;
        board::SBoard board;
        board::ReadBoardText("parts: 5", "b.yaml", &board, &error);
        QCOMPARE(error, std::string("b.yaml:1:8: parts: ocekuje se lista delova"));
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
