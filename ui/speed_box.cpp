#include "ui/speed_box.h"

#include <QCoreApplication>
#include <algorithm>

#include "core/real_time_pacer.h"
#include "core/state.h"

namespace {
QString ItemText(int ms) {
    return QStringLiteral("%1 ms").arg(ms);
}

QString RealTimeText(int divisor) {
    return divisor == 1
               ? QCoreApplication::translate("CSpeedBox", "realno vreme")
               : QCoreApplication::translate("CSpeedBox", "1/%1 realnog vremena").arg(divisor);
}

// A real-time item's data: the divisor, negated, beside the pauses in ms.
int RealTimeData(int divisor) {
    return -divisor;
}
}  // namespace

CSpeedBox::CSpeedBox(QWidget* parent) : QComboBox(parent) {
    setToolTip(QCoreApplication::translate(
        "CSpeedBox", "Brzina kontinualne simulacije (pauza izmedju instrukcija)"));
    setStatusTip(QCoreApplication::translate("CSpeedBox", "Brzina kontinualne simulacije"));
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ShowCurrentSpeed();
    connect(this, &QComboBox::activated, this, &CSpeedBox::OnActivated);
}

void CSpeedBox::ShowCurrentSpeed() {
    const int speed = SimSpeedMs;
    // The list is rebuilt each time, so a value the dialog set earlier does
    // not linger once another one is chosen.
    QList<int> values(std::begin(kSteps), std::end(kSteps));
    if (!values.contains(speed)) {
        values.append(speed);
        std::sort(values.begin(), values.end(), std::greater<>());
    }
    const QSignalBlocker quiet(this);
    clear();
    for (int value : values) addItem(ItemText(value), value);
    for (int divisor : kRealTimeDivisors) addItem(RealTimeText(divisor), RealTimeData(divisor));
    const double factor = core::RealTimeFactor;
    const int current = factor > 0 ? RealTimeData(static_cast<int>(1 / factor + 0.5)) : speed;
    setCurrentIndex(findData(current));
}

void CSpeedBox::OnActivated(int index) {
    const int data = itemData(index).toInt();
    if (data < 0) {
        core::RealTimeFactor = 1.0 / -data;
    } else {
        core::RealTimeFactor = 0;
        SimSpeedMs = data;
    }
    ShowCurrentSpeed();
    emit SpeedChosen();
}
