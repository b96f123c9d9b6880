// The main window as the user meets it: menus, keys, toolbar, status bar,
// panes and caption.
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "core/state.h"
#include "support/app_fixture.h"
#include "ui/command_ids.h"
#include "ui/edit_view.h"
#include "ui/input_view.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/output_view.h"
#include "ui/run_status_panes.h"
#include "ui/speed_box.h"

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void captionGeometryAndIcon();
    void menusHoldTheirItemsInOrder();
    void everyAcceleratorIssuesItsCommand_data();
    void everyAcceleratorIssuesItsCommand();
    void editKeysWorkInTheEditor();
    void editCommandsBelongToTheEditorPane();
    void toolbarButtonsTooltipsAndImages();
    void toolbarDocksOnEverySide();
    void toolbarAdditionsSwitchOffInTheViewMenu();
    void statusBarShowsPromptsAndIdleText();
    void statusBarHasLockKeyPanes();
    void promptsKeepTheirRoomBesideLongStates();
    void viewListAndPaneRows();
    void f6MovesTheFocusBetweenPanes();
    void viewMenuTogglesBars();
    void runCommandsReachTheWorker();
};

namespace {
QStringList ItemTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions()) {
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

QToolButton* ButtonOf(CMainFrame& frame, int id) {
    return qobject_cast<QToolButton*>(frame.ToolBar()->widgetForAction(frame.Action(id)));
}
}  // namespace

void MainWindowTest::captionGeometryAndIcon() {
    CLumoDoc doc;
    {
        CMainFrame frame(doc);
        QCOMPARE(frame.windowTitle(), QStringLiteral("Simulator"));
        QCOMPARE(frame.size(), QSize(800, 570));
        QCOMPARE(frame.pos(), QPoint(0, 0));
        QVERIFY(!frame.windowIcon().isNull());
        doc.OnNewDocument();
        QCOMPARE(frame.windowTitle(), QStringLiteral("Untitled - Lumo"));
    }
    CAppUnderTest app;
    QCOMPARE(app.Frame().windowTitle(), QStringLiteral("Untitled - Lumo"));
    QVERIFY(app.Frame().isVisible());
}

// At the window's first size, a long state and a long label give way to the
// prompt, which hides the ordinary panes; their whole texts are tooltips.
void MainWindowTest::promptsKeepTheirRoomBesideLongStates() {
    CAppUnderTest app;
    CMainFrame& frame = app.Frame();
    QCOMPARE(frame.width(), 800);
    const QString message = QStringLiteral("GRESKA: Pogresna vrednost argumenta instrukcije");
    frame.RunStatus()->SetLastMessage(message);
    frame.RunStatus()->SetListingLabels({{5, "a_very_long_label_of_the_program"}});
    const QString prompt = QStringLiteral("Kontinualna simulacija ");
    frame.statusBar()->showMessage(prompt);
    QTRY_COMPARE(frame.statusBar()->currentMessage(), prompt);
    int firstPane = frame.width();
    for (QLabel* label : frame.statusBar()->findChildren<QLabel*>()) {
        if (label->isVisible() && label->text() != prompt)
            firstPane = std::min(firstPane, label->x());
        if (label->text().contains(message)) QCOMPARE(label->toolTip(), label->text());
    }
    QVERIFY2(firstPane > frame.statusBar()->fontMetrics().horizontalAdvance(prompt),
             qPrintable(QString::number(firstPane)));
    QVERIFY(frame.RunStatus()->StateText().endsWith(message));
    QVERIFY(
        frame.RunStatus()->PcText().endsWith(QStringLiteral("a_very_long_label_of_the_program")));
}

void MainWindowTest::menusHoldTheirItemsInOrder() {
    CAppUnderTest app;
    const QList<QPair<QString, QStringList>> expected = {
        {"&File",
         {"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-", "E&xit"}},
        {"&Edit", {"&Undo\tCtrl+Z", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V"}},
        {"&View",
         {"&Toolbar", "&Status Bar", "&Heksa vrednosti      Ctrl+H   ",
          "Registri specijalne namene", "Registri opste namene", "Oznaci promene", "-", "Stoperica",
          "Dodaci na traci sa alatima", "Dogadjaji", "Pracenje", "Stek", "Programska memorija",
          "Profil", "Memorija podataka", "EEPROM", "Logicki analizator", "Ploca"}},
        {"&Options",
         {"&Prevedi  (F7)",
          "Sacuvaj pre prevodjenja",
          "Vreme za prevodjenje...",
          "Cip po katalogu (PIC16C84)",
          "Provere",
          "-",
          "&Korak po korak (Ctrl+F5)",
          "Kontinualna simulacija (F5)",
          "&Prekid simulacije (Shift+F5)",
          "&Restart (Ctrl+R)",
          "&MCLR reset (Ctrl+M)",
          "&Brzina (Ctrl+B)",
          "&Labele prekidnih tacaka (Ctrl+L)",
          "-",
          "Korak &unazad (Ctrl+Shift+F5)",
          "Unazad do prethodnog &dogadjaja (Ctrl+Shift+D)",
          "-",
          "&Takt oscilatora...",
          "&Nuliraj stopericu",
          "-",
          "Snimi sesiju",
          "Zavrsi snimanje",
          "Pusti snimak",
          "Izvezi talasne oblike (VCD)",
          "Uporedi sa resenjem...",
          "-",
          "Ploca...",
          "Uredi plocu...",
          "Skini plocu",
          "-",
          "Jezik (Language)"}},
        {"&Help", {"&Pomoc", "&O programu"}},
    };
    const QList<QAction*> menus = app.Frame().menuBar()->actions();
    QCOMPARE(menus.size(), expected.size());
    for (int i = 0; i < menus.size(); ++i) {
        QCOMPARE(menus[i]->text(), expected[i].first);
        QCOMPARE(ItemTexts(menus[i]->menu()), expected[i].second);
        // The key column comes from the text alone, never twice.
        for (QAction* item : menus[i]->menu()->actions()) QVERIFY(item->shortcut().isEmpty());
    }
}

void MainWindowTest::everyAcceleratorIssuesItsCommand_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("command");
    const int ctrl = Qt::ControlModifier;
    const int shift = Qt::ShiftModifier;
    const int alt = Qt::AltModifier;
    const struct {
        const char* name;
        int key;
        int modifiers;
        int command;
    } keys[] = {
        {"Ctrl+B", Qt::Key_B, ctrl, ID_SPEED},
        {"Ctrl+C", Qt::Key_C, ctrl, ID_EDIT_COPY},
        {"Ctrl+H", Qt::Key_H, ctrl, ID_VIEW_HEX},
        {"Ctrl+L", Qt::Key_L, ctrl, ID_BREAK_LABELS},
        {"Ctrl+M", Qt::Key_M, ctrl, ID_MCLR_RESET},
        {"Ctrl+N", Qt::Key_N, ctrl, ID_FILE_NEW},
        {"Ctrl+O", Qt::Key_O, ctrl, ID_FILE_OPEN},
        {"Ctrl+R", Qt::Key_R, ctrl, ID_RESTART},
        {"Ctrl+S", Qt::Key_S, ctrl, ID_FILE_SAVE},
        {"Ctrl+V", Qt::Key_V, ctrl, ID_EDIT_PASTE},
        {"Alt+Backspace", Qt::Key_Backspace, alt, ID_EDIT_UNDO},
        {"Shift+Delete", Qt::Key_Delete, shift, ID_EDIT_CUT},
        {"F1", Qt::Key_F1, 0, ID_HELP},
        {"F5", Qt::Key_F5, 0, ID_CONTINUOUS_RUN},
        {"Ctrl+F5", Qt::Key_F5, ctrl, ID_SINGLE_STEP},
        {"Shift+F5", Qt::Key_F5, shift, ID_STOP_SIMULATION},
        {"F6", Qt::Key_F6, 0, ID_NEXT_PANE},
        {"Shift+F6", Qt::Key_F6, shift, ID_PREV_PANE},
        {"F7", Qt::Key_F7, 0, ID_ASSEMBLE},
        {"Ctrl+Insert", Qt::Key_Insert, ctrl, ID_EDIT_COPY},
        {"Shift+Insert", Qt::Key_Insert, shift, ID_EDIT_PASTE},
        {"Ctrl+X", Qt::Key_X, ctrl, ID_EDIT_CUT},
        {"Ctrl+Z", Qt::Key_Z, ctrl, ID_EDIT_UNDO},
        {"Ctrl+Shift+F5", Qt::Key_F5, ctrl | shift, ID_STEP_BACK},
        {"Ctrl+Shift+D", Qt::Key_D, ctrl | shift, ID_BACK_TO_EVENT},
    };
    for (const auto& k : keys) QTest::newRow(k.name) << k.key << k.modifiers << k.command;
}

void MainWindowTest::everyAcceleratorIssuesItsCommand() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, command);
    CAppUnderTest app;
    CMainFrame& frame = app.Frame();
    // Keys are pressed in the register display, which takes none of them
    // for itself. The commands' own work is tested elsewhere: here only
    // which command a key issues counts, so every command is cut off from
    // its handler and enabled.
    auto* display = static_cast<QWidget*>(frame.OutputView());
    display->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), display);
    QList<QAction*> actions;
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY,
                   ID_EDIT_PASTE, ID_VIEW_HEX, ID_ASSEMBLE, ID_SINGLE_STEP, ID_CONTINUOUS_RUN,
                   ID_STOP_SIMULATION, ID_RESTART, ID_SPEED, ID_BREAK_LABELS, ID_HELP, ID_NEXT_PANE,
                   ID_PREV_PANE}) {
        QAction* action = frame.Action(id);
        QVERIFY(action);
        action->disconnect(SIGNAL(triggered(bool)));
        action->setEnabled(true);
        actions.append(action);
    }
    QList<std::shared_ptr<QSignalSpy>> spies;
    for (QAction* action : actions) {
        spies.append(std::make_shared<QSignalSpy>(action, &QAction::triggered));
    }
    QTest::keyClick(display, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    for (int i = 0; i < actions.size(); ++i) {
        const bool expected = actions[i] == frame.Action(command);
        QCOMPARE(spies[i]->count(), expected ? 1 : 0);
    }
}

void MainWindowTest::editKeysWorkInTheEditor() {
    CAppUnderTest app;
    CEditView* editor = app.Frame().EditView();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(editor));
    QTest::keyClicks(editor, "mov");
    // Select "mov", copy, paste at the end, cut the last three, undo.
    QTest::keyClick(editor, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(editor, Qt::Key_Insert, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClick(editor, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(editor->text(), QStringLiteral("movmov"));
    QTest::keyClick(editor, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(editor, Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(editor->text(), QStringLiteral("movmo"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("v"));
    QTest::keyClick(editor, Qt::Key_Backspace, Qt::AltModifier);
    QCOMPARE(editor->text(), QStringLiteral("movmov"));
    QVERIFY(app.Doc().IsModified());
}

void MainWindowTest::editCommandsBelongToTheEditorPane() {
    CAppUnderTest app;
    CMainFrame& frame = app.Frame();
    QGuiApplication::clipboard()->setText(QStringLiteral("nop"));
    QTest::keyClicks(frame.EditView(), "clrw");
    frame.EditView()->selectAll();
    for (int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE}) {
        QVERIFY2(frame.Action(id)->isEnabled(), qPrintable(frame.Action(id)->text()));
    }
    static_cast<QWidget*>(frame.InputView())->setFocus();
    QTRY_COMPARE(frame.ActivePane(), static_cast<QWidget*>(frame.InputView()));
    for (int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE}) {
        QVERIFY2(!frame.Action(id)->isEnabled(), qPrintable(frame.Action(id)->text()));
    }
    // The toolbar's Paste, pressed while the editor is active, pastes there.
    frame.EditView()->setFocus();
    QTRY_VERIFY(frame.Action(ID_EDIT_PASTE)->isEnabled());
    QTest::mouseClick(ButtonOf(frame, ID_EDIT_PASTE), Qt::LeftButton);
    QCOMPARE(frame.EditView()->text(), QStringLiteral("nop"));
}

void MainWindowTest::toolbarButtonsTooltipsAndImages() {
    CAppUnderTest app;
    CMainFrame& frame = app.Frame();
    const QStringList expected = {
        "New",
        "Open",
        "Save",
        "-",
        "Cut",
        "Copy",
        "Paste",
        "-",
        "Prevedi",
        "-",
        "Simulacija korak po korak  (Ctrl+F5)",
        "Kontinualna simulacija (F5)",
        "Prekid (Shift+F5)",
        " Restart",
        "Korak unazad (Ctrl+Shift+F5)",
        "-",
        "Pomoc",
    };
    const QList<int> ids = {ID_FILE_NEW,
                            ID_FILE_OPEN,
                            ID_FILE_SAVE,
                            0,
                            ID_EDIT_CUT,
                            ID_EDIT_COPY,
                            ID_EDIT_PASTE,
                            0,
                            ID_ASSEMBLE,
                            0,
                            ID_SINGLE_STEP,
                            ID_CONTINUOUS_RUN,
                            ID_STOP_SIMULATION,
                            ID_RESTART,
                            ID_STEP_BACK,
                            0,
                            ID_HELP};
    QList<QAction*> actions = frame.ToolBar()->actions();
    // After the buttons, apart from them: the speed control.
    QCOMPARE(actions.size(), ids.size() + 2);
    QVERIFY(actions[ids.size()]->isSeparator());
    QCOMPARE(frame.ToolBar()->widgetForAction(actions.last()),
             static_cast<QWidget*>(frame.SpeedBox()));
    actions = actions.mid(0, ids.size());
    QStringList tips;
    QList<QImage> images;
    for (int i = 0; i < actions.size(); ++i) {
        QAction* action = actions[i];
        tips.append(action->isSeparator() ? QStringLiteral("-") : action->toolTip());
        if (action->isSeparator()) continue;
        QCOMPARE(action, frame.Action(ids.value(i)));
        const QImage image = action->icon().pixmap(QSize(17, 17)).toImage();
        QCOMPARE(image.size(), QSize(17, 17));
        QVERIFY(!images.contains(image));
        images.append(image);
    }
    QCOMPARE(tips, expected);
    QCOMPARE(frame.ToolBar()->iconSize(), QSize(17, 17));
}

// Without the speed control and the step back button the bar shows the
// twelve buttons of old, in their places; switched on again, it is as before.
void MainWindowTest::toolbarAdditionsSwitchOffInTheViewMenu() {
    CAppUnderTest app;
    CMainFrame& frame = app.Frame();
    QToolBar* bar = frame.ToolBar();
    QAction* extras = frame.Action(ID_VIEW_TOOLBAR_EXTRAS);
    QVERIFY(extras->isChecked());
    const QList<QAction*> withExtras = bar->actions();
    QVERIFY(frame.SpeedBox()->isVisible());
    const auto shownButtons = [bar] {
        QList<QPair<int, QString>> shown;
        for (QAction* action : bar->actions()) {
            QWidget* widget = bar->widgetForAction(action);
            if (!action->isVisible() || !widget || !widget->isVisible()) continue;
            shown.append(
                {widget->x(), action->isSeparator() ? QStringLiteral("-") : action->toolTip()});
        }
        std::sort(shown.begin(), shown.end());
        QStringList tips;
        for (const auto& entry : shown) tips.append(entry.second);
        return tips;
    };

    extras->trigger();
    QVERIFY(!extras->isChecked());
    QTRY_VERIFY(!frame.SpeedBox()->isVisible());
    QTRY_COMPARE(
        shownButtons(),
        QStringList({"New", "Open", "Save", "-", "Cut", "Copy", "Paste", "-", "Prevedi", "-",
                     "Simulacija korak po korak  (Ctrl+F5)", "Kontinualna simulacija (F5)",
                     "Prekid (Shift+F5)", " Restart", "-", "Pomoc"}));
    // The command itself stays in the Options menu and keeps its key.
    QVERIFY(
        frame.menuBar()->actions().at(3)->menu()->actions().contains(frame.Action(ID_STEP_BACK)));

    extras->trigger();
    QCOMPARE(bar->actions(), withExtras);
    QTRY_VERIFY(frame.SpeedBox()->isVisible());
    QTRY_COMPARE(shownButtons().size(), withExtras.size());
}

void MainWindowTest::toolbarDocksOnEverySide() {
    CAppUnderTest app;
    CMainFrame& frame = app.Frame();
    QToolBar* bar = frame.ToolBar();
    QCOMPARE(frame.toolBarArea(bar), Qt::TopToolBarArea);
    QCOMPARE(bar->allowedAreas(), Qt::AllToolBarAreas);
    QVERIFY(bar->isMovable());
    QVERIFY(bar->isFloatable());
    for (Qt::ToolBarArea area :
         {Qt::LeftToolBarArea, Qt::BottomToolBarArea, Qt::RightToolBarArea}) {
        frame.addToolBar(area, bar);
        QCOMPARE(frame.toolBarArea(bar), area);
    }
}

void MainWindowTest::statusBarShowsPromptsAndIdleText() {
    CAppUnderTest app;
    CMainFrame& frame = app.Frame();
    QCOMPARE(frame.StatusMessage(), QStringLiteral("Spreman"));

    // A highlighted menu item shows its prompt; closing the menu restores
    // the idle text.
    QMenu* options = frame.menuBar()->actions().at(3)->menu();
    options->popup(frame.mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(options));
    const QList<QPair<int, QString>> prompts = {
        {ID_ASSEMBLE, "Prevedi "},
        {ID_SINGLE_STEP, "Korak po korak "},
        {ID_CONTINUOUS_RUN, "Kontinualna simulacija "},
        {ID_STOP_SIMULATION, "Prekid simulacije "},
        {ID_RESTART, "Restart "},
        {ID_SPEED, "Brzina /nBrzina"},
        {ID_BREAK_LABELS, "Labele prekidnih tacaka (Ctrl+L)"},
    };
    for (const auto& [id, prompt] : prompts) {
        QTest::mouseMove(options, options->actionGeometry(frame.Action(id)).center());
        QTRY_COMPARE(frame.StatusMessage(), prompt);
    }
    options->hide();
    QTRY_COMPARE(frame.StatusMessage(), QStringLiteral("Spreman"));

    // The mouse resting on a button shows the button's prompt.
    QTest::mouseMove(ButtonOf(frame, ID_FILE_OPEN));
    QTRY_COMPARE(frame.StatusMessage(), QStringLiteral("Open an existing document"));
    QTest::mouseMove(ButtonOf(frame, ID_RESTART));
    QTRY_COMPARE(frame.StatusMessage(), QStringLiteral("Restart "));
    QTest::mouseMove(frame.EditView()->viewport());
    QTRY_COMPARE(frame.StatusMessage(), QStringLiteral("Spreman"));

    // Every other command carries its prompt for the same mechanism.
    const QList<QPair<int, QString>> others = {
        {ID_VIEW_HEX, "Prikazi heksa ili dekadne vrednosti"},
        {ID_VIEW_SPECIAL_REGS, "Prikazi registre specijalne namene"},
        {ID_VIEW_GENERAL_REGS, "Prikazi registre opste namene"},
        {ID_APP_ABOUT, "O programu"},
        {ID_HELP, "Pomoc "},
        {ID_VIEW_TOOLBAR, "Prikazi toolbar"},
        {ID_VIEW_STATUS_BAR, "Prikazi status bar"},
        {ID_FILE_NEW, "Create a new document"},
        {ID_FILE_SAVE, "Save the active document"},
        {ID_FILE_SAVE_AS, "Save the active document with a new name"},
        {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard"},
        {ID_EDIT_CUT, "Cut the selection and put it on the Clipboard"},
        {ID_EDIT_PASTE, "Insert Clipboard contents"},
        {ID_EDIT_UNDO, "Undo the last action"},
        {ID_APP_EXIT, "Quit the application; prompts to save documents"},
        {ID_NEXT_PANE, "Switch to the next window pane"},
        {ID_PREV_PANE, "Switch back to the previous window pane"},
    };
    for (const auto& [id, prompt] : others) QCOMPARE(frame.Action(id)->statusTip(), prompt);
}

void MainWindowTest::statusBarHasLockKeyPanes() {
    CAppUnderTest app;
    // The stopwatch stands before the key-state panes; switched off in the
    // View menu, the bar is the plain one.
    QAction* stopwatch = app.Frame().Action(ID_VIEW_STOPWATCH);
    QVERIFY(stopwatch->isChecked());
    QStringList withStopwatch;
    for (QLabel* label : app.Frame().statusBar()->findChildren<QLabel*>()) {
        if (label->isVisible()) withStopwatch.append(label->text());
    }
    QVERIFY(withStopwatch.contains(QStringLiteral("Ciklusi: 0  Vreme: 0.000 us")));
    stopwatch->trigger();
    QStringList texts;
    for (QLabel* label : app.Frame().statusBar()->findChildren<QLabel*>()) {
        if (label->isVisible()) texts.append(label->text());
    }
    QCOMPARE(texts, QStringList({"Spreman", "Ceka prvu komandu (Ctrl+F5 korak, F5 kontinualno)",
                                 "PC=0x0005", "CAP", "NUM", "SCRL"}));
    QCOMPARE(withStopwatch.size(), texts.size() + 1);
}

void MainWindowTest::viewListAndPaneRows() {
    CAppUnderTest app;
    CMainFrame& frame = app.Frame();
    const std::vector<core::CView*> expectedViews = {frame.EditView(), frame.InputView(),
                                                     frame.OutputView()};
    QVERIFY(app.Doc().GetViews() == expectedViews);
    QSplitter* splitter = frame.Splitter();
    QCOMPARE(splitter->orientation(), Qt::Vertical);
    QCOMPARE(splitter->widget(0), static_cast<QWidget*>(frame.EditView()));
    QCOMPARE(splitter->widget(1), static_cast<QWidget*>(frame.OutputView()));
    QCOMPARE(splitter->widget(2), static_cast<QWidget*>(frame.InputView()));
    QCOMPARE(splitter->sizes().at(0), 150);
    QCOMPARE(splitter->sizes().at(1), 110);
    QVERIFY(splitter->sizes().at(2) > 0);
    QCOMPARE(frame.ActivePane(), static_cast<QWidget*>(frame.EditView()));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(frame.EditView()));
}

void MainWindowTest::f6MovesTheFocusBetweenPanes() {
    CAppUnderTest app;
    CMainFrame& frame = app.Frame();
    auto* editor = static_cast<QWidget*>(frame.EditView());
    auto* display = static_cast<QWidget*>(frame.OutputView());
    auto* panel = static_cast<QWidget*>(frame.InputView());
    QTRY_COMPARE(QApplication::focusWidget(), editor);
    for (QWidget* next : {display, panel, editor}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QTRY_COMPARE(QApplication::focusWidget(), next);
    }
    for (QWidget* previous : {panel, display, editor}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ShiftModifier);
        QTRY_COMPARE(QApplication::focusWidget(), previous);
    }
}

void MainWindowTest::viewMenuTogglesBars() {
    CAppUnderTest app;
    CMainFrame& frame = app.Frame();
    QAction* toolbar = frame.Action(ID_VIEW_TOOLBAR);
    QAction* status = frame.Action(ID_VIEW_STATUS_BAR);
    QVERIFY(toolbar->isChecked() && status->isChecked());
    toolbar->trigger();
    QVERIFY(!toolbar->isChecked());
    QVERIFY(!frame.ToolBar()->isVisible());
    toolbar->trigger();
    QVERIFY(toolbar->isChecked());
    QVERIFY(frame.ToolBar()->isVisible());
    status->trigger();
    QVERIFY(!status->isChecked());
    QVERIFY(!frame.statusBar()->isVisible());
    status->trigger();
    QVERIFY(frame.statusBar()->isVisible());
}

void MainWindowTest::runCommandsReachTheWorker() {
    CAppUnderTest app;
    CMainFrame& frame = app.Frame();
    QVERIFY(app.Doc().m_pWorker);
    // A program of NOPs from word 5 on: each step moves PC by one.
    ClearProgramImage();
    for (int i = 0; i < 4 * 16; ++i) ProgramImage[i] = '0';
    ProgramEnd = 4 * 16;
    SimSpeedMs = 10000;
    frame.Action(ID_SINGLE_STEP)->trigger();
    QTRY_COMPARE(int(PC), 6);
    frame.Action(ID_SINGLE_STEP)->trigger();
    QTRY_COMPARE(int(PC), 7);
    frame.Action(ID_RESTART)->trigger();
    QTRY_COMPARE(int(PC), 5);
    SimSpeedMs = 200;
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
