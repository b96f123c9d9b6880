#include "ui/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPixmap>
#include <QProxyStyle>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

#include "build/assemble_command.h"
#include "build/listing_labels.h"
#include "build/source_file.h"
#include "core/platform/message_box.h"
#include "core/state.h"
#include "ui/app_title.h"
#include "ui/board_commands.h"
#include "ui/check_commands.h"
#include "ui/chip_commands.h"
#include "ui/command_ids.h"
#include "ui/command_table.h"
#include "ui/compare_commands.h"
#include "ui/edit_view.h"
#include "ui/input_view.h"
#include "ui/language_commands.h"
#include "ui/lock_key_indicators.h"
#include "ui/lumo_doc.h"
#include "ui/messages_pane.h"
#include "ui/output_view.h"
#include "ui/profile_commands.h"
#include "ui/program_panes.h"
#include "ui/register_edits.h"
#include "ui/run_status_panes.h"
#include "ui/scenario_replay.h"
#include "ui/session_commands.h"
#include "ui/source_commands.h"
#include "ui/speed_box.h"
#include "ui/status_mark.h"
#include "ui/time_commands.h"
#include "ui/view_commands.h"

// Resources of a static library must be registered by name, outside any
// namespace.
static void InitLumoResources() {
    Q_INIT_RESOURCE(lumo);
}

namespace {
const char kIdleMessage[] = QT_TRANSLATE_NOOP("CMainFrame", "Spreman");
const char kNotAssembledMessage[] =
    QT_TRANSLATE_NOOP("CMainFrame", "Tekst nije preveden: nijedan program nije ucitan (F7)");
const char kFirstCaption[] = "Simulator";
const char kModifiedMark[] = QT_TRANSLATE_NOOP("CMainFrame", "Izmenjeno");
const char kModifiedTip[] =
    QT_TRANSLATE_NOOP("CMainFrame",
                      "Tekst je izmenjen posle poslednjeg cuvanja: F7 prevodi sacuvanu datoteku, "
                      "ako cuvanje pre prevodjenja nije ukljuceno");
const QString kGeometryKey = QStringLiteral("Prozor/Polozaj");
const QString kSplitterKey = QStringLiteral("Prozor/Okna");

class CMenuStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_Menu_AllowActiveAndDisabled) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// What acts on the program, the machine or the source file waits while the
// assembler runs; looking, editing and the views do not.
bool WaitsForAssembler(int id) {
    static constexpr int kWaiting[] = {
        ID_FILE_NEW,      ID_FILE_OPEN,      ID_FILE_SAVE,       ID_FILE_SAVE_AS, ID_ASSEMBLE,
        ID_SINGLE_STEP,   ID_CONTINUOUS_RUN, ID_STOP_SIMULATION, ID_RESTART,      ID_STEP_BACK,
        ID_BACK_TO_EVENT, ID_RECORD_START,   ID_RECORD_END,      ID_REPLAY,       ID_EXPORT_VCD,
        ID_BREAK_LABELS,  ID_COMPARE};
    return std::find(std::begin(kWaiting), std::end(kWaiting), id) != std::end(kWaiting);
}

QString CommandText(const char* source) {
    return QCoreApplication::translate("Command", source);
}

bool IsCheckable(int id) {
    return id == ID_SAVE_BEFORE_ASSEMBLE || id == ID_VIEW_TOOLBAR || id == ID_VIEW_STATUS_BAR ||
           id == ID_VIEW_HEX || id == ID_VIEW_SPECIAL_REGS || id == ID_VIEW_GENERAL_REGS ||
           id == ID_VIEW_CHANGES || id == ID_VIEW_TOOLBAR_EXTRAS;
}
}  // namespace

CMainFrame::CMainFrame(CLumoDoc& doc, QWidget* parent) : QMainWindow(parent), m_doc(doc) {
    InitLumoResources();
    move(0, 0);
    resize(kWidth, kHeight);
    setWindowTitle(QString::fromLatin1(kFirstCaption));
    setWindowIcon(QIcon(QStringLiteral(":/lumo_icon.png")));

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateAccelerators();
    CreatePanes();
    ConnectCommands();
    InstallViewAndDialogCommands(*this, m_doc);
    m_pSourceCommands = new CSourceCommands(*this, m_doc);
    m_pTimeCommands = new CTimeCommands(*this, m_doc);
    new CSessionCommands(*this, m_doc);
    new CRegisterEdits(*this, m_doc);
    // The board first: it hears of F7's end before a replay waiting for it.
    new CBoardCommands(*this, m_doc);
    new CScenarioReplay(*this, m_doc);
    new CChipCommands(*this, m_doc);
    new CCheckCommands(*this);
    new CCompareCommands(*this, m_doc);
    new CLanguageCommands(*this);
    new CProgramPanes(*this);
    new CProfileCommands(*this);
    connect(m_pSourceCommands, &CSourceCommands::Assembled, this, &CMainFrame::OnAssembled);
    connect(m_pRunStatus, &CRunStatusPanes::Stopped, Messages(), &CMessagesPane::AddLine);
    RestoreLayout();

    connect(&m_doc, &CLumoDoc::TitleChanged, this, [this](const QString& title) {
        setWindowTitle(title + QStringLiteral(" - ") + QString::fromLatin1(kDocTemplateTitle));
    });
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &CMainFrame::UpdateEditCommands);
    UpdateEditCommands();
}

CMainFrame::~CMainFrame() {
    // The application outlives the window, and its focus and clipboard
    // signals still fire while the widget part tears down, when this is no
    // longer a main frame: nothing may call back into it from here on.
    QObject::disconnect(qApp, nullptr, this, nullptr);
    QObject::disconnect(QGuiApplication::clipboard(), nullptr, this, nullptr);
    EndWorker();
    // The register display is about to go; nothing may repaint it later.
    core::CView* display = m_pOutputView;
    LastRefreshedView.compare_exchange_strong(display, nullptr);
}

QAction* CMainFrame::Action(int commandId) const {
    return m_actions.value(commandId, nullptr);
}

QString CMainFrame::StatusMessage() const {
    const QString message = statusBar()->currentMessage();
    return message.isEmpty() ? m_pIdleMessage->text() : message;
}

void CMainFrame::CreateActions() {
    const QPixmap strip(QStringLiteral(":/toolbar.png"));
    for (const CommandInfo& command : Commands()) {
        auto* action = new QAction(CommandText(command.text), this);
        action->setStatusTip(CommandText(command.prompt));
        if (command.toolTip) action->setToolTip(CommandText(command.toolTip));
        if (command.image >= 0) {
            action->setIcon(QIcon(strip.copy(command.image * kToolbarImageSize, 0,
                                             kToolbarImageSize, kToolbarImageSize)));
        }
        action->setCheckable(IsCheckable(command.id));
        // Menus show the key as part of the item's text, as the table has it.
        action->setIconVisibleInMenu(false);
        m_actions.insert(command.id, action);
    }
}

void CMainFrame::CreateMenus() {
    // Items that are greyed out can still be highlighted, so the status bar
    // tells what they would do, as it does for the others.
    auto* menuStyle = new CMenuStyle;
    menuStyle->setParent(this);
    for (const MenuInfo& info : MainMenu()) {
        QMenu* menu = menuBar()->addMenu(CommandText(info.title));
        menu->setStyle(menuStyle);
        for (int id : info.items) {
            if (id == kSeparator) {
                menu->addSeparator();
            } else {
                menu->addAction(Action(id));
            }
        }
    }
}

void CMainFrame::CreateToolBar() {
    m_pToolBar = new QToolBar(tr("Toolbar"), this);
    m_pToolBar->setObjectName(QStringLiteral("toolbar"));
    m_pToolBar->setIconSize(QSize(kToolbarImageSize, kToolbarImageSize));
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_pToolBar->setMovable(true);
    m_pToolBar->setFloatable(true);
    m_pToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (int id : ToolbarButtons()) {
        if (id == kSeparator) {
            m_pToolBar->addSeparator();
        } else {
            m_pToolBar->addAction(Action(id));
        }
    }
    QAction* speedSeparator = m_pToolBar->addSeparator();
    m_pSpeedBox = new CSpeedBox(m_pToolBar);
    QAction* speedBox = m_pToolBar->addWidget(m_pSpeedBox);
    connect(m_pSpeedBox, &CSpeedBox::SpeedChosen, this, &CMainFrame::OnSpeedChanged);
    // Without its additions the bar has the twelve buttons of old. The step
    // back button's action also serves the menu, so it leaves the bar rather
    // than hiding, and comes back before the same neighbour.
    QAction* stepBack = Action(ID_STEP_BACK);
    const QList<QAction*> buttons = m_pToolBar->actions();
    QAction* afterStepBack = buttons.value(buttons.indexOf(stepBack) + 1);
    QAction* showExtras = Action(ID_VIEW_TOOLBAR_EXTRAS);
    showExtras->setChecked(true);
    connect(showExtras, &QAction::toggled, this,
            [this, speedSeparator, speedBox, stepBack, afterStepBack](bool show) {
                speedSeparator->setVisible(show);
                speedBox->setVisible(show);
                if (show) {
                    m_pToolBar->insertAction(afterStepBack, stepBack);
                } else {
                    m_pToolBar->removeAction(stepBack);
                }
            });
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
    setDockOptions(dockOptions() | QMainWindow::AnimatedDocks);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    m_pIdleMessage = new QLabel(tr(kIdleMessage), bar);
    bar->addWidget(m_pIdleMessage, 1);
    // Shown only while the text differs from its file, so the bar of an
    // unchanged text stays as it always was.
    m_pModifiedMark = AddStatusMark(bar, tr(kModifiedMark), tr(kModifiedTip));
    m_pRunStatus = new CRunStatusPanes(bar, m_doc);
    m_pIndicators = new CLockKeyIndicators(bar);
}

void CMainFrame::CreateAccelerators() {
    // One table of keys, as the menu texts announce them. The keys live apart
    // from the menu items so that each item's text stays exactly as written.
    for (const AcceleratorInfo& accelerator : Accelerators()) {
        auto* key = new QAction(this);
        key->setShortcut(QKeySequence(accelerator.key));
        key->setShortcutContext(Qt::WindowShortcut);
        const int id = accelerator.id;
        connect(key, &QAction::triggered, this, [this, id] {
            if (Assembling() && WaitsForAssembler(id)) {
                m_heldKeys.append(id);
            } else {
                Action(id)->trigger();
            }
        });
        addAction(key);
    }
}

void CMainFrame::CreatePanes() {
    m_pSplitter = new QSplitter(Qt::Vertical, this);
    // Created in the order editor, pin panel, register display: the worker
    // repaints the second and third views of the document.
    m_pEditView = new CEditView;
    m_doc.SetEditView(m_pEditView);
    // The window's keys work while the editor has the keyboard; the editing
    // keys stay the editor's own.
    QList<QKeySequence> windowKeys;
    for (const AcceleratorInfo& accelerator : Accelerators()) {
        const int id = accelerator.id;
        if (id != ID_EDIT_UNDO && id != ID_EDIT_CUT && id != ID_EDIT_COPY && id != ID_EDIT_PASTE)
            windowKeys.append(QKeySequence(accelerator.key));
    }
    m_pEditView->ReleaseKeys(windowKeys);
    m_pInputView = new CInputView;
    m_doc.AddView(m_pInputView);
    m_pOutputView = new COutputView;
    m_doc.AddView(m_pOutputView);
    m_pInputView->SetRegisterDisplay(m_pOutputView);

    m_panesByRow = {m_pEditView, m_pOutputView, m_pInputView};
    for (QWidget* pane : m_panesByRow) m_pSplitter->addWidget(pane);
    // A taller window gives its extra height to the source text; the two
    // drawings keep theirs.
    m_pSplitter->setStretchFactor(0, 1);
    m_pSplitter->setStretchFactor(1, 0);
    m_pSplitter->setStretchFactor(2, 0);
    m_pSplitter->setChildrenCollapsible(false);
    connect(m_pOutputView, &CPaneView::Refreshing, m_pRunStatus, &CRunStatusPanes::Update);
    m_pSplitter->setSizes({kEditorHeight, kRegisterDisplayHeight, kPinPanelHeight});
    setCentralWidget(m_pSplitter);

    m_pActivePane = m_pEditView;
    m_pEditView->setFocus();
}

void CMainFrame::ConnectCommands() {
    connect(Action(ID_FILE_NEW), &QAction::triggered, &m_doc, &CLumoDoc::OnFileNew);
    connect(Action(ID_FILE_OPEN), &QAction::triggered, &m_doc, &CLumoDoc::OnFileOpen);
    connect(Action(ID_FILE_SAVE), &QAction::triggered, &m_doc, &CLumoDoc::OnFileSave);
    connect(Action(ID_FILE_SAVE_AS), &QAction::triggered, &m_doc, &CLumoDoc::OnFileSaveAs);
    connect(Action(ID_APP_EXIT), &QAction::triggered, this, &QWidget::close);

    connect(Action(ID_EDIT_UNDO), &QAction::triggered, m_pEditView, &CEditView::undo);
    connect(Action(ID_EDIT_CUT), &QAction::triggered, m_pEditView, &CEditView::cut);
    connect(Action(ID_EDIT_COPY), &QAction::triggered, m_pEditView, &CEditView::copy);
    connect(Action(ID_EDIT_PASTE), &QAction::triggered, m_pEditView, &CEditView::paste);
    connect(m_pEditView, &CEditView::copyAvailable, this, &CMainFrame::UpdateEditCommands);
    connect(m_pEditView, &CEditView::textChanged, this, &CMainFrame::UpdateEditCommands);
    connect(m_pEditView, &CEditView::modificationChanged, m_pModifiedMark, &QLabel::setVisible);

    QAction* toolbarToggle = Action(ID_VIEW_TOOLBAR);
    toolbarToggle->setChecked(true);
    connect(toolbarToggle, &QAction::toggled, m_pToolBar, &QToolBar::setVisible);
    connect(m_pToolBar, &QToolBar::visibilityChanged, toolbarToggle, &QAction::setChecked);
    QAction* statusToggle = Action(ID_VIEW_STATUS_BAR);
    statusToggle->setChecked(true);
    connect(statusToggle, &QAction::toggled, statusBar(), &QStatusBar::setVisible);

    connect(Action(ID_ASSEMBLE), &QAction::triggered, this, &CMainFrame::OnAssemble);
    connect(Action(ID_SINGLE_STEP), &QAction::triggered, this, [this] { m_doc.OnSingleStep(); });
    connect(Action(ID_CONTINUOUS_RUN), &QAction::triggered, this,
            [this] { m_doc.OnContinuousRun(); });
    connect(Action(ID_STOP_SIMULATION), &QAction::triggered, this, [this] {
        m_doc.OnStopSimulation();
        m_pRunStatus->Update();
    });
    connect(Action(ID_RESTART), &QAction::triggered, this, [this] {
        m_pRunStatus->SetLastMessage({});
        m_doc.OnRestart();
    });
    // Open empties the program memory: its labels are gone with it.
    // The old file's messages go with it, and until F7 the bar says that no
    // program of the text shown is loaded.
    connect(&m_doc, &CLumoDoc::SourceLoaded, this, [this] {
        m_pRunStatus->SetListingLabels({});
        m_pRunStatus->SetLastMessage({});
        Messages()->ShowLines({}, {});
        Messages()->close();
        m_pIdleMessage->setText(tr(kNotAssembledMessage));
    });

    connect(Action(ID_NEXT_PANE), &QAction::triggered, this, [this] { ActivateNextPane(1); });
    connect(Action(ID_PREV_PANE), &QAction::triggered, this, [this] { ActivateNextPane(-1); });
    // The View toggles of the register display, Speed, Labels, About and
    // Help are connected by InstallViewAndDialogCommands.
}

void CMainFrame::OnAssemble() {
    if (Assembling()) return;
    HoldCommands();
    m_pSourceCommands->Assemble();
}

bool CMainFrame::Assembling() const {
    return m_pSourceCommands->Assembling();
}

void CMainFrame::OnAssembled(bool loaded) {
    m_pIdleMessage->setText(tr(kIdleMessage));
    m_pRunStatus->SetListingLabels(loaded ? build::ReadListingLabels(SourceFolder + ListingFileName)
                                          : std::map<int, std::string>());
    m_pRunStatus->SetLastMessage({});
    // The reset and the new program show at once, not at the next step.
    m_doc.UpdateAllViews();
    emit Assembled(loaded);
    ReleaseCommands();
}

void CMainFrame::HoldCommands() {
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        if (!WaitsForAssembler(it.key())) continue;
        m_heldEnabled.insert(it.key(), it.value()->isEnabled());
        it.value()->setEnabled(false);
    }
}

void CMainFrame::ReleaseCommands() {
    for (auto it = m_heldEnabled.cbegin(); it != m_heldEnabled.cend(); ++it)
        Action(it.key())->setEnabled(it.value());
    m_heldEnabled.clear();
    // A key held for a command is carried out as if pressed now; one that
    // starts the assembler again holds the rest for its own end.
    while (!m_heldKeys.isEmpty() && !Assembling()) Action(m_heldKeys.takeFirst())->trigger();
}

CMessagesPane* CMainFrame::Messages() const {
    return m_pSourceCommands->Messages();
}

CSourceMarks* CMainFrame::Marks() const {
    return m_pSourceCommands->Marks();
}

CProgramNames* CMainFrame::Names() const {
    return m_pSourceCommands->Names();
}

void CMainFrame::OnSpeedChanged() {
    m_doc.OnSpeedChanged();
    m_pSpeedBox->ShowCurrentSpeed();
    m_pRunStatus->Update();
}

void CMainFrame::OnRunTimeMessage(const QString& text) {
    m_pRunStatus->SetLastMessage(text);
}

void CMainFrame::ActivateNextPane(int step) {
    const int count = static_cast<int>(m_panesByRow.size());
    const int row = std::max(0, static_cast<int>(m_panesByRow.indexOf(m_pActivePane)));
    m_panesByRow[(row + step + count) % count]->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::OnFocusChanged(QWidget* now) {
    for (QWidget* widget = now; widget; widget = widget->parentWidget()) {
        if (m_panesByRow.contains(widget)) {
            m_pActivePane = widget;
            UpdateEditCommands();
            return;
        }
    }
}

void CMainFrame::UpdateEditCommands() {
    // The editing commands belong to the editor; they are offered only while
    // it is the active pane and has something to act on.
    const bool editorActive = m_pActivePane == m_pEditView;
    const bool selection = m_pEditView->hasSelectedText();
    const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
    Action(ID_EDIT_UNDO)->setEnabled(editorActive && m_pEditView->isUndoAvailable());
    Action(ID_EDIT_CUT)->setEnabled(editorActive && selection);
    Action(ID_EDIT_COPY)->setEnabled(editorActive && selection);
    Action(ID_EDIT_PASTE)->setEnabled(editorActive && clipboard && clipboard->hasText());
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    ClampToScreen();
    if (m_bPaneSizesSet) return;
    m_bPaneSizesSet = true;
    if (m_pSplitter->restoreState(QSettings().value(kSplitterKey).toByteArray())) return;
    // The editor and the register display start at their own heights; the
    // pin panel takes what is left.
    const int total = m_pSplitter->height() - 2 * m_pSplitter->handleWidth();
    m_pSplitter->setSizes({kEditorHeight, kRegisterDisplayHeight,
                           std::max(0, total - kEditorHeight - kRegisterDisplayHeight)});
}

void CMainFrame::RestoreLayout() {
    restoreGeometry(QSettings().value(kGeometryKey).toByteArray());
    ClampToScreen();
}

void CMainFrame::ClampToScreen() {
    if (isMaximized() || isFullScreen() || !screen()) return;
    const QRect room = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    // The side borders may reach past the edges; the caption above and the
    // status bar below must not.
    const QSize most = room.size() - QSize(0, frame.height() - height());
    const QSize fitted = size().boundedTo(most);
    if (fitted != size()) resize(fitted);
    const QRect now = frameGeometry();
    const int x =
        std::clamp(now.x(), room.left(), std::max(room.left(), room.right() + 1 - now.width()));
    const int y =
        std::clamp(now.y(), room.top(), std::max(room.top(), room.bottom() + 1 - now.height()));
    if (x != now.x() || y != now.y()) move(x, y);
}

void CMainFrame::SaveLayout() const {
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kSplitterKey, m_pSplitter->saveState());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_doc.SaveModified()) {
        event->ignore();
        return;
    }
    EndWorker();
    SaveLayout();
    QMainWindow::closeEvent(event);
}

void CMainFrame::EndWorker() {
    // A box the worker is showing would keep it from ending.
    core::CloseAllMessageBoxes();
    m_doc.StopWorker();
}
