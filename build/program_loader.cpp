#include "build/program_loader.h"

#include <cctype>
#include <cstdio>

#include "build/assemble_command.h"
#include "build/assembler_output.h"
#include "build/chip_data_records.h"
#include "build/file_read.h"
#include "build/hex_loader.h"
#include "build/object_loader.h"
#include "build/source_file.h"
#include "core/event_log.h"
#include "core/state.h"

namespace build {

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
bool LoadBuiltFile(const std::string& path, bool standardHex, std::string* error) {
    ResetForLoad();
    ListingFileName = OutputFileName(SourceFileName, "lst");
    std::string text;
    if (!ReadFileHead(path, standardHex ? kHexReadLimit : kObjectReadLimit, &text, error)) {
        return false;
    }
    if (standardHex) {
        if (!LoadHexRecords(text, error)) {
            *error = path + ": " + *error;
            return false;
        }
    } else {
        LoadObjectRecords(text.data(), static_cast<int>(text.size()));
    }
    LoadChipDataRecords(text, standardHex ? EWordBytes::LowFirst : EWordBytes::HighFirst);
    ProgramEnd = core::kProgramImageSize;
    core::EventLog.Record(core::Event(core::EEventKind::Load, 0, 0, SourceFileName));
    return true;
}
}  // namespace

EProgramKind ProgramKindOf(const std::string& path) {
    if (HasExtension(path, ".asm")) return EProgramKind::Source;
    if (HasExtension(path, ".obj")) return EProgramKind::Object;
    if (HasExtension(path, ".hex")) return EProgramKind::Hex;
    return EProgramKind::Other;
}

bool CheckProgramReadable(const std::string& path, std::string* error) {
    std::FILE* file = OpenRegularFileForReading(path, error);
    if (!file) return false;
    std::fclose(file);
    return true;
}

bool LoadProgram(const std::string& path, std::string* error,
                 const std::function<void(const std::string& output)>& assembled) {
    error->clear();
    RecordSourceFile(path);
    const EProgramKind kind = ProgramKindOf(path);
    if (kind != EProgramKind::Source) return LoadBuiltFile(path, kind == EProgramKind::Hex, error);
    std::string output;
    return OnAssemble(&output, [&] {
        if (assembled) assembled(output);
    });
}

}  // namespace build
