#include "ui/program_panes.h"

#include <QAction>
#include <QCoreApplication>
#include <QDockWidget>
#include <QEvent>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>

#include "build/source_file.h"
#include "core/state.h"
#include "ui/command_ids.h"
#include "ui/data_memory_pane.h"
#include "ui/edit_view.h"
#include "ui/eeprom_pane.h"
#include "ui/main_frame.h"
#include "ui/output_view.h"
#include "ui/program_memory_pane.h"
#include "ui/program_names.h"
#include "ui/register_edits.h"
#include "ui/register_names.h"
#include "ui/source_marks.h"
#include "ui/stack_pane.h"
#include "ui/watch_pane.h"

namespace {
const QString kPaneKey = QStringLiteral("Pogledi/");
constexpr int kMessageMs = 10000;
// The first time a pane opens it floats beside the window rather than
// narrowing the fixed drawings: two columns of two, each half the window's
// height, kept on the screen.
constexpr int kFirstWidths[] = {420, 420, 520, 560, 380};
}  // namespace

CProgramPanes::CProgramPanes(CMainFrame& frame)
    : QObject(&frame),
      m_frame(frame),
      m_pWatch(new CWatchPane(*frame.Names(), &frame)),
      m_pStack(new CStackPane(*frame.Names(), &frame)),
      m_pProgram(new CProgramMemoryPane(*frame.Names(), &frame)),
      m_pData(new CDataMemoryPane(*frame.Names(), &frame)),
      m_pEeprom(new CEepromPane(&frame)) {
    Install(m_pWatch, ID_VIEW_WATCH, 0);
    Install(m_pStack, ID_VIEW_STACK, 1);
    Install(m_pProgram, ID_VIEW_PROGRAM_MEMORY, 2);
    Install(m_pData, ID_VIEW_DATA_MEMORY, 3);
    Install(m_pEeprom, ID_VIEW_EEPROM, 4);

    connect(frame.OutputView(), &CPaneView::Refreshing, this, &CProgramPanes::Refresh);
    connect(frame.Names(), &CProgramNames::Changed, this, &CProgramPanes::OnProgramChanged);
    connect(m_pWatch, &CWatchPane::EditRegister, this, &CProgramPanes::EditRegister);
    connect(m_pWatch, &CWatchPane::Refused, this, &CProgramPanes::Say);
    connect(m_pData, &CDataMemoryPane::EditRegister, this, &CProgramPanes::EditRegister);
    connect(m_pEeprom, &CEepromPane::EditByte, this, [this](int address) {
        if (auto* edits = m_frame.findChild<CRegisterEdits*>()) edits->OnEditEeprom(address);
    });
    connect(m_pStack, &CStackPane::GoToWord, this, &CProgramPanes::GoToWord);
    connect(m_pProgram, &CProgramMemoryPane::GoToWord, this, &CProgramPanes::GoToWord);
    connect(m_pProgram, &CProgramMemoryPane::ToggleBreakpoint, this,
            &CProgramPanes::ToggleBreakpoint);
    connect(frame.OutputView(), &COutputView::ValueHovered, this, [this](int reg, uint8_t) {
        m_hovered = reg;
        ShowHovered();
    });
    frame.OutputView()->SetProgramNames(frame.Names());
    frame.installEventFilter(this);
    OnProgramChanged();
}

void CProgramPanes::Install(QDockWidget* pane, int commandId, int index) {
    m_panes[static_cast<size_t>(index)] = pane;
    m_commands[static_cast<size_t>(index)] = commandId;
    pane->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                      QDockWidget::DockWidgetFloatable);
    m_frame.addDockWidget(Qt::RightDockWidgetArea, pane);
    pane->setFloating(true);
    pane->hide();
    QAction* show = m_frame.Action(commandId);
    show->setCheckable(true);
    connect(show, &QAction::toggled, pane, [this, pane, index](bool on) {
        bool& placed = m_placed[static_cast<size_t>(index)];
        if (on && pane->isFloating() && !placed) pane->setGeometry(FirstPlace(index));
        placed = true;
        pane->setVisible(on);
        if (on) Refresh();
    });
    // The pane's own close button unchecks the item; hiding the whole window
    // does not.
    connect(pane->toggleViewAction(), &QAction::toggled, show, &QAction::setChecked);
    Restore(pane, index);
}

QRect CProgramPanes::FirstPlace(int index) const {
    const QRect window = m_frame.frameGeometry();
    const int width = kFirstWidths[index];
    const int height = window.height() / 2;
    int x = window.right() + 1 + (index / 2) * kFirstWidths[0];
    const int y = window.top() + (index % 2) * height;
    if (const QScreen* screen = m_frame.screen()) {
        x = std::max(screen->availableGeometry().left(),
                     std::min(x, screen->availableGeometry().right() + 1 - width));
    }
    return {x, y, width, height};
}

void CProgramPanes::Restore(QDockWidget* pane, int index) {
    QSettings settings;
    const QString key = kPaneKey + pane->objectName() + QLatin1Char('/');
    if (!settings.contains(key + QStringLiteral("shown"))) return;
    m_placed[static_cast<size_t>(index)] = true;
    const bool floating = settings.value(key + QStringLiteral("floating"), true).toBool();
    if (!floating) {
        const auto area =
            static_cast<Qt::DockWidgetArea>(settings.value(key + QStringLiteral("area")).toInt());
        pane->setFloating(false);
        m_frame.addDockWidget(area == Qt::NoDockWidgetArea ? Qt::RightDockWidgetArea : area, pane);
    }
    pane->restoreGeometry(settings.value(key + QStringLiteral("geometry")).toByteArray());
    if (settings.value(key + QStringLiteral("shown")).toBool()) {
        m_frame.Action(m_commands[static_cast<size_t>(index)])->setChecked(true);
    }
}

void CProgramPanes::SaveAll() const {
    QSettings settings;
    for (int index = 0; index < static_cast<int>(m_panes.size()); ++index) {
        const QDockWidget* pane = m_panes[static_cast<size_t>(index)];
        if (!m_placed[static_cast<size_t>(index)]) continue;
        const QString key = kPaneKey + pane->objectName() + QLatin1Char('/');
        settings.setValue(key + QStringLiteral("shown"),
                          m_frame.Action(m_commands[static_cast<size_t>(index)])->isChecked());
        settings.setValue(key + QStringLiteral("floating"), pane->isFloating());
        settings.setValue(key + QStringLiteral("area"),
                          static_cast<int>(m_frame.dockWidgetArea(const_cast<QDockWidget*>(pane))));
        settings.setValue(key + QStringLiteral("geometry"), pane->saveGeometry());
    }
}

bool CProgramPanes::eventFilter(QObject* watched, QEvent* event) {
    // Before the window goes, while the panes still stand where they were.
    if (watched == &m_frame && event->type() == QEvent::Close) SaveAll();
    return QObject::eventFilter(watched, event);
}

void CProgramPanes::Refresh() {
    if (m_pWatch->isVisible()) m_pWatch->Refresh();
    if (m_pStack->isVisible()) m_pStack->Refresh();
    if (m_pProgram->isVisible()) m_pProgram->Refresh();
    if (m_pData->isVisible()) m_pData->Refresh();
    if (m_pEeprom->isVisible()) m_pEeprom->Refresh();
    if (m_hovered != -1) ShowHovered();
}

void CProgramPanes::OnProgramChanged() {
    const bool loaded = !m_frame.Names()->Map().files.empty() && ProgramEnd > 0;
    m_pWatch->SetProgram(loaded ? QString::fromStdString(SourceFolder + SourceFileName)
                                : QString());
    m_pData->Rename();
    m_pProgram->Model()->Reread();
    Refresh();
}

void CProgramPanes::ShowHovered() {
    QStatusBar* bar = m_frame.statusBar();
    if (m_hovered == -1) {
        // Only the text put there for the mouse goes with it.
        if (bar->currentMessage() == m_hoverText) bar->clearMessage();
        m_hoverText.clear();
        return;
    }
    const uint8_t value = m_hovered == kWRegister ? W : RegisterFile[m_hovered];
    const QString names =
        m_hovered == kWRegister ? QString() : m_frame.Names()->RegisterNames(m_hovered);
    const QString text = RegisterStatusText(m_hovered, value, names);
    if (text == m_hoverText && bar->currentMessage() == text) return;
    m_hoverText = text;
    bar->showMessage(text);
}

void CProgramPanes::EditRegister(int reg) {
    if (auto* edits = m_frame.findChild<CRegisterEdits*>()) edits->OnEdit(reg);
}

int CProgramPanes::LineOfWord(int word, const QString& otherwise) {
    const int line = m_frame.Marks()->LineOfWord(word);
    if (line < 0) Say(otherwise.arg(word, 3, 16, QLatin1Char('0')));
    return line;
}

void CProgramPanes::GoToWord(int word) {
    const int line =
        LineOfWord(word, QCoreApplication::translate(
                             "CProgramPanes", "Rec 0x%1 nema red u izvornom tekstu u editoru"));
    if (line < 0) return;
    CEditView* editor = m_frame.EditView();
    editor->setCursorPosition(line, 0);
    editor->ensureLineVisible(line);
    editor->setFocus(Qt::OtherFocusReason);
}

void CProgramPanes::ToggleBreakpoint(int word) {
    const int line = LineOfWord(
        word, QCoreApplication::translate(
                  "CProgramPanes",
                  "Prekidna tacka se postavlja na red izvornog teksta: rec 0x%1 nema red"));
    if (line < 0) return;
    m_frame.Marks()->ToggleBreakpoint(line);
    m_pProgram->Refresh();
}

void CProgramPanes::Say(const QString& text) {
    m_frame.statusBar()->showMessage(text, kMessageMs);
}
