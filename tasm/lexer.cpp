#include "tasm/lexer.h"

#include <cctype>
#include <cstdio>

namespace tasm {

namespace {

bool IsIdentStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '?';
}
bool IsIdentChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '?';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

// Finds the closing quote of a quoted item starting at open; backslash
// escapes the next character. Returns npos when the line ends first.
size_t ClosingQuote(std::string_view line, size_t open, char quote) {
    for (size_t i = open + 1; i < line.size(); ++i) {
        if (line[i] == '\\') {
            ++i;
        } else if (line[i] == quote) {
            return i;
        }
    }
    return std::string_view::npos;
}

char Unescape(char c) {
    switch (c) {
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        case '0':
            return '\0';
        default:
            return c;
    }
}

bool IsRadixPrefix(char c) {
    switch (std::toupper(static_cast<unsigned char>(c))) {
        case 'A':
        case 'B':
        case 'D':
        case 'H':
        case 'O':
        case 'Q':
            return true;
        default:
            return false;
    }
}

bool IsTwoCharOperator(std::string_view text) {
    for (std::string_view op : {"<<", ">>", "==", "!=", "<=", ">=", "&&", "||"}) {
        if (text == op) return true;
    }
    return false;
}

}  // namespace

size_t CommentStart(std::string_view line) {
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == ';') return i;
        if (c == '"' || c == '\'') {
            size_t close = ClosingQuote(line, i, c);
            if (close == std::string_view::npos) return line.size();
            i = close;
        }
    }
    return line.size();
}

std::string Printable(std::string_view text, size_t max) {
    std::string out;
    for (size_t i = 0; i < text.size() && i < max; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    if (text.size() > max) out += "...";
    return out;
}

bool LexLine(std::string_view line, std::vector<CToken>& tokens, std::string* error) {
    tokens.clear();
    size_t i = 0;
    const size_t n = line.size();
    auto push = [&](ETokenKind kind, std::string text, size_t begin, size_t end) {
        tokens.push_back(CToken{kind, std::move(text), begin, end});
    };
    while (i < n) {
        char c = line[i];
        if (c == ' ' || c == '\t') {
            ++i;
            continue;
        }
        if (c == ';') break;
        size_t start = i;
        if (IsRadixPrefix(c) && i + 1 < n && line[i + 1] == '\'' &&
            (i == 0 || !IsIdentChar(line[i - 1]))) {
            size_t close = ClosingQuote(line, i + 1, '\'');
            if (close == std::string_view::npos) {
                *error = "missing closing quote";
                return false;
            }
            i = close + 1;
            push(ETokenKind::Number, std::string(line.substr(start, i - start)), start, i);
        } else if (IsIdentStart(c) || (c == '.' && i + 1 < n && IsIdentStart(line[i + 1]))) {
            ++i;
            while (i < n && IsIdentChar(line[i])) ++i;
            push(ETokenKind::Identifier, std::string(line.substr(start, i - start)), start, i);
        } else if (IsDigit(c) || (c == '.' && i + 1 < n && IsDigit(line[i + 1]))) {
            ++i;
            while (i < n && IsIdentChar(line[i])) ++i;
            push(ETokenKind::Number, std::string(line.substr(start, i - start)), start, i);
        } else if (c == '$') {
            ++i;
            if (i < n && IsHexDigit(line[i])) {
                while (i < n && IsIdentChar(line[i])) ++i;
                push(ETokenKind::Number, std::string(line.substr(start, i - start)), start, i);
            } else {
                push(ETokenKind::Dollar, "$", start, i);
            }
        } else if (c == '\'') {
            size_t close = ClosingQuote(line, i, '\'');
            if (close == std::string_view::npos) {
                *error = "missing closing quote";
                return false;
            }
            i = close + 1;
            push(ETokenKind::Number, std::string(line.substr(start, i - start)), start, i);
        } else if (c == '"') {
            size_t close = ClosingQuote(line, i, '"');
            if (close == std::string_view::npos) {
                *error = "missing closing quote";
                return false;
            }
            std::string text;
            for (size_t k = i + 1; k < close; ++k) {
                text += line[k] == '\\' ? Unescape(line[++k]) : line[k];
            }
            i = close + 1;
            push(ETokenKind::String, std::move(text), start, i);
        } else if (IsTwoCharOperator(line.substr(i, 2))) {
            i += 2;
            push(ETokenKind::Operator, std::string(line.substr(start, 2)), start, i);
        } else if (std::string_view("+-*/%&|^~!(),:=<>").find(c) != std::string_view::npos) {
            ++i;
            push(ETokenKind::Operator, std::string(1, c), start, i);
        } else {
            *error = "unexpected character '" + Printable(line.substr(i, 1)) + "'";
            return false;
        }
    }
    return true;
}

}  // namespace tasm
