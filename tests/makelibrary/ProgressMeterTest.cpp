// The progress line: share done, speed of this run only, and a readable time left.
#include <gtest/gtest.h>

#include "ProgressMeter.h"

namespace lott {
namespace {

TEST(ProgressMeter, ShowsShareSpeedAndTimeLeft) {
    ProgressMeter fresh(0, 10000);
    EXPECT_EQ(fresh.Line(0, 0), "0 of 10000 deals (0.0 %)");
    EXPECT_EQ(fresh.Line(1240, 248),
              "1240 of 10000 deals (12.4 %), 5.0 deals/s, about 30 min left");
    EXPECT_EQ(fresh.Line(10000, 2000), "10000 of 10000 deals (100.0 %), 5.0 deals/s");

    // Resumed at 9000: the speed counts the deals of this run only.
    ProgressMeter resumed(9000, 10000);
    EXPECT_EQ(resumed.Line(9000, 5), "9000 of 10000 deals (90.0 %)");
    EXPECT_EQ(resumed.Line(9400, 100),
              "9400 of 10000 deals (94.0 %), 4.0 deals/s, about 3 min left");
}

TEST(ProgressMeter, RoughDurationRoundsUpToWhatMatters) {
    EXPECT_EQ(RoughDuration(0), "0 s");
    EXPECT_EQ(RoughDuration(0.2), "1 s");
    EXPECT_EQ(RoughDuration(59), "59 s");
    EXPECT_EQ(RoughDuration(60), "1 min");
    EXPECT_EQ(RoughDuration(61), "2 min");
    EXPECT_EQ(RoughDuration(3599), "60 min");
    EXPECT_EQ(RoughDuration(3600), "1 h 00 min");
    EXPECT_EQ(RoughDuration(3600 + 5 * 60 + 1), "1 h 06 min");
    EXPECT_EQ(RoughDuration(-3), "0 s");
}

}  // namespace
}  // namespace lott
