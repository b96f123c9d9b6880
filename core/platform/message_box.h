#pragma once
#include <string>

// The program's modal OK box. Callable from any thread; it blocks its caller
// until the user closes it. The window installs a hook that shows a real box
// on the user-interface thread; headless programs and tests install one that
// prints or records. Without a hook, messages go to stderr.
class CMessageBoxHook {
public:
    virtual ~CMessageBoxHook() = default;
    virtual void Show(const std::string& text) = 0;
    // Close every box that is open now, so that blocked callers return.
    // Used at shutdown; must not wait for the user.
    virtual void CloseAll() = 0;
};

// Installs the hook (not owned); nullptr restores the stderr default.
void SetMessageBoxHook(CMessageBoxHook* hook);
void AfxMessageBox(const std::string& text);
void CloseAllMessageBoxes();
