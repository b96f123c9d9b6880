#pragma once
// The window's language. The source texts are Serbian, so Serbian needs no
// translator; another language loads the program's translation (built into
// it) and Qt's own (from Qt's translations folder) before the window is
// built. The choice is kept in the settings and applies from the next start.
#include <QString>
#include <QTranslator>
#include <span>

struct SLanguage {
    const char* code;  // as the translation files and the help document are named
    const char* name;  // in the language itself, as the menu shows it
};

// Serbian first: the language of the source texts and the default.
std::span<const SLanguage> Languages();

// The language the settings hold, Serbian when they hold none or one this
// program does not know.
QString ChosenLanguage();
void ChooseLanguage(const QString& code);

// The language the running window speaks: the one a CTranslation installed,
// else Serbian.
QString ActiveLanguage();

// Installs the translators of one language for its lifetime.
class CTranslation {
public:
    explicit CTranslation(const QString& code);
    ~CTranslation();
    CTranslation(const CTranslation&) = delete;
    CTranslation& operator=(const CTranslation&) = delete;

private:
    QTranslator m_own;
    QTranslator m_qt;
};
