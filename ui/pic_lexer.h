#pragma once
// Highlighting of PIC assembly: mnemonics, directives, the chip's register
// and bit names, numbers in every form the assembler reads, labels,
// comments and strings. A line is styled on its own, so an edit restyles
// only the lines it touched.
#include <Qsci/qscilexercustom.h>

class CPicLexer : public QsciLexerCustom {
    Q_OBJECT
public:
    enum Style {
        Default = 0,
        Comment,
        Mnemonic,
        Directive,
        Register,
        Number,
        Label,
        String,
        StyleCount
    };

    explicit CPicLexer(QObject* parent = nullptr);

    const char* language() const override;
    QString description(int style) const override;
    QColor defaultColor(int style) const override;
    QFont defaultFont(int style) const override;
    void styleText(int start, int end) override;
};

// The style of each byte of one line of UTF-8 source (without its line end).
QByteArray StyleLine(const QByteArray& line);
