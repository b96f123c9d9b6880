#include "ui/view_commands.h"

#include <QAction>
#include <QMenu>

#include "ui/about_dlg.h"
#include "ui/break_labels_dlg.h"
#include "ui/command_ids.h"
#include "ui/display_flags.h"
#include "ui/help_window.h"
#include "ui/main_frame.h"
#include "ui/speed_dlg.h"

namespace {
// A View toggle: the command flips the flag, and the check mark follows the
// flag, also when a menu that holds the item is about to open.
void InstallToggle(QAction* action, const bool& flag, void (*command)()) {
    if (!action) return;
    action->setCheckable(true);
    action->setChecked(flag);
    QObject::connect(action, &QAction::triggered, action, [action, &flag, command] {
        command();
        action->setChecked(flag);
    });
    for (QObject* holder : action->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(holder))
            QObject::connect(menu, &QMenu::aboutToShow, action,
                             [action, &flag] { action->setChecked(flag); });
    }
}

void InstallCommand(QAction* action, QObject* context, std::function<void()> command) {
    if (action) QObject::connect(action, &QAction::triggered, context, std::move(command));
}
}  // namespace

void InstallViewAndDialogCommands(CMainFrame& frame, CLumoDoc& /*doc*/) {
    InstallToggle(frame.Action(ID_VIEW_HEX), ShowHex, &OnShowHex);
    InstallToggle(frame.Action(ID_VIEW_SPECIAL_REGS), ShowSpecialRegs, &OnShowSpecialRegs);
    InstallToggle(frame.Action(ID_VIEW_GENERAL_REGS), ShowGeneralRegs, &OnShowGeneralRegs);
    InstallToggle(frame.Action(ID_VIEW_CHANGES), ShowChanges, &OnShowChanges);

    InstallCommand(frame.Action(ID_SPEED), &frame, [&frame] {
        if (OnSpeed(&frame)) frame.OnSpeedChanged();
    });
    InstallCommand(frame.Action(ID_BREAK_LABELS), &frame, [&frame] { OnBreakLabels(&frame); });
    InstallCommand(frame.Action(ID_APP_ABOUT), &frame, [&frame] { OnAppAbout(&frame); });
    InstallCommand(frame.Action(ID_HELP), &frame, [] { OnHelp(); });
}
