#pragma once
// The main window: menu bar, dockable toolbar, status bar and the three
// panes (editor, register display, pin panel) stacked in a splitter. Every
// command of the program has one action here, shared by its menu item, its
// accelerator keys and its toolbar button; Action(id) finds it.
#include <QMainWindow>
#include <QMap>
#include <QPointer>

class CEditView;
class CInputView;
class CLockKeyIndicators;
class CLumoDoc;
class CMessagesPane;
class CProgramNames;
class CSourceCommands;
class CSourceMarks;
class CTimeCommands;
class COutputView;
class CRunStatusPanes;
class CSpeedBox;
class QAction;
class QLabel;
class QSplitter;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 570;
    static constexpr int kEditorHeight = 150;
    static constexpr int kRegisterDisplayHeight = 110;
    static constexpr int kPinPanelHeight = 310;

    // Creates the window, its bars and its panes, and joins the panes to
    // doc in the order editor, pin panel, register display.
    explicit CMainFrame(CLumoDoc& doc, QWidget* parent = nullptr);
    // Ends the worker before the panes it repaints go.
    ~CMainFrame() override;

    QAction* Action(int commandId) const;
    CEditView* EditView() const { return m_pEditView; }
    COutputView* OutputView() const { return m_pOutputView; }
    CInputView* InputView() const { return m_pInputView; }
    QToolBar* ToolBar() const { return m_pToolBar; }
    QSplitter* Splitter() const { return m_pSplitter; }
    // The pane that last had the keyboard (the editor at start).
    QWidget* ActivePane() const { return m_pActivePane; }
    // The pane with the assembler's messages, docked under the panes.
    CMessagesPane* Messages() const;
    // The simulator's marks in the editor.
    CSourceMarks* Marks() const;
    // What the loaded program calls its registers and words.
    CProgramNames* Names() const;
    // The stopwatch, the oscillator, going back and the events pane.
    CTimeCommands* Time() const { return m_pTimeCommands; }
    // What the message pane of the status bar reads now.
    QString StatusMessage() const;
    CRunStatusPanes* RunStatus() const { return m_pRunStatus; }
    CSpeedBox* SpeedBox() const { return m_pSpeedBox; }
    // The status bar's mark of a text changed since it was saved.
    QLabel* ModifiedMark() const { return m_pModifiedMark; }

    // F7: assemble the saved source and load the program. The window answers
    // meanwhile; the commands that act on the program or its file wait until
    // the load is done (their keys are then carried out in order).
    void OnAssemble();
    bool Assembling() const;
    // SimSpeedMs has been set (dialog or toolbar): the run takes the new
    // pace at once and every control shows it.
    void OnSpeedChanged();
    // Keeps the whole window, frame and status bar, on its screen's
    // available area.
    void ClampToScreen();
    // A run-time message of the program, kept in the status bar.
    void OnRunTimeMessage(const QString& text);

signals:
    // F7 has ended: the program is loaded, or not.
    void Assembled(bool loaded);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateAccelerators();
    void CreatePanes();
    void ConnectCommands();
    void ActivateNextPane(int step);
    void OnFocusChanged(QWidget* now);
    void UpdateEditCommands();
    void EndWorker();
    void OnAssembled(bool loaded);
    void HoldCommands();
    void ReleaseCommands();
    void RestoreLayout();
    void SaveLayout() const;

    CLumoDoc& m_doc;
    QMap<int, QAction*> m_actions;
    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pIdleMessage = nullptr;
    QLabel* m_pModifiedMark = nullptr;
    CLockKeyIndicators* m_pIndicators = nullptr;
    CRunStatusPanes* m_pRunStatus = nullptr;
    CSpeedBox* m_pSpeedBox = nullptr;
    QSplitter* m_pSplitter = nullptr;
    CEditView* m_pEditView = nullptr;
    CInputView* m_pInputView = nullptr;
    COutputView* m_pOutputView = nullptr;
    QList<QWidget*> m_panesByRow;
    QPointer<QWidget> m_pActivePane;
    CSourceCommands* m_pSourceCommands = nullptr;
    CTimeCommands* m_pTimeCommands = nullptr;
    bool m_bPaneSizesSet = false;
    // While the assembler runs: the waiting commands' earlier enabled states,
    // and the keys pressed for them meanwhile.
    QMap<int, bool> m_heldEnabled;
    QList<int> m_heldKeys;
};
