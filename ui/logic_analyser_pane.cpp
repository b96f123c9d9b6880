#include "ui/logic_analyser_pane.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "core/chip_map.h"
#include "core/pin_signal.h"
#include "core/pin_watch.h"
#include "core/state.h"

namespace {
// Screen rate: the traces follow a running program as the eye does.
constexpr int kPollMs = 40;
const QColor kOutputColor(0, 110, 0);
const QColor kInputColor(0, 60, 200);
const QColor kBoardColor(170, 80, 0);
const QColor kPartColor(232, 232, 232);

// A value of a board signal as its bus shows it: a key's character, a
// byte in hex with its character when it has one.
QString ValueText(uint32_t value, const core::SBoardSignal& signal) {
    const bool printable = value >= 0x20 && value < 0x7F;
    if (signal.character) return value == 0 ? QString() : QString(QChar(value));
    QString text = QStringLiteral("%1").arg(value, (signal.width + 3) / 4, 16, QLatin1Char('0'));
    text = text.toUpper();
    if (printable) text += QStringLiteral(" '%1'").arg(QChar(value));
    return text;
}
}  // namespace

CTraceView::CTraceView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("traces"));
    setMouseTracking(true);
    setMinimumHeight(core::kChipPinCount * kRowHeight + 20);
}

QSize CTraceView::sizeHint() const {
    return {640, static_cast<int>(Rows().size()) * kRowHeight + 20};
}

double CTraceView::XOf(uint64_t cycle) const {
    const double width = std::max(1, this->width() - kNameWidth);
    return kNameWidth + (static_cast<double>(cycle) - static_cast<double>(m_from)) * width /
                            static_cast<double>(m_span);
}

uint64_t CTraceView::CycleAt(int x) const {
    const double width = std::max(1, this->width() - kNameWidth);
    const double cycle = static_cast<double>(m_from) +
                         std::max(0, x - kNameWidth) * static_cast<double>(m_span) / width;
    return static_cast<uint64_t>(std::llround(cycle));
}

void CTraceView::Reload() {
    const uint64_t end = core::PinTrace.EndCycle();
    if (m_following && end > m_from + m_span) m_from = end - m_span;
    m_copy = core::PinTrace.Read(m_from, m_from + m_span);
    TakeBoardSignals();
    update();
}

// The names come from the board itself, which outlives any trace of it: a
// trace of a board no longer attached shows the pins alone.
void CTraceView::TakeBoardSignals() {
    const core::CBoardHook* board = core::AttachedBoard.load(std::memory_order_relaxed);
    if (board != m_copy.board || board == nullptr || board->ValueCount() != m_copy.boardWidth) {
        board = nullptr;
    }
    if (board == m_signalsOf) return;
    m_signalsOf = board;
    m_signals = board != nullptr ? board->Signals() : std::vector<core::SBoardSignal>{};
    FitHeight();
}

std::vector<CTraceView::SRow> CTraceView::Rows() const {
    std::vector<SRow> rows;
    for (int pin = 0; pin < core::kChipPinCount; ++pin) rows.push_back({SRow::EKind::Pin, pin});
    for (int signal = 0; signal < static_cast<int>(m_signals.size()); ++signal) {
        const std::string& part = m_signals[signal].part;
        if (signal == 0 || part != m_signals[signal - 1].part) {
            rows.push_back({SRow::EKind::Part, signal});
        }
        if (!m_folded.contains(part)) rows.push_back({SRow::EKind::Signal, signal});
    }
    return rows;
}

void CTraceView::FitHeight() {
    setMinimumHeight(static_cast<int>(Rows().size()) * kRowHeight + 20);
    updateGeometry();
}

void CTraceView::ShowWhole() {
    m_from = core::PinTrace.FirstCycle();
    m_span = std::max<uint64_t>(1, core::PinTrace.EndCycle() - m_from);
    m_following = true;
    Reload();
    emit Changed();
}

void CTraceView::ScrollTo(uint64_t from) {
    m_from = from;
    m_following = from + m_span >= core::PinTrace.EndCycle();
    Reload();
}

void CTraceView::PlaceCursor(uint64_t cycle) {
    m_cursor[0] = cycle;
    ScrollTo(cycle > m_span / 2 ? cycle - m_span / 2 : 0);
    if (const auto change = NearestChange(cycle)) emit GoToPass(change->pass);
    update();
    emit Changed();
}

std::optional<core::SPinChange> CTraceView::NearestChange(uint64_t cycle) const {
    std::optional<core::SPinChange> nearest;
    uint64_t distance = UINT64_MAX;
    for (const core::SPinChange& change : m_copy.changes) {
        const uint64_t d = change.cycle > cycle ? change.cycle - cycle : cycle - change.cycle;
        if (d < distance) {
            distance = d;
            nearest = change;
        }
    }
    return nearest;
}

void CTraceView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const uint64_t end = std::min(m_copy.endCycle, m_from + m_span);
    const std::vector<SRow> rows = Rows();
    for (size_t row = 0; row < rows.size(); ++row) {
        const int top = static_cast<int>(row) * kRowHeight + 2;
        if (rows[row].kind == SRow::EKind::Part) {
            const std::string& part = m_signals[rows[row].index].part;
            painter.fillRect(0, top - 1, width(), kRowHeight, kPartColor);
            painter.setPen(Qt::black);
            painter.drawText(
                QRect(2, top, width() - 4, kRowHeight - 2), Qt::AlignVCenter,
                (m_folded.contains(part) ? QStringLiteral("+ ") : QStringLiteral("- ")) +
                    QString::fromStdString(part));
            continue;
        }
        if (rows[row].kind == SRow::EKind::Signal) {
            painter.setPen(Qt::black);
            painter.drawText(QRect(8, top, kNameWidth - 10, kRowHeight - 2), Qt::AlignVCenter,
                             QString::fromStdString(m_signals[rows[row].index].name));
            DrawBoardSignal(painter, top, end, rows[row].index);
            continue;
        }
        const int pin = rows[row].index;
        const int high = top + 2;
        const int low = top + kRowHeight - 4;
        if (pin == m_selected)
            painter.fillRect(0, top - 1, width(), kRowHeight, QColor(255, 245, 200));
        painter.setPen(Qt::black);
        painter.drawText(QRect(2, top, kNameWidth - 4, kRowHeight - 2), Qt::AlignVCenter,
                         QString::fromLatin1(core::kChipPins[pin].name.data(), 3));
        const std::vector<core::SPinEdge> edges = core::PinEdges(m_copy.changes, pin);
        for (size_t i = 0; i < edges.size(); ++i) {
            const uint64_t from = std::max(edges[i].cycle, m_from);
            const uint64_t to = i + 1 < edges.size() ? edges[i + 1].cycle : end;
            if (to < from) continue;
            const double x0 = XOf(from);
            const double x1 = XOf(to);
            // An input pin's trace is blue and thin, an output's green and bold.
            painter.setPen(
                QPen(edges[i].input ? kInputColor : kOutputColor, edges[i].input ? 1 : 2));
            const int y = edges[i].level ? high : low;
            painter.drawLine(QPointF(x0, y), QPointF(x1, y));
            if (i + 1 < edges.size() && edges[i + 1].cycle <= end) {
                painter.drawLine(QPointF(x1, high), QPointF(x1, low));
            }
        }
    }
    const int bottom = static_cast<int>(rows.size()) * kRowHeight + 2;
    painter.setPen(QPen(Qt::red, 1));
    const double now = XOf(core::CycleCount);
    painter.drawLine(QPointF(now, 0), QPointF(now, bottom));
    const QColor cursorColors[2] = {QColor(200, 0, 200), QColor(0, 150, 150)};
    for (int which = 0; which < 2; ++which) {
        if (m_cursor[which] == kNone) continue;
        painter.setPen(QPen(cursorColors[which], 1, Qt::DashLine));
        const double x = XOf(m_cursor[which]);
        painter.drawLine(QPointF(x, 0), QPointF(x, bottom));
        painter.drawText(QPointF(x + 2, bottom + 14),
                         which == 0 ? QStringLiteral("A") : QStringLiteral("B"));
    }
    if (m_hover != kNone) {
        painter.setPen(QPen(Qt::gray, 1, Qt::DotLine));
        const double x = XOf(m_hover);
        painter.drawLine(QPointF(x, 0), QPointF(x, bottom));
    }
}

// A line as the pins are drawn; a wider value as a bus, its value written
// where it fits.
void CTraceView::DrawBoardSignal(QPainter& painter, int top, uint64_t end, int signal) {
    const core::SBoardSignal& about = m_signals[signal];
    const std::vector<core::SSignalStep> steps = core::BoardSignalSteps(m_copy, about);
    const int high = top + 2;
    const int low = top + kRowHeight - 4;
    painter.setPen(QPen(kBoardColor, about.width == 1 ? 2 : 1));
    for (size_t i = 0; i < steps.size(); ++i) {
        const uint64_t from = std::max(steps[i].cycle, m_from);
        const uint64_t to = i + 1 < steps.size() ? steps[i + 1].cycle : end;
        if (to < from) continue;
        const double x0 = XOf(from);
        const double x1 = XOf(to);
        const bool edgeShown = i + 1 < steps.size() && steps[i + 1].cycle <= end;
        if (about.width == 1) {
            const int y = steps[i].value ? high : low;
            painter.drawLine(QPointF(x0, y), QPointF(x1, y));
            if (edgeShown) painter.drawLine(QPointF(x1, high), QPointF(x1, low));
            continue;
        }
        painter.drawLine(QPointF(x0, high), QPointF(x1, high));
        painter.drawLine(QPointF(x0, low), QPointF(x1, low));
        if (edgeShown) painter.drawLine(QPointF(x1, high), QPointF(x1, low));
        const QString text = ValueText(steps[i].value, about);
        const QRectF box(x0 + 2, top, x1 - x0 - 4, kRowHeight - 2);
        if (!text.isEmpty() && painter.fontMetrics().horizontalAdvance(text) <= box.width()) {
            painter.drawText(box, Qt::AlignCenter, text);
        }
    }
}

void CTraceView::wheelEvent(QWheelEvent* event) {
    const uint64_t at = CycleAt(static_cast<int>(event->position().x()));
    const uint64_t whole =
        std::max<uint64_t>(1, core::PinTrace.EndCycle() - core::PinTrace.FirstCycle());
    const double factor = event->angleDelta().y() > 0 ? 0.5 : 2.0;
    const uint64_t span = std::clamp<uint64_t>(static_cast<uint64_t>(std::llround(m_span * factor)),
                                               1, std::max<uint64_t>(whole, 1));
    // The cycle under the mouse stays where it is.
    const double share = m_span > 0 ? static_cast<double>(at - m_from) / m_span : 0;
    const auto shift = static_cast<uint64_t>(share * span);
    m_from = at > shift ? at - shift : 0;
    m_span = span;
    m_following = m_from + m_span >= core::PinTrace.EndCycle();
    Reload();
    emit Changed();
}

void CTraceView::mousePressEvent(QMouseEvent* event) {
    const int x = static_cast<int>(event->position().x());
    const std::vector<SRow> rows = Rows();
    const auto row =
        static_cast<size_t>(std::max(0, static_cast<int>(event->position().y())) / kRowHeight);
    if (row < rows.size() && rows[row].kind == SRow::EKind::Part) {
        // A part's name folds its group anywhere along the row.
        const std::string& part = m_signals[rows[row].index].part;
        if (!m_folded.erase(part)) m_folded.insert(part);
        FitHeight();
    } else if (x < kNameWidth) {
        m_selected = row < rows.size() && rows[row].kind == SRow::EKind::Pin ? rows[row].index : -1;
    } else if (event->button() == Qt::RightButton) {
        m_cursor[1] = CycleAt(x);
    } else {
        m_cursor[0] = CycleAt(x);
        if (const auto change = NearestChange(m_cursor[0])) emit GoToPass(change->pass);
    }
    update();
    emit Changed();
}

void CTraceView::mouseMoveEvent(QMouseEvent* event) {
    m_hover = CycleAt(static_cast<int>(event->position().x()));
    update();
    emit Changed();
}

CLogicAnalyserPane::CLogicAnalyserPane(QWidget* parent)
    : QDockWidget(QCoreApplication::translate("CLogicAnalyserPane", "Logicki analizator"), parent),
      m_pTraces(new CTraceView),
      m_pScroll(new QScrollBar(Qt::Horizontal)),
      m_pReadout(new QLabel),
      m_pCondition(new QLineEdit),
      m_pPoll(new QTimer(this)) {
    setObjectName(QStringLiteral("logicAnalyser"));
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    // The board's groups may make the traces taller than the pane.
    auto* area = new QScrollArea;
    area->setWidget(m_pTraces);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setFrameShape(QFrame::NoFrame);
    area->setMinimumHeight(m_pTraces->minimumHeight());
    layout->addWidget(area, 1);
    layout->addWidget(m_pScroll);
    m_pReadout->setObjectName(QStringLiteral("readout"));
    m_pReadout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_pReadout);
    auto* trigger = new QHBoxLayout;
    trigger->addWidget(new QLabel(
        QCoreApplication::translate("CLogicAnalyserPane", "Zaustavi kad pinovi ispune uslov:")));
    m_pCondition->setObjectName(QStringLiteral("condition"));
    m_pCondition->setPlaceholderText(QCoreApplication::translate(
        "CLogicAnalyserPane", "npr. RB0:rise ili RB0=1,RB1=0 (prazno: bez uslova)"));
    trigger->addWidget(m_pCondition, 1);
    layout->addLayout(trigger);
    setWidget(body);

    connect(m_pPoll, &QTimer::timeout, this, &CLogicAnalyserPane::Poll);
    connect(m_pTraces, &CTraceView::Changed, this, [this] {
        UpdateScrollBar();
        UpdateReadout();
    });
    connect(m_pTraces, &CTraceView::GoToPass, this, &CLogicAnalyserPane::GoToPass);
    connect(m_pScroll, &QScrollBar::sliderMoved, this, [this](int value) {
        m_pTraces->ScrollTo(core::PinTrace.FirstCycle() + static_cast<uint64_t>(value));
    });
    connect(m_pCondition, &QLineEdit::returnPressed, this, &CLogicAnalyserPane::TakeCondition);
}

void CLogicAnalyserPane::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    m_pTraces->ShowWhole();
    m_pPoll->start(kPollMs);
}

void CLogicAnalyserPane::hideEvent(QHideEvent* event) {
    m_pPoll->stop();
    QDockWidget::hideEvent(event);
}

void CLogicAnalyserPane::Poll() {
    m_pTraces->Reload();
    UpdateScrollBar();
    UpdateReadout();
}

void CLogicAnalyserPane::UpdateScrollBar() {
    const uint64_t first = core::PinTrace.FirstCycle();
    const uint64_t end = core::PinTrace.EndCycle();
    const uint64_t span = m_pTraces->Span();
    const uint64_t range = end > first + span ? end - first - span : 0;
    // A scroll bar counts in int: runs longer than that scroll in coarser steps.
    m_pScroll->setRange(0, static_cast<int>(std::min<uint64_t>(range, INT32_MAX)));
    m_pScroll->setPageStep(static_cast<int>(std::min<uint64_t>(span, INT32_MAX)));
    if (!m_pScroll->isSliderDown()) {
        m_pScroll->setValue(static_cast<int>(
            std::min<uint64_t>(m_pTraces->From() - std::min(first, m_pTraces->From()), INT32_MAX)));
    }
}

QString CLogicAnalyserPane::TimeText(uint64_t cycles, double oscillatorHz) {
    const double seconds = static_cast<double>(cycles) * 4.0 / oscillatorHz;
    if (seconds < 1e-3) return QStringLiteral("%1 us").arg(seconds * 1e6, 0, 'f', 3);
    if (seconds < 1.0) return QStringLiteral("%1 ms").arg(seconds * 1e3, 0, 'f', 3);
    return QStringLiteral("%1 s").arg(seconds, 0, 'f', 3);
}

void CLogicAnalyserPane::UpdateReadout() {
    QStringList parts;
    const uint64_t now = core::CycleCount;
    parts << QCoreApplication::translate("CLogicAnalyserPane", "Sada: ciklus %1 (%2)")
                 .arg(now)
                 .arg(TimeText(now, m_oscillatorHz));
    if (m_pTraces->HasCursor(0)) {
        const uint64_t a = m_pTraces->Cursor(0);
        parts << QCoreApplication::translate("CLogicAnalyserPane", "A: ciklus %1 (%2)")
                     .arg(a)
                     .arg(TimeText(a, m_oscillatorHz));
        if (m_pTraces->HasCursor(1)) {
            const uint64_t b = m_pTraces->Cursor(1);
            const uint64_t interval = a > b ? a - b : b - a;
            parts << QCoreApplication::translate("CLogicAnalyserPane", "B-A: %1 ciklusa (%2)")
                         .arg(interval)
                         .arg(TimeText(interval, m_oscillatorHz));
        }
    }
    const int pin = m_pTraces->SelectedPin();
    if (pin >= 0) {
        const uint64_t upTo = m_pTraces->HasCursor(0) ? m_pTraces->Cursor(0) : UINT64_MAX;
        // The last period up to cursor A, or the end, over the whole trace.
        const core::SPinPeriod period =
            core::LastPeriod(core::PinTrace.Read(0, upTo).changes, pin, upTo);
        const QString name = QString::fromLatin1(core::kChipPins[pin].name.data(), 3);
        if (period.found) {
            parts << QCoreApplication::translate(
                         "CLogicAnalyserPane",
                         "%1: perioda %2 ciklusa (%3), %4 Hz, faktor ispune %5 %")
                         .arg(name)
                         .arg(period.Cycles())
                         .arg(TimeText(period.Cycles(), m_oscillatorHz))
                         .arg(period.FrequencyHz(m_oscillatorHz), 0, 'f', 2)
                         .arg(period.DutyCycle() * 100, 0, 'f', 1);
        } else {
            parts << name +
                         QCoreApplication::translate("CLogicAnalyserPane", ": nema cele periode");
        }
    }
    m_pReadout->setText(parts.join(QStringLiteral("   ")));
}

void CLogicAnalyserPane::TakeCondition() {
    const std::string text = m_pCondition->text().trimmed().toStdString();
    if (text.empty()) {
        core::PinTrigger.Clear();
        m_pCondition->setToolTip(
            QCoreApplication::translate("CLogicAnalyserPane", "Bez uslova na pinovima"));
        m_pCondition->setStyleSheet(QString());
        return;
    }
    core::SPinCondition condition;
    std::string error;
    if (!core::ParsePinCondition(text, &condition, &error)) {
        m_pCondition->setStyleSheet(QStringLiteral("color: red"));
        m_pCondition->setToolTip(QCoreApplication::translate(
            "CLogicAnalyserPane",
            "Uslov nije ispravan: pisite PIN=0, PIN=1, PIN:rise, PIN:fall ili "
            "PIN:edge, odvojene zarezima (PIN je RA0-RA4 ili RB0-RB7)"));
        return;
    }
    core::PinTrigger.Set(condition);
    m_pCondition->setStyleSheet(QString());
    m_pCondition->setText(QString::fromStdString(core::PinConditionText(condition)));
    m_pCondition->setToolTip(QCoreApplication::translate(
        "CLogicAnalyserPane", "Izvrsavanje staje kad pinovi ispune uslov"));
}
