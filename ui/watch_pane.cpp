#include "ui/watch_pane.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/pane_table.h"
#include "ui/program_names.h"
#include "ui/register_text.h"

namespace {
const QString kListKey = QStringLiteral("Pracenje/");
const QColor kChanged(255, 0, 0);

enum EColumn { kName, kAddress, kHex, kDecimal, kBinary, kCharacter, kColumns };

QString Character(uint8_t value) {
    return value >= 0x20 && value < 0x7F ? QStringLiteral("'%1'").arg(QChar(value)) : QString();
}
}  // namespace

CWatchPane::CWatchPane(const CProgramNames& names, QWidget* parent)
    : QDockWidget(QCoreApplication::translate("CWatchPane", "Pracenje"), parent),
      m_names(names),
      m_pEntry(new QLineEdit),
      m_pTable(new QTableWidget(0, kColumns)) {
    setObjectName(QStringLiteral("watch"));
    m_pEntry->setPlaceholderText(
        QCoreApplication::translate("CWatchPane", "promenljiva, registar, PORTB,3 ili 0x0C"));
    auto* add = new QPushButton(QCoreApplication::translate("CWatchPane", "Dodaj"));
    auto* remove = new QPushButton(QCoreApplication::translate("CWatchPane", "Ukloni"));
    m_pTable->setHorizontalHeaderLabels({QCoreApplication::translate("CWatchPane", "Ime"),
                                         QCoreApplication::translate("CWatchPane", "Adresa"),
                                         QCoreApplication::translate("CWatchPane", "Heksa"),
                                         QCoreApplication::translate("CWatchPane", "Dekadno"),
                                         QCoreApplication::translate("CWatchPane", "Binarno"),
                                         QCoreApplication::translate("CWatchPane", "Znak")});
    SetUpPaneTable(m_pTable);
    m_pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pTable->setToolTip(QCoreApplication::translate(
        "CWatchPane", "Dvoklik upisuje novu vrednost dok simulacija stoji"));

    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* row = new QHBoxLayout;
    row->addWidget(m_pEntry, 1);
    row->addWidget(add);
    row->addWidget(remove);
    layout->addLayout(row);
    layout->addWidget(m_pTable);
    setWidget(body);

    const auto addTyped = [this] {
        if (Add(m_pEntry->text())) m_pEntry->clear();
    };
    connect(m_pEntry, &QLineEdit::returnPressed, this, addTyped);
    connect(add, &QPushButton::clicked, this, addTyped);
    connect(remove, &QPushButton::clicked, this, &CWatchPane::RemoveSelected);
    connect(m_pTable, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (row >= 0 && row < static_cast<int>(m_entries.size()))
            emit EditRegister(m_entries[row].reg);
    });
}

void CWatchPane::SetProgram(const QString& key) {
    m_key = key;
    m_entries.clear();
    const QVariant saved = key.isEmpty() ? QVariant() : QSettings().value(kListKey + key);
    QStringList texts;
    if (saved.isValid()) {
        texts = saved.toStringList();
    } else {
        for (const build::CProgramSymbol& symbol : m_names.Map().symbols) {
            if (symbol.kind == build::CProgramSymbol::EKind::Register)
                texts.append(QString::fromStdString(symbol.name));
        }
    }
    for (const QString& text : texts) {
        SWatchEntry entry;
        std::string error;
        // A saved name the program no longer has is dropped with the next save.
        if (ParseWatchEntry(text.toStdString(), m_names.Map(), &entry, &error))
            m_entries.push_back(entry);
    }
    Rebuild();
}

bool CWatchPane::Add(const QString& text) {
    SWatchEntry entry;
    std::string error;
    if (!ParseWatchEntry(text.toStdString(), m_names.Map(), &entry, &error)) {
        emit Refused(QString::fromStdString(error));
        return false;
    }
    m_entries.push_back(entry);
    Save();
    Rebuild();
    return true;
}

void CWatchPane::RemoveSelected() {
    const QModelIndexList rows = m_pTable->selectionModel()->selectedRows();
    std::vector<bool> gone(m_entries.size(), false);
    for (const QModelIndex& index : rows) gone[static_cast<size_t>(index.row())] = true;
    std::vector<SWatchEntry> kept;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (!gone[i]) kept.push_back(m_entries[i]);
    }
    m_entries = std::move(kept);
    Save();
    Rebuild();
}

void CWatchPane::Save() const {
    if (m_key.isEmpty()) return;
    QStringList texts;
    for (const SWatchEntry& entry : m_entries) texts.append(QString::fromStdString(entry.text));
    QSettings().setValue(kListKey + m_key, texts);
}

void CWatchPane::Rebuild() {
    m_pTable->setRowCount(static_cast<int>(m_entries.size()));
    for (int row = 0; row < m_pTable->rowCount(); ++row) {
        for (int column = 0; column < kColumns; ++column) {
            if (!m_pTable->item(row, column)) m_pTable->setItem(row, column, new QTableWidgetItem);
        }
        const SWatchEntry& entry = m_entries[static_cast<size_t>(row)];
        m_pTable->item(row, kName)->setText(QString::fromStdString(entry.text));
        QString address = QString::asprintf("0x%02X", entry.reg);
        if (entry.bit >= 0) address += QStringLiteral(",%1").arg(entry.bit);
        m_pTable->item(row, kAddress)->setText(address);
    }
    Refresh();
}

void CWatchPane::Refresh() {
    const RegisterSnapshot now = TakeRegisterSnapshot();
    const RegisterSnapshot* before = m_changes.Look(now);
    for (int row = 0; row < m_pTable->rowCount(); ++row) {
        const SWatchEntry& entry = m_entries[static_cast<size_t>(row)];
        const auto valueIn = [&entry](const RegisterSnapshot& state) {
            const uint8_t byte = state.file[static_cast<size_t>(entry.reg)];
            return entry.bit < 0 ? byte : static_cast<uint8_t>((byte >> entry.bit) & 1);
        };
        const uint8_t value = valueIn(now);
        const bool changed = before && valueIn(*before) != value;
        const QString texts[] = {QString::asprintf("0x%02X", value), QString::number(value),
                                 QString::fromStdString(ToBinary(value)), Character(value)};
        for (int i = 0; i < 4; ++i) {
            QTableWidgetItem* item = m_pTable->item(row, kHex + i);
            const QString text = entry.bit >= 0 && i != 1 ? QString() : texts[i];
            if (item->text() != text) item->setText(text);
            item->setForeground(changed ? QBrush(kChanged) : QBrush());
        }
    }
}
