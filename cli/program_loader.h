#pragma once
// Loads lumo-run's PROGRAM into the program image.
#include <string>

// Records the program's folder and name as the file commands would, so that
// the listing beside it can be found. Returns false with a message on stderr
// when nothing could be loaded.
bool LoadProgram(const std::string& path);

// Whether the path names a readable regular file; says why not on stderr.
bool CheckProgramReadable(const std::string& path);

// Whether the path names a kind of file lumo-run can load.
bool IsLoadableProgram(const std::string& path);
