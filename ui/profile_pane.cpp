#include "ui/profile_pane.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/pane_table.h"

namespace {
enum EColumn { kName, kAddress, kCalls, kCycles, kShare, kColumns };

QString RoutineName(const build::SRoutineFigures& routine) {
    const QString label = QString::fromStdString(routine.label);
    switch (routine.kind) {
        case build::SRoutineFigures::EKind::Main:
            return label.isEmpty() ? QCoreApplication::translate("CProfilePane", "(glavni program)")
                                   : label;
        case build::SRoutineFigures::EKind::Interrupt:
            return label.isEmpty() ? QCoreApplication::translate("CProfilePane", "(prekid)")
                                   : label;
        case build::SRoutineFigures::EKind::Subroutine:
            break;
    }
    return label.isEmpty() ? QString::asprintf("0x%03X", routine.entry) : label;
}
}  // namespace

CProfilePane::CProfilePane(QWidget* parent)
    : QDockWidget(QCoreApplication::translate("CProfilePane", "Profil"), parent),
      m_pTotal(new QLabel),
      m_pTable(new QTableWidget(0, kColumns)) {
    setObjectName(QStringLiteral("profile"));
    m_pTable->setHorizontalHeaderLabels({QCoreApplication::translate("CProfilePane", "Potprogram"),
                                         QCoreApplication::translate("CProfilePane", "Adresa"),
                                         QCoreApplication::translate("CProfilePane", "Poziva"),
                                         QCoreApplication::translate("CProfilePane", "Ciklusa"),
                                         QCoreApplication::translate("CProfilePane", "Udeo")});
    m_pTable->horizontalHeaderItem(kCycles)->setToolTip(QCoreApplication::translate(
        "CProfilePane", "Ciklusi instrukcija samog potprograma, bez potprograma koje poziva"));
    SetUpPaneTable(m_pTable);
    m_pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_pTotal);
    layout->addWidget(m_pTable);
    setWidget(body);
    connect(m_pTable, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        emit GoToWord(m_pTable->item(row, kAddress)->data(Qt::UserRole).toInt());
    });
}

void CProfilePane::Show(std::vector<build::SRoutineFigures> routines, uint64_t totalCycles) {
    m_pTotal->setText(QCoreApplication::translate("CProfilePane", "Ukupno ciklusa od pocetka: %1")
                          .arg(totalCycles));
    std::stable_sort(routines.begin(), routines.end(),
                     [](const build::SRoutineFigures& a, const build::SRoutineFigures& b) {
                         return a.cycles > b.cycles;
                     });
    m_pTable->setRowCount(static_cast<int>(routines.size()));
    for (int row = 0; row < m_pTable->rowCount(); ++row) {
        const build::SRoutineFigures& routine = routines[static_cast<size_t>(row)];
        const QString cells[kColumns] = {
            RoutineName(routine), QString::asprintf("0x%03X", routine.entry),
            QString::number(routine.calls), QString::number(routine.cycles),
            QString::asprintf("%.1f %%", 100 * routine.share)};
        for (int column = 0; column < kColumns; ++column) {
            QTableWidgetItem* item = m_pTable->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                if (column != kName) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                m_pTable->setItem(row, column, item);
            }
            if (item->text() != cells[column]) item->setText(cells[column]);
        }
        m_pTable->item(row, kAddress)->setData(Qt::UserRole, routine.entry);
    }
}
