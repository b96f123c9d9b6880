#pragma once
// A sequence of at most a fixed number of items that drops its oldest to
// make room for a new one. Once it has grown to its capacity it reuses its
// slots, so keeping an item never allocates: the event log keeps one for
// every interrupt of a program running at full speed.
#include <cstddef>
#include <utility>
#include <vector>

namespace core {

template <class T>
class CRingBuffer {
public:
    explicit CRingBuffer(size_t capacity) : m_capacity(capacity) {}

    size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    // The items oldest first: 0 is the oldest, size() - 1 the newest.
    const T& operator[](size_t index) const { return m_slots[Slot(index)]; }
    const T& back() const { return (*this)[m_size - 1]; }

    void push_back(T&& item) { Append() = std::move(item); }
    // The slot of a new newest item, to be filled in place: the oldest
    // item's when full, else one that pop_back left or a fresh one.
    T& Append() {
        if (m_size == m_capacity) {
            T& slot = m_slots[m_first];
            m_first = Slot(1);
            return slot;
        }
        ++m_size;
        if (m_size <= m_slots.size()) return m_slots[Slot(m_size - 1)];
        // All at once, so that growing never moves the items.
        if (m_slots.capacity() == 0) m_slots.reserve(m_capacity);
        return m_slots.emplace_back();
    }
    void pop_back() { --m_size; }

private:
    // Until the buffer first fills, m_first is 0 and the slots are in order.
    size_t Slot(size_t index) const {
        const size_t slot = m_first + index;
        return slot >= m_capacity ? slot - m_capacity : slot;
    }

    size_t m_capacity;
    std::vector<T> m_slots;
    size_t m_first = 0;
    size_t m_size = 0;
};

}  // namespace core
