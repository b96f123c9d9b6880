#include "ui/time_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

#include "core/real_time_pacer.h"
#include "core/state.h"
#include "ui/command_ids.h"
#include "ui/events_pane.h"
#include "ui/logic_analyser_pane.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"

namespace {
const char kOscillatorKey[] = "simulator/oscillatorHz";
const char kAnalyserKey[] = "view/logicAnalyser";
constexpr int kTickMs = 100;
constexpr int kEventsPaneWidth = 420;
}  // namespace

CTimeCommands::CTimeCommands(CMainFrame& frame, CLumoDoc& doc)
    : QObject(&frame),
      m_frame(frame),
      m_doc(doc),
      m_pStopwatch(new QLabel(frame.statusBar())),
      m_pTick(new QTimer(this)),
      m_pEvents(new CEventsPane(&frame)),
      m_pAnalyser(new CLogicAnalyserPane(&frame)) {
    const double saved = QSettings().value(kOscillatorKey, kDefaultOscillatorHz).toDouble();
    m_oscillatorHz = saved > 0 ? saved : kDefaultOscillatorHz;
    core::OscillatorHz = m_oscillatorHz;

    m_pStopwatch->setObjectName(QStringLiteral("stopwatch"));
    // Left of the key-state panes, right of the prompt.
    frame.statusBar()->insertPermanentWidget(1, m_pStopwatch);
    connect(m_pTick, &QTimer::timeout, this, &CTimeCommands::UpdateStopwatch);
    m_pTick->start(kTickMs);
    UpdateStopwatch();
    QAction* showStopwatch = frame.Action(ID_VIEW_STOPWATCH);
    showStopwatch->setCheckable(true);
    showStopwatch->setChecked(true);
    connect(showStopwatch, &QAction::toggled, m_pStopwatch, &QLabel::setVisible);

    // The panes draw at fixed places, so the pane first comes floating beside
    // the window rather than narrowing them; it docks where the user drops it.
    frame.addDockWidget(Qt::RightDockWidgetArea, m_pEvents);
    m_pEvents->setFloating(true);
    m_pEvents->hide();
    QAction* showEvents = frame.Action(ID_VIEW_EVENTS);
    showEvents->setCheckable(true);
    connect(showEvents, &QAction::toggled, this, [this](bool show) {
        if (show && m_pEvents->isFloating() && !m_bEventsPlaced) {
            m_bEventsPlaced = true;
            const QRect window = m_frame.frameGeometry();
            m_pEvents->setGeometry(window.right() + 1, window.top(), kEventsPaneWidth,
                                   window.height());
        }
        m_pEvents->setVisible(show);
    });
    connect(m_pEvents, &QDockWidget::visibilityChanged, showEvents, &QAction::setChecked);
    connect(m_pEvents, &CEventsPane::GoToPass, this,
            [this](quint64 pass) { m_doc.OnGoToPass(pass); });

    // Closed unless the user left it open; below the window's panes, floating
    // like the events pane, so the main window keeps its size.
    frame.addDockWidget(Qt::BottomDockWidgetArea, m_pAnalyser);
    m_pAnalyser->setFloating(true);
    m_pAnalyser->hide();
    m_pAnalyser->SetOscillatorHz(m_oscillatorHz);
    QAction* showAnalyser = frame.Action(ID_VIEW_ANALYSER);
    showAnalyser->setCheckable(true);
    connect(showAnalyser, &QAction::toggled, this, [this](bool show) {
        if (show && m_pAnalyser->isFloating() && !m_bAnalyserPlaced) {
            m_bAnalyserPlaced = true;
            const QRect window = m_frame.frameGeometry();
            m_pAnalyser->setGeometry(window.left(), window.bottom() + 1, window.width(), 340);
        }
        m_pAnalyser->setVisible(show);
    });
    // Only the user's choice is kept: docks also hide when the window closes.
    connect(showAnalyser, &QAction::triggered, this,
            [](bool show) { QSettings().setValue(kAnalyserKey, show); });
    connect(m_pAnalyser, &QDockWidget::visibilityChanged, showAnalyser, &QAction::setChecked);
    connect(m_pAnalyser, &CLogicAnalyserPane::GoToPass, this,
            [this](quint64 pass) { m_doc.OnGoToPass(pass); });
    if (QSettings().value(kAnalyserKey, false).toBool()) showAnalyser->setChecked(true);

    connect(frame.Action(ID_STEP_BACK), &QAction::triggered, this, [this] { m_doc.OnStepBack(); });
    connect(frame.Action(ID_BACK_TO_EVENT), &QAction::triggered, this,
            [this] { m_doc.OnBackToEvent(); });
    connect(frame.Action(ID_ZERO_STOPWATCH), &QAction::triggered, this, [this] {
        m_zeroAt = core::CycleCount;
        UpdateStopwatch();
    });
    connect(frame.Action(ID_OSCILLATOR), &QAction::triggered, this, &CTimeCommands::AskOscillator);
}

QString CTimeCommands::StopwatchText(uint64_t cycles, double oscillatorHz) {
    const double seconds = static_cast<double>(cycles) * 4.0 / oscillatorHz;
    QString time;
    if (seconds < 1e-3) {
        time = QStringLiteral("%1 us").arg(seconds * 1e6, 0, 'f', 3);
    } else if (seconds < 1.0) {
        time = QStringLiteral("%1 ms").arg(seconds * 1e3, 0, 'f', 3);
    } else {
        time = QStringLiteral("%1 s").arg(seconds, 0, 'f', 3);
    }
    return QCoreApplication::translate("CTimeCommands", "Ciklusi: %1  Vreme: %2")
        .arg(cycles)
        .arg(time);
}

void CTimeCommands::UpdateStopwatch() {
    const uint64_t cycles = core::CycleCount;
    // A new run starts its clock at 0 again, and the stopwatch with it.
    if (cycles < m_zeroAt) m_zeroAt = 0;
    m_pStopwatch->setText(StopwatchText(cycles - m_zeroAt, m_oscillatorHz));
}

void CTimeCommands::SetOscillatorHz(double hz) {
    if (hz <= 0) return;
    m_oscillatorHz = hz;
    core::OscillatorHz = hz;
    m_pAnalyser->SetOscillatorHz(hz);
    QSettings().setValue(kOscillatorKey, hz);
    UpdateStopwatch();
    emit OscillatorChanged();
}

void CTimeCommands::AskOscillator() {
    auto* dialog = new QInputDialog(&m_frame);
    dialog->setObjectName(QStringLiteral("oscillator"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QCoreApplication::translate("CTimeCommands", "Takt oscilatora"));
    dialog->setLabelText(
        QCoreApplication::translate("CTimeCommands", "Ucestanost oscilatora (MHz):"));
    dialog->setInputMode(QInputDialog::DoubleInput);
    dialog->setDoubleRange(0.001, 100.0);
    dialog->setDoubleDecimals(3);
    dialog->setDoubleValue(m_oscillatorHz / 1e6);
    connect(dialog, &QInputDialog::doubleValueSelected, this,
            [this](double mhz) { SetOscillatorHz(mhz * 1e6); });
    dialog->open();
}
