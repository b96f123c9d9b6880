#include "ui/speed_dlg.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "core/platform/message_box.h"
#include "core/real_time_pacer.h"
#include "core/state.h"
#include "ui/dialog_integer.h"
#include "ui/dialog_units.h"

CSpeedDlg::CSpeedDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("CSpeedDlg", "Promena brzine simulacije"));
    setFont(DialogFont());
    const CDialogUnits du(font());
    setFixedSize(du.Size(187, 63));

    // Created in tab order: OK, Cancel, the field.
    m_pOk = new QPushButton(QCoreApplication::translate("CSpeedDlg", "OK"), this);
    m_pOk->setGeometry(du.Rect(130, 17, 50, 14));
    m_pOk->setDefault(true);
    m_pCancel = new QPushButton(QCoreApplication::translate("CSpeedDlg", "Cancel"), this);
    m_pCancel->setGeometry(du.Rect(130, 34, 50, 14));
    auto* prompt = new QLabel(
        QCoreApplication::translate("CSpeedDlg", "Unesite brzinu izvrsavanja u ms:"), this);
    QRect promptRect = du.Rect(16, 16, 105, 8);
    promptRect.setWidth(std::max(promptRect.width(), prompt->sizeHint().width()));
    prompt->setGeometry(promptRect);
    m_pField = new QLineEdit(this);
    m_pField->setGeometry(du.Rect(37, 36, 39, 12));
    m_pField->setAlignment(Qt::AlignRight);
    setTabOrder(m_pOk, m_pCancel);
    setTabOrder(m_pCancel, m_pField);

    connect(m_pOk, &QPushButton::clicked, this, &CSpeedDlg::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &CSpeedDlg::reject);
}

void CSpeedDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_pField->setText(QString::asprintf("%d", m_nSpeed));
    m_pOk->setFocus();
}

void CSpeedDlg::Refuse(const QString& message) {
    AfxMessageBox(message.toStdString());
    m_pField->setFocus();
    m_pField->selectAll();
}

void CSpeedDlg::accept() {
    long long value = 0;
    if (!ParseDialogInteger(m_pField->text().toStdString(), value)) {
        Refuse(QCoreApplication::translate("CSpeedDlg", "Please enter an integer."));
        return;
    }
    if (value < kMinSpeed || value > kMaxSpeed) {
        Refuse(
            QCoreApplication::translate("CSpeedDlg", "Please enter an integer between %1 and %2.")
                .arg(kMinSpeed)
                .arg(kMaxSpeed));
        return;
    }
    m_nSpeed = static_cast<int>(value);
    QDialog::accept();
}

bool OnSpeed(QWidget* owner) {
    CSpeedDlg dialog(owner);
    dialog.m_nSpeed = SimSpeedMs;
    if (dialog.exec() != QDialog::Accepted) return false;
    SimSpeedMs = dialog.m_nSpeed;
    core::RealTimeFactor = 0;
    return true;
}
