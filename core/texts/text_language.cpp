#include "core/texts/text_language.h"

#include <atomic>

namespace core {

namespace {
// Read by the worker while the window set it before starting it; relaxed is
// enough, whole values only.
std::atomic<ELanguage> g_language{ELanguage::Serbian};

std::string_view Setting(const EnvironmentGetter& get, const char* name) {
    const char* value = get(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

bool IsPlainC(std::string_view locale) {
    return locale == "C" || locale.starts_with("C.") || locale == "POSIX";
}
}  // namespace

void SetTextLanguage(ELanguage language) {
    g_language.store(language, std::memory_order_relaxed);
}

ELanguage TextLanguage() {
    return g_language.load(std::memory_order_relaxed);
}

std::optional<ELanguage> LanguageCoded(std::string_view code) {
    if (code == "sr") return ELanguage::Serbian;
    if (code == "en") return ELanguage::English;
    return std::nullopt;
}

ELanguage LanguageOfEnvironment(const EnvironmentGetter& get) {
    std::string_view locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = Setting(get, name);
        if (!locale.empty()) break;
    }
    if (locale.empty() || IsPlainC(locale)) return ELanguage::Serbian;
    std::string_view wanted = Setting(get, "LANGUAGE");
    wanted = wanted.substr(0, wanted.find(':'));
    if (wanted.empty()) wanted = locale;
    return wanted.starts_with("en") ? ELanguage::English : ELanguage::Serbian;
}

}  // namespace core
