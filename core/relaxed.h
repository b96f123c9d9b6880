#pragma once
// A value that two threads share without a lock. Every access is one whole,
// relaxed atomic load or store, so the instruction code can still read like
// plain arithmetic while ThreadSanitizer sees no data race. Compound
// assignments are a load followed by a store, not an atomic read-modify-write:
// only one thread ever changes these values in the middle of an instruction.
#include <atomic>

namespace core {

template <class T>
class Relaxed {
public:
    constexpr Relaxed() noexcept : m_value(T{}) {}
    constexpr Relaxed(T value) noexcept : m_value(value) {}  // NOLINT: implicit on purpose
    Relaxed(const Relaxed& other) noexcept : m_value(other.load()) {}

    T load() const noexcept { return m_value.load(std::memory_order_relaxed); }
    void store(T value) noexcept { m_value.store(value, std::memory_order_relaxed); }

    operator T() const noexcept { return load(); }  // NOLINT: implicit on purpose
    Relaxed& operator=(T value) noexcept {
        store(value);
        return *this;
    }
    Relaxed& operator=(const Relaxed& other) noexcept {
        store(other.load());
        return *this;
    }
    Relaxed& operator+=(T v) noexcept { return *this = T(load() + v); }
    Relaxed& operator-=(T v) noexcept { return *this = T(load() - v); }
    Relaxed& operator&=(T v) noexcept { return *this = T(load() & v); }
    Relaxed& operator|=(T v) noexcept { return *this = T(load() | v); }
    Relaxed& operator^=(T v) noexcept { return *this = T(load() ^ v); }

private:
    std::atomic<T> m_value;
};

}  // namespace core
