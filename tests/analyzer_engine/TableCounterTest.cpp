// Counting deals into the tables where the rules are easiest to get wrong: half-point
// corrections, the whole suit-suit grand total, notrump weights and values beyond the tables.
// Every other count is compared byte for byte with the Python reference (tests/reference).
#include <gtest/gtest.h>

#include <cmath>

#include "TableCounter.h"

namespace lott {
namespace {

struct Counter {
    CountingTables t;
    ExpectedFreq f;
    TableCounter c{t, f};
    explicit Counter(ScanOptions o) {
        f.LoadPtValues();
        c.options = o;
        c.SetUseFlags();
    }
};

ScanOptions Standard(int trumpBy = 1) {
    ScanOptions o;
    o.SettingMode = SettingMode::Standard;
    o.TrumpBy = trumpBy == 0 ? TrumpBy::Length : TrumpBy::Score;
    o.ByLengthSelected = trumpBy == 0;
    o.ByScoreSelected = trumpBy == 1;
    return o;
}

EventCounts Ev(int d, int s, int c) {
    return {0, d, s, c};
}

TEST(UpdateTableSuit, HalfPointsMoveADealOnlyWhenTheyAddUpToAWholePoint) {
    ScanOptions o = Standard();
    o.DoubleFit = Correction::Half;
    o.Chameleon = true;
    Counter x(o);
    x.c.UpdateTableSuit(17, 17, Ev(1, 0, 0));  // +0.5: stays at 17, weight 1, event counted
    EXPECT_EQ(x.t.DevTable(0, 17, 0), 1.0f);
    EXPECT_EQ(x.t.EventTable(0, 17, 1), 1.0f);
    EXPECT_EQ(x.t.EventRate(0, 1), 1.0f);
    x.c.UpdateTableSuit(17, 17, Ev(1, 0, 1));  // +0.5 - 0.5 = 0: stays
    EXPECT_EQ(x.t.DevTable(0, 17, 0), 2.0f);
    x.c.UpdateTableSuit(17, 17, Ev(2, 0, 0));  // +1: moves to 18
    const float up = x.f(0, 1, 18) / x.f(0, 1, 17);
    EXPECT_EQ(x.t.DevTable(0, 18, -1), up);
    EXPECT_EQ(x.t.EventTable(0, 17, 1), 4.0f);  // events stay at the uncorrected length
    x.c.UpdateTableSuit(17, 17, Ev(0, 0, 1));   // a lone -0.5 moves one down
    const float down = x.f(0, 1, 16) / x.f(0, 1, 17);
    EXPECT_EQ(x.t.DevTable(0, 16, 1), down);
    EXPECT_EQ(x.t.EventTable(0, 17, 3), 2.0f);
    // The suit-suit grand total is the float sum rounded to a whole number after every deal.
    float g = 2.0f;
    g = std::nearbyint(g + up);
    g = std::nearbyint(g + down);
    EXPECT_EQ(x.t.DevTable(0, 30, 30), g);
    EXPECT_EQ(x.t.EventRate(0, 3), 2.0f / g);
}

TEST(UpdateTableSuit, DeviationsAndLengthsBeyondTheTableAreClampedIntoItsEdgeRows) {
    Counter x(Standard());
    x.c.UpdateTableSuit(7, 18, Ev(0, 0, 0));  // d = -11
    EXPECT_EQ(x.t.DevTable(0, 18, -10), 1.0f);
    EXPECT_EQ(x.t.DevTable(0, 30, -10), 1.0f);
    EXPECT_EQ(x.t.DevTable(0, 18, 29), -11.0f);
    EXPECT_EQ(x.t.DevMean(0, 18), -11.0f);
    EXPECT_EQ(x.t.DevAbsMean(0, 30), 11.0f);
    x.c.UpdateTableSuit(30, 0, Ev(0, 0, 0));  // d = +30 would hit the sum cells
    EXPECT_EQ(x.t.DevTable(0, 0, 27), 1.0f);
    EXPECT_EQ(x.t.DevTable(0, 0, 28), 30.0f);
    EXPECT_EQ(x.t.DevTable(0, 0, 30), 1.0f);
    x.c.UpdateTableSuit(26, 31, Ev(0, 0, 0));  // a length past the rows goes to row 29
    EXPECT_EQ(x.t.DevTable(0, 29, -5), 1.0f);
    EXPECT_EQ(x.t.DevTable(0, 30, 30), 3.0f);
}

TEST(UpdateTableNT, FormulasPredictByShortnessAndWeighCappedAt149) {
    ScanOptions o = Standard(1);
    o.NTFormula = 1;  // +8, +7, +6
    Counter x(o);
    // 8 trumps + 7 = 15, no shortness: predicted at 14; by Score 13..17 weighs.
    x.c.UpdateTableNT(15, 15, Ev(1, 0, 0));
    const float w = x.f(-1, 1, 14) / x.f(-1, 1, 15);
    EXPECT_EQ(x.t.DevTable(-1, 14, 1), w);
    EXPECT_EQ(x.t.EventTable(-1, 14, 1), w);
    EXPECT_EQ(x.t.DevTable(-1, 30, 30), w);  // not rounded
    EXPECT_EQ(x.t.EventRate(-1, 1), 1.0f);
    // A void with 9,8,7 on 8 trumps: predicted at 17.
    ScanOptions o2 = Standard(1);
    o2.NTFormula = 2;
    Counter y(o2);
    y.c.UpdateTableNT(16, 15, Ev(0, 0, 1));
    EXPECT_EQ(y.t.DevTable(-1, 17, -1), std::min(y.f(-1, 1, 17) / y.f(-1, 1, 15), 1.49f));
    // 13 -> 14 by Score is a ratio of about 19: capped.
    y.c.UpdateTableNT(14, 13, Ev(0, 1, 0));
    EXPECT_EQ(y.t.DevTable(-1, 14, 0), 1.49f);
}

}  // namespace
}  // namespace lott
