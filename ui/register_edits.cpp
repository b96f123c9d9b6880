#include "register_edits.h"

#include <QCoreApplication>
#include <QCursor>
#include <QStatusBar>
#include <QToolTip>

#include "cpu_unit.h"
#include "input_view.h"
#include "lumo_doc.h"
#include "main_frame.h"
#include "output_view.h"
#include "pin_input.h"
#include "program_names.h"
#include "register_edit_dlg.h"
#include "register_names.h"
#include "state.h"

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

void CRegisterEdits::OnEdit(int reg) {
    // A value typed in while instructions run would land at a moment the
    // user cannot see.
    const CCPUNit* worker = m_doc.m_pWorker;
    if (worker && (!worker->m_bPaused || worker->m_runState == RunState::Running)) {
        Refuse(QCoreApplication::translate(
            "CRegisterEdits", "Vrednosti se menjaju samo dok simulacija stoji (Prekid, Shift+F5)"));
        return;
    }
    const bool isW = reg == kWRegister;
    if (!isW) {
        if (const char* refusal = RegisterEditRefusal(reg)) {
            Refuse(QString::fromLatin1(refusal));
            return;
        }
    }
    CRegisterEditDlg dialog(reg, isW ? W : RegisterFile[reg], &m_frame,
                            isW ? QString() : m_frame.Names()->RegisterNames(reg));
    if (dialog.exec() != QDialog::Accepted) return;
    EditValue({isW ? SUserInput::EKind::W : SUserInput::EKind::Register,
               static_cast<uint8_t>(isW ? 0 : reg), dialog.Value()});
    // Both panes, as after a pin click; a waiting worker repaints them once
    // more when it has applied the value.
    m_frame.InputView()->InvalidateRect(false);
    m_frame.OutputView()->InvalidateRect(false);
    LastRefreshedView.store(m_frame.OutputView());
}
