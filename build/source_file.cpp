#include "build/source_file.h"

std::string SourceFolder;
std::string SourceFileName;
std::string ListingFileName;
