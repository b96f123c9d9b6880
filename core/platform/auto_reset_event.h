#pragma once
#include <atomic>
#include <condition_variable>
#include <mutex>

// An auto-reset event: Set() lets exactly one wait through; a set event that
// nobody waits on stays set until the next wait consumes it.
class CAutoResetEvent {
public:
    static constexpr int kInfinite = -1;

    void Set();
    // Returns true when the event was set (and is now consumed), false on
    // time-out. A time-out of 0 on an unset event costs one atomic load: the
    // worker polls like that after every instruction at full speed.
    bool Wait(int timeoutMs = kInfinite) {
        if (timeoutMs == 0 && !m_signalled.load(std::memory_order_acquire)) return false;
        return WaitOrConsume(timeoutMs);
    }

private:
    bool WaitOrConsume(int timeoutMs);

    std::atomic<bool> m_signalled{false};
    std::mutex m_mutex;
    std::condition_variable m_cv;
};
