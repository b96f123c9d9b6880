#pragma once
// The breakpoint labels dialog: up to eight label names of the source, in
// two columns of four fields.
#include <QDialog>
#include <array>
#include <string>

#include "core/state.h"

class QLineEdit;
class QPushButton;

class CBreakLabelsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFields = core::kBreakpointsUsed;

    explicit CBreakLabelsDlg(QWidget* parent = nullptr);

    // Written into the fields when the dialog opens, read back from them on
    // OK, as typed.
    std::array<std::string, kFields> m_strLabels;

    QLineEdit* Field(int index) const { return m_pFields[static_cast<size_t>(index)]; }
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* CancelButton() const { return m_pCancel; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
    std::array<QLineEdit*, kFields> m_pFields{};
};

// The "&Labele prekidnih tacaka" command: the dialog filled from the current
// labels; on OK the labels are looked up in the last listing and the
// breakpoints rebuilt; Cancel changes nothing.
void OnBreakLabels(QWidget* owner);
