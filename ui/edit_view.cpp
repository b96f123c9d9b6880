#include "edit_view.h"

#include <QFontDatabase>
#include <QTextDocument>

CEditView::CEditView(QWidget* parent) : QPlainTextEdit(parent) {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(10);
    setFont(font);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabStopDistance(8 * QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')));
    setFrameShape(QFrame::NoFrame);
}

void CEditView::InvalidateRect(bool /*bErase*/) {
    QMetaObject::invokeMethod(viewport(), qOverload<>(&QWidget::update), Qt::QueuedConnection);
}

QString CEditView::SourceText() const {
    QString text = document()->toRawText();
    for (QChar& ch : text) {
        if (ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator) ch = QLatin1Char('\n');
    }
    return text;
}

void CEditView::SetSourceText(const QString& text) {
    setPlainText(text);
}
