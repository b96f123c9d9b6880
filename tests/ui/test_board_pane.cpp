// The lab board in the window: the board file beside the source comes with
// it, the pane shows what the parts show while the program runs, the mouse
// holds keys, a malformed file is told in the messages pane, a recorded
// session with key presses plays in lumo-run, and the editor writes a board
// that attaches; a paste reaches the terminal as typed bytes, the reset
// button is the MCLR command, and a new clock makes the board again.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QStatusBar>
#include <QtTest>

#include "board/attached_board.h"
#include "build/source_file.h"
#include "core/cpu_unit.h"
#include "core/event_log.h"
#include "core/state.h"
#include "support/app_fixture.h"
#include "ui/board_commands.h"
#include "ui/board_editor_dlg.h"
#include "ui/board_pane.h"
#include "ui/board_view.h"
#include "ui/command_ids.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/messages_pane.h"
#include "ui/time_commands.h"
#include "view_test_hooks.h"

using board::PartText;

class BoardPaneTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { SimSpeedMs = 200; }
    void examplesShowOnTheirBoards_data();
    void examplesShowOnTheirBoards();
    void digitsShowTheCount();
    void heldKeyReachesTheProgramAndIsRecorded();
    void typedLineReachesTheTerminalsProgram();
    void pasteGoesOutAsTypedBytesWhenItFits();
    void resetButtonIsTheMclrCommandAndAClockRetimesTheBoard();
    void malformedBoardIsReportedAndLeavesNoPane();
    void editorWritesABoardThatAttaches();

private:
    // Copies the example and its board file into the scratch folder, opens
    // and assembles it.
    void LoadExample(CAppUnderTest& app, const QString& name);
    static CBoardCommands& Boards(CAppUnderTest& app) {
        return *app.Frame().findChild<CBoardCommands*>();
    }
    // What the pane draws for the part with that name.
    static QString Shows(CAppUnderTest& app, const char* part);
    static void Trigger(CAppUnderTest& app, int id) { app.Frame().Action(id)->trigger(); }

    std::unique_ptr<CScratchFolder> m_folder;
};

void BoardPaneTest::init() {
    CAppUnderTest::ClearSettings();
    m_folder = std::make_unique<CScratchFolder>();
    QVERIFY(m_folder->IsValid());
    SourceFolder.clear();
    SourceFileName.clear();
}

void BoardPaneTest::LoadExample(CAppUnderTest& app, const QString& name) {
    for (const QString& suffix : {QStringLiteral(".asm"), QStringLiteral(".board.yaml")}) {
        WriteBytes(m_folder->Path(name + suffix),
                   ReadBytes(QStringLiteral(LUMO_SOURCE_DIR "/examples/board/") + name + suffix));
    }
    app.m_dialogs.m_openPaths.append(m_folder->Path(name + QStringLiteral(".asm")));
    Trigger(app, ID_FILE_OPEN);
    Trigger(app, ID_ASSEMBLE);
    QVERIFY(AssemblerEnded(app.Frame()));
    QVERIFY(ProgramEnd > 0);
    QVERIFY(Boards(app).Board() != nullptr);
    QVERIFY(Boards(app).Pane()->isVisible());
    QTRY_COMPARE(app.Doc().m_pWorker->m_runState.load(), core::RunState::WaitingToStart);
}

QString BoardPaneTest::Shows(CAppUnderTest& app, const char* part) {
    const board::CAttachedBoard* attached = Boards(app).Board();
    const board::SBoard* shown = Boards(app).Pane()->View()->Shown();
    if (!attached || !shown) return QStringLiteral("(nema ploce)");
    const int index = attached->PartIndex(part);
    if (index < 0) return QStringLiteral("(nema dela)");
    return QString::fromStdString(PartText(shown->parts[static_cast<size_t>(index)].part));
}

void BoardPaneTest::examplesShowOnTheirBoards_data() {
    QTest::addColumn<QString>("example");
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("shown");
    // What each example's program writes, read off its source.
    QTest::newRow("LCD, 4 bits") << "lcd_greeting"
                                 << "LCD"
                                 << "Zdravo!\nPIC16C84";
    QTest::newRow("keypad waiting") << "keypad_lcd"
                                    << "LCD"
                                    << "Taster:";
}

void BoardPaneTest::examplesShowOnTheirBoards() {
    QFETCH(QString, example);
    QFETCH(QString, part);
    QFETCH(QString, shown);
    CAppUnderTest app;
    LoadExample(app, example);
    // Before the run the LCD is dark: the board starts from its reset.
    QCOMPARE(Shows(app, part.toLatin1().constData()), QString());
    SimSpeedMs = 0;
    Trigger(app, ID_CONTINUOUS_RUN);
    QTRY_COMPARE(Shows(app, part.toLatin1().constData()), shown);
    Trigger(app, ID_STOP_SIMULATION);
    QTRY_COMPARE(app.Doc().m_pWorker->m_runState.load(), core::RunState::Paused);

    // Back to the first instructions: the LCD shows what it showed then.
    app.Doc().OnGoToPass(3);
    QTRY_COMPARE(InstructionCount.load(), uint64_t{3});
    QTRY_COMPARE(Shows(app, part.toLatin1().constData()), QString());
}

// Two multiplexed digits look steady: each shows a digit over a frame,
// though only one is lit at a time; before the program lights them they
// are dark.
void BoardPaneTest::digitsShowTheCount() {
    CAppUnderTest app;
    LoadExample(app, QStringLiteral("mux_counter"));
    SimSpeedMs = 0;
    Trigger(app, ID_CONTINUOUS_RUN);
    QTRY_VERIFY(core::CycleCount > 300000);
    Trigger(app, ID_STOP_SIMULATION);
    QTRY_COMPARE(app.Doc().m_pWorker->m_runState.load(), core::RunState::Paused);
    // The pane catches up at its next repaint.
    const QRegularExpression twoDigits(QStringLiteral("^[0-9][0-9]$"));
    QTRY_VERIFY2(twoDigits.match(Shows(app, "DISP")).hasMatch(), qPrintable(Shows(app, "DISP")));
    app.Doc().OnGoToPass(3);
    QTRY_COMPARE(Shows(app, "DISP"), QStringLiteral("  "));
}

void BoardPaneTest::heldKeyReachesTheProgramAndIsRecorded() {
    CAppUnderTest app;
    LoadExample(app, QStringLiteral("keypad_lcd"));
    SimSpeedMs = 0;
    Trigger(app, ID_RECORD_START);
    QTRY_COMPARE(app.Doc().m_pWorker->m_runState.load(), core::RunState::WaitingToStart);
    Trigger(app, ID_CONTINUOUS_RUN);
    QTRY_COMPARE(Shows(app, "LCD"), QStringLiteral("Taster:"));

    CBoardView* view = Boards(app).Pane()->View();
    const int keys = Boards(app).Board()->PartIndex("KEYS");
    const QRect five = view->KeyRect(keys, '5');
    QVERIFY(!five.isEmpty());
    QTest::mousePress(view, Qt::LeftButton, {}, five.center());
    QTRY_COMPARE(Shows(app, "KEYS"), QStringLiteral("5"));
    QTRY_COMPARE(Shows(app, "LCD"), QStringLiteral("Taster: 5"));
    QTest::mouseRelease(view, Qt::LeftButton, {}, five.center());
    QTRY_COMPARE(Shows(app, "KEYS"), QString());
    const uint64_t released = core::CycleCount;
    QTRY_VERIFY(core::CycleCount > released + 20000);  // the program sees the key go

    const QString scenario = m_folder->Path("sesija.yaml");
    app.m_dialogs.m_savePaths.append(scenario);
    Trigger(app, ID_RECORD_END);
    QTRY_VERIFY(app.Frame().Action(ID_RECORD_START)->isEnabled());
    const QByteArray text = ReadBytes(scenario);
    QVERIFY2(text.contains("board: keypad_lcd.board.yaml"), text.constData());
    QVERIFY2(text.contains("- press: KEYS.5") && text.contains("- release: KEYS.5"),
             text.constData());
    QProcess run;
    run.start(QStringLiteral(LUMO_BIN_DIR "/lumo-run"), {QStringLiteral("--scenario"), scenario});
    QVERIFY(run.waitForFinished(60000));
    QVERIFY2(run.exitCode() == 0, run.readAll().constData());

    // The window plays it too, the key pressed and let go at their cycles.
    app.m_dialogs.m_openPaths.append(scenario);
    Trigger(app, ID_REPLAY);
    QTRY_VERIFY_WITH_TIMEOUT(
        app.Frame().statusBar()->currentMessage().contains(QStringLiteral("PROSAO")), 20000);
}

void BoardPaneTest::typedLineReachesTheTerminalsProgram() {
    CAppUnderTest app;
    LoadExample(app, QStringLiteral("serial_echo"));
    SimSpeedMs = 0;
    Trigger(app, ID_CONTINUOUS_RUN);
    QLineEdit* line = Boards(app).Pane()->TypingLine(Boards(app).Board()->PartIndex("TERM"));
    QVERIFY(line);
    // Each key goes out as it is typed, as from a terminal; the program
    // sends back every byte, Enter's carriage return too.
    QTest::keyClicks(line, QStringLiteral("O"));
    QTRY_COMPARE(Shows(app, "TERM"), QStringLiteral("O"));
    QTest::keyClicks(line, QStringLiteral("K"));
    QTRY_COMPARE(Shows(app, "TERM"), QStringLiteral("OK"));
    QCOMPARE(line->text(), QStringLiteral("OK"));
    QTest::keyClick(line, Qt::Key_Return);
    QTRY_COMPARE(Shows(app, "TERM"), QStringLiteral("OK\r"));
    QVERIFY(line->text().isEmpty());
}

void BoardPaneTest::pasteGoesOutAsTypedBytesWhenItFits() {
    CAppUnderTest app;
    LoadExample(app, QStringLiteral("serial_echo"));
    SimSpeedMs = 0;
    Trigger(app, ID_CONTINUOUS_RUN);
    QLineEdit* line = Boards(app).Pane()->TypingLine(Boards(app).Board()->PartIndex("TERM"));
    QVERIFY(line);
    // The bytes the terminal was given, as the events pane lists them: an
    // echo that answers byte by byte loses some of a burst, as on the bench.
    auto typed = [](uint64_t since) {
        QByteArray bytes;
        for (const core::SEvent& event : core::EventLog.Since(since)) {
            if (event.kind == core::EEventKind::Board &&
                event.cause == static_cast<uint8_t>(core::EBoardEvent::Typed))
                bytes += static_cast<char>(event.value);
        }
        return bytes;
    };
    // A line end goes out as Enter sends it; the line shows the last line.
    const uint64_t before = core::EventLog.LastSerial();
    QGuiApplication::clipboard()->setText(QStringLiteral("AB\nC"));
    QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
    QTRY_COMPARE(typed(before), QByteArray("AB\rC"));
    QCOMPARE(line->text(), QStringLiteral("C"));
    // More than the terminal can take is refused whole, and said so.
    const uint64_t fitted = core::EventLog.LastSerial();
    QGuiApplication::clipboard()->setText(QString(100, QLatin1Char('x')));
    QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
    QTRY_VERIFY(app.Frame().statusBar()->currentMessage().contains(QStringLiteral("100 znakova")));
    const uint64_t refused = core::CycleCount;
    QTRY_VERIFY(core::CycleCount > refused + 50000);
    QCOMPARE(typed(fitted), QByteArray());
    QCOMPARE(line->text(), QStringLiteral("C"));
}

void BoardPaneTest::resetButtonIsTheMclrCommandAndAClockRetimesTheBoard() {
    CAppUnderTest app;
    WriteBytes(m_folder->Path("brojac.asm"),
               "        org 0\n"
               "        goto start\n"
               "        org 5\n"
               "start   incf 0x0C,F\n"
               "loop    goto loop\n"
               "        end\n");
    WriteBytes(m_folder->Path("brojac.board.yaml"),
               "parts:\n  - button: {name: RESET, pin: MCLR}\n  - led: {pin: RB0}\n");
    app.m_dialogs.m_openPaths.append(m_folder->Path("brojac.asm"));
    Trigger(app, ID_FILE_OPEN);
    Trigger(app, ID_ASSEMBLE);
    QVERIFY(AssemblerEnded(app.Frame()));
    QTRY_VERIFY(Boards(app).Board() != nullptr);
    CBoardView* view = Boards(app).Pane()->View();
    const QRect reset = view->KeyRect(Boards(app).Board()->PartIndex("RESET"), 0);
    QVERIFY(!reset.isEmpty());
    auto press = [&] {
        QTest::mousePress(view, Qt::LeftButton, {}, reset.center());
        QTest::mouseRelease(view, Qt::LeftButton, {}, reset.center());
    };
    auto resets = [] {
        int count = 0;
        for (const core::SEvent& event : core::EventLog.Since(0))
            count += event.kind == core::EEventKind::Mclr;
        return count;
    };
    const int before = resets();

    // The classic chip has no MCLR reset: refused as the menu's command is.
    press();
    QTRY_VERIFY(app.Frame().statusBar()->currentMessage().contains(QStringLiteral("MCLR")));
    QCOMPARE(resets(), before);

    app.Frame().Action(ID_DATASHEET_CHIP)->setChecked(true);
    QTRY_VERIFY(app.Frame().Action(ID_MCLR_RESET)->isEnabled());
    QTRY_COMPARE(app.Doc().m_pWorker->m_runState.load(), core::RunState::WaitingToStart);
    Trigger(app, ID_SINGLE_STEP);  // GOTO start
    QTRY_COMPARE(int(PC), 5);
    press();
    QTRY_COMPARE(resets(), before + 1);
    QTRY_COMPARE(int(PC), 0);

    // Another clock makes the board again for it, with a new run.
    const board::CAttachedBoard* old = Boards(app).Board();
    app.Frame().Time()->SetOscillatorHz(20e6);
    const board::CAttachedBoard* retimed = Boards(app).Board();
    QVERIFY(retimed != old);
    QCOMPARE(retimed->CycleHz(), 5e6);
    app.Frame().Time()->SetOscillatorHz(20e6);
    QCOMPARE(Boards(app).Board(), retimed);  // the same clock: the same board
    app.Frame().Action(ID_DATASHEET_CHIP)->setChecked(false);
}

void BoardPaneTest::malformedBoardIsReportedAndLeavesNoPane() {
    CAppUnderTest app;
    const QString source = m_folder->Path("prog.asm");
    WriteBytes(source, "        org 0\nloop    goto loop\n        end\n");
    const QString boardFile = m_folder->Path("prog.board.yaml");
    WriteBytes(boardFile, "parts:\n  - led: {pin: RB0}\n  - button: {pin: RC9}\n");
    app.m_dialogs.m_openPaths.append(source);
    Trigger(app, ID_FILE_OPEN);
    Trigger(app, ID_ASSEMBLE);
    QVERIFY(AssemblerEnded(app.Frame()));
    QVERIFY(ProgramEnd > 0);
    QVERIFY(!Boards(app).Board());
    QVERIFY(!Boards(app).Pane()->isVisible());
    QVERIFY(!app.Frame().Action(ID_BOARD_DETACH)->isEnabled());
    // The line and column of the unknown pin, in the file's own name.
    const QStringList lines = app.Frame().Messages()->Lines();
    QVERIFY2(std::any_of(lines.begin(), lines.end(),
                         [&](const QString& line) {
                             return line.contains(boardFile + QStringLiteral(":3:")) &&
                                    line.contains(QStringLiteral("RC9"));
                         }),
             qPrintable(lines.join(QLatin1Char('\n'))));

    // Mended, the next F7 attaches it.
    WriteBytes(boardFile, "parts:\n  - led: {pin: RB0}\n  - button: {pin: RA4}\n");
    Trigger(app, ID_ASSEMBLE);
    QVERIFY(AssemblerEnded(app.Frame()));
    QVERIFY(Boards(app).Board() != nullptr);
    QVERIFY(Boards(app).Pane()->isVisible());
    Trigger(app, ID_BOARD_DETACH);
    QVERIFY(!Boards(app).Board());
    QVERIFY(!Boards(app).Pane()->isVisible());
    QCOMPARE(app.Frame().width(), CMainFrame::kWidth);
}

void BoardPaneTest::editorWritesABoardThatAttaches() {
    CAppUnderTest app;
    LoadExample(app, QStringLiteral("lcd_greeting"));
    WhenModal<CBoardEditorDlg>([](CBoardEditorDlg& dialog) {
        QCOMPARE(dialog.Parts()->count(), 1);
        dialog.AddPart(QStringLiteral("led"));
        auto* pin = qobject_cast<QComboBox*>(dialog.Field(QStringLiteral("pin")));
        QVERIFY(pin);
        // RB4 is the LCD's D4: an LED may share it, it drives nothing.
        pin->setCurrentText(QStringLiteral("RB4"));
        dialog.AddPart(QStringLiteral("button"));
        QCOMPARE(qobject_cast<QComboBox*>(dialog.Field(QStringLiteral("pin")))->currentText(),
                 QStringLiteral("RA4"));
        // A switch on the button's pin: two parts would drive it, so the
        // board does not read and nothing is written.
        dialog.AddPart(QStringLiteral("switch"));
        auto* level = qobject_cast<QComboBox*>(dialog.Field(QStringLiteral("pin")));
        level->setCurrentText(QStringLiteral("RA4"));
        dialog.Save();
        QVERIFY(dialog.isVisible());
        QVERIFY2(dialog.Problem()->text().contains(QStringLiteral("RA4")),
                 qPrintable(dialog.Problem()->text()));
        level->setCurrentText(QStringLiteral("RA1"));
        dialog.Save();
    });
    Trigger(app, ID_BOARD_EDIT);
    QTRY_COMPARE(Boards(app).Board()->Snapshot()->parts.size(), size_t{4});
    const QByteArray text = ReadBytes(m_folder->Path("lcd_greeting.board.yaml"));
    QVERIFY2(text.contains("- led: {pin: RB4, active: 1}"), text.constData());
    QVERIFY2(text.contains("- button: {name: TASTER, pin: RA4, pressed: 0}"), text.constData());
    QVERIFY2(text.contains("- switch: {pin: RA1, level: 0}"), text.constData());
}

QTEST_MAIN(BoardPaneTest)
#include "test_board_pane.moc"
