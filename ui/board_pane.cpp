#include "ui/board_pane.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "board/attached_board.h"
#include "core/pin_input.h"
#include "ui/board_view.h"

using namespace board;

namespace {
// A terminal's keyboard: every key goes out as it is typed (Enter as a
// carriage return, Backspace as BS), and the line shows what went out
// since the last Enter. The line edits nothing itself: what was sent is sent.
// A paste (the paste keys, or the middle button's selection) goes to paste,
// which says whether it went out.
class CTerminalLine : public QLineEdit {
public:
    CTerminalLine(std::function<void(const QByteArray&)> send,
                  std::function<bool(const QString&)> paste)
        : m_send(std::move(send)), m_paste(std::move(paste)) {
        setContextMenuPolicy(Qt::NoContextMenu);
        setAcceptDrops(false);
        setPlaceholderText(
            QCoreApplication::translate("CBoardPane", "kucajte: svaki taster ide terminalu"));
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Paste)) {
            Paste(QGuiApplication::clipboard()->text());
            return;
        }
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            m_send("\r");
            clear();
            return;
        }
        if (event->key() == Qt::Key_Backspace) {
            m_send("\b");
            setText(text().chopped(std::min<qsizetype>(1, text().size())));
            return;
        }
        const QByteArray bytes = event->text().toLatin1();
        if (bytes.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            event->ignore();
            return;
        }
        m_send(bytes);
        setText(text() + event->text());
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::MiddleButton &&
            QGuiApplication::clipboard()->supportsSelection()) {
            Paste(QGuiApplication::clipboard()->text(QClipboard::Selection));
            return;
        }
        QLineEdit::mouseReleaseEvent(event);
    }

private:
    // As typed: the line then shows what went out since the last line end.
    void Paste(const QString& pasted) {
        if (pasted.isEmpty() || !m_paste(pasted)) return;
        const qsizetype end =
            std::max(pasted.lastIndexOf(QLatin1Char('\n')), pasted.lastIndexOf(QLatin1Char('\r')));
        setText(end < 0 ? text() + pasted : pasted.mid(end + 1));
    }

    std::function<void(const QByteArray&)> m_send;
    std::function<bool(const QString&)> m_paste;
};
}  // namespace

CBoardPane::CBoardPane(QWidget* parent)
    : QDockWidget(tr("Ploca"), parent), m_pView(new CBoardView) {
    setObjectName(QStringLiteral("boardPane"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pScroll = new QScrollArea;
    m_pScroll->setWidget(m_pView);
    m_pScroll->setWidgetResizable(false);
    m_pScroll->setFrameShape(QFrame::NoFrame);
    layout->addWidget(m_pScroll);
    // The terminals' lines right under the drawing, the room left below.
    m_pLines = new QVBoxLayout;
    m_pLines->setContentsMargins(4, 0, 4, 4);
    layout->addLayout(m_pLines);
    layout->addStretch(1);
    setWidget(body);
}

void CBoardPane::SetBoard(const CAttachedBoard* attached) {
    m_pAttached = attached;
    for (const auto& [part, line] : m_typing) line->parentWidget()->deleteLater();
    m_typing.clear();
    m_pView->SetBoard(attached);
    m_pView->resize(m_pView->sizeHint());
    // Wide enough for the drawing and its scroll bar, up to a wide LCD's.
    m_pScroll->setMinimumWidth(std::min(
        m_pView->sizeHint().width() + m_pScroll->verticalScrollBar()->sizeHint().width(), kWidest));
    const int high =
        m_pView->sizeHint().height() + m_pScroll->horizontalScrollBar()->sizeHint().height();
    m_pScroll->setMaximumHeight(high);
    m_pScroll->setMinimumHeight(std::min(high, kTallest));
    if (!attached) return;
    // The published copy: the live board is the worker's.
    const std::shared_ptr<const SBoard> shown = attached->Snapshot();
    const SBoard& wiring = *shown;
    for (size_t index = 0; index < wiring.parts.size(); ++index) {
        const auto* terminal = std::get_if<CSerialTerminal>(&wiring.parts[index].part);
        if (!terminal || terminal->Wiring().rx == kNoPin) continue;
        auto* row = new QWidget;
        auto* form = new QFormLayout(row);
        form->setContentsMargins(0, 0, 0, 0);
        const int part = static_cast<int>(index);
        auto* line =
            new CTerminalLine([this, part](const QByteArray& bytes) { Send(part, bytes); },
                              [this, part](const QString& text) { return Paste(part, text); });
        form->addRow(QString::fromStdString(wiring.parts[index].name) + QStringLiteral(":"), line);
        m_pLines->addWidget(row);
        m_typing.emplace_back(part, line);
    }
}

QLineEdit* CBoardPane::TypingLine(int part) const {
    for (const auto& [index, line] : m_typing) {
        if (index == part) return line;
    }
    return nullptr;
}

bool CBoardPane::Paste(int part, const QString& text) {
    // Line ends as the Enter key sends them.
    QString typed = text;
    typed.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    typed.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    const QByteArray bytes = typed.toLatin1();
    // The terminal keeps what it has still to send in a queue of its own; a
    // paste that does not fit would lose its end without a word, so it is
    // refused whole. The published copy is at most a slice behind.
    size_t waiting = 0;
    if (m_pAttached) {
        const std::shared_ptr<const SBoard> shown = m_pAttached->Snapshot();
        const auto* terminal =
            std::get_if<CSerialTerminal>(&shown->parts[static_cast<size_t>(part)].part);
        if (terminal) waiting = terminal->Waiting();
    }
    const auto room = static_cast<qsizetype>(CSerialTerminal::kQueueBytes - waiting);
    if (bytes.size() > room) {
        emit Refused(tr("Nije poslato: nalepljeno %1 znakova, terminal prima jos %2")
                         .arg(bytes.size())
                         .arg(room));
        return false;
    }
    Send(part, bytes);
    return true;
}

void CBoardPane::Send(int part, const QByteArray& bytes) {
    for (const char byte : bytes) {
        core::SUserInput input;
        input.kind = core::SUserInput::EKind::Type;
        input.address = static_cast<uint8_t>(part);
        input.value = static_cast<uint8_t>(byte);
        core::ActOnBoard(input);
    }
}
