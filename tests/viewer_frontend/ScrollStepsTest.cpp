// The scroll bar's step sizes and the deals its positions land on.
#include <gtest/gtest.h>

#include "ScrollSteps.h"

namespace lott {
namespace {

TEST(ScrollSteps, ThePublishedLibrary) {
    ScrollSteps s(717102);
    EXPECT_EQ(s.LargeChange(), 46);
    EXPECT_EQ(s.SmallChange(), 5);
    EXPECT_EQ(s.DealAt(0), 1);
    EXPECT_EQ(s.DealAt(1), 1);           // 21.9 deals: below 100
    EXPECT_EQ(s.DealAt(4), 1);           // 87.5: still below 100
    EXPECT_EQ(s.DealAt(5), 100);         // 109.4
    EXPECT_EQ(s.DealAt(100), 2100);      // 2188.5: whole hundreds
    EXPECT_EQ(s.DealAt(32766), 717000);  // 717080.1
    EXPECT_EQ(s.DealAt(32767), 717102);  // the right end: the last deal itself
}

TEST(ScrollSteps, StepsStayWithinTheScrollBarForAnySize) {
    for (std::int32_t count : {1, 2, 3, 30, 3276, 32767, 65534, 100000000, INT32_MAX}) {
        ScrollSteps s(count);
        SCOPED_TRACE(count);
        EXPECT_GE(s.LargeChange(), 1);
        EXPECT_LE(s.LargeChange(), 32767);
        EXPECT_GE(s.SmallChange(), 1);
        EXPECT_LE(s.SmallChange(), 32767);
        EXPECT_GE(s.LargeChange(), s.SmallChange());
        for (int v : {0, 1, 100, 16383, 16384, 32766, 32767}) {
            EXPECT_GE(s.DealAt(v), 1);
            EXPECT_LE(s.DealAt(v), count);
        }
        EXPECT_EQ(s.DealAt(32767), count);
    }
    EXPECT_EQ(ScrollSteps(3).LargeChange(), 32767);
    EXPECT_EQ(ScrollSteps(INT32_MAX).SmallChange(), 1);
    EXPECT_EQ(ScrollSteps(32767).SmallChange(), 100);
    EXPECT_EQ(ScrollSteps(0).DealAt(5), 0);
    EXPECT_EQ(ScrollSteps(1000).DealAt(-5), 1);
    EXPECT_EQ(ScrollSteps(1000).DealAt(99999), 1000);
}

TEST(ScrollSteps, RoundingHalvesGoToEven) {
    EXPECT_EQ(ScrollSteps::RoundHalfEven(2.5), 2);
    EXPECT_EQ(ScrollSteps::RoundHalfEven(3.5), 4);
    EXPECT_EQ(ScrollSteps::RoundHalfEven(-0.5), 0);
    EXPECT_EQ(ScrollSteps::RoundHalfEven(4.5000001), 5);
    // 65534 deals: 2 deals a unit, so 100 deals are exactly 50 units and 1000 are 500.
    ScrollSteps s(65534);
    EXPECT_EQ(s.SmallChange(), 50);
    EXPECT_EQ(s.LargeChange(), 500);
}

}  // namespace
}  // namespace lott
