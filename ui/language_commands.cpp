#include "ui/language_commands.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "core/platform/message_box.h"
#include "ui/command_ids.h"
#include "ui/language.h"
#include "ui/main_frame.h"

namespace {
// The menu of the menu bar that holds the action.
QMenu* MenuHolding(CMainFrame& frame, QAction* action) {
    for (QAction* title : frame.menuBar()->actions()) {
        if (title->menu() && title->menu()->actions().contains(action)) return title->menu();
    }
    return nullptr;
}
}  // namespace

CLanguageCommands::CLanguageCommands(CMainFrame& frame) : QObject(&frame) {
    QMenu* options = MenuHolding(frame, frame.Action(ID_ASSEMBLE));
    options->addSeparator();
    m_pMenu = options->addMenu(tr("Jezik (Language)"));
    auto* group = new QActionGroup(m_pMenu);
    const QString chosen = ChosenLanguage();
    for (const SLanguage& language : Languages()) {
        QAction* item = m_pMenu->addAction(QString::fromUtf8(language.name));
        item->setCheckable(true);
        item->setChecked(chosen == QLatin1String(language.code));
        item->setData(QString::fromLatin1(language.code));
        group->addAction(item);
    }
    connect(group, &QActionGroup::triggered, this, [](QAction* item) {
        const QString code = item->data().toString();
        if (code == ChosenLanguage()) return;
        ChooseLanguage(code);
        AfxMessageBox(
            "Jezik se menja pri sledecem pokretanju programa.\n"
            "The language changes the next time the program starts.");
    });
}
