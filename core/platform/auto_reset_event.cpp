#include "core/platform/auto_reset_event.h"

#include <chrono>

namespace core {

void CAutoResetEvent::Set() {
    {
        // Stored under the lock so that a waiter between its check and its
        // sleep cannot miss the notification.
        std::lock_guard lock(m_mutex);
        m_signalled.store(true, std::memory_order_release);
    }
    m_cv.notify_one();
}

void CAutoResetEvent::Wake() {
    {
        std::lock_guard lock(m_mutex);
        m_woken.store(true, std::memory_order_release);
    }
    m_cv.notify_one();
}

bool CAutoResetEvent::WaitOrConsume(int timeoutMs) {
    if (m_signalled.load(std::memory_order_acquire) &&
        m_signalled.exchange(false, std::memory_order_acquire)) {
        return true;
    }
    if (timeoutMs == 0) return false;

    auto consume = [this] { return m_signalled.exchange(false, std::memory_order_acquire); };
    std::unique_lock lock(m_mutex);
    if (timeoutMs < 0) {
        m_cv.wait(lock, consume);
        return true;
    }
    return m_cv.wait_for(lock, std::chrono::milliseconds(timeoutMs), consume);
}

CAutoResetEvent::EWait CAutoResetEvent::WaitOrWake(int timeoutMs) {
    auto ready = [this] {
        return m_signalled.load(std::memory_order_acquire) ||
               m_woken.load(std::memory_order_acquire);
    };
    std::unique_lock lock(m_mutex);
    if (timeoutMs < 0) {
        m_cv.wait(lock, ready);
    } else if (timeoutMs > 0) {
        m_cv.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
    }
    if (m_signalled.exchange(false, std::memory_order_acquire)) return EWait::Signalled;
    if (m_woken.exchange(false, std::memory_order_acquire)) return EWait::Woken;
    return EWait::TimedOut;
}

}  // namespace core
