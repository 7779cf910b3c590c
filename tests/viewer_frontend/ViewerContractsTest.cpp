// The viewer's contract decisions: trumps by Length or by Score, competition, and its notrump
// rule with the hearts exception, the tie between two notrump pairs and the suit pair's answer.
#include <gtest/gtest.h>

#include "ViewerContracts.h"
#include "ViewerDeals.h"

namespace lott {
namespace {

using test::DealOf;
using test::SeatTricks;
using test::TrickTable;

constexpr int NT = -1, Sp = 0, He = 1, Di = 2, Cl = 3;
constexpr int WE = 0, NS = 1;

SeatTricks& At(TrickTable& t, int strain) {
    return t[static_cast<std::size_t>(strain + 1)];
}
// Both partners of the pair take n tricks in the strain.
void Pair(TrickTable& t, int pair, int strain, int n) {
    if (pair == NS)
        At(t, strain).N = At(t, strain).S = n;
    else
        At(t, strain).W = At(t, strain).E = n;
}

TEST(ViewerContracts, ByLengthPlaysTheLongestFitsWithoutCompetitionOrNotrump) {
    TrickTable t = test::Flat(4);
    Pair(t, NS, Sp, 8);
    Pair(t, NS, Cl, 11);  // a far better score in clubs is ignored by Length
    Pair(t, WE, He, 7);
    Pair(t, WE, NT, 12);  // and so is a notrump slam
    Pair(t, NS, NT, 12);
    Deal d = DealOf(t);
    ViewerDecision v = ViewerContracts::Decide(d, TrumpBy::Length, NoNT::Forbidden);
    EXPECT_EQ(v.Contract[NS].Strain, Sp);
    EXPECT_EQ(v.Contract[NS].Trumps, 9);
    EXPECT_EQ(v.Contract[NS].Tricks, 8);
    EXPECT_EQ(v.Contract[NS].Declarer, 5);  // both partners take 8: the pair declares
    EXPECT_EQ(v.Contract[WE].Strain, He);
    EXPECT_EQ(v.Contract[WE].Trumps, 9);
    EXPECT_EQ(v.TotalTrumps, 18);
    EXPECT_EQ(v.TotalTricks(), 15);
    EXPECT_EQ(v.NTCount, 0);
    EXPECT_EQ(v.NTPair(), -1);
    EXPECT_EQ(v.Contract, v.SuitContract);
    // By Length no score is written, so nothing can compete on a stale one.
    for (int s = -1; s <= 3; ++s) EXPECT_EQ(d.SideStrain[NS][s].Score, 0);
}

TEST(ViewerContracts, TheNaturalDeclarerDeclaresEvenWhenThePartnerTakesMore) {
    TrickTable t = test::Flat(3);
    At(t, Sp).N = 10;  // North holds five spades, South four
    At(t, Sp).S = 11;
    At(t, NT).N = 8;
    At(t, NT).S = 9;  // North has more points and declares notrump
    Deal d = DealOf(t);
    ViewerDecision v = ViewerContracts::Decide(d, TrumpBy::Score, NoNT::Allowed);
    EXPECT_EQ(d.SideStrain[NS][Sp].Declarer, North);
    EXPECT_EQ(d.SideStrain[NS][Sp].Tricks, 10);
    EXPECT_EQ(d.SideStrain[NS][NT].Declarer, North);
    EXPECT_EQ(d.SideStrain[NS][NT].Tricks, 8);
    EXPECT_EQ(v.Contract[NS].Strain, Sp);
    EXPECT_EQ(v.Contract[NS].Declarer, North);
    EXPECT_EQ(v.Contract[NS].Score, 120);
}

TEST(ViewerContracts, ByScoreFindsTheBestSuitAndLetsAnOutbidPairCompete) {
    TrickTable t = test::Flat(2);
    Pair(t, NS, Sp, 10);  // 4 spades, 120
    Pair(t, NS, Cl, 11);  // 5 clubs, 100: fewer points although more tricks
    Pair(t, WE, He, 8);   // 2 hearts, 60
    Pair(t, WE, Cl, 9);   // best-trick suit of W-E: 3 clubs, outbidding nothing useful
    Deal d = DealOf(t);
    ViewerDecision v = ViewerContracts::Decide(d, TrumpBy::Score, NoNT::Forbidden);
    EXPECT_EQ(v.Contract[NS].Strain, Sp);
    EXPECT_EQ(v.BestTrickSuit[NS], Cl);
    // W-E are outbid by 4 spades and switch to their best-trick suit.
    EXPECT_EQ(v.Contract[WE].Strain, Cl);
    EXPECT_EQ(v.Contract[WE].Trumps, 7);
    EXPECT_EQ(v.Contract[WE].Tricks, 9);
    // N-S are then judged against 3 clubs: 4 spades is higher, so they stay.
    EXPECT_EQ(v.Contract[NS].Strain, Sp);
    EXPECT_EQ(v.TotalTrumps, 16);
    EXPECT_EQ(v.NTCount, 0);
}

TEST(ViewerContracts, APairThatMakesNothingPlaysItsBestTrickSuitAndNeverCompetes) {
    TrickTable t = test::Flat(3);
    Pair(t, WE, Di, 6);  // no suit scores for W-E; diamonds are their best
    Pair(t, NS, Sp, 12);
    Deal d = DealOf(t);
    ViewerDecision v = ViewerContracts::Decide(d, TrumpBy::Score, NoNT::Forbidden);
    EXPECT_EQ(v.Contract[WE].Strain, Di);
    EXPECT_EQ(v.Contract[WE].Score, 0);
    EXPECT_EQ(v.Contract[NS].Strain, Sp);
    EXPECT_EQ(v.Contract[NS].Score, 680);
}

TEST(ViewerContracts, NotrumpBeatsASuitOnScoreExceptFourAndFiveHeartsAgainstTenPoints) {
    struct Case {
        int suit, suitTricks, ntTricks;
        bool notrump;
    };
    const Case cases[] = {
        {He, 9, 9, true},     // 3NT 100 against 3 hearts 90
        {He, 10, 10, false},  // 4NT 130 against 4 hearts 120: hearts kept
        {He, 11, 11, false},  // 5NT 160 against 5 hearts 150: hearts kept
        {He, 12, 12, true},   // 6NT 690 against 6 hearts 680
        {Sp, 10, 10, true},   // 4NT against 4 spades: no exception for spades
        {He, 10, 9, false},   // 3NT 100 against 4 hearts 120
        {Di, 11, 9, true},    // 3NT 100 against 5 diamonds 100: an equal score goes to notrump
    };
    for (const Case& c : cases) {
        TrickTable t = test::Flat(2);
        // W-E's long suits are hearts and clubs; give them the suit under test and notrump.
        Pair(t, WE, c.suit, c.suitTricks);
        Pair(t, WE, NT, c.ntTricks);
        Deal d = DealOf(t);
        ViewerDecision v = ViewerContracts::Decide(d, TrumpBy::Score, NoNT::Allowed);
        SCOPED_TRACE(testing::Message()
                     << "suit " << c.suit << " " << c.suitTricks << " nt " << c.ntTricks);
        EXPECT_EQ(v.NTPair(), c.notrump ? WE : -1);
        EXPECT_EQ(v.Contract[WE].Strain, c.notrump ? NT : c.suit);
        EXPECT_EQ(v.SuitContract[WE].Strain, c.suit);
        if (c.notrump) {
            EXPECT_EQ(v.Contract[WE].Tricks, c.ntTricks);
            EXPECT_EQ(v.Contract[WE].Declarer, 4);
            // The notrump pair keeps the trump count of the suit it left.
            EXPECT_EQ(v.Contract[WE].Trumps, v.SuitContract[WE].Trumps);
        }
    }
}

TEST(ViewerContracts, TwoNotrumpPairsGoToTheHigherScoreAndWestEastOnATie) {
    for (int nsNT : {9, 10, 8}) {
        TrickTable t = test::Flat(2);
        Pair(t, WE, NT, 9);
        Pair(t, NS, NT, nsNT);
        Deal d = DealOf(t);
        ViewerDecision v = ViewerContracts::Decide(d, TrumpBy::Score, NoNT::Allowed);
        EXPECT_EQ(v.NTCount, 1);
        EXPECT_EQ(v.NTPair(), nsNT > 9 ? NS : WE) << nsNT;
    }
}

TEST(ViewerContracts, TheSuitPairAnswersANotrumpContractThatOutbidsIt) {
    TrickTable t = test::Flat(2);
    Pair(t, NS, Sp, 8);  // 2 spades 60 is N-S's best score ...
    Pair(t, NS, Cl, 9);  // ... 3 clubs 60 too, but clubs take more tricks
    Pair(t, WE, He, 7);
    Pair(t, WE, NT, 9);  // 3NT 100 for W-E
    Deal d = DealOf(t);
    ViewerDecision v = ViewerContracts::Decide(d, TrumpBy::Score, NoNT::Allowed);
    ASSERT_EQ(v.NTPair(), WE);
    EXPECT_EQ(v.SuitContract[NS].Strain, Cl);
    EXPECT_EQ(v.SuitContract[NS].Trumps, 6);
    EXPECT_EQ(v.TotalTrumps, 15);  // clubs 6 + hearts 9, before the notrump switch
    EXPECT_EQ(v.SuitTotalTricks(), 9 + 7);
    EXPECT_EQ(v.Contract[WE].Strain, NT);
    EXPECT_EQ(v.TotalTricks(), 9 + 9);
}

TEST(ViewerContracts, NotrumpForbiddenLeavesNoMarkFromAnEarlierDeal) {
    TrickTable t = test::Flat(2);
    Pair(t, WE, NT, 9);
    Deal d = DealOf(t);
    ASSERT_EQ(ViewerContracts::Decide(d, TrumpBy::Score, NoNT::Allowed).NTPair(), WE);
    ViewerDecision forbidden = ViewerContracts::Decide(d, TrumpBy::Score, NoNT::Forbidden);
    EXPECT_EQ(forbidden.NTCount, 0);
    EXPECT_EQ(forbidden.NTSide[0] + forbidden.NTSide[1], 0);
    EXPECT_NE(forbidden.Contract[WE].Strain, NT);
    EXPECT_EQ(d.SideStrain[WE][NT].Score, 0);
    EXPECT_EQ(d.SideStrain[WE][NT].Tricks, 0);
}

}  // namespace
}  // namespace lott
