#include "source_commands.h"

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QSettings>
#include <QStyle>

#include "assemble_command.h"
#include "assembler_messages.h"
#include "command_ids.h"
#include "cpu_unit.h"
#include "edit_view.h"
#include "lumo_doc.h"
#include "main_frame.h"
#include "messages_pane.h"
#include "output_view.h"
#include "source_file.h"
#include "source_map.h"
#include "source_marks.h"
#include "state.h"

namespace {
const QString kSaveBeforeAssembleKey = QStringLiteral("Editor/SaveBeforeAssemble");
const QString kUnsavedNote =
    QStringLiteral("Izmene u editoru nisu sacuvane: preveden je sacuvani fajl (Ctrl+S).");
const QString kNeverSavedNote =
    QStringLiteral("Tekst jos nije sacuvan u fajl: sacuvajte ga (Ctrl+S), pa ga prevedite (F7).");

QString FromLocal(const std::string& text) {
    return QFile::decodeName(QByteArray::fromStdString(text));
}
}  // namespace

CSourceCommands::CSourceCommands(CMainFrame& frame, CLumoDoc& doc)
    : QObject(&frame),
      m_frame(frame),
      m_doc(doc),
      m_pMessages(new CMessagesPane(&frame)),
      m_pMarks(new CSourceMarks(*frame.EditView())) {
    frame.addDockWidget(Qt::BottomDockWidgetArea, m_pMessages);
    m_pMessages->hide();
    connect(m_pMessages, &CMessagesPane::MessageChosen, this, &CSourceCommands::GoToMessage);
    connect(m_pMessages, &QDockWidget::visibilityChanged, this,
            &CSourceCommands::OnMessagesPaneShown);

    QAction* saveFirst = frame.Action(ID_SAVE_BEFORE_ASSEMBLE);
    saveFirst->setCheckable(true);
    saveFirst->setChecked(QSettings().value(kSaveBeforeAssembleKey, false).toBool());
    connect(saveFirst, &QAction::toggled, this,
            [](bool on) { QSettings().setValue(kSaveBeforeAssembleKey, on); });
    connect(frame.Action(ID_NEXT_MESSAGE), &QAction::triggered, this,
            [this] { m_pMessages->ChooseNext(1); });
    connect(frame.Action(ID_PREV_MESSAGE), &QAction::triggered, this,
            [this] { m_pMessages->ChooseNext(-1); });
    connect(frame.Action(ID_TOGGLE_BREAKPOINT), &QAction::triggered, this,
            &CSourceCommands::ToggleBreakpointAtCursor);

    // The register display repaints whenever the processor has moved on:
    // the mark is set then, on this thread, from the state it paints.
    frame.OutputView()->viewport()->installEventFilter(this);
}

bool CSourceCommands::Assemble() {
    if (m_frame.Action(ID_SAVE_BEFORE_ASSEMBLE)->isChecked()) m_doc.OnFileSave();
    m_doc.RecordOwnSourceFile();
    QStringList notes;
    if (SourceFileName.empty()) {
        // Said beside the message box that follows.
        notes.append(kNeverSavedNote);
        ShowMessagesPane(notes, {});
    } else if (m_doc.IsModified()) {
        notes.append(kUnsavedNote);
    }
    std::string output;
    const bool loaded = ::OnAssemble(&output, [&] { ShowAssemblerOutput(notes, output); });
    if (loaded) {
        m_pMarks->SetMap(LoadSourceMap());
    } else {
        m_pMarks->ClearMap();
    }
    UpdateCurrentLine();
    return loaded;
}

void CSourceCommands::ShowAssemblerOutput(const QStringList& notes, const std::string& output) {
    const std::vector<std::string> lines = OutputLines(output);
    std::vector<CLineMessage> marks;
    for (const std::string& line : lines) {
        CAssemblerMessage message;
        if (ParseAssemblerMessage(line, &message) && message.file == SourceFileName)
            marks.push_back({message.line, message.error, QString::fromUtf8(message.text)});
    }
    m_pMarks->ShowMessages(marks);
    if (notes.isEmpty() && lines.empty()) {
        m_pMessages->close();
        return;
    }
    ShowMessagesPane(notes, lines);
}

void CSourceCommands::ShowMessagesPane(const QStringList& notes,
                                       const std::vector<std::string>& lines) {
    const bool wasHidden = m_pMessages->isHidden();
    m_pMessages->ShowLines(notes, lines);
    if (!wasHidden || m_frame.isMaximized() || m_frame.isFullScreen()) return;
    m_grownBy =
        kMessagesPaneHeight + m_frame.style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent);
    m_frame.resize(m_frame.width(), m_frame.height() + m_grownBy);
    m_frame.resizeDocks({m_pMessages}, {kMessagesPaneHeight}, Qt::Vertical);
}

void CSourceCommands::OnMessagesPaneShown(bool visible) {
    if (visible || m_grownBy == 0 || !m_pMessages->isHidden()) return;
    const int grownBy = m_grownBy;
    m_grownBy = 0;
    m_frame.resize(m_frame.width(), m_frame.height() - grownBy);
}

void CSourceCommands::GoToMessage(const QString& file, int line) {
    // Only the main file is in the editor; the pane names the others.
    if (file != FromLocal(SourceFileName) || line < 1) return;
    CEditView* editor = m_frame.EditView();
    editor->setCursorPosition(line - 1, 0);
    editor->ensureLineVisible(line - 1);
    editor->setFocus();
}

void CSourceCommands::ToggleBreakpointAtCursor() {
    int line = 0;
    int index = 0;
    m_frame.EditView()->getCursorPosition(&line, &index);
    m_pMarks->ToggleBreakpoint(line);
}

bool CSourceCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) UpdateCurrentLine();
    return QObject::eventFilter(watched, event);
}

void CSourceCommands::UpdateCurrentLine() {
    const CCPUNit* worker = m_doc.m_pWorker;
    const bool waiting = worker == nullptr || worker->m_bPaused;
    if (!waiting && SimSpeedMs < kFollowingSpeedMs) {
        m_pMarks->ShowCurrentLine(-1);
        return;
    }
    m_pMarks->ShowCurrentLine(m_pMarks->LineOfWord(PC));
}
