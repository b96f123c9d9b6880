#include "ui/edit_view.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QKeyEvent>

#include "ui/instruction_tips.h"
#include "ui/pic_lexer.h"

namespace {
constexpr int kTabWidth = 8;

bool IsIdentifierChar(QChar ch) {
    return ch.isLetterOrNumber() || ch == u'_' || ch == u'.' || ch == u'?';
}

QsciScintilla::EolMode EolModeOf(LineEnds lineEnds) {
    switch (lineEnds) {
        case LineEnds::CrLf:
            return QsciScintilla::EolWindows;
        case LineEnds::Cr:
            return QsciScintilla::EolMac;
        case LineEnds::Lf:
            break;
    }
    return QsciScintilla::EolUnix;
}
}  // namespace

CEditView::CEditView(QWidget* parent) : QsciScintilla(parent), m_pLexer(new CPicLexer(this)) {
    setUtf8(true);
    setLexer(m_pLexer);
    setFrameShape(QFrame::NoFrame);
    setWrapMode(WrapNone);
    setTabWidth(kTabWidth);
    setIndentationsUseTabs(true);
    setEolMode(EolUnix);

    setMarginType(kNumberMargin, NumberMargin);
    setMarginLineNumbers(kNumberMargin, true);
    setMarginWidth(kNumberMargin, QStringLiteral("00000"));
    setMarginsFont(m_pLexer->defaultFont(CPicLexer::Default));
    setMarginType(kMarkMargin, SymbolMargin);
    setMarginWidth(kMarkMargin, 16);
    setMarginSensitivity(kMarkMargin, true);
    setMarginBackgroundColor(kMarkMargin, QColor(236, 236, 236));

    // Completion: Scintilla's list, filled from our own words as one types.
    SendScintilla(SCI_AUTOCSETIGNORECASE, true);
    SendScintilla(SCI_AUTOCSETORDER, SC_ORDER_PERFORMSORT);
    SendScintilla(SCI_AUTOCSETMAXHEIGHT, 8);
    connect(this, &QsciScintillaBase::SCN_CHARADDED, this, &CEditView::OnCharAdded);
}

void CEditView::InvalidateRect(bool /*bErase*/) {
    QMetaObject::invokeMethod(viewport(), qOverload<>(&QWidget::update), Qt::QueuedConnection);
}

QByteArray CEditView::SourceBytes() const {
    const auto length = static_cast<qsizetype>(SendScintilla(SCI_GETLENGTH));
    const auto* data = reinterpret_cast<const char*>(SendScintilla(SCI_GETCHARACTERPOINTER));
    return QByteArray(data, length);
}

void CEditView::ReplaceAllAsEdit(const QByteArray& utf8) {
    SendScintilla(SCI_TARGETWHOLEDOCUMENT);
    SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(utf8.size()), utf8.constData());
}

void CEditView::SetSourceBytes(const QByteArray& utf8, LineEnds lineEnds) {
    // Markers of deleted lines would gather on the first line.
    markerDeleteAll();
    clearAnnotations();
    // Appended by length: a NUL byte in the file must not end the text.
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(utf8.size()), utf8.constData());
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_GOTOPOS, 0);
    setEolMode(EolModeOf(lineEnds));
    emit TextReplaced();
}

void CEditView::ReleaseKeys(const QList<QKeySequence>& keys) {
    for (QsciCommand* command : standardCommands()->commands()) {
        for (const QKeySequence& key : keys) {
            const int code = key[0].toCombined();
            if (command->key() == code) command->setKey(0);
            if (command->alternateKey() == code) command->setAlternateKey(0);
        }
    }
}

void CEditView::keyPressEvent(QKeyEvent* event) {
    const bool tab = event->key() == Qt::Key_Tab && event->modifiers() == Qt::NoModifier &&
                     !SendScintilla(SCI_AUTOCACTIVE);
    QsciScintilla::keyPressEvent(event);
    // A tab is a command to the editor, not a character it reports as typed;
    // after a mnemonic it asks for the operands all the same.
    if (tab) ShowCallTip('\t');
}

void CEditView::OnCharAdded(int ch) {
    if (ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r') {
        ShowCallTip(ch);
    } else if (IsIdentifierChar(QChar(ch))) {
        ShowCompletions();
    }
}

void CEditView::ShowCompletions() {
    const QString prefix = WordBeforeCaret();
    const QStringList words = CompletionsFor(prefix, DefinedLabels(SourceBytes()));
    if (words.isEmpty()) {
        SendScintilla(SCI_AUTOCCANCEL);
        return;
    }
    const QByteArray list = words.join(QLatin1Char(' ')).toUtf8();
    SendScintilla(SCI_AUTOCSHOW, static_cast<unsigned long>(prefix.toUtf8().size()),
                  list.constData());
}

void CEditView::ShowCallTip(int ch) {
    SendScintilla(SCI_CALLTIPCANCEL);
    if (ch == '\n' || ch == '\r') return;
    // The word before the blank just typed.
    const long caret = SendScintilla(SCI_GETCURRENTPOS);
    const long blankAt = caret - 1;
    const long wordStart = SendScintilla(SCI_WORDSTARTPOSITION, blankAt, true);
    if (wordStart >= blankAt) return;
    const QString word = QString::fromUtf8(Range(wordStart, blankAt));
    const QString tip = InstructionTip(word);
    if (tip.isEmpty()) return;
    const QByteArray text = tip.toUtf8();
    SendScintilla(SCI_CALLTIPSHOW, static_cast<unsigned long>(caret), text.constData());
}

QByteArray CEditView::Range(long from, long to) const {
    if (to <= from) return {};
    const auto* text =
        reinterpret_cast<const char*>(SendScintilla(SCI_GETRANGEPOINTER, from, to - from));
    return QByteArray(text, to - from);
}

QString CEditView::WordBeforeCaret() const {
    const long caret = SendScintilla(SCI_GETCURRENTPOS);
    const long lineStart =
        SendScintilla(SCI_POSITIONFROMLINE, SendScintilla(SCI_LINEFROMPOSITION, caret));
    const QString lineText = QString::fromUtf8(Range(lineStart, caret));
    qsizetype start = lineText.size();
    while (start > 0 && IsIdentifierChar(lineText[start - 1])) --start;
    return lineText.mid(start);
}
