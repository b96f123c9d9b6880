#pragma once
// Settings the run loop keeps copies of between instructions: the program
// image, ProgramEnd and the breakpoints. The user-interface thread may change
// them while a program runs. Every store bumps one process-wide counter, so
// the loop learns with one load per instruction whether its copies are still
// current, and no writer can forget to tell it.
#include <atomic>
#include <cstdint>

#include "relaxed.h"

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
