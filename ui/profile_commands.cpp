#include "ui/profile_commands.h"

#include <QAction>
#include <QScreen>
#include <algorithm>

#include "core/profile_counters.h"
#include "core/state.h"
#include "ui/command_ids.h"
#include "ui/edit_view.h"
#include "ui/heat_margin.h"
#include "ui/main_frame.h"
#include "ui/output_view.h"
#include "ui/profile_pane.h"
#include "ui/program_memory_pane.h"
#include "ui/program_names.h"
#include "ui/source_marks.h"

namespace {
constexpr int kPaneWidth = 420;
constexpr int kPaneHeight = 260;
}  // namespace

CProfileCommands::CProfileCommands(CMainFrame& frame)
    : QObject(&frame),
      m_frame(frame),
      m_pPane(new CProfilePane(&frame)),
      m_heat(std::make_unique<CHeatMargin>(*frame.EditView())) {
    m_pPane->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                         QDockWidget::DockWidgetFloatable);
    frame.addDockWidget(Qt::RightDockWidgetArea, m_pPane);
    m_pPane->setFloating(true);
    m_pPane->hide();
    QAction* show = frame.Action(ID_VIEW_PROFILE);
    show->setCheckable(true);
    connect(show, &QAction::toggled, this, &CProfileCommands::Switch);
    // Closing the pane switches the profile off, as the item does.
    connect(m_pPane->toggleViewAction(), &QAction::toggled, show, &QAction::setChecked);
    connect(frame.OutputView(), &CPaneView::Refreshing, this, &CProfileCommands::Refresh);
    connect(frame.Names(), &CProgramNames::Changed, this, &CProfileCommands::Refresh);
    connect(frame.EditView(), &CEditView::TextReplaced, this, [this] { m_heat->Clear(); });
    if (auto* program = frame.findChild<CProgramMemoryPane*>())
        connect(m_pPane, &CProfilePane::GoToWord, program, &CProgramMemoryPane::GoToWord);
}

CProfileCommands::~CProfileCommands() = default;

void CProfileCommands::Switch(bool on) {
    // The counting starts with the next slice of passes; the figures
    // cover the passes run while it was on.
    core::Profile.on = on;
    if (on && !m_placed) {
        // Beside the window, below where the program memory pane first opens.
        const QRect window = m_frame.frameGeometry();
        int x = window.right() + 1 + kPaneWidth;
        if (const QScreen* screen = m_frame.screen())
            x = std::min(x, screen->availableGeometry().right() + 1 - kPaneWidth);
        m_pPane->setGeometry(x, window.top() + window.height() / 2, kPaneWidth, kPaneHeight);
        m_placed = true;
    }
    m_pPane->setVisible(on);
    m_heat->Show(on);
    if (auto* program = m_frame.findChild<CProgramMemoryPane*>()) program->ShowProfile(on);
    Refresh();
}

void CProfileCommands::Refresh() {
    if (!core::Profile.on) return;
    const build::CSourceMap& map = m_frame.Names()->Map();
    const build::CWordFigures words = build::ProfileNow();
    m_heat->Paint(build::LineFigures(map, words), map, *m_frame.Marks());
    uint64_t total = 0;
    for (const build::SWordFigures& word : words) total += word.cycles;
    m_pPane->Show(build::RoutineFigures(build::LoadedProgram(), core::StartAddress(), map, words),
                  total);
}
