#pragma once
// The "Memorija podataka" pane: both banks side by side, 0x00-0x2F and
// 0x80-0xAF, every register by the chip's name and the program's, its
// value in hex and binary, red where the last step changed it; the tooltip
// names the bits as the register display's does. A double-click on a value
// writes it while the simulation stands.
#include <QDockWidget>

#include "ui/step_changes.h"

class CProgramNames;
class QTableWidget;

class CDataMemoryPane : public QDockWidget {
    Q_OBJECT
public:
    static constexpr int kRows = 0x30;

    explicit CDataMemoryPane(const CProgramNames& names, QWidget* parent = nullptr);

    void Refresh();
    // The names changed: a new program.
    void Rename();
    QTableWidget* Table() const { return m_pTable; }
    // The register file index a cell shows, -1 for none.
    static int RegisterOfCell(int row, int column);

signals:
    void EditRegister(int reg);

private:
    const CProgramNames& m_names;
    QTableWidget* m_pTable;
    CStepChanges m_changes;
};
