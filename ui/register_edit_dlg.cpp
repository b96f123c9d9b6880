#include "ui/register_edit_dlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/platform/message_box.h"
#include "scenario/scenario_reader.h"
#include "ui/register_names.h"

using namespace scenario;

bool ParseRegisterValue(const QString& text, uint8_t* value) {
    int64_t number = 0;
    if (!ParseWhole(text.trimmed().toStdString(), &number) || number > 0xFF) return false;
    *value = static_cast<uint8_t>(number);
    return true;
}

namespace {
QString NameOf(int reg, const QString& programNames) {
    QString name = RegisterName(reg);
    if (reg != kWRegister && !name.contains(QStringLiteral("0x"))) {
        name += QCoreApplication::translate("CRegisterEditDlg", " (adresa %1)")
                    .arg(QString::asprintf("0x%02X", static_cast<unsigned>(reg)));
    }
    if (!programNames.isEmpty()) name += QStringLiteral(" = ") + programNames;
    return name;
}
}  // namespace

CRegisterEditDlg::CRegisterEditDlg(int reg, uint8_t value, QWidget* parent,
                                   const QString& programNames)
    : CRegisterEditDlg(NameOf(reg, programNames), value, parent) {}

CRegisterEditDlg::CRegisterEditDlg(const QString& name, uint8_t value, QWidget* parent)
    : QDialog(parent), m_pField(new QLineEdit), m_value(value) {
    setWindowTitle(QCoreApplication::translate("CRegisterEditDlg", "Nova vrednost"));
    const QString current = QString::asprintf("0x%02X", static_cast<unsigned>(value));
    auto* prompt =
        new QLabel(QCoreApplication::translate(
                       "CRegisterEditDlg",
                       "%1, sada %2 = %3.\nNova vrednost (0-255; 12, 0x0C ili 0b00001100):")
                       .arg(name, current)
                       .arg(value));
    m_pField->setText(current);
    m_pField->selectAll();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_pOk = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &CRegisterEditDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CRegisterEditDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_pField);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

void CRegisterEditDlg::accept() {
    if (!ParseRegisterValue(m_pField->text(), &m_value)) {
        AfxMessageBox(tr("Vrednost mora biti ceo broj od 0 do 255: dekadno (12), heksa (0x0C) "
                         "ili binarno (0b00001100)")
                          .toStdString());
        m_pField->setFocus();
        m_pField->selectAll();
        return;
    }
    QDialog::accept();
}
