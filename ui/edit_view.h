#pragma once
// The source editor pane: a code editor that is also the first view of the
// document. It numbers the lines, highlights PIC assembly, offers mnemonics,
// register names and the program's labels as one types, and shows what an
// instruction does once its mnemonic is typed. The worker never asks it to
// repaint, but it is a view like the other two so the document's view list
// keeps the order the worker relies on.
//
// The text is held as UTF-8 bytes exactly as they came, line breaks of
// every kind included, so a text saved without changes keeps every byte.
#include <Qsci/qsciscintilla.h>

#include "core/platform/view.h"
#include "ui/source_text.h"

class CPicLexer;

class CEditView : public QsciScintilla, public core::CView {
    Q_OBJECT
public:
    // The margins: line numbers, then the marks of the simulator.
    static constexpr int kNumberMargin = 0;
    static constexpr int kMarkMargin = 1;

    explicit CEditView(QWidget* parent = nullptr);

    // Any thread.
    void InvalidateRect(bool bErase) override;

    // The whole text, byte for byte.
    QByteArray SourceBytes() const;
    // Replaces the whole text; the undo history starts anew. New lines the
    // user types end as lineEnds says.
    void SetSourceBytes(const QByteArray& utf8, LineEnds lineEnds);
    // Replaces the whole text as one edit: the text is modified, and Undo
    // brings the old one back.
    void ReplaceAllAsEdit(const QByteArray& utf8);

signals:
    // SetSourceBytes replaced the whole text, and every mark went with it.
    void TextReplaced();

public:
    // Lets the window's own keys through: the editor no longer binds them.
    void ReleaseKeys(const QList<QKeySequence>& keys);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnCharAdded(int ch);
    void ShowCompletions();
    void ShowCallTip(int ch);
    // The bytes from one position to another, as they are.
    QByteArray Range(long from, long to) const;
    // The identifier that ends at the caret.
    QString WordBeforeCaret() const;

    CPicLexer* m_pLexer;
};
