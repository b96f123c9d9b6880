#include "core/platform/message_box.h"

#include <atomic>
#include <cstdio>

#include "core/wiring.h"

namespace core {

std::atomic<uint32_t> MessageBoxesShown{0};

namespace {
std::atomic<CMessageBoxHook*> g_hook{nullptr};
}

void SetMessageBoxHook(CMessageBoxHook* hook) {
    g_hook.store(hook);
}

void CloseAllMessageBoxes() {
    if (CMessageBoxHook* hook = g_hook.load()) hook->CloseAll();
}

}  // namespace core

void AfxMessageBox(const std::string& text) {
    core::MessageBoxesShown.fetch_add(1, std::memory_order_relaxed);
    core::SignalRunLoop();  // a run stops after the pass that showed a message
    if (core::CMessageBoxHook* hook = core::g_hook.load()) {
        hook->Show(text);
        return;
    }
    std::fprintf(stderr, "%s\n", text.c_str());
}
