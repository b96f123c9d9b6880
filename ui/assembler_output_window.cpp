#include "assembler_output_window.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CAssemblerOutputWindow::CAssemblerOutputWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), m_pText(new QPlainTextEdit(this)) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_pText->setReadOnly(true);
    m_pText->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(9);
    m_pText->setFont(font);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close =
        buttons->addButton(QStringLiteral("Zatvori"), QDialogButtonBox::RejectRole);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pText);
    layout->addWidget(buttons);
    resize(600, 320);
}

void CAssemblerOutputWindow::ShowOutput(const QString& sourceName, const QString& output) {
    setWindowTitle(QStringLiteral("Izlaz asemblera - %1").arg(sourceName));
    m_pText->setPlainText(output);
    m_pText->moveCursor(QTextCursor::End);
    show();
    raise();
}

QString CAssemblerOutputWindow::Output() const {
    return m_pText->toPlainText();
}
