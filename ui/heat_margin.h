#pragma once
// The editor's heat margin: beside every line with code, a box whose colour
// deepens with the line's share of the cycles (against the busiest line),
// and a grey one for a line that has not run since the run started. The
// margin has no width while the profile is off, so the editor looks as it
// always did.
#include <vector>

#include "build/profile_figures.h"

class CEditView;
class CSourceMarks;

class CHeatMargin {
public:
    // Marker numbers: eight levels of heat, then the lines never run.
    static constexpr int kFirstLevel = 8;
    static constexpr int kLevels = 8;
    static constexpr int kNeverRan = kFirstLevel + kLevels;
    static constexpr int kMargin = 2;

    explicit CHeatMargin(CEditView& editor);

    void Show(bool on);
    // The main file's lines (map file 0) where the editor now has them.
    void Paint(const std::vector<build::SLineFigures>& lines, const build::CSourceMap& map,
               const CSourceMarks& marks);
    // The marker a line (0-based) shows; -1 for none.
    int MarkerOf(int line) const;
    // No marks; also what the editor has after its text was replaced.
    void Clear();

private:
    CEditView& m_editor;
    std::vector<int> m_shown;  // the marker of each line, -1 for none
};
