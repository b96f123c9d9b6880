#pragma once
#include <string>

// Where the current source file lies, as the file commands recorded it:
// SourceFolder with its trailing separator, SourceFileName bare. The
// assemble command and the label search work from these. User-interface
// thread only.
extern std::string SourceFolder;
extern std::string SourceFileName;
// The listing of the last assemble command, in SourceFolder.
extern std::string ListingFileName;
