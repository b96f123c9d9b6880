#include "ui/messages_pane.h"

#include <QCoreApplication>
#include <QListWidget>

#include "build/assembler_messages.h"

namespace {
constexpr int kFileRole = Qt::UserRole;
constexpr int kLineRole = Qt::UserRole + 1;
const QColor kErrorText(170, 0, 0);
const QColor kWarningText(140, 80, 0);
}  // namespace

CMessagesPane::CMessagesPane(QWidget* parent)
    : QDockWidget(QCoreApplication::translate("CMessagesPane", "Poruke asemblera"), parent),
      m_pList(new QListWidget(this)) {
    setObjectName(QStringLiteral("messages"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(9);
    m_pList->setFont(font);
    m_pList->setFocusPolicy(Qt::ClickFocus);
    setWidget(m_pList);
    connect(m_pList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Choose(m_pList->row(item)); });
    connect(m_pList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Choose(m_pList->row(item)); });
}

void CMessagesPane::ShowLines(const QStringList& notes, const std::vector<std::string>& output) {
    m_pList->clear();
    for (const QString& note : notes) {
        auto* item = new QListWidgetItem(note, m_pList);
        QFont bold = m_pList->font();
        bold.setBold(true);
        item->setFont(bold);
    }
    for (const std::string& line : output) {
        auto* item = new QListWidgetItem(QString::fromUtf8(line), m_pList);
        build::CAssemblerMessage message;
        if (!build::ParseAssemblerMessage(line, &message)) continue;
        item->setData(kFileRole, QString::fromUtf8(message.file));
        item->setData(kLineRole, message.line);
        item->setForeground(message.error ? kErrorText : kWarningText);
    }
    show();
}

void CMessagesPane::AddLine(const QString& text) {
    new QListWidgetItem(text, m_pList);
    m_pList->scrollToBottom();
    show();
}

void CMessagesPane::AddLineAt(const QString& text, const QString& file, int line,
                              const QColor& ink) {
    auto* item = new QListWidgetItem(text, m_pList);
    item->setData(kFileRole, file);
    item->setData(kLineRole, line);
    item->setForeground(ink);
    m_pList->scrollToBottom();
    show();
}

QStringList CMessagesPane::Lines() const {
    QStringList lines;
    for (int row = 0; row < m_pList->count(); ++row) lines.append(m_pList->item(row)->text());
    return lines;
}

void CMessagesPane::ChooseNext(int step) {
    const int count = m_pList->count();
    int row = m_pList->currentRow();
    if (row < 0) row = step > 0 ? -1 : count;
    for (int tried = 0; tried < count; ++tried) {
        row = ((row + step) % count + count) % count;
        if (m_pList->item(row)->data(kLineRole).isValid()) {
            Choose(row);
            return;
        }
    }
}

void CMessagesPane::Choose(int row) {
    QListWidgetItem* item = m_pList->item(row);
    if (!item || !item->data(kLineRole).isValid()) return;
    m_pList->setCurrentRow(row);
    emit MessageChosen(item->data(kFileRole).toString(), item->data(kLineRole).toInt());
}
