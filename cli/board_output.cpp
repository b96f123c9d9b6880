#include "cli/board_output.h"

#include "board/board_reader.h"
#include "cli/state_output.h"

namespace cli {

std::unique_ptr<board::CAttachedBoard> AttachBoardFile(const std::string& path, double clockHz) {
    board::SBoard wiring;
    std::string error;
    if (!board::ReadBoardFile(path, &wiring, &error)) {
        std::fprintf(stderr, "lumo-run: %s\n", error.c_str());
        return nullptr;
    }
    auto attached = std::make_unique<board::CAttachedBoard>(std::move(wiring), clockHz / 4);
    attached->Attach();
    return attached;
}

void PrintBoard(std::FILE* out, const board::SBoard& board, bool json) {
    if (json) {
        std::string line = "{\"board\":[";
        for (size_t i = 0; i < board.parts.size(); ++i) {
            const board::SBoardPart& entry = board.parts[i];
            if (i) line += ',';
            line += "{\"name\":" + JsonString(entry.name.c_str()) + ",\"type\":\"" +
                    board::PartTypeName(entry.part) +
                    "\",\"shows\":" + JsonString(board::PartText(entry.part).c_str()) + "}";
        }
        std::fprintf(out, "%s]}\n", line.c_str());
        return;
    }
    for (const board::SBoardPart& entry : board.parts) {
        std::string shown = board::PartText(entry.part);
        // One line per part: the LCD's rows and the terminal's lines side by side.
        std::string flat;
        for (const char ch : shown) {
            if (ch == '\n') {
                flat += " | ";
            } else if (ch != '\r') {
                flat += ch;
            }
        }
        std::fprintf(out, "%-14s %-14s %s\n", entry.name.c_str(), board::PartTypeName(entry.part),
                     flat.c_str());
    }
}

}  // namespace cli
