#pragma once
// The "Stek" pane: the chip's eight return levels, the oldest first, each
// with its return address, the place in the program and its source line;
// the depth, and the level the next CALL or interrupt writes (over the
// oldest return when all eight are taken, as the chip's ring does). A
// double-click takes the editor to the line of that return.
#include <QDockWidget>

class CProgramNames;
class QLabel;
class QTableWidget;

class CStackPane : public QDockWidget {
    Q_OBJECT
public:
    explicit CStackPane(const CProgramNames& names, QWidget* parent = nullptr);

    void Refresh();

    QTableWidget* Table() const { return m_pTable; }
    QLabel* Depth() const { return m_pDepth; }

signals:
    void GoToWord(int word);

private:
    const CProgramNames& m_names;
    QLabel* m_pDepth;
    QTableWidget* m_pTable;
};
