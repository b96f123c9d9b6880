#pragma once
// The assembler's messages on its output, one a line:
// "FILE:LINE: error: TEXT" or "FILE:LINE: warning: TEXT", the TEXT of an
// included file's message ending in " (included from FILE:LINE, ...)".
#include <string>
#include <vector>

namespace build {

struct CAssemblerMessage {
    std::string file;  // as the assembler spells it
    int line = 0;      // 1-based; 0 when the message is about the whole file
    bool error = true;
    std::string text;  // without the note on where the file was included
    // For a message in an included file: the #include line in the main file
    // that the file was reached through, from the note "(included from
    // FILE:LINE, ..., MAIN:LINE)" the assembler ends such a message with.
    std::string mainFile;
    int mainLine = 0;
};

// Reads one output line (without its line end). False for a line that is not
// such a message (a summary, a note), leaving *message alone.
bool ParseAssemblerMessage(const std::string& line, CAssemblerMessage* message);

// The output split into lines, without line ends and without a final empty
// line.
std::vector<std::string> OutputLines(const std::string& output);

}  // namespace build
