#include "build/assembler_messages.h"

#include <charconv>

namespace build {

namespace {
// The kind stands after the first ": " that follows a line number, so a file
// name holding ": error: " itself still reads right when it has no digits
// before it.
bool ReadKind(const std::string& line, size_t at, bool* error, size_t* textAt) {
    static const std::string kError = " error: ";
    static const std::string kWarning = " warning: ";
    if (line.compare(at, kError.size(), kError) == 0) {
        *error = true;
        *textAt = at + kError.size();
        return true;
    }
    if (line.compare(at, kWarning.size(), kWarning) == 0) {
        *error = false;
        *textAt = at + kWarning.size();
        return true;
    }
    return false;
}
// Takes the include note off the end of the text and keeps its last place.
void ReadIncludeNote(CAssemblerMessage* message) {
    static const std::string kNote = " (included from ";
    std::string& text = message->text;
    const size_t at = text.rfind(kNote);
    if (at == std::string::npos || text.back() != ')') return;
    const std::string places = text.substr(at + kNote.size(), text.size() - 1 - at - kNote.size());
    const size_t comma = places.rfind(", ");
    const std::string last = comma == std::string::npos ? places : places.substr(comma + 2);
    const size_t colon = last.rfind(':');
    int line = 0;
    if (colon == std::string::npos || colon == 0) return;
    const auto [ptr, ec] =
        std::from_chars(last.data() + colon + 1, last.data() + last.size(), line);
    if (ec != std::errc() || ptr != last.data() + last.size() || line < 1) return;
    message->mainFile = last.substr(0, colon);
    message->mainLine = line;
    text.erase(at);
}
}  // namespace

bool ParseAssemblerMessage(const std::string& line, CAssemblerMessage* message) {
    for (size_t colon = line.find(':'); colon != std::string::npos;
         colon = line.find(':', colon + 1)) {
        if (colon == 0) continue;
        const size_t digits = colon + 1;
        size_t end = digits;
        while (end < line.size() && line[end] >= '0' && line[end] <= '9') ++end;
        if (end == digits || end >= line.size() || line[end] != ':') continue;
        bool error = false;
        size_t textAt = 0;
        if (!ReadKind(line, end + 1, &error, &textAt)) continue;
        int number = 0;
        const auto [ptr, ec] = std::from_chars(line.data() + digits, line.data() + end, number);
        if (ec != std::errc() || ptr != line.data() + end) continue;
        *message = {line.substr(0, colon), number, error, line.substr(textAt), {}, 0};
        ReadIncludeNote(message);
        return true;
    }
    return false;
}

std::vector<std::string> OutputLines(const std::string& output) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < output.size()) {
        size_t end = output.find('\n', start);
        if (end == std::string::npos) end = output.size();
        std::string line = output.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

}  // namespace build
