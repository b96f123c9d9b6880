#pragma once
// What the simulator marks in the editor: the line of the instruction at PC,
// the lines the assembler complained about, and the user's line
// breakpoints.
//
// After a successful assemble command every line that produced code gets an
// invisible anchor marker. Scintilla moves markers with their lines, so
// while the user edits, the anchors keep telling which line holds which
// word: the current-line mark and the breakpoints follow the edits, and a
// deleted line's anchor lands where the line was.
#include <QObject>
#include <QString>
#include <array>
#include <vector>

#include "build/source_map.h"

class CEditView;

struct CLineMessage {
    int line = 0;  // 1-based
    bool error = true;
    QString text;
};

class CSourceMarks : public QObject {
    Q_OBJECT
public:
    // Marker numbers of the editor.
    enum Marker {
        kAnchor = 0,
        kBreakpoint,
        kBreakpointWithoutCode,
        kErrorLine,
        kWarningLine,
        kCurrentLine,
        kCurrentArrow,  // drawn last, over a breakpoint's dot
    };

    explicit CSourceMarks(CEditView& editor);

    // The words the main file's lines produced, from the map of a
    // successful build; sets the line breakpoints again from it.
    void SetMap(const build::CSourceMap& map);
    // No program: no line produces code, no breakpoint stops anything.
    void ClearMap();

    // The current line of the editor that holds the word, or -1 (0-based).
    int LineOfWord(int word) const;
    // The lowest word on a line of the editor (0-based), or -1.
    int WordOfLine(int line) const;

    // Marks the line (0-based) as the current one and scrolls it into view
    // without moving the cursor; -1 hides the mark.
    void ShowCurrentLine(int line);
    int CurrentLine() const { return m_currentLine; }

    // Replaces the error and warning marks of the main file.
    void ShowMessages(const std::vector<CLineMessage>& messages);

    void ToggleBreakpoint(int line);
    // Lines (0-based) with a breakpoint, ascending.
    std::vector<int> BreakpointLines() const;

private:
    void DefineMarkers();
    void ClearAnchors();
    // Sets the run loop's bits from the breakpoint lines and shows each dot
    // filled or hollow, as its line produces code or not.
    void SyncBreakpoints();
    void Forget();
    // Every breakpoint marker in mask on the line, also several of one kind.
    void DeleteMarkers(int line, unsigned mask);

    CEditView& m_editor;
    std::array<int, build::kProgramWords> m_anchorOfWord;  // marker handle or -1
    std::vector<int> m_anchors;                            // every anchor handle, once
    int m_currentLine = -1;
    int m_errorIndicator = -1;
    int m_warningIndicator = -1;
};
