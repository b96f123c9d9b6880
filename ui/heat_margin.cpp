#include "ui/heat_margin.h"

#include <algorithm>

#include "ui/edit_view.h"
#include "ui/source_marks.h"

namespace {
constexpr int kWidth = 10;
const QColor kNeverRanGrey(190, 190, 190);

// From a pale yellow to a deep red.
QColor HeatColour(int level) {
    const double t = static_cast<double>(level) / (CHeatMargin::kLevels - 1);
    return QColor(255 - static_cast<int>(55 * t), 235 - static_cast<int>(215 * t),
                  150 - static_cast<int>(130 * t));
}
}  // namespace

CHeatMargin::CHeatMargin(CEditView& editor) : m_editor(editor) {
    unsigned mask = 0;
    for (int marker = kFirstLevel; marker <= kNeverRan; ++marker) {
        m_editor.markerDefine(QsciScintilla::FullRectangle, marker);
        const QColor colour =
            marker == kNeverRan ? kNeverRanGrey : HeatColour(marker - kFirstLevel);
        m_editor.setMarkerBackgroundColor(colour, marker);
        m_editor.setMarkerForegroundColor(colour, marker);
        mask |= 1u << marker;
    }
    m_editor.setMarginType(kMargin, QsciScintilla::SymbolMargin);
    m_editor.setMarginMarkerMask(kMargin, static_cast<int>(mask));
    m_editor.setMarginWidth(kMargin, 0);
}

void CHeatMargin::Show(bool on) {
    m_editor.setMarginWidth(kMargin, on ? kWidth : 0);
    if (!on) Clear();
}

void CHeatMargin::Clear() {
    for (int marker = kFirstLevel; marker <= kNeverRan; ++marker) m_editor.markerDeleteAll(marker);
    m_shown.clear();
}

int CHeatMargin::MarkerOf(int line) const {
    return line >= 0 && line < static_cast<int>(m_shown.size()) ? m_shown[static_cast<size_t>(line)]
                                                                : -1;
}

void CHeatMargin::Paint(const std::vector<build::SLineFigures>& lines, const build::CSourceMap& map,
                        const CSourceMarks& marks) {
    uint64_t hottest = 0;
    for (const build::SLineFigures& line : lines) hottest = std::max(hottest, line.cycles);
    std::vector<int> wanted(static_cast<size_t>(std::max(m_editor.lines(), 0)), -1);
    for (const build::SLineFigures& figures : lines) {
        if (figures.file != 0) continue;
        const int line = marks.LineOfWord(map.FirstWordOf(0, figures.line));
        if (line < 0 || line >= static_cast<int>(wanted.size())) continue;
        int marker = kNeverRan;
        if (figures.count > 0 || figures.cycles > 0) {
            // The busiest line takes the deepest colour; any line that ran at least the palest.
            const auto level =
                static_cast<int>((kLevels - 1) * figures.cycles / std::max<uint64_t>(hottest, 1));
            marker = kFirstLevel + level;
        }
        wanted[static_cast<size_t>(line)] = std::max(wanted[static_cast<size_t>(line)], marker);
    }
    // Only the lines whose colour changed: a run repaints often.
    if (m_shown.size() != wanted.size()) {
        Clear();
        m_shown.assign(wanted.size(), -1);
    }
    for (size_t line = 0; line < wanted.size(); ++line) {
        if (wanted[line] == m_shown[line]) continue;
        if (m_shown[line] >= 0) m_editor.markerDelete(static_cast<int>(line), m_shown[line]);
        if (wanted[line] >= 0) m_editor.markerAdd(static_cast<int>(line), wanted[line]);
        m_shown[line] = wanted[line];
    }
}
