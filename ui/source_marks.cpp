#include "ui/source_marks.h"

#include <Qsci/qscistyle.h>

#include <QCoreApplication>
#include <bitset>
#include <map>

#include "core/line_breakpoints.h"
#include "ui/edit_view.h"

namespace {
const QColor kCurrentTint(255, 244, 160);
const QColor kBreakpointRed(210, 30, 30);
const QColor kErrorRed(200, 0, 0);
const QColor kWarningAmber(230, 150, 0);
const QColor kErrorNotePaper(255, 225, 225);
const QColor kWarningNotePaper(255, 240, 205);
constexpr int kErrorNoteStyle = 40;  // above the lexer's styles
constexpr int kWarningNoteStyle = 41;

constexpr unsigned MaskOf(int marker) {
    return 1u << marker;
}
constexpr unsigned kBreakpointMask =
    MaskOf(CSourceMarks::kBreakpoint) | MaskOf(CSourceMarks::kBreakpointWithoutCode);
}  // namespace

CSourceMarks::CSourceMarks(CEditView& editor) : QObject(&editor), m_editor(editor) {
    m_anchorOfWord.fill(-1);
    DefineMarkers();
    connect(&m_editor, &CEditView::TextReplaced, this, &CSourceMarks::Forget);
    // An edit may join a breakpoint's line with one that has code, or take
    // the code away from it.
    connect(&m_editor, &CEditView::textChanged, this, &CSourceMarks::SyncBreakpoints);
    connect(&m_editor, &CEditView::marginClicked, this, [this](int margin, int line, auto) {
        if (margin == CEditView::kMarkMargin) ToggleBreakpoint(line);
    });
}

void CSourceMarks::DefineMarkers() {
    m_editor.markerDefine(QsciScintilla::Invisible, kAnchor);
    m_editor.markerDefine(QsciScintilla::RightArrow, kCurrentArrow);
    m_editor.setMarkerBackgroundColor(QColor(255, 200, 0), kCurrentArrow);
    m_editor.setMarkerForegroundColor(QColor(120, 80, 0), kCurrentArrow);
    m_editor.markerDefine(QsciScintilla::Background, kCurrentLine);
    m_editor.setMarkerBackgroundColor(kCurrentTint, kCurrentLine);
    m_editor.markerDefine(QsciScintilla::Circle, kBreakpoint);
    m_editor.setMarkerBackgroundColor(kBreakpointRed, kBreakpoint);
    m_editor.setMarkerForegroundColor(kBreakpointRed, kBreakpoint);
    m_editor.markerDefine(QsciScintilla::Circle, kBreakpointWithoutCode);
    m_editor.setMarkerBackgroundColor(Qt::white, kBreakpointWithoutCode);
    m_editor.setMarkerForegroundColor(kBreakpointRed, kBreakpointWithoutCode);
    m_editor.markerDefine(QsciScintilla::SmallRectangle, kErrorLine);
    m_editor.setMarkerBackgroundColor(kErrorRed, kErrorLine);
    m_editor.setMarkerForegroundColor(kErrorRed, kErrorLine);
    m_editor.markerDefine(QsciScintilla::SmallRectangle, kWarningLine);
    m_editor.setMarkerBackgroundColor(kWarningAmber, kWarningLine);
    m_editor.setMarkerForegroundColor(kWarningAmber, kWarningLine);
    m_editor.setMarginMarkerMask(CEditView::kNumberMargin, 0);
    m_editor.setMarginMarkerMask(CEditView::kMarkMargin,
                                 static_cast<int>(MaskOf(kCurrentArrow) | kBreakpointMask |
                                                  MaskOf(kErrorLine) | MaskOf(kWarningLine)));

    m_errorIndicator = m_editor.indicatorDefine(QsciScintilla::SquiggleIndicator);
    m_editor.setIndicatorForegroundColor(kErrorRed, m_errorIndicator);
    m_warningIndicator = m_editor.indicatorDefine(QsciScintilla::SquiggleIndicator);
    m_editor.setIndicatorForegroundColor(kWarningAmber, m_warningIndicator);
    m_editor.setAnnotationDisplay(QsciScintilla::AnnotationBoxed);
}

void CSourceMarks::SetMap(const build::CSourceMap& map) {
    ClearAnchors();
    std::map<int, int> anchorOfLine;
    for (int word = 0; word < build::kProgramWords; ++word) {
        const build::CSourceLine& at = map.words[static_cast<size_t>(word)];
        if (at.file != 0 || at.line < 1 || at.line > m_editor.lines()) continue;
        auto [it, added] = anchorOfLine.try_emplace(at.line, -1);
        if (added) {
            it->second = m_editor.markerAdd(at.line - 1, kAnchor);
            m_anchors.push_back(it->second);
        }
        m_anchorOfWord[static_cast<size_t>(word)] = it->second;
    }
    SyncBreakpoints();
}

void CSourceMarks::ClearMap() {
    ClearAnchors();
    ShowCurrentLine(-1);
    SyncBreakpoints();
}

void CSourceMarks::ClearAnchors() {
    for (int handle : m_anchors) m_editor.markerDeleteHandle(handle);
    m_anchors.clear();
    m_anchorOfWord.fill(-1);
}

int CSourceMarks::LineOfWord(int word) const {
    if (word < 0 || word >= build::kProgramWords) return -1;
    const int handle = m_anchorOfWord[static_cast<size_t>(word)];
    return handle < 0 ? -1 : m_editor.markerLine(handle);
}

int CSourceMarks::WordOfLine(int line) const {
    if (line < 0 || !(m_editor.markersAtLine(line) & MaskOf(kAnchor))) return -1;
    for (int word = 0; word < build::kProgramWords; ++word) {
        if (LineOfWord(word) == line) return word;
    }
    return -1;
}

void CSourceMarks::ShowCurrentLine(int line) {
    if (line == m_currentLine &&
        (line < 0 || (m_editor.markersAtLine(line) & MaskOf(kCurrentLine))))
        return;
    m_editor.markerDeleteAll(kCurrentArrow);
    m_editor.markerDeleteAll(kCurrentLine);
    m_currentLine = line;
    if (line < 0) return;
    m_editor.markerAdd(line, kCurrentArrow);
    m_editor.markerAdd(line, kCurrentLine);
    m_editor.ensureLineVisible(line);
}

void CSourceMarks::ShowMessages(const std::vector<CLineMessage>& messages) {
    m_editor.markerDeleteAll(kErrorLine);
    m_editor.markerDeleteAll(kWarningLine);
    m_editor.clearAnnotations();
    const int lastLine = m_editor.lines() - 1;
    const long length = m_editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    for (int indicator : {m_errorIndicator, m_warningIndicator}) {
        m_editor.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, indicator);
        m_editor.SendScintilla(QsciScintillaBase::SCI_INDICATORCLEARRANGE, 0, length);
    }

    std::map<int, QStringList> notes;
    std::map<int, bool> lineHasError;
    for (const CLineMessage& message : messages) {
        const int line = message.line - 1;
        if (line < 0 || line > lastLine) continue;
        notes[line].append((message.error
                                ? QCoreApplication::translate("CSourceMarks", "greska: ")
                                : QCoreApplication::translate("CSourceMarks", "upozorenje: ")) +
                           message.text);
        lineHasError[line] = lineHasError[line] || message.error;
    }
    int firstError = -1;
    for (const auto& [line, error] : lineHasError) {
        m_editor.markerAdd(line, error ? kErrorLine : kWarningLine);
        // The squiggle runs under the line's text, leading blanks left out.
        const long from =
            m_editor.SendScintilla(QsciScintillaBase::SCI_GETLINEINDENTPOSITION, line);
        const long to = m_editor.SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, line);
        m_editor.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT,
                               error ? m_errorIndicator : m_warningIndicator);
        if (to > from)
            m_editor.SendScintilla(QsciScintillaBase::SCI_INDICATORFILLRANGE, from, to - from);
        const QsciStyle style(error ? kErrorNoteStyle : kWarningNoteStyle, QString(),
                              error ? kErrorRed : QColor(120, 70, 0),
                              error ? kErrorNotePaper : kWarningNotePaper, m_editor.font());
        m_editor.annotate(line, notes[line].join(QLatin1Char('\n')), style);
        if (error && firstError < 0) firstError = line;
    }
    if (firstError >= 0) m_editor.ensureLineVisible(firstError);
}

void CSourceMarks::ToggleBreakpoint(int line) {
    if (line < 0 || line >= m_editor.lines()) return;
    if (m_editor.markersAtLine(line) & kBreakpointMask) {
        DeleteMarkers(line, kBreakpointMask);
    } else {
        m_editor.markerAdd(line, kBreakpointWithoutCode);
    }
    SyncBreakpoints();
}

std::vector<int> CSourceMarks::BreakpointLines() const {
    std::vector<int> lines;
    for (int line = m_editor.markerFindNext(0, kBreakpointMask); line >= 0;
         line = m_editor.markerFindNext(line + 1, kBreakpointMask)) {
        lines.push_back(line);
    }
    return lines;
}

void CSourceMarks::SyncBreakpoints() {
    std::bitset<build::kProgramWords> wanted;
    for (int line : BreakpointLines()) {
        const int word = WordOfLine(line);
        const bool stops = word >= 0;
        if (stops) wanted.set(static_cast<size_t>(word));
        // A line that merged two dots in an edit keeps one.
        DeleteMarkers(line, kBreakpointMask);
        m_editor.markerAdd(line, stops ? kBreakpoint : kBreakpointWithoutCode);
    }
    // Bit by bit, so a breakpoint that stays is never cleared for a moment
    // while the program runs.
    for (int word = 0; word < build::kProgramWords; ++word) {
        core::SetLineBreakpoint(word, wanted.test(static_cast<size_t>(word)));
    }
}

void CSourceMarks::DeleteMarkers(int line, unsigned mask) {
    for (int marker : {kBreakpoint, kBreakpointWithoutCode}) {
        while (mask & MaskOf(marker) & m_editor.markersAtLine(line))
            m_editor.markerDelete(line, marker);
    }
}

void CSourceMarks::Forget() {
    // The editor dropped every marker with the text it replaced.
    m_anchors.clear();
    m_anchorOfWord.fill(-1);
    m_currentLine = -1;
    SyncBreakpoints();
}
