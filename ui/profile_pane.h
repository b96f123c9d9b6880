#pragma once
// The "Profil" pane: every routine of the program (the main program, the
// interrupt, each CALL's target) with its calls, its own cycles and their
// share of all cycles since the run started, the busiest first. A
// double-click takes the editor to the routine's first line.
#include <QDockWidget>
#include <vector>

#include "build/profile_figures.h"

class QLabel;
class QTableWidget;

class CProfilePane : public QDockWidget {
    Q_OBJECT
public:
    explicit CProfilePane(QWidget* parent = nullptr);

    void Show(std::vector<build::SRoutineFigures> routines, uint64_t totalCycles);

    QTableWidget* Table() const { return m_pTable; }

signals:
    void GoToWord(int word);

private:
    QLabel* m_pTotal;
    QTableWidget* m_pTable;
};
