#pragma once
// The source editor pane: a plain-text editor that is also the first view of
// the document. The worker never asks it to repaint, but it is a view like
// the other two so the document's view list keeps the order the worker
// relies on.
#include <QPlainTextEdit>

#include "platform/view.h"

class CEditView : public QPlainTextEdit, public CView {
    Q_OBJECT
public:
    explicit CEditView(QWidget* parent = nullptr);

    // Any thread.
    void InvalidateRect(bool bErase) override;

    // The text with '\n' between lines, every character as typed (no
    // character is replaced, unlike toPlainText, which turns no-break spaces
    // into blanks).
    QString SourceText() const;
    // Replaces the whole text; the undo history starts anew.
    void SetSourceText(const QString& text);
};
