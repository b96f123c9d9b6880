#include "board_pane.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "attached_board.h"
#include "board_view.h"
#include "pin_input.h"

using namespace board;

CBoardPane::CBoardPane(QWidget* parent)
    : QDockWidget(QStringLiteral("Ploca"), parent), m_pView(new CBoardView) {
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
    layout->addWidget(m_pScroll, 1);
    m_pLines = new QVBoxLayout;
    m_pLines->setContentsMargins(4, 0, 4, 4);
    layout->addLayout(m_pLines);
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
    if (!attached) return;
    const SBoard& wiring = attached->Live();
    for (size_t index = 0; index < wiring.parts.size(); ++index) {
        const auto* terminal = std::get_if<CSerialTerminal>(&wiring.parts[index].part);
        if (!terminal || terminal->Wiring().rx == kNoPin) continue;
        auto* row = new QWidget;
        auto* form = new QFormLayout(row);
        form->setContentsMargins(0, 0, 0, 0);
        auto* line = new QLineEdit;
        line->setMaxLength(kLongestLine);
        line->setPlaceholderText(QStringLiteral("tekst za terminal, Enter salje"));
        form->addRow(QString::fromStdString(wiring.parts[index].name) + QStringLiteral(":"), line);
        const int part = static_cast<int>(index);
        connect(line, &QLineEdit::returnPressed, this, [this, part, line] {
            Send(part, line->text() + QLatin1Char('\r'));
            line->clear();
        });
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

void CBoardPane::Send(int part, const QString& text) {
    // The terminal sends bytes: what a PIC program on the other end reads.
    for (const char byte : text.toLatin1()) {
        SUserInput input;
        input.kind = SUserInput::EKind::Type;
        input.address = static_cast<uint8_t>(part);
        input.value = static_cast<uint8_t>(byte);
        ActOnBoard(input);
    }
}
