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
    // time-out. A time-out of 0 on an unset event takes no lock.
    bool Wait(int timeoutMs = kInfinite);

private:
    std::atomic<bool> m_signalled{false};
    std::mutex m_mutex;
    std::condition_variable m_cv;
};
