#include "core/texts/translate.h"

#include <string>
#include <unordered_map>

#include "core/texts/text_language.h"

namespace core {

namespace {
using CCatalogue = std::unordered_map<std::string_view, const char*>;

const CCatalogue& Catalogue() {
    static const CCatalogue catalogue = [] {
        CCatalogue all;
        for (auto layer : {CoreEnglish(), BuildEnglish(), ScenarioEnglish(), BoardEnglish(),
                           CommandLineEnglish()}) {
            for (const SEnglishText& text : layer) all.emplace(text.serbian, text.english);
        }
        return all;
    }();
    return catalogue;
}
}  // namespace

const char* Tr(const char* serbian) {
    if (TextLanguage() == ELanguage::Serbian) return serbian;
    const CCatalogue& catalogue = Catalogue();
    const auto found = catalogue.find(serbian);
    return found == catalogue.end() ? serbian : found->second;
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    text.reserve(pattern.size() + 32);
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const size_t index = static_cast<size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            text += values.begin()[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace core
