#include "ui/source_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

#include "build/assemble_command.h"
#include "build/assembler_messages.h"
#include "build/source_file.h"
#include "build/source_map.h"
#include "core/cpu_unit.h"
#include "core/platform/message_box.h"
#include "core/state.h"
#include "core/texts/translate.h"
#include "ui/command_ids.h"
#include "ui/edit_view.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/messages_pane.h"
#include "ui/output_view.h"
#include "ui/program_names.h"
#include "ui/source_marks.h"

namespace {
const QString kSaveBeforeAssembleKey = QStringLiteral("Editor/SaveBeforeAssemble");
const QString kTimeLimitKey = QStringLiteral("Editor/AssemblerTimeLimit");
constexpr int kLongestTimeLimitSeconds = 3600;
const char kCancelledNote[] = QT_TRANSLATE_NOOP("CSourceCommands", "Prevodjenje je prekinuto.");
const char kTimedOutNote[] = QT_TRANSLATE_NOOP(
    "CSourceCommands",
    "Prevodilac nije zavrsio za %1 s i prekinut je (Options, Vreme za prevodjenje).");
const char kUnsavedNote[] = QT_TRANSLATE_NOOP(
    "CSourceCommands", "Izmene u editoru nisu sacuvane: preveden je sacuvani fajl (Ctrl+S).");
const char kNeverSavedNote[] = QT_TRANSLATE_NOOP(
    "CSourceCommands",
    "Tekst jos nije sacuvan u fajl: sacuvajte ga (Ctrl+S), pa ga prevedite (F7).");

QString FromLocal(const std::string& text) {
    return QFile::decodeName(QByteArray::fromStdString(text));
}
}  // namespace

CSourceCommands::CSourceCommands(CMainFrame& frame, CLumoDoc& doc)
    : QObject(&frame),
      m_frame(frame),
      m_doc(doc),
      m_pMessages(new CMessagesPane(&frame)),
      m_pMarks(new CSourceMarks(*frame.EditView())),
      m_pNames(new CProgramNames(this)) {
    // Open empties the program memory, and its names go with it.
    connect(&doc, &CLumoDoc::SourceLoaded, m_pNames, [this] { m_pNames->SetMap({}); });
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
    connect(frame.Action(ID_ASSEMBLER_TIME_LIMIT), &QAction::triggered, this,
            &CSourceCommands::AskTimeLimit);
    connect(&m_assembler, &CAssemblerProcess::Ended, this, &CSourceCommands::OnAssemblerEnded);
    CreateAssemblingNote();

    // The register display repaints whenever the processor has moved on:
    // the mark is set then, on this thread, from the state it paints.
    frame.OutputView()->viewport()->installEventFilter(this);
}

void CSourceCommands::CreateAssemblingNote() {
    m_pAssemblingNote = new QWidget(m_frame.statusBar());
    m_pAssemblingNote->setObjectName(QStringLiteral("assembling"));
    auto* layout = new QHBoxLayout(m_pAssemblingNote);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QCoreApplication::translate("CSourceCommands", "Prevodjenje..."),
                                 m_pAssemblingNote));
    auto* cancel = new QPushButton(QCoreApplication::translate("CSourceCommands", "Prekini"),
                                   m_pAssemblingNote);
    layout->addWidget(cancel);
    connect(cancel, &QPushButton::clicked, &m_assembler, &CAssemblerProcess::Cancel);
    m_frame.statusBar()->addPermanentWidget(m_pAssemblingNote);
    m_pAssemblingNote->hide();
    m_pNoteDelay = new QTimer(this);
    m_pNoteDelay->setSingleShot(true);
    connect(m_pNoteDelay, &QTimer::timeout, m_pAssemblingNote, &QWidget::show);
}

int CSourceCommands::TimeLimitSeconds() const {
    const int seconds = QSettings().value(kTimeLimitKey, kDefaultTimeLimitSeconds).toInt();
    return seconds > 0 ? seconds : kDefaultTimeLimitSeconds;
}

void CSourceCommands::AskTimeLimit() {
    auto* dialog = new QInputDialog(&m_frame);
    dialog->setObjectName(QStringLiteral("timeLimit"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QCoreApplication::translate("CSourceCommands", "Vreme za prevodjenje"));
    dialog->setLabelText(
        QCoreApplication::translate("CSourceCommands", "Prevodilac se prekida posle (s):"));
    dialog->setInputMode(QInputDialog::IntInput);
    dialog->setIntRange(1, kLongestTimeLimitSeconds);
    dialog->setIntValue(TimeLimitSeconds());
    connect(dialog, &QInputDialog::intValueSelected, this,
            [](int seconds) { QSettings().setValue(kTimeLimitKey, seconds); });
    dialog->open();
}

void CSourceCommands::Assemble() {
    if (m_frame.Action(ID_SAVE_BEFORE_ASSEMBLE)->isChecked()) m_doc.OnFileSave();
    m_doc.RecordOwnSourceFile();
    m_notes.clear();
    if (SourceFileName.empty()) {
        // Said beside the message box that follows.
        m_notes.append(tr(kNeverSavedNote));
        ShowMessagesPane(m_notes, {});
    } else if (m_doc.IsModified()) {
        m_notes.append(tr(kUnsavedNote));
    }
    ResetForLoad();
    m_pNoteDelay->start(kAssemblingNoteDelayMs);
    m_assembler.Start(build::PrepareAssemblerCommand(), TimeLimitSeconds());
}

void CSourceCommands::OnAssemblerEnded(const QByteArray& bytes, CAssemblerProcess::EEnd how) {
    m_pNoteDelay->stop();
    m_pAssemblingNote->hide();
    const std::string output = bytes.toStdString();
    bool loaded = false;
    switch (how) {
        case CAssemblerProcess::EEnd::FailedToStart:
            AfxMessageBox(core::Tr("GRESKA: Proces nije dobro kreiran"));
            break;
        case CAssemblerProcess::EEnd::Cancelled:
            m_notes.append(tr(kCancelledNote));
            ShowAssemblerOutput(m_notes, output);
            break;
        case CAssemblerProcess::EEnd::TimedOut:
            m_notes.append(tr(kTimedOutNote).arg(TimeLimitSeconds()));
            ShowAssemblerOutput(m_notes, output);
            break;
        case CAssemblerProcess::EEnd::Exited: {
            // A file the assembler did not write is its fault, told beside
            // what it printed, not in a box of its own.
            const std::string missing = build::MissingAssemblerOutput();
            if (!missing.empty()) m_notes.append(QString::fromStdString(missing));
            ShowAssemblerOutput(m_notes, output);
            loaded = missing.empty() && build::LoadAssembledProgram();
            break;
        }
    }
    if (loaded) {
        build::CSourceMap map = build::LoadSourceMap();
        m_pMarks->SetMap(map);
        m_pNames->SetMap(std::move(map));
    } else {
        m_pMarks->ClearMap();
        m_pNames->SetMap({});
    }
    UpdateCurrentLine();
    emit Assembled(loaded);
}

void CSourceCommands::ShowAssemblerOutput(const QStringList& notes, const std::string& output) {
    const std::vector<std::string> lines = build::OutputLines(output);
    std::vector<CLineMessage> marks;
    for (const std::string& line : lines) {
        build::CAssemblerMessage message;
        if (!build::ParseAssemblerMessage(line, &message)) continue;
        if (message.file == SourceFileName) {
            marks.push_back({message.line, message.error, QString::fromUtf8(message.text)});
        } else if (message.mainFile == SourceFileName) {
            // An included file's message marks the #include line that led
            // to it, naming its own file and line.
            marks.push_back({message.mainLine, message.error,
                             QString::fromUtf8(message.file + ":" + std::to_string(message.line) +
                                               ": " + message.text)});
        }
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
    const int before = m_frame.height();
    m_frame.ClampToScreen();
    m_grownBy -= before - m_frame.height();
}

void CSourceCommands::OnMessagesPaneShown(bool visible) {
    if (visible || m_grownBy == 0 || !m_pMessages->isHidden()) return;
    const int grownBy = m_grownBy;
    m_grownBy = 0;
    m_frame.resize(m_frame.width(), m_frame.height() - grownBy);
}

void CSourceCommands::GoToMessage(const QString& file, int line) {
    if (line < 1) return;
    if (file != FromLocal(SourceFileName)) {
        // An included file's message opens that file, as Open would, named
        // as the assembler found it: beside the source unless absolute.
        const QString path =
            QFileInfo(file).isAbsolute() ? file : QDir(FromLocal(SourceFolder)).filePath(file);
        if (!QFileInfo(path).isFile() || !m_doc.SaveModified() || !m_doc.OpenDocumentFile(path)) {
            return;
        }
    }
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
