#pragma once
// The keyboard's lock keys as the display server reports them.
#include <optional>

struct LockKeyState {
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;
};

// Where the display server can tell (X11), the current state; elsewhere
// (off-screen, Wayland) nothing.
std::optional<LockKeyState> QueryLockKeyState();
