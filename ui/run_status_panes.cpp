#include "ui/run_status_panes.h"

#include <QLabel>
#include <QPainter>
#include <QStatusBar>
#include <algorithm>

#include "core/cpu_unit.h"
#include "core/real_time_pacer.h"
#include "core/sim_document.h"
#include "core/state.h"
#include "ui/run_state_text.h"

namespace {
// A pane that gives way when the window is narrow, so a long state or label
// never pushes the prompts out of the status bar: what does not fit ends in
// an ellipsis, and the tooltip holds the whole text.
class CElidingLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        drawFrame(&painter);
        const QRect room = contentsRect().adjusted(kTextMargin, 0, -kTextMargin, 0);
        painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(text(), Qt::ElideRight, room.width()));
    }

private:
    static constexpr int kTextMargin = 2;
};

// The prompts hide the status bar's ordinary widgets, so only a bound on
// the panes keeps room for them.
QLabel* AddPane(QStatusBar* statusBar, const QString& narrowest, const QString& widest) {
    auto* label = new CElidingLabel(statusBar);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(narrowest) + 12);
    label->setMaximumWidth(label->fontMetrics().horizontalAdvance(widest) + 12);
    statusBar->addPermanentWidget(label);
    return label;
}

void SetText(QLabel* label, const QString& text) {
    label->setText(text);
    label->setToolTip(text);
}
}  // namespace

CRunStatusPanes::CRunStatusPanes(QStatusBar* statusBar, const core::CSimDocument& doc)
    : QObject(statusBar),
      m_doc(doc),
      m_pState(AddPane(statusBar, QStringLiteral("Stala na prekidnoj tacki"),
                       QStringLiteral("Radi, 1000 ms po instrukciji"))),
      m_pPc(AddPane(statusBar, QStringLiteral("PC=0x0000 label"),
                    QStringLiteral("PC=0x0000 label_name"))) {
    Update();
}

void CRunStatusPanes::Update() {
    // The state before PC: a stop at a breakpoint then never shows with the
    // PC of a pass before it.
    core::RunState state = m_doc.m_pWorker ? core::RunState(m_doc.m_pWorker->m_runState)
                                           : core::RunState::WaitingToStart;
    // A run held inside an instruction (a message box open) has been told to
    // pause: it pauses as soon as the instruction ends, so it says so now.
    if (state == core::RunState::Running && m_doc.m_pWorker->m_bPaused)
        state = core::RunState::Paused;
    const int pc = PC;
    const QString place = state == core::RunState::AtBreakpoint ? BreakpointName(pc) : QString();
    const SRunPace pace{SimSpeedMs, core::RealTimeFactor, core::RealTimeLagUs};
    const bool asleep = core::Chip.profile == core::EChipProfile::Datasheet && Asleep;
    const QString text = RunStateText(state, pace, place, m_lastMessage, asleep);
    // setText repaints a label only when its text changes.
    SetText(m_pState, text);
    SetText(m_pPc, ::PcText(pc, m_labels));
    const bool stopped = state == core::RunState::AtBreakpoint ||
                         state == core::RunState::RanOffProgram || !m_lastMessage.isEmpty();
    if (!stopped) {
        m_lastStop.clear();
    } else if (text != m_lastStop) {
        m_lastStop = text;
        emit Stopped(text);
    }
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
    for (int i = 0; i < std::min<int>(BreakLabelCount, core::kBreakpointsUsed); ++i) {
        if (BreakAddresses[i] == pc) return QString::fromStdString(BreakLabels.Get(i));
    }
    return PlaceName(pc, m_labels);
}
