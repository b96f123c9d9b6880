#pragma once
// The speed dialog: the pause between two instructions of a continuous run,
// in milliseconds, 0 to 10000.
#include <QDialog>

class QLineEdit;
class QPushButton;

class CSpeedDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMinSpeed = 0;
    static constexpr int kMaxSpeed = 10000;

    explicit CSpeedDlg(QWidget* parent = nullptr);

    // Shown in the field when the dialog opens; holds the accepted value
    // after OK.
    int m_nSpeed = 0;

    QLineEdit* SpeedField() const { return m_pField; }
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* CancelButton() const { return m_pCancel; }

    // OK: reads the field back and checks it; a refused value leaves the
    // dialog open with the field selected.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refuse(const QString& message);

    QPushButton* m_pOk;
    QPushButton* m_pCancel;
    QLineEdit* m_pField;
};

// The "&Brzina" command: the dialog, opened on SimSpeedMs, writes it back
// only on OK, and then returns true.
bool OnSpeed(QWidget* owner);
