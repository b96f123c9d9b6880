#pragma once
// The "Programska memorija" pane: the 1024 words with address, the word in
// hex, the instruction as the simulator decodes it, the label and the source
// line; the word at PC highlighted, breakpoints shown (a click in the first
// column sets or clears one), words the program does not fill greyed; with
// the profile on, how often each word ran and its cycles.
#include <QAbstractTableModel>
#include <QDockWidget>
#include <bitset>

class CProgramNames;
class QTableView;

class CProgramMemoryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum EColumn { kBreak, kAddress, kWord, kInstruction, kProfile, kLabel, kLine, kColumns };

    explicit CProgramMemoryModel(const CProgramNames& names, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Everything may have changed (a load): the view asks again for the
    // rows it shows.
    void Reread();
    // What a step changes: the PC mark and the breakpoints. Only the cells
    // that changed are painted again, so a run costs little.
    void Follow();
    int ShownPc() const { return m_pc; }
    // The profile's column, whose every cell may change with a pass.
    void ProfileChanged();

private:
    void CellsChanged(int row, int firstColumn, int lastColumn);

    QString Instruction(int word) const;
    std::string OperandName(int word, int f) const;

    const CProgramNames& m_names;
    int m_pc = -1;
    std::bitset<1024> m_breakpoints;  // as last shown
};

class CProgramMemoryPane : public QDockWidget {
    Q_OBJECT
public:
    explicit CProgramMemoryPane(const CProgramNames& names, QWidget* parent = nullptr);

    // Follows PC: its row comes into view when it moves.
    void Refresh();
    // The profile's column is shown only while the profile is on.
    void ShowProfile(bool on);
    CProgramMemoryModel* Model() const { return m_pModel; }
    QTableView* View() const { return m_pView; }

signals:
    void ToggleBreakpoint(int word);
    void GoToWord(int word);

private:
    CProgramMemoryModel* m_pModel;
    QTableView* m_pView;
    bool m_profile = false;
};
