#pragma once
// Options > "Uredi plocu...": a small editor of a board file, so a student
// never has to write YAML. The parts are listed on the left; the chosen
// part's pins are picked from RA0-RA4 and RB0-RB7 and its options from what
// the part offers. "Sacuvaj" writes the file only when the board reads, and
// says why not otherwise.
#include <QDialog>

#include "board/board_draft.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QListWidget;

class CBoardEditorDlg : public QDialog {
    Q_OBJECT
public:
    // The board file at path (a file that does not exist yet starts empty).
    CBoardEditorDlg(const QString& path, QWidget* parent = nullptr);

    board::CBoardDraft& Draft() { return m_draft; }
    QListWidget* Parts() const { return m_pParts; }
    QLabel* Problem() const { return m_pProblem; }
    // The chosen part's field for a setting (a combo box or a line edit).
    QWidget* Field(const QString& key) const;

    // Writes the board if it reads, then accepts; otherwise shows why.
    void Save();
    void AddPart(const QString& type);
    void RemovePart();

private:
    void ShowParts(int chosen);
    void ShowFields();
    QString PartTitle(size_t part) const;

    QString m_path;
    board::CBoardDraft m_draft;
    QListWidget* m_pParts;
    QComboBox* m_pNewType;
    QFormLayout* m_pFields;
    QWidget* m_pFieldBox;
    QLabel* m_pProblem;
};
