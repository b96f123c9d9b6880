#pragma once
// One token of a source line. Numbers keep the text as written, because the
// radix that reads them can change between lines (RADIX, LIST R=).
#include <cstddef>
#include <string>

namespace tasm {

enum class ETokenKind {
    Identifier,  // names, mnemonics, directives (a leading '.' is kept)
    Number,      // any number or character literal, as written
    String,      // "..." with its escapes already resolved
    Operator,    // + - * / % & | ^ ~ ! ( ) , : = < > << >> == != <= >= && ||
    Dollar,      // $ alone: the current word address
};

struct CToken {
    ETokenKind kind;
    std::string text;
    size_t begin;  // offset of the first character in the line
    size_t end;    // offset just past the last character

    bool Is(const char* op) const { return kind == ETokenKind::Operator && text == op; }
};

}  // namespace tasm
