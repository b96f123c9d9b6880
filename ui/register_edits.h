#pragma once
// A double-click on a value of the register display, while the simulation
// stands, lets the user write W or that register. The value reaches the
// machine the way a pin click does, between two instructions, so it is
// logged, kept in the history and recorded with the session.
#include <QObject>

class CMainFrame;
class CLumoDoc;

class CRegisterEdits : public QObject {
    Q_OBJECT
public:
    CRegisterEdits(CMainFrame& frame, CLumoDoc& doc);

    // reg: a register file index or kWRegister.
    void OnEdit(int reg);
    // A byte of the data-sheet chip's EEPROM, 0-63.
    void OnEditEeprom(int address);

private:
    // Says why no editor opens.
    void Refuse(const QString& why);
    // Whether the simulation stands, so that values may be written; says why
    // not otherwise.
    bool Standing();
    // Both panes, as after a pin click; a waiting worker repaints them once
    // more when it has applied the value.
    void Repaint();

    CMainFrame& m_frame;
    CLumoDoc& m_doc;
};
