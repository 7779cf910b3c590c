// Suit contracts, competition, the notrump step and the correction events of one deal.
#include <gtest/gtest.h>

#include "DealAnalysis.h"
#include "EngineTestDeals.h"

namespace lott {
namespace {

using test::All;
using test::BuildRecord;
using test::kBalanced;
using test::Pairs;
using test::SeatTricks;

struct Analysed {
    Deal deal;
    DealAnalysis a{deal};
    std::array<std::int32_t, 2> hcp{};
    Analysed(const std::array<std::string_view, 4>& hands, const std::array<SeatTricks, 5>& t,
             int forbid = 0) {
        test::LoadRecord(BuildRecord(hands, t), deal);
        a.ForbidArtificial = forbid;
        a.AnalyseLoadedDeal(hcp);
    }
};

TEST(SuitContracts, ByLengthPlaysTheLongestFitsAndSumsTheTotals) {
    // NT, S, H, D, C
    Analysed x(kBalanced, {Pairs(8, 5), Pairs(9, 4), Pairs(6, 7), Pairs(9, 4), Pairs(8, 5)});
    EXPECT_EQ(x.hcp[0], 29);
    EXPECT_EQ(x.hcp[1], 11);
    EXPECT_EQ(x.a.Contract[0], (ContractRec{4, 9, 7, 0, 90}));  // W-E spades, pair declares
    EXPECT_EQ(x.a.Contract[1], (ContractRec{5, 7, 7, 1, 30}));  // N-S hearts
    EXPECT_EQ(x.a.TotalTricks, 16);
    EXPECT_EQ(x.a.TotalTrumps, 14);
    EXPECT_EQ(x.a.BestTrickSuit[0], 0);  // spades and diamonds 9: spades, not longer diamonds
    EXPECT_EQ(x.a.BestTrickSuit[1], 1);
}

TEST(SuitContracts, ByScoreFallsBackToTheBestTrickSuitWhenNothingScores) {
    // N-S take at most 6 tricks in every suit; their best tricks are clubs.
    Analysed x(kBalanced, {Pairs(8, 5), Pairs(10, 3), Pairs(6, 5), Pairs(9, 4), Pairs(8, 6)});
    x.a.SetContractByScore();
    EXPECT_EQ(x.a.Contract[0].Strain, 0);
    EXPECT_EQ(x.a.Contract[0].Score, 120);
    EXPECT_EQ(x.a.Contract[1].Strain, 3);
    EXPECT_EQ(x.a.Contract[1].Score, 0);
    EXPECT_EQ(x.a.TotalTricks, 16);
    EXPECT_EQ(x.a.TotalTrumps, 7 + 7);
    // A pair whose contract scores nothing never competes.
    x.a.Competition(1);
    EXPECT_EQ(x.a.Contract[1].Strain, 3);
}

TEST(SuitContracts, NoTricksAnywherePlaysHeartsWhenTheHeartFitIsLonger) {
    // N-S hold 7 hearts and 6 spades and take no trick in any strain.
    Analysed x(kBalanced, {Pairs(13, 0), Pairs(13, 0), Pairs(13, 0), Pairs(13, 0), Pairs(13, 0)});
    x.a.SetContractByScore();
    EXPECT_EQ(x.a.Contract[1].Strain, 1);
    EXPECT_EQ(x.a.Contract[1].Tricks, 0);
}

TEST(SuitContracts, AnOutbidPairSwitchesToItsBestTrickSuitOncePair1SeesPair0sSwitch) {
    // N-S: 2 spades (60) and 3 diamonds (60) score alike: spades by suit order, diamonds by
    // tricks. W-E's 3 spades outbid 2 spades, so N-S switch to diamonds.
    Analysed x(kBalanced, {Pairs(7, 5), Pairs(9, 8), Pairs(6, 5), Pairs(7, 9), Pairs(6, 5)});
    x.a.SetContractByScore();
    EXPECT_EQ(x.a.Contract[1].Strain, 0);
    EXPECT_EQ(x.a.BestTrickSuit[1], 2);
    x.a.Competition(1);
    EXPECT_EQ(x.a.Contract[1].Strain, 2);
    EXPECT_EQ(x.a.Contract[1].Tricks, 9);
    EXPECT_EQ(x.a.Contract[0].Strain, 0);  // W-E at 9 spades are not outbid by 9 diamonds
    // Competition leaves the totals to the notrump step.
    EXPECT_EQ(x.a.TotalTricks, 9 + 8);
}

TEST(SuitContracts, ForbidArtificialTakesTheNaturalDeclarersTricks) {
    // West (4 spades, 19 HCP) takes 9 spade tricks, East 10.
    SeatTricks s{9, 4, 10, 4};
    Analysed allow(kBalanced, {Pairs(8, 5), s, Pairs(6, 7), Pairs(9, 4), Pairs(8, 5)}, 0);
    Analysed forbid(kBalanced, {Pairs(8, 5), s, Pairs(6, 7), Pairs(9, 4), Pairs(8, 5)}, -1);
    EXPECT_EQ(allow.a.Contract[0].Declarer, East);
    EXPECT_EQ(allow.a.Contract[0].Tricks, 10);
    EXPECT_EQ(forbid.a.Contract[0].Declarer, West);
    EXPECT_EQ(forbid.a.Contract[0].Tricks, 9);
}

// The notrump decision for W-E with the given notrump and suit tricks (N-S weak everywhere).
DealAnalysis& NotrumpCase(Analysed& x) {
    x.a.SetContractByScore();
    x.a.ProcNT(1);
    return x.a;
}

TEST(NotrumpStep, ScoresDecideTiesGoToNotrumpExceptFourAndFiveHearts) {
    struct Case {
        int ntTricks, suit, suitTricks;
        bool notrump;
    };
    const Case cases[] = {
        {8, 0, 10, false},   // 2NT 70 against 4 spades 120
        {9, 3, 11, true},    // 3NT 100 against 5 clubs 100
        {10, 1, 10, false},  // 4NT 130 against 4 hearts 120
        {10, 0, 10, true},   // 4NT against 4 spades
        {9, 1, 9, true},     // 3NT 100 against 3 hearts 90
        {11, 1, 11, false},  // 5NT 160 against 5 hearts 150
        {6, 3, 6, false},    // no notrump contract below 7 tricks
    };
    for (const Case& c : cases) {
        std::array<SeatTricks, 5> t = {Pairs(c.ntTricks, 4), Pairs(5, 5), Pairs(5, 5), Pairs(5, 5),
                                       Pairs(5, 5)};
        t[c.suit + 1] = Pairs(c.suitTricks, 5);
        Analysed x(kBalanced, t);
        DealAnalysis& a = NotrumpCase(x);
        EXPECT_EQ(a.NTCount, c.notrump ? 1 : 0) << c.ntTricks << " " << c.suit;
        EXPECT_EQ(a.Contract[0].Strain, c.notrump ? -1 : c.suit);
        if (c.notrump) {
            // The suit side N-S (hearts, 7 cards, no shortness) is predicted at trumps + 7.
            EXPECT_EQ(a.NTShape, Shortness::Doubleton);
            EXPECT_EQ(a.TotalTrumps, a.Contract[1].Trumps + 7);
            EXPECT_EQ(a.TotalTricks, c.ntTricks + a.Contract[1].Tricks);
            // The notrump contract keeps the fit of the suit it replaced.
            EXPECT_EQ(a.Contract[0].Trumps, x.deal.SideStrain[0][c.suit].FitLen);
        }
    }
}

TEST(NotrumpStep, BothPairsQualifyMoreTricksThenNorthAgainstWestPoints) {
    std::array<SeatTricks, 5> t = {Pairs(9, 9), Pairs(7, 6), Pairs(6, 8), Pairs(6, 6), Pairs(6, 6)};
    int doubleNT = 0;
    {
        Analysed x(kBalanced, t);  // West 19 HCP, North 11: W-E keep notrump
        x.a.DebugMode = true;
        x.a.onDoubleNT = [&](std::int32_t) { ++doubleNT; };
        DealAnalysis& a = NotrumpCase(x);
        EXPECT_EQ(a.NTCount, 1);
        EXPECT_EQ(a.NTSide[0], 1);
        EXPECT_EQ(a.NTSide[1], 0);
        EXPECT_EQ(doubleNT, 1);
    }
    t[0] = Pairs(9, 10);
    {
        Analysed x(kBalanced, t);
        DealAnalysis& a = NotrumpCase(x);
        EXPECT_EQ(a.NTSide[0], 0);
        EXPECT_EQ(a.NTSide[1], 1);
        EXPECT_EQ(a.Contract[1].Strain, -1);
        EXPECT_EQ(a.Contract[0].Strain, 0);
    }
    // Equal notrump tricks and North's points equal to West's: W-E play notrump.
    const std::array<std::string_view, 4> equalPoints = {"AKQ2.432.432.432", "T987.AKQ.765.765",
                                                         "J654.8765.AKQ.T9", "3.JT9.JT98.AKQJ8"};
    t[0] = Pairs(9, 9);
    Analysed x(equalPoints, t);
    ASSERT_EQ(x.deal.HCP[West], x.deal.HCP[North]);
    DealAnalysis& a = NotrumpCase(x);
    EXPECT_EQ(a.NTSide[0], 1);
    EXPECT_EQ(a.NTSide[1], 0);
}

TEST(NotrumpStep, ShortnessClassOfTheSuitSide) {
    // N-S: North a spade singleton, South a heart void; trumps diamonds or clubs.
    const std::array<std::string_view, 4> hands = {"AKQJ.AKQ.432.432", "T.JT98.AKQJ.JT98",
                                                   "98765.765.T98.AK", "432..7665.Q765"};
    Deal deal;
    DealAnalysis a(deal);
    // Hands above are not a deal (two sixes); only the lengths matter here.
    for (int seat = 0; seat < 4; ++seat) {
        std::string h(hands[seat]);
        for (int s = 0; s < 4; ++s) deal.Hand[seat][s] = Holding(SplitSuit(h));
    }
    deal.CountLengths();
    EXPECT_EQ(a.ShortnessClass(1, 2), Shortness::Void);  // void and singleton: the void
    EXPECT_EQ(a.ShortnessClass(1, 1),
              Shortness::Singleton);  // the void is the trump suit: the singleton
    EXPECT_EQ(a.ShortnessClass(0, 0), Shortness::Doubleton);
}

TEST(Events, DoubleFitsSolidTrumpsChameleons) {
    // W-E: spades AKQ, 8 cards each in spades, hearts and diamonds; N-S: 11 clubs with AKQ.
    const std::array<std::string_view, 4> hands = {"AKQ6.AKQJ.AKQ.32", "JT9.65.65.AKQJT9",
                                                   "5432.T987.JT987.", "87.432.432.87654"};
    Analysed x(hands, {All(7), All(7), All(7), All(7), All(7)});
    ASSERT_EQ(x.a.Contract[0].Strain, 0);
    ASSERT_EQ(x.a.Contract[1].Strain, 3);
    x.a.GetSuitEventCorr();
    EXPECT_EQ(x.a.EventCount[1], 1);  // two side fits of one pair count once
    EXPECT_EQ(x.a.EventCount[2], 2);
    EXPECT_EQ(x.a.EventCount[3], 0);
    // North's spades QT9 are a chameleon queen against W-E's spades; W-E lose their solidity.
    const std::array<std::string_view, 4> cham = {"AKJ6.AKQJ.AKQ.32", "QT9.65.65.AKQJT9",
                                                  "5432.T987.JT987.", "87.432.432.87654"};
    Analysed y(cham, {All(7), All(7), All(7), All(7), All(7)});
    y.a.GetSuitEventCorr();
    EXPECT_EQ(y.a.EventCount[2], 1);
    EXPECT_EQ(y.a.EventCount[3], 1);
}

TEST(Events, CheckQxxWantsThreeCardsLedByTheQueen) {
    EXPECT_EQ(DealAnalysis::CheckQxx(Holding("QJT")), 1);
    EXPECT_EQ(DealAnalysis::CheckQxx(Holding("Q32")), 1);
    EXPECT_EQ(DealAnalysis::CheckQxx(Holding("KQ2")), 0);
    EXPECT_EQ(DealAnalysis::CheckQxx(Holding("Q2")), 0);
    EXPECT_EQ(DealAnalysis::CheckQxx(Holding("QJ32")), 0);
    EXPECT_EQ(DealAnalysis::CheckQxx(Holding("")), 0);
}

}  // namespace
}  // namespace lott
