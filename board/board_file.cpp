#include "board/board_file.h"

#include <filesystem>

namespace board {

std::string BoardFileFor(const std::string& named, const std::string& program) {
    if (!named.empty() || program.empty()) return named;
    std::filesystem::path path(program);
    path.replace_extension(".board.yaml");
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) ? path.string() : std::string();
}

}  // namespace board
