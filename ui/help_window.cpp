#include "ui/help_window.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include "ui/language.h"

// The resources live in a static library, whose registration the linker
// would drop unless something names it.
static void RegisterHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace {
QString g_documentPath;
QPointer<QTextBrowser> g_window;
}  // namespace

// The document in the window's language, Pomoc_CODE.html beside the
// Serbian Pomoc.html; the Serbian one for a language it has not been
// translated into.
QString ShippedDocument() {
    static const bool registered = (RegisterHelpResources(), true);
    Q_UNUSED(registered);
    const QString translated = QStringLiteral(":/help/Pomoc_%1.html").arg(ActiveLanguage());
    return QFileInfo(translated).isFile() ? translated : QStringLiteral(":/help/Pomoc.html");
}

QString HelpDocumentPath() {
    return g_documentPath.isEmpty() ? ShippedDocument() : g_documentPath;
}

void SetHelpDocumentPath(const QString& path) {
    g_documentPath = path;
}

QTextBrowser* OpenHelpWindow() {
    return g_window.data();
}

void OnHelp() {
    const QString path = HelpDocumentPath();
    if (!QFileInfo(path).isFile()) return;
    if (!g_window) {
        g_window = new QTextBrowser();
        g_window->setAttribute(Qt::WA_DeleteOnClose);
        g_window->setAttribute(Qt::WA_QuitOnClose, false);
        g_window->setOpenExternalLinks(true);
        g_window->setWindowTitle(QCoreApplication::translate("Help", "Pomoc"));
        g_window->resize(720, 600);
        // Nothing owns the window, so it goes when the program ends.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, g_window.data(),
                         [] { delete g_window.data(); });
    }
    g_window->setSource(path.startsWith(u':') ? QUrl(QStringLiteral("qrc") + path)
                                              : QUrl::fromLocalFile(path));
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
}
