#pragma once
// Settings the run loop keeps copies of between instructions: the program
// image, ProgramEnd and the breakpoints. The user-interface thread may change
// them while a program runs. Every store bumps one process-wide counter, so
// the loop learns whether its copies are still current, and no writer can
// forget to tell it.
#include <atomic>
#include <cstdint>

#include "core/relaxed.h"

namespace core {

// The one place where anything the run loop must notice between two passes
// is signalled, from whichever thread: a store to a Watched setting (below),
// a reset for a load, a queued pin click or other input, a request for a new
// history, a message box, an event waiting for its stamp at the end of the
// pass. The loop reads this counter once per pass and looks at the
// particular sources only when it is not zero (clearing it first), so a new
// kind of outside change costs the loop nothing as long as its writer calls
// SignalRunLoop after its own store.
extern std::atomic<uint32_t> Attention;

// Released after the writer's own stores, so a loop that sees the new count
// also sees what the writer stored.
inline void SignalRunLoop() {
    Attention.fetch_add(1, std::memory_order_release);
}

extern std::atomic<uint32_t> WiringVersion;

// Counts the resets the user-interface thread makes of W, PC and the bank
// while a run may be going on (loading a program); each one also counts as a
// change of the settings, so the loop looks at this only then.
extern std::atomic<uint32_t> OutsideResets;

template <class T>
class Watched {
public:
    constexpr Watched() noexcept = default;
    constexpr Watched(T value) noexcept : m_value(value) {}  // NOLINT: implicit on purpose
    Watched(const Watched&) = delete;

    T load() const noexcept { return m_value.load(); }
    void store(T value) noexcept {
        m_value.store(value);
        // Released after the value, so a reader that sees the new count also
        // sees the value.
        WiringVersion.fetch_add(1, std::memory_order_release);
        SignalRunLoop();
    }

    operator T() const noexcept { return load(); }  // NOLINT: implicit on purpose
    Watched& operator=(T value) noexcept {
        store(value);
        return *this;
    }
    Watched& operator=(const Watched& other) noexcept { return *this = other.load(); }
    Watched& operator|=(T v) noexcept { return *this = T(load() | v); }
    Watched& operator&=(T v) noexcept { return *this = T(load() & v); }

private:
    Relaxed<T> m_value;
};

}  // namespace core
