#pragma once
// Splits one source line into tokens, up to a ';' comment.
#include <string>
#include <string_view>
#include <vector>

#include "tasm/token.h"

namespace tasm {

// Returns false with *error set at the first character that cannot start a
// token (binary input, stray '#'), or an unterminated string or character.
bool LexLine(std::string_view line, std::vector<CToken>& tokens, std::string* error);

// The offset of the ';' that starts the comment, or line.size() when none.
// Semicolons inside quotes do not count.
size_t CommentStart(std::string_view line);

// Makes a piece of source safe and short for a message: control bytes are
// shown as \xNN and anything past max characters as "...".
std::string Printable(std::string_view text, size_t max = 64);

}  // namespace tasm
