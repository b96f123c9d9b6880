// Multiplexed seven-segment digits: what a program that scans them fast
// enough shows, and the flicker of one that scans too slowly.
#include "board/seven_segment.h"

#include <gtest/gtest.h>

#include <set>

#include "board_test_support.h"

using namespace board;

namespace {
constexpr int RA0 = 0, RB0 = 5;
constexpr uint8_t kOne = 0x06, kTwo = 0x5B;

struct SScan {
    bool anode;
    uint64_t digitUs;    // how long each digit stays selected
    uint64_t overlapUs;  // new segments out before the old digit is let go
};

// Shows "12" by selecting RA0 and RA1 in turn for the time given.
test::CHarness<CSevenSegment> Scan(const SScan& scan, uint64_t totalUs,
                                   std::set<std::string>* frames = nullptr) {
    SSevenSegmentWiring wiring;
    for (int s = 0; s < 8; ++s) wiring.segments[s] = RB0 + s;
    wiring.digits[0] = RA0;
    wiring.digits[1] = RA0 + 1;
    wiring.digitCount = 2;
    wiring.commonAnode = scan.anode;
    wiring.digitActiveHigh = scan.anode;
    test::CHarness<CSevenSegment> display{CSevenSegment(wiring)};
    const bool on = !scan.anode;
    for (int d = 0; d < 2; ++d) display.Out(RA0 + d, !wiring.digitActiveHigh);
    for (int digit = 0; display.Now() < totalUs; digit ^= 1) {
        const uint8_t pattern = digit == 0 ? kOne : kTwo;
        for (int s = 0; s < 8; ++s) display.Out(RB0 + s, (pattern >> s & 1) ? on : !on);
        display.Run(scan.overlapUs);
        display.Out(RA0 + (digit ^ 1), !wiring.digitActiveHigh);
        display.Out(RA0 + digit, wiring.digitActiveHigh);
        display.Run(scan.digitUs);
        if (frames) frames->insert(display.part().Text());
    }
    return display;
}

TEST(SevenSegment, FastScanShowsSteadyDigitsWithHalfTheLightEach) {
    for (bool anode : {false, true}) {
        auto display = Scan({anode, 2000, 0}, 200'000);
        EXPECT_EQ(display.part().Text(), "12") << anode;
        EXPECT_NEAR(display.part().Share(0, 1), 0.5, 0.01);  // b of the 1
        EXPECT_EQ(display.part().Share(0, 0), 0.0);          // a of the 1
        EXPECT_NEAR(display.part().Share(1, 0), 0.5, 0.01);
        EXPECT_EQ(display.part().Share(1, 7), 0.0);  // no point
    }
    // Segments changed a little before the digits are: the glimmer of the
    // next digit's segments on the old digit is no part of what it shows.
    auto ghosting = Scan({false, 2000, 50}, 200'000);
    EXPECT_EQ(ghosting.part().Text(), "12");
    EXPECT_GT(ghosting.part().Share(0, 0), 0.0);
}

TEST(SevenSegment, SlowScanFlickersFromFrameToFrame) {
    std::set<std::string> seen;
    Scan({false, 60'000, 0}, 600'000, &seen);
    EXPECT_TRUE(seen.count("1 ")) << "a frame with only the first digit";
    EXPECT_TRUE(seen.count(" 2"));
}

TEST(SevenSegment, LettersAndTheDecimalPoint) {
    EXPECT_EQ(SegmentCharacter(0x77), 'A');
    EXPECT_EQ(SegmentCharacter(0x40), '-');
    EXPECT_EQ(SegmentCharacter(0x49), '?');
    SSevenSegmentWiring single;
    for (int s = 0; s < 8; ++s) single.segments[s] = RB0 + s;
    test::CHarness<CSevenSegment> digit{CSevenSegment(single)};
    for (int s = 0; s < 8; ++s) digit.Out(RB0 + s, (0x80 | 0x7F) >> s & 1);
    digit.Run(25'000);
    EXPECT_EQ(digit.part().Text(), "8.");
}
}  // namespace
