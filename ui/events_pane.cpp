#include "ui/events_pane.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/check_kinds.h"

namespace {
constexpr int kPollMs = 200;

// The filter's entries: every kind, then the kinds one by one.
struct SKindChoice {
    const char* text;
    int kind;  // -1: all
};
constexpr SKindChoice kChoices[] = {
    {QT_TRANSLATE_NOOP("CEventsPane", "Svi dogadjaji"), -1},
    {QT_TRANSLATE_NOOP("CEventsPane", "Prekidi"), static_cast<int>(core::EEventKind::Interrupt)},
    {QT_TRANSLATE_NOOP("CEventsPane", "Prihvaceni prekidi"),
     static_cast<int>(core::EEventKind::Accept)},
    {QT_TRANSLATE_NOOP("CEventsPane", "RETFIE"), static_cast<int>(core::EEventKind::Retfie)},
    {QT_TRANSLATE_NOOP("CEventsPane", "Poruke"), static_cast<int>(core::EEventKind::Message)},
    {QT_TRANSLATE_NOOP("CEventsPane", "Prekidne tacke"),
     static_cast<int>(core::EEventKind::Breakpoint)},
    {QT_TRANSLATE_NOOP("CEventsPane", "Pinovi"), static_cast<int>(core::EEventKind::Pin)},
    {QT_TRANSLATE_NOOP("CEventsPane", "Pocetak izvrsavanja"),
     static_cast<int>(core::EEventKind::RunStart)},
    {QT_TRANSLATE_NOOP("CEventsPane", "Kraj izvrsavanja"),
     static_cast<int>(core::EEventKind::RunEnd)},
    {QT_TRANSLATE_NOOP("CEventsPane", "Ucitavanje"), static_cast<int>(core::EEventKind::Load)},
    {QT_TRANSLATE_NOOP("CEventsPane", "Upisane vrednosti"),
     static_cast<int>(core::EEventKind::Edit)},
    {QT_TRANSLATE_NOOP("CEventsPane", "Ploca"), static_cast<int>(core::EEventKind::Board)},
    {QT_TRANSLATE_NOOP("CEventsPane", "MCLR reset"), static_cast<int>(core::EEventKind::Mclr)},
    {QT_TRANSLATE_NOOP("CEventsPane", "Provere"), static_cast<int>(core::EEventKind::Check)},
};

QString Causes(uint8_t cause) {
    QStringList names;
    if (cause & core::kCauseT0IF) names << QStringLiteral("T0IF");
    if (cause & core::kCauseINTF) names << QStringLiteral("INTF");
    if (cause & core::kCauseRBIF) names << QStringLiteral("RBIF");
    return names.join(QLatin1Char(' '));
}

QString Hex(int value) {
    return QStringLiteral("0x%1")
        .arg(value, 3, 16, QLatin1Char('0'))
        .toUpper()
        .replace(QStringLiteral("0X"), QStringLiteral("0x"));
}
}  // namespace

CEventsPane::CEventsPane(QWidget* parent)
    : QDockWidget(QCoreApplication::translate("CEventsPane", "Dogadjaji"), parent),
      m_pFilter(new QComboBox),
      m_pTable(new QTableWidget(0, 4)),
      m_pPoll(new QTimer(this)) {
    setObjectName(QStringLiteral("events"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    for (const SKindChoice& choice : kChoices) {
        m_pFilter->addItem(QCoreApplication::translate("CEventsPane", choice.text), choice.kind);
    }
    m_pTable->setHorizontalHeaderLabels({QCoreApplication::translate("CEventsPane", "Ciklus"),
                                         QCoreApplication::translate("CEventsPane", "Instrukcija"),
                                         QCoreApplication::translate("CEventsPane", "PC"),
                                         QCoreApplication::translate("CEventsPane", "Dogadjaj")});
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    m_pTable->setColumnWidth(0, 70);
    m_pTable->setColumnWidth(1, 80);
    m_pTable->setColumnWidth(2, 50);
    m_pTable->setWordWrap(false);
    m_pTable->verticalHeader()->hide();
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);

    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_pFilter);
    layout->addWidget(m_pTable);
    setWidget(body);

    connect(m_pFilter, &QComboBox::currentIndexChanged, this, &CEventsPane::Refill);
    connect(m_pTable, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        const QTableWidgetItem* item = m_pTable->item(row, 0);
        if (item) emit GoToPass(item->data(Qt::UserRole).toULongLong());
    });
    // Only an open pane reads the log.
    connect(m_pPoll, &QTimer::timeout, this, &CEventsPane::Update);
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible) {
            Update();
            m_pPoll->start(kPollMs);
        } else {
            m_pPoll->stop();
        }
    });
}

QString CEventsPane::Describe(const core::SEvent& event) {
    switch (event.kind) {
        case core::EEventKind::Accept:
            return QCoreApplication::translate("CEventsPane", "Prekid prihvacen (%1)")
                .arg(Causes(event.cause));
        case core::EEventKind::Interrupt:
            return QCoreApplication::translate("CEventsPane", "Ulaz u prekid (%1), povratak na %2")
                .arg(Causes(event.cause), Hex(event.value));
        case core::EEventKind::Retfie:
            return QCoreApplication::translate("CEventsPane", "RETFIE, povratak na %1")
                .arg(Hex(event.value));
        case core::EEventKind::Message:
            return QString::fromStdString(event.text);
        case core::EEventKind::Breakpoint:
            return event.text.empty()
                       ? QCoreApplication::translate("CEventsPane", "Prekidna tacka %1")
                             .arg(Hex(event.value))
                       : QCoreApplication::translate("CEventsPane", "Prekidna tacka %1 (%2)")
                             .arg(QString::fromStdString(event.text), Hex(event.value));
        case core::EEventKind::Pin:
            return QCoreApplication::translate("CEventsPane", "Pin %1 = %2")
                .arg(QString::fromStdString(event.text))
                .arg(event.value);
        case core::EEventKind::RunStart:
            return QCoreApplication::translate("CEventsPane", "Pocetak izvrsavanja");
        case core::EEventKind::RunEnd:
            return QCoreApplication::translate("CEventsPane", "Kraj izvrsavanja");
        case core::EEventKind::Load:
            return QCoreApplication::translate("CEventsPane", "Ucitan program %1")
                .arg(QString::fromStdString(event.text));
        case core::EEventKind::Edit:
            return QCoreApplication::translate("CEventsPane", "Upisano %1 = %2")
                .arg(QString::fromStdString(event.text))
                .arg(QString::asprintf("0x%02X", static_cast<unsigned>(event.value)));
        case core::EEventKind::Board:
            return QString::asprintf(
                "%s: %s 0x%02X", event.text.c_str(),
                core::BoardEventName(static_cast<core::EBoardEvent>(event.cause)),
                static_cast<unsigned>(event.value));
        case core::EEventKind::Mclr:
            return QCoreApplication::translate("CEventsPane", "MCLR reset");
        case core::EEventKind::Check:
            return QCoreApplication::translate("CEventsPane", "Provera %1, linija %2: %3")
                .arg(QString::fromLatin1(
                    core::CheckKindName(static_cast<core::ECheckKind>(event.cause)).data()))
                .arg(event.value)
                .arg(QString::fromStdString(event.text));
    }
    return {};
}

bool CEventsPane::Shown(const core::SEvent& event) const {
    const int kind = m_pFilter->currentData().toInt();
    return kind < 0 || kind == static_cast<int>(event.kind);
}

void CEventsPane::AddRow(const core::SEvent& event) {
    const int row = m_pTable->rowCount();
    m_pTable->insertRow(row);
    auto* cycle = new QTableWidgetItem(QString::number(event.cycle));
    cycle->setData(Qt::UserRole, QVariant::fromValue<quint64>(event.pass));
    m_pTable->setItem(row, 0, cycle);
    m_pTable->setItem(row, 1, new QTableWidgetItem(QString::number(event.pass)));
    m_pTable->setItem(row, 2, new QTableWidgetItem(Hex(event.pc)));
    m_pTable->setItem(row, 3, new QTableWidgetItem(Describe(event)));
}

void CEventsPane::Update() {
    // A new future after a step back has replaced the events of the old one:
    // the pane reads the log afresh rather than keep what no longer happened.
    const uint64_t drops = core::EventLog.Drops();
    if (drops != m_drops) {
        m_drops = drops;
        m_events.clear();
        const std::vector<core::SEvent> all = core::EventLog.Since(0);
        m_lastSerial = all.empty() ? 0 : all.back().serial;
        Take(all);
        Refill();
        return;
    }
    const std::vector<core::SEvent> fresh = core::EventLog.Since(m_lastSerial);
    if (fresh.empty()) return;
    m_lastSerial = fresh.back().serial;
    if (Take(fresh) || fresh.size() >= kRows) {
        Refill();
        return;
    }
    for (const core::SEvent& event : fresh) {
        if (Shown(event)) AddRow(event);
    }
    while (static_cast<size_t>(m_pTable->rowCount()) > kRows) m_pTable->removeRow(0);
    m_pTable->scrollToBottom();
}

bool CEventsPane::Take(const std::vector<core::SEvent>& events) {
    bool loaded = false;
    for (const core::SEvent& event : events) {
        // A newly loaded program starts the pane afresh: the previous
        // program's events are not mixed with its own.
        // The reset that preceded the load started the new program's run, so
        // its run start stays.
        if (event.kind == core::EEventKind::Load) {
            auto start = m_events.end();
            for (auto it = m_events.begin(); it != m_events.end(); ++it) {
                if (it->kind == core::EEventKind::RunStart) start = it;
            }
            m_events.erase(m_events.begin(), start);
            loaded = true;
        }
        m_events.push_back(event);
        if (m_events.size() > kRows) m_events.pop_front();
    }
    return loaded;
}

void CEventsPane::Refill() {
    m_pTable->setRowCount(0);
    for (const core::SEvent& event : m_events) {
        if (Shown(event)) AddRow(event);
    }
    m_pTable->scrollToBottom();
}
