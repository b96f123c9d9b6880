#include "ui/pic_lexer.h"

#include <Qsci/qsciscintilla.h>

#include <QColor>
#include <QFont>

#include "tasm/chip_names.h"
#include "tasm/directive_names.h"
#include "tasm/instruction_table.h"
#include "tasm/number.h"

namespace {
bool IsWordStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '#' || c == '.';
}
bool IsWordChar(char c) {
    return IsWordStart(c) || (c >= '0' && c <= '9') || c == '?';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsNumberChar(char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The end of a quoted text that starts at `at` (the quote), past the closing
// quote or at the end of the line.
qsizetype QuotedEnd(const QByteArray& line, qsizetype at) {
    const char quote = line[at];
    qsizetype i = at + 1;
    while (i < line.size() && line[i] != quote) i += line[i] == '\\' ? 2 : 1;
    return std::min(i + 1, line.size());
}

CPicLexer::Style WordStyle(const QByteArray& word, bool firstColumn, bool colon) {
    const std::string name = word.toStdString();
    if (tasm::FindInstruction(name)) return CPicLexer::Mnemonic;
    std::string bare = name;
    if (!bare.empty() && (bare[0] == '#' || bare[0] == '.')) bare.erase(0, 1);
    if (tasm::FindDirective(bare) != tasm::EDirective::None || bare == "define" ||
        bare == "DEFINE") {
        return CPicLexer::Directive;
    }
    if (tasm::ChipNameValue(name, "16C84")) return CPicLexer::Register;
    if (firstColumn || colon) return CPicLexer::Label;
    return CPicLexer::Default;
}
}  // namespace

QByteArray StyleLine(const QByteArray& line) {
    QByteArray styles(line.size(), static_cast<char>(CPicLexer::Default));
    auto paint = [&](qsizetype from, qsizetype to, CPicLexer::Style style) {
        for (qsizetype i = from; i < to; ++i) styles[i] = static_cast<char>(style);
    };
    qsizetype i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ';') {
            paint(i, line.size(), CPicLexer::Comment);
            break;
        }
        if (c == '"' || c == '\'') {
            const qsizetype end = QuotedEnd(line, i);
            paint(i, end, c == '\'' && end - i <= 4 ? CPicLexer::Number : CPicLexer::String);
            i = end;
            continue;
        }
        // H'1F', B'0101', D'10', O'17', A'x': a letter, then a quoted text.
        if (i + 1 < line.size() && line[i + 1] == '\'' && QByteArray("HhBbDdOoAa").contains(c) &&
            (i == 0 || !IsWordChar(line[i - 1]))) {
            const qsizetype end = QuotedEnd(line, i + 1);
            paint(i, end, CPicLexer::Number);
            i = end;
            continue;
        }
        if (IsDigit(c) || ((c == '.' || c == '$' || c == '%') && i + 1 < line.size() &&
                           IsNumberChar(line[i + 1]) && (c != '.' || IsDigit(line[i + 1])))) {
            qsizetype end = i + 1;
            while (end < line.size() && IsNumberChar(line[end])) ++end;
            const QByteArray token = line.mid(i, end - i);
            if (tasm::ParseNumber(std::string_view(token.constData(), token.size()), 16))
                paint(i, end, CPicLexer::Number);
            i = end;
            continue;
        }
        if (IsWordStart(c)) {
            qsizetype end = i + 1;
            while (end < line.size() && IsWordChar(line[end])) ++end;
            const bool colon = end < line.size() && line[end] == ':';
            paint(i, end + (colon ? 1 : 0), WordStyle(line.mid(i, end - i), i == 0, colon));
            i = end + (colon ? 1 : 0);
            continue;
        }
        ++i;
    }
    return styles;
}

CPicLexer::CPicLexer(QObject* parent) : QsciLexerCustom(parent) {}

const char* CPicLexer::language() const {
    return "PIC";
}

QString CPicLexer::description(int style) const {
    switch (style) {
        case Default:
            return QStringLiteral("Tekst");
        case Comment:
            return QStringLiteral("Komentar");
        case Mnemonic:
            return QStringLiteral("Instrukcija");
        case Directive:
            return QStringLiteral("Direktiva");
        case Register:
            return QStringLiteral("Registar ili bit");
        case Number:
            return QStringLiteral("Broj");
        case Label:
            return QStringLiteral("Labela");
        case String:
            return QStringLiteral("Niska");
        default:
            return {};
    }
}

QColor CPicLexer::defaultColor(int style) const {
    switch (style) {
        case Comment:
            return QColor(0, 128, 0);
        case Mnemonic:
            return QColor(0, 0, 192);
        case Directive:
            return QColor(128, 0, 128);
        case Register:
            return QColor(160, 80, 0);
        case Number:
            return QColor(192, 0, 0);
        case Label:
            return QColor(0, 112, 128);
        case String:
            return QColor(128, 96, 0);
        default:
            return QColor(0, 0, 0);
    }
}

QFont CPicLexer::defaultFont(int style) const {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(10);
    font.setBold(style == Mnemonic || style == Label);
    font.setItalic(style == Comment);
    return font;
}

void CPicLexer::styleText(int start, int end) {
    QsciScintilla* editor = this->editor();
    if (!editor) return;
    // Whole lines: a token never spans two, and the start of a line decides
    // whether a word is a label.
    const auto firstLine =
        static_cast<int>(editor->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, start));
    const auto lastLine =
        static_cast<int>(editor->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, end));
    for (int line = firstLine; line <= lastLine; ++line) {
        const auto from =
            static_cast<int>(editor->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line));
        const auto to = static_cast<int>(
            editor->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, line));
        if (from < 0 || to < from) continue;
        startStyling(from);
        const auto* text = reinterpret_cast<const char*>(
            editor->SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER, from, to - from));
        const QByteArray styles = StyleLine(QByteArray(text, to - from));
        qsizetype run = 0;
        for (qsizetype i = 1; i <= styles.size(); ++i) {
            if (i == styles.size() || styles[i] != styles[run]) {
                setStyling(static_cast<int>(i - run), styles[run]);
                run = i;
            }
        }
        // The line end keeps the default style.
        const bool last = line + 1 >= editor->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT);
        const auto next = static_cast<int>(editor->SendScintilla(
            last ? QsciScintillaBase::SCI_GETLENGTH : QsciScintillaBase::SCI_POSITIONFROMLINE,
            last ? 0 : line + 1));
        if (next > to) setStyling(next - to, Default);
    }
}
