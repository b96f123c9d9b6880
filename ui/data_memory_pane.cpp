#include "ui/data_memory_pane.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableWidget>

#include "core/chip_map.h"
#include "ui/pane_table.h"
#include "ui/program_names.h"
#include "ui/register_names.h"
#include "ui/register_text.h"

namespace {
const QColor kChanged(255, 0, 0);
const QColor kNothingGrey(150, 150, 150);
// Per bank: address, name, hex, binary.
constexpr int kPerBank = 4;
enum EColumn { kAddress, kName, kHex, kBinary };
constexpr int kBank1 = 0x80;
// The one address of each bank with no register behind it.
constexpr int kUnimplemented = 0x07;

QString NameOf(int address, int reg, const CProgramNames& names) {
    if ((address & 0x7F) == kUnimplemented) return QStringLiteral("-");
    QStringList parts;
    if (const core::SChipRegister* chip = core::ChipRegisterAt(reg)) {
        parts.append(
            QString::fromLatin1(chip->name.data(), static_cast<qsizetype>(chip->name.size())));
    }
    const QString program = names.RegisterNames(reg);
    if (!program.isEmpty()) parts.append(program);
    return parts.join(QStringLiteral(" = "));
}
}  // namespace

int CDataMemoryPane::RegisterOfCell(int row, int column) {
    if (row < 0 || row >= kRows || column < 0 || column >= 2 * kPerBank) return -1;
    const int address = (column >= kPerBank ? kBank1 : 0) + row;
    if ((address & 0x7F) == kUnimplemented) return -1;
    return core::RegisterFileIndex(address);
}

CDataMemoryPane::CDataMemoryPane(const CProgramNames& names, QWidget* parent)
    : QDockWidget(QCoreApplication::translate("CDataMemoryPane", "Memorija podataka"), parent),
      m_names(names),
      m_pTable(new QTableWidget(kRows, 2 * kPerBank)) {
    setObjectName(QStringLiteral("dataMemory"));
    QStringList titles;
    for (const char* bank : {QT_TRANSLATE_NOOP("CDataMemoryPane", "Banka 0"),
                             QT_TRANSLATE_NOOP("CDataMemoryPane", "Banka 1")}) {
        titles << QCoreApplication::translate("CDataMemoryPane", bank)
               << QCoreApplication::translate("CDataMemoryPane", "Ime")
               << QCoreApplication::translate("CDataMemoryPane", "Heksa")
               << QCoreApplication::translate("CDataMemoryPane", "Binarno");
    }
    m_pTable->setHorizontalHeaderLabels(titles);
    SetUpPaneTable(m_pTable);
    m_pTable->horizontalHeader()->setStretchLastSection(false);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < 2 * kPerBank; ++column) {
            auto* item = new QTableWidgetItem;
            if (RegisterOfCell(row, column) < 0) item->setForeground(kNothingGrey);
            m_pTable->setItem(row, column, item);
        }
        m_pTable->item(row, kAddress)->setText(QString::asprintf("0x%02X", row));
        m_pTable->item(row, kPerBank + kAddress)
            ->setText(QString::asprintf("0x%02X", kBank1 + row));
    }
    setWidget(m_pTable);
    Rename();
    connect(m_pTable, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        const int reg = RegisterOfCell(row, column);
        if (reg >= 0) emit EditRegister(reg);
    });
}

void CDataMemoryPane::Rename() {
    for (int row = 0; row < kRows; ++row) {
        for (int bank = 0; bank < 2; ++bank) {
            const int address = bank * kBank1 + row;
            const int reg = RegisterOfCell(row, bank * kPerBank);
            m_pTable->item(row, bank * kPerBank + kName)
                ->setText(reg < 0 ? QStringLiteral("-") : NameOf(address, reg, m_names));
            // The tooltips name the program's variables: written afresh below.
            m_pTable->item(row, bank * kPerBank + kHex)->setText({});
        }
    }
    m_pTable->resizeColumnsToContents();
    Refresh();
}

void CDataMemoryPane::Refresh() {
    const RegisterSnapshot now = TakeRegisterSnapshot();
    const RegisterSnapshot* before = m_changes.Look(now);
    for (int row = 0; row < kRows; ++row) {
        for (int bank = 0; bank < 2; ++bank) {
            const int reg = RegisterOfCell(row, bank * kPerBank);
            if (reg < 0) continue;
            const uint8_t value = now.file[static_cast<size_t>(reg)];
            const bool changed = before && before->file[static_cast<size_t>(reg)] != value;
            const QString texts[] = {QString::asprintf("%02X", value),
                                     QString::fromStdString(ToBinary(value))};
            for (int i = 0; i < 2; ++i) {
                QTableWidgetItem* item = m_pTable->item(row, bank * kPerBank + kHex + i);
                if (item->text() != texts[i]) {
                    item->setText(texts[i]);
                    item->setToolTip(RegisterToolTip(reg, value, m_names.RegisterNames(reg)));
                }
                item->setForeground(changed ? QBrush(kChanged) : QBrush());
            }
        }
    }
}
