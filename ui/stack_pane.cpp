#include "ui/stack_pane.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/state.h"
#include "ui/pane_table.h"
#include "ui/program_names.h"
#include "ui/source_line_text.h"

namespace {
constexpr int kLevels = 8;
enum EColumn { kLevel, kAddress, kPlace, kLine, kNote, kColumns };
}  // namespace

CStackPane::CStackPane(const CProgramNames& names, QWidget* parent)
    : QDockWidget(QCoreApplication::translate("CStackPane", "Stek"), parent),
      m_names(names),
      m_pDepth(new QLabel),
      m_pTable(new QTableWidget(kLevels, kColumns)) {
    setObjectName(QStringLiteral("stack"));
    m_pTable->setHorizontalHeaderLabels({QCoreApplication::translate("CStackPane", "Nivo"),
                                         QCoreApplication::translate("CStackPane", "Povratak na"),
                                         QCoreApplication::translate("CStackPane", "Mesto"),
                                         QCoreApplication::translate("CStackPane", "Red"),
                                         QString()});
    SetUpPaneTable(m_pTable);
    m_pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (int row = 0; row < kLevels; ++row) {
        for (int column = 0; column < kColumns; ++column)
            m_pTable->setItem(row, column, new QTableWidgetItem);
        m_pTable->item(row, kLevel)->setText(QString::number(row + 1));
    }
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_pDepth);
    layout->addWidget(m_pTable);
    setWidget(body);
    connect(m_pTable, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        const QVariant word = m_pTable->item(row, kAddress)->data(Qt::UserRole);
        if (word.isValid()) emit GoToWord(word.toInt());
    });
}

void CStackPane::Refresh() {
    // One copy of the ring, so the rows agree with one another.
    const CReturnStack stack = *ReturnStack;
    const int depth = stack.Count();
    m_pDepth->setText(
        QCoreApplication::translate("CStackPane", "Dubina: %1 od %2").arg(depth).arg(kLevels));
    std::vector<int32_t> returns;
    stack.ForEachEntry([&returns](int32_t address) { returns.push_back(address); });
    // The level the next push writes: the one after the newest, or the
    // oldest when the ring is full.
    const int nextLevel = depth < kLevels ? depth : 0;
    for (int row = 0; row < kLevels; ++row) {
        const bool live = row < depth;
        const int address = live ? returns[static_cast<size_t>(row)] : -1;
        QTableWidgetItem* addressItem = m_pTable->item(row, kAddress);
        addressItem->setText(live ? QString::asprintf("0x%03X", address) : QString());
        addressItem->setData(Qt::UserRole, live ? QVariant(address) : QVariant());
        m_pTable->item(row, kPlace)->setText(live ? m_names.PlaceOf(address) : QString());
        m_pTable->item(row, kLine)
            ->setText(live ? SourceLineText(m_names.Map(), address) : QString());
        QString note;
        if (live && row == depth - 1)
            note = QCoreApplication::translate("CStackPane", "sledeci RETURN");
        if (row == nextLevel) {
            note += (note.isEmpty() ? QString() : QStringLiteral("; ")) +
                    (depth < kLevels
                         ? QCoreApplication::translate("CStackPane", "sledeci CALL upisuje ovde")
                         : QCoreApplication::translate("CStackPane",
                                                       "sledeci CALL brise ovaj povratak"));
        }
        m_pTable->item(row, kNote)->setText(note);
    }
}
