#include "ui/eeprom_pane.h"

#include <QHeaderView>
#include <QLabel>
#include <QStackedWidget>
#include <QTableWidget>

#include "core/state.h"
#include "ui/pane_table.h"

namespace {
const QColor kChanged(255, 0, 0);
constexpr int kCharacters = CEepromPane::kPerRow;  // the last column

QChar Shown(uint8_t byte) {
    return byte >= 0x20 && byte < 0x7F ? QChar(byte) : QChar('.');
}
}  // namespace

int CEepromPane::ByteOfCell(int row, int column) {
    if (row < 0 || row >= kRows || column < 0 || column >= kPerRow) return -1;
    return row * kPerRow + column;
}

CEepromPane::CEepromPane(QWidget* parent)
    : QDockWidget(tr("EEPROM"), parent),
      m_pStack(new QStackedWidget),
      m_pTable(new QTableWidget(kRows, kPerRow + 1)),
      m_pClassic(new QLabel(
          tr("EEPROM podataka ima samo cip po katalogu: ukljucite Options > Cip po katalogu "
             "(PIC16C84)"))) {
    setObjectName(QStringLiteral("eeprom"));
    QStringList titles;
    QStringList rows;
    for (int column = 0; column < kPerRow; ++column) titles << QStringLiteral("+%1").arg(column);
    titles << tr("Znakovi");
    for (int row = 0; row < kRows; ++row) rows << QString::asprintf("0x%02X", row * kPerRow);
    m_pTable->setHorizontalHeaderLabels(titles);
    m_pTable->setVerticalHeaderLabels(rows);
    SetUpPaneTable(m_pTable);
    // The addresses are the rows' names, and a byte is chosen alone.
    m_pTable->verticalHeader()->show();
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_pTable->setToolTip(tr("Dvoklik na bajt upisuje novu vrednost dok simulacija stoji"));
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column <= kPerRow; ++column) {
            m_pTable->setItem(row, column, new QTableWidgetItem);
        }
    }
    m_pClassic->setWordWrap(true);
    m_pClassic->setAlignment(Qt::AlignCenter);
    m_pClassic->setMargin(12);
    m_pStack->addWidget(m_pTable);
    m_pStack->addWidget(m_pClassic);
    setWidget(m_pStack);
    connect(m_pTable, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        const int address = ByteOfCell(row, column);
        if (address >= 0 && ShowsBytes()) emit EditByte(address);
    });
    Refresh();
    m_pTable->resizeColumnsToContents();
}

bool CEepromPane::ShowsBytes() const {
    return m_pStack->currentWidget() == m_pTable;
}

void CEepromPane::Refresh() {
    const bool datasheet = core::Chip.profile == core::EChipProfile::Datasheet;
    m_pStack->setCurrentWidget(datasheet ? static_cast<QWidget*>(m_pTable) : m_pClassic);
    if (!datasheet) return;
    SBytes now{};
    for (int i = 0; i < core::kEepromSize; ++i)
        now[static_cast<size_t>(i)] = core::Chip.datasheet.eeprom[i];
    const SBytes* before = m_changes.Look(now);
    for (int row = 0; row < kRows; ++row) {
        QString characters;
        for (int column = 0; column < kPerRow; ++column) {
            const auto at = static_cast<size_t>(row * kPerRow + column);
            const uint8_t value = now[at];
            QTableWidgetItem* item = m_pTable->item(row, column);
            const QString text = QString::asprintf("%02X", value);
            if (item->text() != text) item->setText(text);
            const bool changed = before && (*before)[at] != value;
            item->setForeground(changed ? QBrush(kChanged) : QBrush());
            characters += Shown(value);
        }
        QTableWidgetItem* item = m_pTable->item(row, kCharacters);
        if (item->text() != characters) item->setText(characters);
    }
}
