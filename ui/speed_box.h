#pragma once
// The toolbar's speed control: the pause between two instructions of a
// continuous run, in the usual steps, plus the value of the moment when the
// speed dialog set another one, and below them real time and its slower
// fractions. Choosing a step sets SimSpeedMs as the speed dialog does and
// ends real time; choosing a real-time item sets RealTimeFactor.
#include <QComboBox>

class CSpeedBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int kSteps[] = {1000, 500, 200, 100, 50, 10, 1, 0};
    // Real time divided by these.
    static constexpr int kRealTimeDivisors[] = {1, 10, 100, 1000};

    explicit CSpeedBox(QWidget* parent = nullptr);

    // Shows SimSpeedMs, adding it to the list when it is not one of the steps.
    void ShowCurrentSpeed();

signals:
    // SimSpeedMs has been set from the list.
    void SpeedChosen();

private:
    void OnActivated(int index);
};
