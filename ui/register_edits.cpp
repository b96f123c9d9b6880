#include "ui/register_edits.h"

#include <QCoreApplication>
#include <QCursor>
#include <QStatusBar>
#include <QToolTip>

#include "core/cpu_unit.h"
#include "core/pin_input.h"
#include "core/state.h"
#include "ui/input_view.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/output_view.h"
#include "ui/program_names.h"
#include "ui/register_edit_dlg.h"
#include "ui/register_names.h"

namespace {
constexpr int kMessageMs = 10000;
}  // namespace

CRegisterEdits::CRegisterEdits(CMainFrame& frame, CLumoDoc& doc)
    : QObject(&frame), m_frame(frame), m_doc(doc) {
    connect(frame.OutputView(), &COutputView::ValueDoubleClicked, this, &CRegisterEdits::OnEdit);
}

void CRegisterEdits::Refuse(const QString& why) {
    m_frame.statusBar()->showMessage(why, kMessageMs);
    // Also where the user looks: the status bar's message pane can be narrow.
    QToolTip::showText(QCursor::pos(), why, m_frame.OutputView());
}

bool CRegisterEdits::Standing() {
    // A value typed in while instructions run would land at a moment the
    // user cannot see.
    const CCPUNit* worker = m_doc.m_pWorker;
    if (worker && (!worker->m_bPaused || worker->m_runState == core::RunState::Running)) {
        Refuse(QCoreApplication::translate(
            "CRegisterEdits", "Vrednosti se menjaju samo dok simulacija stoji (Prekid, Shift+F5)"));
        return false;
    }
    return true;
}

void CRegisterEdits::Repaint() {
    m_frame.InputView()->InvalidateRect(false);
    m_frame.OutputView()->InvalidateRect(false);
    LastRefreshedView.store(m_frame.OutputView());
}

void CRegisterEdits::OnEditEeprom(int address) {
    if (!Standing()) return;
    const QString name = QCoreApplication::translate("CRegisterEdits", "EEPROM[%1] (adresa %2)")
                             .arg(address)
                             .arg(QString::asprintf("0x%02X", static_cast<unsigned>(address)));
    CRegisterEditDlg dialog(name, core::Chip.datasheet.eeprom[address % core::kEepromSize],
                            &m_frame);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!core::EditValue(
            {core::SUserInput::EKind::Eeprom, static_cast<uint8_t>(address), dialog.Value()})) {
        Refuse(QCoreApplication::translate(
            "CRegisterEdits", "EEPROM ima samo cip po katalogu (Options > Cip po katalogu)"));
        return;
    }
    Repaint();
}

void CRegisterEdits::OnEdit(int reg) {
    if (!Standing()) return;
    const bool isW = reg == kWRegister;
    if (!isW) {
        if (const char* refusal = core::RegisterEditRefusal(reg)) {
            Refuse(QString::fromLatin1(refusal));
            return;
        }
    }
    CRegisterEditDlg dialog(reg, isW ? W : RegisterFile[reg], &m_frame,
                            isW ? QString() : m_frame.Names()->RegisterNames(reg));
    if (dialog.exec() != QDialog::Accepted) return;
    core::EditValue({isW ? core::SUserInput::EKind::W : core::SUserInput::EKind::Register,
                     static_cast<uint8_t>(isW ? 0 : reg), dialog.Value()});
    Repaint();
}
