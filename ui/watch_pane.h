#pragma once
// The "Pracenje" pane: the values the user watches, by the program's names,
// in hex, decimal, binary and as a character, red where the last step
// changed them. It starts with the program's register variables; the user
// adds registers, bits and addresses and removes rows, and the list is kept
// per program.
#include <QDockWidget>
#include <vector>

#include "ui/step_changes.h"
#include "ui/watch_entry.h"

class CProgramNames;
class QLineEdit;
class QTableWidget;

class CWatchPane : public QDockWidget {
    Q_OBJECT
public:
    explicit CWatchPane(const CProgramNames& names, QWidget* parent = nullptr);

    // Reads the machine again.
    void Refresh();
    // A new program (or none): its own list. key names it in the settings.
    void SetProgram(const QString& key);
    // Adds a row; false, with the reason in the status line, when the text
    // names nothing.
    bool Add(const QString& text);
    void RemoveSelected();

    QTableWidget* Table() const { return m_pTable; }
    QLineEdit* Entry() const { return m_pEntry; }

signals:
    // The user wants to write this register file index.
    void EditRegister(int reg);
    void Refused(const QString& why);

private:
    void Rebuild();
    void Save() const;

    const CProgramNames& m_names;
    QLineEdit* m_pEntry;
    QTableWidget* m_pTable;
    QString m_key;
    std::vector<SWatchEntry> m_entries;
    CStepChanges m_changes;
};
