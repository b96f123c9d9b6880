#include "program_loader.h"

#include <cstdio>

#include "file_read.h"
#include "object_loader.h"
#include "source_file.h"
#include "state.h"

namespace {
bool HasExtension(const std::string& path, const char* extension) {
    if (path.size() < 4) return false;
    std::string tail = path.substr(path.size() - 4);
    for (char& ch : tail) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return tail == extension;
}

void RecordSourceFile(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        SourceFolder = "./";
        SourceFileName = path;
    } else {
        SourceFolder = path.substr(0, slash + 1);
        SourceFileName = path.substr(slash + 1);
    }
}

bool LoadObjectFile(const std::string& path) {
    ResetForLoad();
    std::string text;
    std::string error;
    if (!ReadFileHead(path, kObjectReadLimit, &text, &error)) {
        std::fprintf(stderr, "lumo-run: %s\n", error.c_str());
        return false;
    }
    LoadObjectRecords(text.data(), static_cast<int>(text.size()));
    ProgramEnd = kProgramImageSize;
    return true;
}
}  // namespace

bool IsLoadableProgram(const std::string& path) {
    return HasExtension(path, ".obj");
}

bool LoadProgram(const std::string& path) {
    RecordSourceFile(path);
    return LoadObjectFile(path);
}
