#pragma once
// The language of the texts the Qt-free layers give the user. Serbian is the
// source: its texts are written in the code and come back unchanged, so a
// program that never chooses keeps its output byte for byte. The window
// chooses once at start from its setting, the command-line programs from
// --lang or the environment.
#include <functional>
#include <optional>
#include <string_view>

namespace core {

enum class ELanguage { Serbian, English };

void SetTextLanguage(ELanguage language);
ELanguage TextLanguage();

// "sr" or "en", as --lang and the window's setting name them.
std::optional<ELanguage> LanguageCoded(std::string_view code);

// The language the environment asks for, read as gettext reads it: the locale
// is the first of LC_ALL, LC_MESSAGES and LANG that is set; LANGUAGE's first
// entry wins over it unless the locale is C or POSIX. English when that names
// en*, otherwise Serbian, so LANG=C and an empty environment keep Serbian.
// The getter stands in for getenv, so the rule can be tried on any set.
using EnvironmentGetter = std::function<const char*(const char* name)>;
ELanguage LanguageOfEnvironment(const EnvironmentGetter& get);

}  // namespace core
