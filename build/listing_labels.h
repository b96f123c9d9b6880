#pragma once
// The labels a listing defines, by word address, so the window can name the
// place PC stands on. A defining line holds the word address as four hex
// digits at positions 7-10 and, after the instruction word if there is one,
// starts its source text with "LABEL:".
#include <map>
#include <string>

namespace build {

// Address to the first label defined there; empty when the file cannot be
// read.
std::map<int, std::string> ReadListingLabels(const std::string& path);

}  // namespace build
