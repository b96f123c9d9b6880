#pragma once
// One loader for every program the simulator runs, so the window, lumo-run
// and lumo-grade load a file alike: an assembly source is assembled as the
// assemble command does (the same assembler, the same verdict of the
// listing), an object file of our assembler and a standard Intel HEX file
// are read into the program image. Nothing is printed: what there is to
// say goes back to the caller.
#include <functional>
#include <string>

namespace build {

enum class EProgramKind { Source, Object, Hex, Other };

// The kind by the file name's extension, in any case.
EProgramKind ProgramKindOf(const std::string& path);

// Whether the path names a kind of file the loader can load.
inline bool IsLoadableProgram(const std::string& path) {
    return ProgramKindOf(path) != EProgramKind::Other;
}

// Whether the path names a readable regular file; *error says why not.
bool CheckProgramReadable(const std::string& path, std::string* error);

// Records the program's folder and name as the file commands would, so the
// listing beside it is found, and loads it. For a source, assembled is told
// what the assembler printed as soon as it has ended, before the listing's
// verdict is read. Returns false when nothing could be loaded: *error says
// why, or is empty where the assemble command's own message box has said it.
bool LoadProgram(const std::string& path, std::string* error,
                 const std::function<void(const std::string& output)>& assembled = {});

}  // namespace build
