#include "run_status_panes.h"

#include <QLabel>
#include <QStatusBar>
#include <algorithm>

#include "cpu_unit.h"
#include "run_state_text.h"
#include "sim_document.h"
#include "state.h"

namespace {
QLabel* AddPane(QStatusBar* statusBar, const QString& widest) {
    auto* label = new QLabel(statusBar);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest) + 12);
    statusBar->addPermanentWidget(label);
    return label;
}
}  // namespace

CRunStatusPanes::CRunStatusPanes(QStatusBar* statusBar, const CSimDocument& doc)
    : QObject(statusBar),
      m_doc(doc),
      m_pState(AddPane(statusBar, QStringLiteral("Radi, 1000 ms po instrukciji"))),
      m_pPc(AddPane(statusBar, QStringLiteral("PC=0x0000 label_name"))) {
    Update();
}

void CRunStatusPanes::Update() {
    const int pc = PC;
    const RunState state =
        m_doc.m_pWorker ? RunState(m_doc.m_pWorker->m_runState) : RunState::WaitingToStart;
    const QString place = state == RunState::AtBreakpoint ? BreakpointName(pc) : QString();
    // setText repaints a label only when its text changes.
    m_pState->setText(RunStateText(state, SimSpeedMs, place, m_lastMessage));
    m_pPc->setText(::PcText(pc, m_labels));
}

void CRunStatusPanes::SetListingLabels(std::map<int, std::string> labels) {
    m_labels = std::move(labels);
    Update();
}

void CRunStatusPanes::SetLastMessage(const QString& text) {
    m_lastMessage = text;
    Update();
}

QString CRunStatusPanes::StateText() const {
    return m_pState->text();
}

QString CRunStatusPanes::PcText() const {
    return m_pPc->text();
}

QString CRunStatusPanes::BreakpointName(int pc) const {
    // The user's own label first: that is the name the run was told to stop at.
    for (int i = 0; i < std::min<int>(BreakLabelCount, kBreakpointsUsed); ++i) {
        if (BreakAddresses[i] == pc) return QString::fromStdString(BreakLabels.Get(i));
    }
    return PlaceName(pc, m_labels);
}
