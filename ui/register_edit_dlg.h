#pragma once
// The small editor a double-click on a value of the register display opens:
// a new value for W or one register, typed in decimal, 0x hexadecimal or 0b
// binary, 0 to 255.
#include <QDialog>
#include <cstdint>

class QLineEdit;
class QPushButton;

class CRegisterEditDlg : public QDialog {
    Q_OBJECT
public:
    // reg is a register file index or kWRegister; value what it holds now.
    // programNames: what the program calls the register, if anything.
    CRegisterEditDlg(int reg, uint8_t value, QWidget* parent = nullptr,
                     const QString& programNames = {});
    // Any other byte: name says which ("EEPROM[3]").
    CRegisterEditDlg(const QString& name, uint8_t value, QWidget* parent = nullptr);

    QLineEdit* ValueField() const { return m_pField; }
    QPushButton* OkButton() const { return m_pOk; }

    // The accepted value, after OK.
    uint8_t Value() const { return m_value; }

    // OK: a value that does not read as 0-255 is explained and the dialog
    // stays open with the field selected.
    void accept() override;

private:
    QLineEdit* m_pField;
    QPushButton* m_pOk;
    uint8_t m_value;
};

// Reads what the user typed: decimal, 0x hexadecimal or 0b binary, blanks
// around allowed, 0 to 255.
bool ParseRegisterValue(const QString& text, uint8_t* value);
