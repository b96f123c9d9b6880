#include "program_loader.h"

#include <cctype>
#include <cstdio>

#include "assemble_command.h"
#include "assembler_output.h"
#include "file_read.h"
#include "hex_loader.h"
#include "object_loader.h"
#include "platform/message_box.h"
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

// An object file of our assembler, or a standard HEX file of another
// toolchain. Labels are looked up in a listing beside it, if there is one.
bool LoadBuiltFile(const std::string& path, bool standardHex) {
    ResetForLoad();
    ListingFileName = OutputFileName(SourceFileName, "lst");
    std::string text;
    std::string error;
    if (!ReadFileHead(path, standardHex ? kHexReadLimit : kObjectReadLimit, &text, &error)) {
        std::fprintf(stderr, "lumo-run: %s\n", error.c_str());
        return false;
    }
    if (standardHex) {
        if (!LoadHexRecords(text, &error)) {
            std::fprintf(stderr, "lumo-run: %s: %s\n", path.c_str(), error.c_str());
            return false;
        }
    } else {
        LoadObjectRecords(text.data(), static_cast<int>(text.size()));
    }
    ProgramEnd = kProgramImageSize;
    return true;
}

// What F7 does, with the assembler's own messages shown before the verdict.
bool AssembleSource() {
    ResetForLoad();
    std::string output;
    const bool started = RunAssembler(&output);
    if (!output.empty()) {
        std::fputs(output.c_str(), stderr);
        if (output.back() != '\n') std::fputc('\n', stderr);
    }
    if (!started) {
        AfxMessageBox("GRESKA: Proces nije dobro kreiran");
        return false;
    }
    return LoadAssemblerOutput();
}
}  // namespace

bool IsLoadableProgram(const std::string& path) {
    return HasExtension(path, ".obj") || HasExtension(path, ".asm") || HasExtension(path, ".hex");
}

bool LoadProgram(const std::string& path) {
    RecordSourceFile(path);
    if (HasExtension(path, ".asm")) return AssembleSource();
    return LoadBuiltFile(path, HasExtension(path, ".hex"));
}

bool CheckProgramReadable(const std::string& path) {
    std::string error;
    std::FILE* file = OpenRegularFileForReading(path, &error);
    if (!file) {
        std::fprintf(stderr, "lumo-run: %s\n", error.c_str());
        return false;
    }
    std::fclose(file);
    return true;
}
