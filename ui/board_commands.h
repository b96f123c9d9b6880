#pragma once
// Where the window's lab board comes from: after Open and after F7 the
// board file beside the source (NAME.board.yaml for NAME.asm, found as
// lumo-run finds it) is attached by itself; Options > "Ploca..." attaches
// another, "Skini plocu" takes it off (until the next Open or "Ploca..."),
// and "Uredi plocu..." edits it. A board file that cannot be read is
// reported in the messages pane with its file, line and column, and the
// program runs without a board. Without a board the window is as it always
// was: the "Ploca" pane is hidden.
//
// The board's reset button (a button on MCLR) triggers Options > "MCLR
// reset"; where that command is disabled (the classic chip) the status bar
// says why.
//
// A new oscillator frequency in Options makes the attached board again for
// it, with a new run.
//
// A newly attached board starts with a new run (a restart), so it begins
// from its reset state and the history has no keyframe of another board.
// A board taken off is kept until the window goes, because the worker may
// still be calling it in the moment it is swapped.
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

namespace board {
class CAttachedBoard;
}
class CBoardPane;
class CLumoDoc;
class CMainFrame;

class CBoardCommands : public QObject {
    Q_OBJECT
public:
    CBoardCommands(CMainFrame& frame, CLumoDoc& doc);
    ~CBoardCommands() override;
    CBoardCommands(const CBoardCommands&) = delete;
    CBoardCommands& operator=(const CBoardCommands&) = delete;

    CBoardPane* Pane() const { return m_pPane; }
    // The board attached now and its file; null and empty for none.
    const board::CAttachedBoard* Board() const { return m_board.get(); }
    QString Path() const { return m_board ? m_path : QString(); }

    // Attaches the board file at path (and keeps it across F7), or reports
    // why it cannot; the caller restarts the run. Returns whether the board
    // attached is another one than before.
    bool AttachFile(const QString& path);

private:
    // The board that goes with the source now, after Open or F7.
    void FollowSource();
    // Reads and attaches path (empty: none); reports a file that cannot be
    // read. Returns whether the board changed.
    bool Attach(const QString& path);
    void Detach();
    void OnOpenBoard();
    void OnEditBoard();
    void OnDetach();
    void ShowPane(bool show);
    void UpdateCommands();

    CMainFrame& m_frame;
    CLumoDoc& m_doc;
    CBoardPane* m_pPane;
    std::unique_ptr<board::CAttachedBoard> m_board;
    std::vector<std::unique_ptr<board::CAttachedBoard>> m_retired;
    QString m_path;
    // What the attached board was made from: its file's text and the clock.
    QByteArray m_made;
    // The user chose the board (or none) for this source: F7 keeps to it.
    bool m_chosen = false;
    int m_widenedBy = 0;  // the width the pane added to the window
};
