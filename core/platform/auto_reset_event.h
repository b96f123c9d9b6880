#pragma once
#include <atomic>
#include <condition_variable>
#include <mutex>

namespace core {

// An auto-reset event: Set() lets exactly one wait through; a set event that
// nobody waits on stays set until the next wait consumes it. Wake() is a
// lighter nudge beside it: it ends a WaitOrWake early without setting the
// event, so a waiter can do a small job (apply a pin click) and wait on.
class CAutoResetEvent {
public:
    static constexpr int kInfinite = -1;

    enum class EWait { Signalled, Woken, TimedOut };

    void Set();
    void Wake();
    // Returns true when the event was set (and is now consumed), false on
    // time-out. A time-out of 0 on an unset event costs one atomic load: the
    // worker polls like that after every instruction at full speed.
    bool Wait(int timeoutMs = kInfinite) {
        if (timeoutMs == 0 && !m_signalled.load(std::memory_order_acquire)) return false;
        return WaitOrConsume(timeoutMs);
    }
    // As Wait, and also ends (consuming the nudge) when Wake was called since
    // the last WaitOrWake. A set event wins over a nudge.
    EWait WaitOrWake(int timeoutMs = kInfinite);

private:
    bool WaitOrConsume(int timeoutMs);

    std::atomic<bool> m_signalled{false};
    std::atomic<bool> m_woken{false};
    std::mutex m_mutex;
    std::condition_variable m_cv;
};

}  // namespace core
