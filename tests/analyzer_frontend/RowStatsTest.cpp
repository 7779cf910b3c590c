// The statistics of rows built by hand in a counting table, against figures worked out by hand.
#include <cstdio>
#include <sstream>

#include "GoldenCheck.h"
#include "Indices.h"
#include "RowStats.h"

namespace lott::test {
namespace {

class RowStatsCases : public ::testing::TestWithParam<DataCase> {};

TEST_P(RowStatsCases, AsWorkedOutByHand) {
    CountingTables t;
    std::istringstream weights(GetParam().Get("weights"));
    for (std::string cell; weights >> cell;) {
        const int dev = std::stoi(cell);
        const float w = std::stof(cell.substr(cell.find(':') + 1));
        t.DevTable(KindSuit, 17, dev) += w;
        t.DevTable(KindSuit, 17, 30) += w;  // the row's sums, which are no deviations
        t.DevTable(KindSuit, 17, 29) += w * static_cast<float>(dev);
    }
    const RowStats r = RowStats::Of(t, KindSuit, 17);
    std::string line;
    for (double v :
         {r.n, r.mean, r.sd, r.ci95.low, r.ci95.high, r.exact, r.exact_ci95.low, r.exact_ci95.high,
          r.within_one, r.within_one_ci95.low, r.within_one_ci95.high, r.error}) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.6f ", v);
        line += buf;
    }
    line.pop_back();
    EXPECT_TRUE(MatchesExpected(GetParam(), line + (r.thin ? " thin\n" : "\n")));
}

INSTANTIATE_TEST_SUITE_P(Stats, RowStatsCases,
                         ::testing::ValuesIn(ReadCases(TRICKSCAN_GOLDEN_DIR "/stats/rows.cases")),
                         CaseName);

}  // namespace
}  // namespace lott::test
