#include "ui/break_labels_dlg.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

#include "build/break_labels.h"
#include "core/state.h"
#include "ui/dialog_units.h"

namespace {
struct FieldPlace {
    int x;
    int y;
};
// Fields 1-4 down the left column, 5-8 down the right one.
constexpr FieldPlace kFieldPlaces[CBreakLabelsDlg::kFields] = {
    {18, 7}, {18, 25}, {18, 44}, {18, 61}, {74, 7}, {74, 25}, {74, 44}, {74, 61},
};
}  // namespace

CBreakLabelsDlg::CBreakLabelsDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QCoreApplication::translate("CBreakLabelsDlg", "Labele prekidnih tacaka"));
    setFont(DialogFont());
    const CDialogUnits du(font());
    setFixedSize(du.Size(122, 126));

    // Created in tab order: OK, Cancel, then the fields in order.
    m_pOk = new QPushButton(QCoreApplication::translate("CBreakLabelsDlg", "OK"), this);
    m_pOk->setGeometry(du.Rect(37, 82, 50, 14));
    m_pOk->setDefault(true);
    m_pCancel = new QPushButton(QCoreApplication::translate("CBreakLabelsDlg", "Cancel"), this);
    m_pCancel->setGeometry(du.Rect(37, 105, 50, 14));
    QWidget* previous = m_pCancel;
    setTabOrder(m_pOk, m_pCancel);
    for (int i = 0; i < kFields; ++i) {
        auto* field = new QLineEdit(this);
        field->setGeometry(du.Rect(kFieldPlaces[i].x, kFieldPlaces[i].y, 34, 12));
        setTabOrder(previous, field);
        previous = field;
        m_pFields[static_cast<size_t>(i)] = field;
    }

    connect(m_pOk, &QPushButton::clicked, this, &CBreakLabelsDlg::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &CBreakLabelsDlg::reject);
}

void CBreakLabelsDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    for (size_t i = 0; i < kFields; ++i)
        m_pFields[i]->setText(QString::fromStdString(m_strLabels[i]));
    m_pOk->setFocus();
}

void CBreakLabelsDlg::accept() {
    for (size_t i = 0; i < kFields; ++i) m_strLabels[i] = m_pFields[i]->text().toStdString();
    QDialog::accept();
}

void OnBreakLabels(QWidget* owner) {
    CBreakLabelsDlg dialog(owner);
    const int count = BreakLabelCount;
    for (int i = 0; i < CBreakLabelsDlg::kFields && i < count; ++i)
        dialog.m_strLabels[static_cast<size_t>(i)] = BreakLabels.Get(i);
    if (dialog.exec() == QDialog::Accepted) build::SetBreakLabelsFromFields(dialog.m_strLabels);
}
