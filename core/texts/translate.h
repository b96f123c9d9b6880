#pragma once
// The Qt-free layers' counterpart of the window's tr(): a text the user reads
// is written in Serbian and given to Tr, and its English stands in the
// catalogue of its layer (english_*.cpp here). A text with values in it names
// them %1, %2, ... and is filled after translation, so that English may put
// them in its own order; the check explanations keep their printf
// conversions, which English must repeat in the same order. The test of the
// catalogue finds every call with a literal in the sources and fails on one without
// English.
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace core {

struct SEnglishText {
    const char* serbian;
    const char* english;
};

// The text in the chosen language: the Serbian itself, or its English (the
// Serbian too when the catalogue lacks it). The result lives as long as the
// program, as the literal does.
const char* Tr(const char* serbian);

// The pattern with %1 ... %9 replaced by the values in their order.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values);

// Every layer's entries, for the test that holds them against the sources.
std::span<const SEnglishText> CoreEnglish();
std::span<const SEnglishText> BuildEnglish();
std::span<const SEnglishText> ScenarioEnglish();
std::span<const SEnglishText> BoardEnglish();
std::span<const SEnglishText> CommandLineEnglish();

}  // namespace core
