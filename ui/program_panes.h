#pragma once
// The panes that show the program as its own words see it: watch, stack,
// program memory, data memory and the data-sheet chip's EEPROM. Each is a
// dock of its own, opened from the View menu (closed at first, so the main
// window's picture stays as it is), and where the user leaves it is kept in
// the settings. An open pane reads the machine whenever the register display
// repaints: after a step, during a run, after going back and during a
// replay. Also here: the status bar names the value under the mouse in the
// register display.
#include <QObject>
#include <QRect>
#include <array>

class CDataMemoryPane;
class CEepromPane;
class CMainFrame;
class CProgramMemoryPane;
class CStackPane;
class CWatchPane;
class QDockWidget;

class CProgramPanes : public QObject {
    Q_OBJECT
public:
    explicit CProgramPanes(CMainFrame& frame);

    CWatchPane* Watch() const { return m_pWatch; }
    CStackPane* Stack() const { return m_pStack; }
    CProgramMemoryPane* ProgramMemory() const { return m_pProgram; }
    CDataMemoryPane* DataMemory() const { return m_pData; }
    CEepromPane* Eeprom() const { return m_pEeprom; }

    // Reads the machine into every open pane.
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Install(QDockWidget* pane, int commandId, int index);
    void Restore(QDockWidget* pane, int index);
    QRect FirstPlace(int index) const;
    void SaveAll() const;
    void OnProgramChanged();
    void EditRegister(int reg);
    // The editor's line (0-based) of a word, or -1 after telling the user
    // otherwise (%1 the word's address).
    int LineOfWord(int word, const QString& otherwise);
    void GoToWord(int word);
    void ToggleBreakpoint(int word);
    void Say(const QString& text);
    void ShowHovered();

    CMainFrame& m_frame;
    CWatchPane* m_pWatch;
    CStackPane* m_pStack;
    CProgramMemoryPane* m_pProgram;
    CDataMemoryPane* m_pData;
    CEepromPane* m_pEeprom;
    static constexpr size_t kPanes = 5;
    std::array<QDockWidget*, kPanes> m_panes{};
    std::array<int, kPanes> m_commands{};  // the View menu's item of each
    std::array<bool, kPanes> m_placed{};
    int m_hovered = -1;  // the register under the mouse in the register display
    QString m_hoverText;
};
