// The analysis of one deal as a scan makes it, case by case from data/deals.txt: contracts of
// both pairs, the notrump step, the events and the cache's bytes of each pass.
#include <gtest/gtest.h>

#include <sstream>

#include "DataCases.h"
#include "DealAnalysis.h"
#include "EngineTestDeals.h"

namespace lott {
namespace {

// The library's four digits of a strain from "9/4" (W-E seats take 9 tricks, N-S seats 4) or
// "9,4,10,4" (West, North, East, South): North-South tricks for declarers East, North, West, South.
std::string Digits(const std::string& text) {
    int w = 0, n = 0, e = 0, s = 0;
    char sep = 0;
    std::istringstream in(text);
    in >> w >> sep >> n;
    if (sep == '/') {
        e = w, s = n;
    } else {
        in >> sep >> e >> sep >> s;
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    return {kHex[13 - e], kHex[n], kHex[13 - w], kHex[s]};
}

std::string Describe(const PassResult& r, bool notrumpStep) {
    static const char* const kStrain[] = {"NT", "S", "H", "D", "C"};
    static const char* const kSeat[] = {"W", "N", "E", "S", "WE", "NS"};
    std::ostringstream out;
    for (const ContractRec& c : r.Contract)
        out << kStrain[c.Strain + 1] << c.Tricks << 't' << c.Trumps << kSeat[c.Declarer] << ' ';
    out << r.TotalTricks << '/' << r.TotalTrumps;
    if (!notrumpStep) return out.str();
    if (r.NTCount != 0) {
        out << " nt " << static_cast<int>(r.NTShape);
    } else {
        out << " ev " << r.EventCount[1] << ' ' << r.EventCount[2] << ' ' << r.EventCount[3];
    }
    out << std::hex << " cache " << int(r.totals) << ' ' << int(r.code);
    return out.str();
}

class DealCase : public ::testing::TestWithParam<test::DataCase> {};

TEST_P(DealCase, PassesMatchTheExpectedLines) {
    const test::DataCase& c = GetParam();
    std::istringstream in(c.Get("hands") + ' ' + c.Get("tricks"));
    std::array<std::string, 9> words;
    for (std::string& w : words) in >> w;
    Deal deal;
    test::LoadRecord(test::MakeRecord({words[0], words[1], words[2], words[3]},
                                      {Digits(words[4]), Digits(words[5]), Digits(words[6]),
                                       Digits(words[7]), Digits(words[8])}),
                     deal);
    DealAnalysis a(deal);
    int doubleNT = 0;
    a.DebugMode = true;
    a.onDoubleNT = [&](std::int32_t) { ++doubleNT; };
    DealPasses p;
    a.AnalyseDecodedDeal(p);
    std::ostringstream out;
    out << "hcp " << p.PairHCP[0] << ' ' << p.PairHCP[1] << " bands " << int(p.hcpBands) << '\n'
        << "first " << Describe(p.first, false) << '\n'
        << "length " << Describe(p.byLength, true) << '\n'
        << "score " << Describe(p.byScore, true) << '\n';
    if (doubleNT != 0) out << "doubleNT " << doubleNT << '\n';
    EXPECT_TRUE(test::MatchesExpected(c, out.str()));
}

INSTANTIATE_TEST_SUITE_P(Deals, DealCase,
                         ::testing::ValuesIn(test::ReadCases(TRICKSCAN_ENGINE_DATA "/deals.txt")),
                         test::CaseName);

TEST(Events, CheckQxxWantsThreeCardsLedByTheQueen) {
    for (const char* qxx : {"QJT", "Q32"}) EXPECT_EQ(DealAnalysis::CheckQxx(Holding(qxx)), 1);
    for (const char* no : {"KQ2", "Q2", "QJ32", ""})
        EXPECT_EQ(DealAnalysis::CheckQxx(Holding(no)), 0);
}

}  // namespace
}  // namespace lott
