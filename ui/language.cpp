#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <algorithm>

#include "core/texts/text_language.h"

namespace {
constexpr SLanguage kLanguages[] = {{"sr", "Srpski"}, {"en", "English"}};
const QString kLanguageKey = QStringLiteral("Opcije/Jezik");
QString g_active;

bool IsKnown(const QString& code) {
    return std::any_of(
        std::begin(kLanguages), std::end(kLanguages),
        [&](const SLanguage& language) { return code == QLatin1String(language.code); });
}

QString SourceLanguage() {
    return QString::fromLatin1(kLanguages[0].code);
}
}  // namespace

std::span<const SLanguage> Languages() {
    return kLanguages;
}

QString ChosenLanguage() {
    const QString code = QSettings().value(kLanguageKey).toString();
    return IsKnown(code) ? code : SourceLanguage();
}

void ChooseLanguage(const QString& code) {
    QSettings().setValue(kLanguageKey, code);
}

QString ActiveLanguage() {
    return g_active.isEmpty() ? SourceLanguage() : g_active;
}

CTranslation::CTranslation(const QString& code) {
    if (code == SourceLanguage() || !IsKnown(code)) return;
    if (m_own.load(QStringLiteral(":/i18n/lumo_") + code)) {
        QCoreApplication::installTranslator(&m_own);
        g_active = code;
        // The Qt-free layers' messages (run-time messages, the assembler's
        // verdict, scenario and board texts) follow the window.
        core::SetTextLanguage(
            core::LanguageCoded(code.toStdString()).value_or(core::ELanguage::Serbian));
    }
    // Qt's buttons and file dialogs; a language Qt ships no translation for
    // keeps Qt's English.
    if (m_qt.load(QStringLiteral("qtbase_") + code,
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&m_qt);
    }
}

CTranslation::~CTranslation() {
    // The translators remove themselves from the application as they go.
    g_active.clear();
    core::SetTextLanguage(core::ELanguage::Serbian);
}
