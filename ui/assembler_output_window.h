#pragma once
// What the assembler printed, in a window of its own beside the main
// window: the user reads which line failed and why, and closes it when done.
// One window serves every assemble command; it does not take the keyboard
// away from the editor.
#include <QWidget>

class QPlainTextEdit;

class CAssemblerOutputWindow : public QWidget {
    Q_OBJECT
public:
    explicit CAssemblerOutputWindow(QWidget* owner);

    void ShowOutput(const QString& sourceName, const QString& output);
    QString Output() const;

private:
    QPlainTextEdit* m_pText;
};
