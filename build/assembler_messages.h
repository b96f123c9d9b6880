#pragma once
// The assembler's messages on its output, one a line:
// "FILE:LINE: error: TEXT" or "FILE:LINE: warning: TEXT".
#include <string>
#include <vector>

struct CAssemblerMessage {
    std::string file;  // as the assembler spells it
    int line = 0;      // 1-based; 0 when the message is about the whole file
    bool error = true;
    std::string text;
};

// Reads one output line (without its line end). False for a line that is not
// such a message (a summary, a note), leaving *message alone.
bool ParseAssemblerMessage(const std::string& line, CAssemblerMessage* message);

// The output split into lines, without line ends and without a final empty
// line.
std::vector<std::string> OutputLines(const std::string& output);
