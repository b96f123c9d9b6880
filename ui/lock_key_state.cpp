#include "ui/lock_key_state.h"

#ifdef LUMO_HAVE_X11
// Qt first: the X headers define macros (Bool, Status) that Qt's own
// headers refuse to follow.
#include <QGuiApplication>
// clang-format off
#include <X11/XKBlib.h>
// clang-format on

namespace {
bool Indicator(Display* display, const char* name) {
    Bool on = False;
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None) return false;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) return false;
    return on == True;
}
}  // namespace

std::optional<LockKeyState> QueryLockKeyState() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) return std::nullopt;
    return LockKeyState{Indicator(display, "Caps Lock"), Indicator(display, "Num Lock"),
                        Indicator(display, "Scroll Lock")};
}
#else
std::optional<LockKeyState> QueryLockKeyState() {
    return std::nullopt;
}
#endif
