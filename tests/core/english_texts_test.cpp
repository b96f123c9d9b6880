// The Qt-free layers' catalogue against the sources, as translations_complete
// holds the window's .ts files against ui/: every text given to Tr() has its
// English, with the same values in it, and the catalogue holds nothing else.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "core/texts/text_language.h"
#include "core/texts/translate.h"

namespace {
namespace fs = std::filesystem;

// Reads the adjacent literals that start at text[at] as one C string.
bool ReadLiterals(const std::string& text, size_t at, std::string* out) {
    bool any = false;
    while (true) {
        while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
        if (at >= text.size() || text[at] != '"') return any;
        any = true;
        for (++at; at < text.size() && text[at] != '"'; ++at) {
            if (text[at] == '\\') {
                ++at;
                *out += text[at] == 'n' ? '\n' : text[at];
            } else {
                *out += text[at];
            }
        }
        ++at;
    }
}

// Every literal given to Tr, or to a run-time message (which translates where
// it is shown, off the run loop's path), in the layers that may call them,
// with where it stands. A call on a value passes on a text marked where it
// was written.
std::map<std::string, std::string> MarkedTexts() {
    std::map<std::string, std::string> texts;
    const std::regex call(R"((^|[^A-Za-z0-9_])(Tr|RunTimeMessage|Tell)\()");
    for (const char* folder : {"core", "build", "scenario", "board", "cli", "ui"}) {
        for (const auto& entry :
             fs::recursive_directory_iterator(fs::path(LUMO_SOURCE_DIR) / folder)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".cpp" && ext != ".h") continue;
            std::ifstream in(entry.path());
            std::stringstream buffer;
            buffer << in.rdbuf();
            const std::string text = buffer.str();
            for (auto it = std::sregex_iterator(text.begin(), text.end(), call);
                 it != std::sregex_iterator(); ++it) {
                const size_t open = static_cast<size_t>(it->position() + it->length());
                std::string literal;
                const std::string where = entry.path().filename().string();
                if (ReadLiterals(text, open, &literal)) texts.emplace(literal, where);
            }
        }
    }
    return texts;
}

// What must survive translation: the %1-%9 values as a sorted list, and the
// printf conversions in their order.
std::string Values(const std::string& text) {
    std::vector<std::string> numbered;
    std::string conversions;
    const std::regex value(R"(%([1-9])|%[-0-9.]*[sdxXu])");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), value);
         it != std::sregex_iterator(); ++it) {
        if ((*it)[1].matched) {
            numbered.push_back(it->str());
        } else {
            conversions += it->str();
        }
    }
    std::sort(numbered.begin(), numbered.end());
    numbered.erase(std::unique(numbered.begin(), numbered.end()), numbered.end());
    std::string all;
    for (const std::string& each : numbered) all += each;
    return all + "|" + conversions;
}
}  // namespace

TEST(EnglishTexts, EveryMarkedTextHasItsEnglishAndNoOtherStands) {
    std::map<std::string, const char*> catalogue;
    for (auto layer : {core::CoreEnglish(), core::BuildEnglish(), core::ScenarioEnglish(),
                       core::BoardEnglish(), core::CommandLineEnglish()}) {
        for (const core::SEnglishText& text : layer) {
            EXPECT_TRUE(catalogue.emplace(text.serbian, text.english).second)
                << "twice in the catalogue: " << text.serbian;
            EXPECT_NE(std::string(text.english), "") << text.serbian;
            EXPECT_EQ(Values(text.serbian), Values(text.english)) << text.serbian;
        }
    }
    const std::map<std::string, std::string> marked = MarkedTexts();
    EXPECT_GT(marked.size(), 100u);
    for (const auto& [serbian, where] : marked) {
        EXPECT_TRUE(catalogue.count(serbian)) << where << ": no English for \"" << serbian << "\"";
    }
    for (const auto& [serbian, english] : catalogue) {
        EXPECT_TRUE(marked.count(serbian)) << "no longer in the sources: \"" << serbian << "\"";
    }
}

// Serbian is the source and comes back as the very literal; English comes
// from the catalogue, and a text it lacks stays Serbian rather than empty.
TEST(EnglishTexts, TheChosenLanguageDecides) {
    const char* full = "Stek je pun";
    core::SetTextLanguage(core::ELanguage::Serbian);
    EXPECT_EQ(core::Tr(full), full);
    core::SetTextLanguage(core::ELanguage::English);
    EXPECT_STREQ(core::Tr(full), "The stack is full");
    EXPECT_STREQ(core::Tr("nije u katalogu"), "nije u katalogu");
    EXPECT_EQ(core::Fill(core::Tr("%1: navedite taster, na primer %1.5"), {"KEYS"}),
              "KEYS: name a key, for example KEYS.5");
    core::SetTextLanguage(core::ELanguage::Serbian);
    EXPECT_EQ(core::Fill("%2 pa %1, %3", {"a", "b"}), "b pa a, %3");
}

// Each row: the environment, and the language it asks for. The locale is the
// first of LC_ALL, LC_MESSAGES, LANG; LANGUAGE counts unless that is C.
TEST(EnglishTexts, TheEnvironmentNamesTheLanguageAsGettextReadsIt) {
    using EL = core::ELanguage;
    const struct {
        std::map<std::string, std::string> environment;
        core::ELanguage expected;
    } kRows[] = {
        {{}, EL::Serbian},
        {{{"LANG", "en_US.UTF-8"}}, EL::English},
        {{{"LANG", "sr_RS.UTF-8"}}, EL::Serbian},
        {{{"LANG", "C"}}, EL::Serbian},
        {{{"LANG", "en_GB"}, {"LC_ALL", "C.UTF-8"}}, EL::Serbian},
        {{{"LANG", "sr_RS"}, {"LC_MESSAGES", "en_US"}}, EL::English},
        {{{"LANG", "sr_RS"}, {"LANGUAGE", "en_GB:sr"}}, EL::English},
        {{{"LANG", "en_US"}, {"LANGUAGE", "sr:en"}}, EL::Serbian},
        {{{"LANG", "C"}, {"LANGUAGE", "en"}}, EL::Serbian},
        {{{"LANG", ""}, {"LC_ALL", ""}, {"LANGUAGE", "en"}}, EL::Serbian},
    };
    for (const auto& row : kRows) {
        const auto get = [&](const char* name) -> const char* {
            const auto found = row.environment.find(name);
            return found == row.environment.end() ? nullptr : found->second.c_str();
        };
        std::string shown;
        for (const auto& [name, value] : row.environment) shown += name + "=" + value + " ";
        EXPECT_EQ(core::LanguageOfEnvironment(get), row.expected) << shown;
    }
    EXPECT_EQ(core::LanguageCoded("en"), core::ELanguage::English);
    EXPECT_EQ(core::LanguageCoded("sr"), core::ELanguage::Serbian);
    EXPECT_EQ(core::LanguageCoded("EN"), std::nullopt);
}
