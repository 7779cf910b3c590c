// Counting deals into the tables: weights, corrections, notrump formulas, means and totals.
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
    o.TrumpBy = static_cast<TrumpBy>(trumpBy);
    o.ByLengthSelected = trumpBy == 0;
    o.ByScoreSelected = trumpBy == 1;
    return o;
}

EventCounts Ev(int d, int s, int c) {
    return {0, d, s, c};
}

TEST(ExpectedFreq, RelativeFrequenciesWithTheTotalAtLength30) {
    ExpectedFreq f;
    f.LoadPtValues();
    EXPECT_EQ(f(0, 0, 30), 457495.0f);
    EXPECT_EQ(f(-1, 1, 30), 231881.0f);
    EXPECT_EQ(f(0, 0, 16), 114308.0f / 457495.0f);
    EXPECT_EQ(f(-1, 0, 12), 1.0f / 259607.0f);
    EXPECT_EQ(f(0, 1, 9), 0.0f);
    EXPECT_EQ(f(0, 0, 26), 0.0f);
    float sum = 0;
    for (int l = 0; l < 30; ++l) sum += f(0, 1, l);
    EXPECT_NEAR(sum, 1.0f, 1e-6f);
}

TEST(UpdateTableSuit, FirstDealSetsEveryMeanAndLaterDealsAverage) {
    Counter x(Standard());
    x.c.UpdateTableSuit(15, 17, Ev(0, 0, 0));  // d = -2
    EXPECT_EQ(x.t.DevTable(0, 17, -2), 1.0f);
    EXPECT_EQ(x.t.DevTable(0, 17, 30), 1.0f);
    EXPECT_EQ(x.t.DevTable(0, 30, -2), 1.0f);
    EXPECT_EQ(x.t.DevTable(0, 30, 30), 1.0f);
    EXPECT_EQ(x.t.DevMean(0, 17), -2.0f);
    EXPECT_EQ(x.t.DevAbsMean(0, 17), 2.0f);
    EXPECT_EQ(x.t.DevMean(0, 30), -2.0f);
    EXPECT_EQ(x.t.DevAbsMean(0, 30), 2.0f);
    x.c.UpdateTableSuit(18, 17, Ev(0, 0, 0));  // d = +1
    x.c.UpdateTableSuit(20, 16, Ev(0, 0, 0));  // d = +4
    EXPECT_EQ(x.t.DevMean(0, 17), -0.5f);
    EXPECT_EQ(x.t.DevAbsMean(0, 17), 1.5f);
    EXPECT_EQ(x.t.DevMean(0, 30), 1.0f);
    EXPECT_EQ(x.t.DevAbsMean(0, 30), 7.0f / 3.0f);
    EXPECT_EQ(x.t.DevTable(0, 30, 29), 3.0f);
    EXPECT_EQ(x.t.DevTable(0, 30, 28), 7.0f);
    // Without corrections no event is counted, although the deal had some.
    x.c.UpdateTableSuit(18, 17, Ev(2, 1, 1));
    EXPECT_EQ(x.t.EventTable(0, 17, 1), 0.0f);
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

TEST(UpdateTableSuit, OutsideFourteenToTwentyTwoAMovedDealWeighsOne) {
    ScanOptions o = Standard(0);
    o.SolidTrump = Correction::One;
    Counter x(o);
    x.c.UpdateTableSuit(24, 23, Ev(0, 2, 0));  // 23 + 2 = 25, weight 1
    EXPECT_EQ(x.t.DevTable(0, 25, -1), 1.0f);
    x.c.UpdateTableSuit(20, 13, Ev(0, 1, 0));
    EXPECT_EQ(x.t.DevTable(0, 14, 6), 1.0f);
    // Moved to a length the library never had: weight 0, and a total of 0 leaves means alone.
    Counter y(o);
    y.c.UpdateTableSuit(22, 22, Ev(0, 2, 0));  // 22 -> 24 by Length: 65 / 1824
    EXPECT_EQ(y.t.DevTable(0, 24, -2), y.f(0, 0, 24) / y.f(0, 0, 22));
    EXPECT_EQ(y.t.DevTable(0, 30, 30), 0.0f);
    EXPECT_EQ(y.t.DevMean(0, 30), 0.0f);
    EXPECT_EQ(y.t.EventRate(0, 2), 0.0f);
    EXPECT_EQ(y.t.EventTable(0, 22, 2), 2.0f);
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

TEST(UpdateTableSuit, FiltersCountOnlyTheirDealsAndOstrevanCountsNoEvents) {
    ScanOptions o = Standard();
    o.Filter = DealFilter::S1;
    o.DoubleFit = Correction::One;
    Counter x(o);
    x.c.UpdateTableSuit(17, 17, Ev(1, 0, 0));
    x.c.UpdateTableSuit(17, 17, Ev(1, 2, 0));
    EXPECT_EQ(x.t.DevTable(0, 30, 30), 0.0f);
    x.c.UpdateTableSuit(17, 17, Ev(0, 1, 0));
    EXPECT_EQ(x.t.DevTable(0, 30, 30), 1.0f);

    ScanOptions ost = o;
    ost.SettingMode = SettingMode::Ostrevan;
    Counter y(ost);
    y.c.UpdateTableSuit(17, 16, Ev(2, 1, 1));  // no filter, no correction, no event
    EXPECT_EQ(y.t.DevTable(0, 16, 1), 1.0f);
    EXPECT_EQ(y.t.EventTable(0, 16, 1), 0.0f);
    EXPECT_EQ(y.t.EventRate(0, 1), 0.0f);
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
    // By Length the weights start at 14: 13 keeps weight 1.
    ScanOptions o3 = Standard(0);
    o3.NTFormula = 2;
    Counter z(o3);
    z.c.UpdateTableNT(14, 13, Ev(0, 1, 0));
    EXPECT_EQ(z.t.DevTable(-1, 14, 0), 1.0f);
    // Quenby leaves every deal at its length with weight 1.
    Counter q(Standard(1));
    q.c.UpdateTableNT(15, 15, Ev(0, 0, 1));
    EXPECT_EQ(q.t.DevTable(-1, 15, 0), 1.0f);
    EXPECT_EQ(q.t.EventTable(-1, 15, 3), 1.0f);
}

TEST(UpdateTableNT, GrandTotalKeepsFractions) {
    ScanOptions o = Standard(1);
    o.NTFormula = 1;
    Counter x(o);
    float g = 0;
    for (int i = 0; i < 5; ++i) {
        x.c.UpdateTableNT(16, 16, Ev(0, 1, 0));  // stays at 16, weight 1
        x.c.UpdateTableNT(15, 16, Ev(1, 0, 0));  // 16 -> 15
        g += 1.0f;
        g += std::min(x.f(-1, 1, 15) / x.f(-1, 1, 16), 1.49f);
    }
    EXPECT_EQ(x.t.DevTable(-1, 30, 30), g);
    EXPECT_NE(g, std::floor(g));
}

}  // namespace
}  // namespace lott
