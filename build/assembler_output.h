#pragma once
// Pieces of loading the assembler's output, apart from the message boxes.
#include <string>

namespace build {

// The listing's verdict: the whole decimal error count that ends the text
// right before its final CR LF is 0. Anything else (another count, no count,
// a different ending) means the source did not assemble.
bool ListingReportsNoErrors(const std::string& tail);

// The output file names: SourceFileName less its last three characters, then
// the extension.
std::string OutputFileName(const std::string& sourceFileName, const char* extension);

}  // namespace build
