#include "board_pane.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "attached_board.h"
#include "board_view.h"
#include "pin_input.h"

using namespace board;

namespace {
// A terminal's keyboard: every key goes out as it is typed (Enter as a
// carriage return, Backspace as BS), and the line shows what went out
// since the last Enter. The line edits nothing itself: what was sent is sent.
class CTerminalLine : public QLineEdit {
public:
    explicit CTerminalLine(std::function<void(const QByteArray&)> send)
        : m_send(std::move(send)) {
        setContextMenuPolicy(Qt::NoContextMenu);
        setAcceptDrops(false);
        setPlaceholderText(
            QCoreApplication::translate("CBoardPane", "kucajte: svaki taster ide terminalu"));
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
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

private:
    std::function<void(const QByteArray&)> m_send;
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
    for (const auto& [part, line] : m_typing) line->parentWidget()->deleteLater();
    m_typing.clear();
    m_pView->SetBoard(attached);
    m_pView->resize(m_pView->sizeHint());
    // Wide enough for the drawing and its scroll bar, up to a wide LCD's.
    m_pScroll->setMinimumWidth(
        std::min(m_pView->sizeHint().width() + m_pScroll->verticalScrollBar()->sizeHint().width(),
                 kWidest));
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
            new CTerminalLine([this, part](const QByteArray& bytes) { Send(part, bytes); });
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

void CBoardPane::Send(int part, const QByteArray& bytes) {
    for (const char byte : bytes) {
        SUserInput input;
        input.kind = SUserInput::EKind::Type;
        input.address = static_cast<uint8_t>(part);
        input.value = static_cast<uint8_t>(byte);
        ActOnBoard(input);
    }
}
