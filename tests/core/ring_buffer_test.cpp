// The bounded sequence behind the event log: oldest first, the oldest
// dropped when full, slots reused after pop_back also across the wrap.
#include "core/ring_buffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::vector<std::string> Items(const core::CRingBuffer<std::string>& ring) {
    std::vector<std::string> items;
    for (size_t index = 0; index < ring.size(); ++index) items.push_back(ring[index]);
    return items;
}

TEST(RingBufferTest, DropsTheOldestWhenFullAndKeepsOrderAcrossTheWrap) {
    core::CRingBuffer<std::string> ring(3);
    EXPECT_TRUE(ring.empty());
    for (const char* item : {"a", "b", "c", "d", "e"}) ring.push_back(item);
    EXPECT_EQ(Items(ring), (std::vector<std::string>{"c", "d", "e"}));
    EXPECT_EQ(ring.back(), "e");

    // Popping across the wrap, then filling again.
    ring.pop_back();
    ring.pop_back();
    EXPECT_EQ(Items(ring), (std::vector<std::string>{"c"}));
    ring.push_back("f");
    ring.push_back("g");
    ring.push_back("h");
    EXPECT_EQ(Items(ring), (std::vector<std::string>{"f", "g", "h"}));
}

TEST(RingBufferTest, PopBackWhileGrowingReusesTheSlot) {
    core::CRingBuffer<std::string> ring(4);
    ring.push_back("a");
    ring.push_back("b");
    ring.pop_back();
    ring.push_back("c");
    ring.push_back("d");
    EXPECT_EQ(Items(ring), (std::vector<std::string>{"a", "c", "d"}));
}
}  // namespace
