#include "ui/board_commands.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QStatusBar>

#include "board/attached_board.h"
#include "board/board_file.h"
#include "board/board_reader.h"
#include "build/source_file.h"
#include "ui/board_editor_dlg.h"
#include "ui/board_pane.h"
#include "ui/board_view.h"
#include "ui/command_ids.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/messages_pane.h"
#include "ui/output_view.h"
#include "ui/scenario_replay.h"
#include "ui/time_commands.h"
#include "ui/user_dialogs.h"

namespace {
constexpr int kMessageMs = 10000;
// A board file is small; more than this is no board file (the reader
// refuses it with its own message).
constexpr qint64 kLongestCompared = 1 << 20;

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString FromLocal(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}
}  // namespace

CBoardCommands::CBoardCommands(CMainFrame& frame, CLumoDoc& doc)
    : QObject(&frame), m_frame(frame), m_doc(doc), m_pPane(new CBoardPane(&frame)) {
    frame.addDockWidget(Qt::RightDockWidgetArea, m_pPane);
    m_pPane->hide();
    connect(frame.OutputView(), &CPaneView::Refreshing, m_pPane->View(), &CBoardView::Refresh);
    connect(m_pPane, &CBoardPane::Refused, this,
            [this](const QString& why) { m_frame.statusBar()->showMessage(why, kMessageMs); });
    // The board's reset button is the MCLR command's other handle: the same
    // input, refused where the command stands disabled.
    connect(m_pPane->View(), &CBoardView::ResetPressed, this, [this] {
        QAction* reset = m_frame.Action(ID_MCLR_RESET);
        if (reset->isEnabled()) {
            reset->trigger();
        } else {
            m_frame.statusBar()->showMessage(
                tr("RESET (MCLR) radi samo na cipu po katalogu (Options)"), kMessageMs);
        }
    });

    QAction* view = frame.Action(ID_VIEW_BOARD);
    view->setCheckable(true);
    connect(view, &QAction::toggled, m_pPane, [this](bool on) {
        m_pPane->setVisible(on && m_board);
        if (on) m_pPane->View()->Refresh();
    });
    connect(m_pPane->toggleViewAction(), &QAction::toggled, view, &QAction::setChecked);
    // Not among the commands held while the assembler runs, which would give
    // "Skini plocu" back the state it had before F7 attached a board: each
    // waits for the load itself.
    const std::pair<int, void (CBoardCommands::*)()> commands[] = {
        {ID_BOARD_OPEN, &CBoardCommands::OnOpenBoard},
        {ID_BOARD_EDIT, &CBoardCommands::OnEditBoard},
        {ID_BOARD_DETACH, &CBoardCommands::OnDetach}};
    for (const auto& [id, handler] : commands) {
        connect(frame.Action(id), &QAction::triggered, this, [this, handler = handler] {
            if (m_frame.Assembling()) {
                m_frame.statusBar()->showMessage(tr("Ploca ceka da se prevodjenje zavrsi"),
                                                 kMessageMs);
                return;
            }
            (this->*handler)();
        });
    }

    connect(&doc, &CLumoDoc::SourceLoaded, this, [this] {
        m_chosen = false;
        FollowSource();
    });
    connect(&frame, &CMainFrame::Assembled, this, [this] { FollowSource(); });
    // The parts' times (the LCD's busy time, a bit of the serial line, a
    // bounce) are cycles of the clock: a board made for another clock is
    // made again, and starts with a new run as after F7.
    connect(frame.Time(), &CTimeCommands::OscillatorChanged, this, [this] {
        if (m_board && Attach(m_path)) m_doc.OnRestart();
    });
    UpdateCommands();
}

CBoardCommands::~CBoardCommands() {
    // The worker has ended with the window; no board may stay attached to
    // the chip once it is gone.
    if (m_board) m_board->Detach();
}

void CBoardCommands::FollowSource() {
    const QString path =
        m_chosen ? m_path
                 : FromLocal(board::BoardFileFor(
                       {}, SourceFileName.empty() ? std::string() : SourceFolder + SourceFileName));
    Attach(path);
    // A board starts from its reset with the program: after F7 the run
    // begins again rather than going on with what the board showed before.
    // A replay waiting for this program restarts toward its scenario
    // itself; a second restart could end that run.
    const CScenarioReplay* replay = m_frame.findChild<CScenarioReplay*>();
    if (m_board && !(replay && replay->WaitingForProgram())) m_doc.OnRestart();
}

bool CBoardCommands::AttachFile(const QString& path) {
    m_chosen = true;
    return Attach(path);
}

bool CBoardCommands::Attach(const QString& path) {
    if (path.isEmpty()) {
        const bool had = m_board != nullptr;
        Detach();
        m_path.clear();
        return had;
    }
    // The same file with the same text at the same clock is the same board:
    // F7 then keeps it, and with it the state the history knows.
    QByteArray made;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) made = file.read(kLongestCompared + 1);
    made += QByteArray::number(m_frame.Time()->OscillatorHz(), 'g', 12);
    if (m_board && path == m_path && made == m_made) return false;

    board::SBoard wiring;
    std::string error;
    const bool had = m_board != nullptr;
    m_path = path;
    if (!board::ReadBoardFile(LocalPath(path), &wiring, &error)) {
        Detach();
        m_frame.Messages()->AddLine(tr("Ploca nije postavljena: ") + QString::fromStdString(error));
        return had;
    }
    auto attached = std::make_unique<board::CAttachedBoard>(std::move(wiring),
                                                            m_frame.Time()->OscillatorHz() / 4);
    Detach();
    m_board = std::move(attached);
    m_board->Attach();
    m_made = made;
    m_pPane->SetBoard(m_board.get());
    ShowPane(true);
    m_frame.statusBar()->showMessage(tr("Ploca postavljena: ") + QFileInfo(path).fileName(),
                                     kMessageMs);
    return true;
}

void CBoardCommands::Detach() {
    if (m_board) {
        m_board->Detach();
        m_retired.push_back(std::move(m_board));
    }
    m_made.clear();
    m_pPane->SetBoard(nullptr);
    ShowPane(false);
}

void CBoardCommands::ShowPane(bool show) {
    UpdateCommands();
    m_frame.Action(ID_VIEW_BOARD)->setChecked(show);
    m_pPane->setVisible(show);
    if (m_pPane->isFloating()) return;
    // While the pane shows beside the panes the window is wide enough for
    // the pin panel and the pane; without it the window is as wide as it
    // was. A window already that wide (kept from the last time) stays so.
    if (show && m_widenedBy == 0) {
        const int wanted = CMainFrame::kWidth + m_pPane->sizeHint().width();
        m_widenedBy = std::max(0, wanted - m_frame.width());
        m_frame.resize(m_frame.width() + m_widenedBy, m_frame.height());
        m_frame.ClampToScreen();
    } else if (!show && m_widenedBy != 0) {
        m_frame.resize(std::max(CMainFrame::kWidth, m_frame.width() - m_widenedBy),
                       m_frame.height());
        m_widenedBy = 0;
    }
}

void CBoardCommands::UpdateCommands() {
    m_frame.Action(ID_BOARD_DETACH)->setEnabled(m_board != nullptr);
    m_frame.Action(ID_VIEW_BOARD)->setEnabled(m_board != nullptr);
}

void CBoardCommands::OnOpenBoard() {
    const QString folder = FromLocal(SourceFolder);
    const QString path = m_doc.Dialogs()->GetOpenFileName(
        {tr("Ploca"),
         {tr("Ploca (*.board.yaml *.yaml)"), tr("Svi fajlovi (*)")},
         QStringLiteral("yaml"),
         {},
         folder});
    if (path.isEmpty()) return;
    if (AttachFile(path)) m_doc.OnRestart();
}

void CBoardCommands::OnDetach() {
    if (AttachFile({})) m_doc.OnRestart();
}

void CBoardCommands::OnEditBoard() {
    QString path = m_path;
    if (path.isEmpty()) {
        const std::string beside =
            SourceFileName.empty() ? std::string() : SourceFolder + SourceFileName;
        QString suggested;
        if (!beside.empty()) {
            const QFileInfo source(FromLocal(beside));
            suggested = source.path() + QLatin1Char('/') + source.completeBaseName() +
                        QStringLiteral(".board.yaml");
        }
        path = m_doc.Dialogs()->GetSaveFileName({tr("Nova ploca"),
                                                 {tr("Ploca (*.board.yaml)")},
                                                 QStringLiteral("board.yaml"),
                                                 suggested,
                                                 FromLocal(SourceFolder)});
        if (path.isEmpty()) return;
    }
    CBoardEditorDlg dialog(path, &m_frame);
    if (dialog.exec() != QDialog::Accepted) return;
    // Written: the board is read again from the file, as any board is.
    m_made.clear();
    AttachFile(path);
    if (m_board) m_doc.OnRestart();
}
