#include "speed_box.h"

#include <algorithm>

#include "state.h"

namespace {
QString ItemText(int ms) {
    return QStringLiteral("%1 ms").arg(ms);
}
}  // namespace

CSpeedBox::CSpeedBox(QWidget* parent) : QComboBox(parent) {
    setToolTip(QStringLiteral("Brzina kontinualne simulacije (pauza izmedju instrukcija)"));
    setStatusTip(QStringLiteral("Brzina kontinualne simulacije"));
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
    setCurrentIndex(findData(speed));
}

void CSpeedBox::OnActivated(int index) {
    SimSpeedMs = itemData(index).toInt();
    ShowCurrentSpeed();
    emit SpeedChosen();
}
