// A bouncing push button: its edges stay inside the bounce time, settle at
// the pressed level, and come out the same whenever the run is replayed,
// from the start or from a copy taken half way.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "board/push_button.h"
#include "board_test_support.h"

using namespace board;

namespace {
constexpr int RA4 = 4;
using Edges = std::vector<std::pair<uint64_t, bool>>;

// Every change of the pin's level until the button asks for no more calls.
Edges Follow(test::CHarness<CButton>& button) {
    Edges edges;
    bool level = button.Level(RA4);
    while (button.Step().due != kNever) {
        button.RunTo(button.Step().due);
        if (button.Level(RA4) != level) edges.emplace_back(button.Now(), level = !level);
    }
    return edges;
}

test::CHarness<CButton> Bouncing(uint64_t seed) {
    test::CHarness<CButton> button{CButton(RA4, false, {3, 2e-3}, seed)};
    button.In(RA4);
    button.Run(1000);
    return button;
}

TEST(Button, BounceStaysInItsTimeAndSettlesPressed) {
    auto button = Bouncing(7);
    EXPECT_TRUE(button.Level(RA4)) << "released: the resistor's level";
    button.part().Press(button.Now());
    button.Call();
    EXPECT_FALSE(button.Level(RA4)) << "the first contact at once";
    const Edges press = Follow(button);
    ASSERT_EQ(press.size(), 6u);  // three times open and closed again
    for (size_t i = 0; i < press.size(); ++i) {
        EXPECT_EQ(press[i].second, i % 2 == 0);
        EXPECT_GT(press[i].first, 1000u);
        EXPECT_LE(press[i].first, 3000u);
        if (i > 0) {
            EXPECT_GT(press[i].first, press[i - 1].first);
        }
    }
    EXPECT_FALSE(button.Level(RA4));
    button.Run(5000);
    button.part().Release(button.Now());
    button.Call();
    const Edges release = Follow(button);
    EXPECT_EQ(release.size(), 6u);
    EXPECT_TRUE(button.Level(RA4));
}

TEST(Button, BounceReplaysExactlyAndFollowsTheSeed) {
    auto first = Bouncing(7);
    auto replay = Bouncing(7);
    auto other = Bouncing(8);
    for (auto* b : {&first, &replay, &other}) {
        b->part().Press(b->Now());
        b->Call();
    }
    // A copy taken in the middle of the bounce, as a keyframe of the
    // history holds it, goes on with the same edges.
    first.RunTo(first.Step().due);
    auto fromKeyframe = first;
    const Edges edges = Follow(first);
    EXPECT_EQ(Follow(fromKeyframe), edges);
    const Edges replayed = Follow(replay);
    EXPECT_EQ(Edges(replayed.end() - static_cast<long>(edges.size()), replayed.end()), edges);
    EXPECT_NE(Follow(other), replayed);
}

TEST(Button, WithoutBounceOneEdgeEachWay) {
    test::CHarness<CButton> button{CButton(RA4, true, {}, 1)};
    button.In(RA4, false);
    EXPECT_FALSE(button.Level(RA4));
    button.part().Press(0);
    button.Call();
    EXPECT_TRUE(button.Level(RA4));
    EXPECT_EQ(button.Step().due, kNever);
}
}  // namespace
