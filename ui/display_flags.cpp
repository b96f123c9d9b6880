#include "ui/display_flags.h"

#include "core/platform/view.h"
#include "core/state.h"

bool ShowHex = false;
bool ShowSpecialRegs = true;
bool ShowGeneralRegs = true;
bool ShowChanges = true;

namespace {
void Toggle(bool& flag) {
    flag = !flag;
    if (core::CView* view = LastRefreshedView.load()) view->InvalidateRect(true);
}
}  // namespace

void OnShowHex() {
    Toggle(ShowHex);
}
void OnShowSpecialRegs() {
    Toggle(ShowSpecialRegs);
}
void OnShowGeneralRegs() {
    Toggle(ShowGeneralRegs);
}
void OnShowChanges() {
    Toggle(ShowChanges);
}
