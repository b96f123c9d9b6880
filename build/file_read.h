#pragma once
// Reading the assembler's output files. Every failure comes back as a text
// that names the file and says what went wrong, for the user to read.
#include <cstdio>
#include <string>

namespace build {

// Reads at most maxBytes from the start of the file at path into *data.
bool ReadFileHead(const std::string& path, int maxBytes, std::string* data, std::string* error);

// Reads the last (at most) maxBytes of the file at path into *data and its
// full length into *length.
bool ReadFileTail(const std::string& path, int maxBytes, std::string* data, long long* length,
                  std::string* error);

// Opens a regular file for reading as a stream; nullptr with *error set for a
// missing, unreadable or non-regular file.
std::FILE* OpenRegularFileForReading(const std::string& path, std::string* error);

}  // namespace build
