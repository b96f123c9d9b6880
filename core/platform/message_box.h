#pragma once
#include <atomic>
#include <cstdint>
#include <string>

namespace core {

// The program's modal OK box. Callable from any thread; it blocks its caller
// until the user closes it. The window installs a hook that shows a real box
// on the user-interface thread; headless programs and tests install one that
// prints or records. Without a hook, messages go to stderr.
class CMessageBoxHook {
public:
    virtual ~CMessageBoxHook() = default;
    virtual void Show(const std::string& text) = 0;
    // Releases every Show call in progress, whether its box is on screen yet
    // or still on its way there. Used at shutdown, on the user-interface
    // thread while it waits for the worker to end; so it must neither wait
    // for the user nor need that thread's event loop, and a Show from another
    // thread must never wait for the event loop in a way CloseAll cannot
    // break. A Show that begins after CloseAll has returned may block again:
    // the caller repeats CloseAll until the thread it waits for has ended.
    virtual void CloseAll() = 0;
};

// Installs the hook (not owned); nullptr restores the stderr default.
void SetMessageBoxHook(CMessageBoxHook* hook);
void CloseAllMessageBoxes();

// Boxes shown since the program started. The run loop ends a slice of
// instructions after one, so that commands given while it was open (stop,
// restart, closing the window) take effect before the next instruction.
extern std::atomic<uint32_t> MessageBoxesShown;

}  // namespace core

void AfxMessageBox(const std::string& text);
