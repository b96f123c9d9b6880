#pragma once
namespace build {

// The most the loader reads of an object file.
constexpr int kObjectReadLimit = 5000;

}  // namespace build

// Copies the data characters of the object file's records into the program
// image, two characters per byte at character offset 2 x the record's byte
// address, and fills gaps between records with '0'.
//
// Nothing is examined at or beyond text[n], and nothing is written outside
// the image: data past its end are dropped, and a record that starts past its
// end is skipped whole.
void LoadObjectRecords(const char* text, int n);
