// Trick scores, declarers, best suits and outbidding.
#include <gtest/gtest.h>

#include "Contracts.h"

namespace lott {
namespace {

TEST(TrickScore, LevelsSlamsAndStrains) {
    // 4 spades, 3 notrump, 6 clubs, 7 notrump, then part scores, nothing below 7 tricks, 7 hearts.
    const std::array<int, 3> cases[] = {{0, 10, 120},   {-1, 9, 100}, {3, 12, 620},
                                        {-1, 13, 1220}, {1, 7, 30},   {2, 8, 40},
                                        {0, 6, 0},      {-1, 0, 0},   {1, 13, 1210}};
    for (const auto& [strain, tricks, score] : cases)
        EXPECT_EQ(TrickScore(strain, tricks), score) << strain << " " << tricks;
}

// A deal whose only fields of interest are set by the test.
struct DealBuilder {
    Deal d;
    DealBuilder& tricks(int seat, int strain, int t) {
        d.Tricks[seat][strain] = t;
        return *this;
    }
    DealBuilder& len(int seat, int suit, int n) {
        d.SuitLen[seat][suit] = n;
        return *this;
    }
    DealBuilder& hcp(int seat, float h) {
        d.HCP[seat] = h;
        return *this;
    }
};

TEST(PickDeclarer, EqualTricksMeanThePairWhateverTheRule) {
    DealBuilder b;
    b.tricks(North, 0, 9).tricks(South, 0, 9);
    for (bool forbid : {false, true}) {
        DeclarerPick p = PickDeclarer(b.d, 1, 0, forbid);
        EXPECT_EQ(p.Declarer, 5);
        EXPECT_EQ(p.Tricks, 9);
    }
}

TEST(PickDeclarer, AllowTakesTheBetterSeatForbidTheNaturalOne) {
    DealBuilder b;
    b.tricks(West, -1, 8).tricks(East, -1, 9).hcp(West, 14).hcp(East, 10);
    EXPECT_EQ(PickDeclarer(b.d, 0, -1, false).Declarer, East);
    DeclarerPick nat = PickDeclarer(b.d, 0, -1, true);
    EXPECT_EQ(nat.Declarer, West);
    EXPECT_EQ(nat.Tricks, 8);
    b.hcp(East, 14);  // equal points in notrump: seat p
    EXPECT_EQ(PickDeclarer(b.d, 0, -1, true).Declarer, West);

    // Suits: more cards declare; equal length: seat p only with strictly more points.
    b.tricks(North, 1, 10).tricks(South, 1, 9).len(North, 1, 3).len(South, 1, 5);
    b.hcp(North, 15).hcp(South, 5);
    EXPECT_EQ(PickDeclarer(b.d, 1, 1, true).Declarer, South);
    EXPECT_EQ(PickDeclarer(b.d, 1, 1, true).Tricks, 9);
    b.len(South, 1, 3);
    EXPECT_EQ(PickDeclarer(b.d, 1, 1, true).Declarer, North);
    b.hcp(South, 15);
    EXPECT_EQ(PickDeclarer(b.d, 1, 1, true).Declarer, South);
}

TEST(BestSuits, TieBreaksAreOnlySpadesHeartsAndDiamondsClubs) {
    Deal d;
    auto set = [&](int p, int s, int tricks, int fit) {
        d.SideStrain[p][s].Tricks = tricks;
        d.SideStrain[p][s].Score = TrickScore(s, tricks);
        d.SideStrain[p][s].FitLen = fit;
    };
    // Equal tricks everywhere; hearts strictly longer than spades: hearts.
    for (int s = 0; s < 4; ++s) set(0, s, 0, 6);
    d.SideStrain[0][1].FitLen = 7;
    EXPECT_EQ(FindBestTrickSuit(d, 0), 1);
    EXPECT_EQ(BestScoreSuit(d, 0).suit, 1);
    EXPECT_EQ(BestScoreSuit(d, 0).score, 0);
    // Equal length: spades keep it.
    d.SideStrain[0][1].FitLen = 6;
    EXPECT_EQ(FindBestTrickSuit(d, 0), 0);
    // Spades longer than hearts with equal scores: spades.
    set(0, 0, 10, 9);
    set(0, 1, 10, 8);
    EXPECT_EQ(BestScoreSuit(d, 0).suit, 0);
    EXPECT_EQ(BestScoreSuit(d, 0).score, 120);
    // Diamonds against clubs, clubs longer; hearts against diamonds is never compared.
    set(1, 0, 7, 7);
    set(1, 1, 8, 8);
    set(1, 2, 9, 7);
    set(1, 3, 9, 8);
    EXPECT_EQ(FindBestTrickSuit(d, 1), 3);
    set(1, 3, 9, 7);
    EXPECT_EQ(FindBestTrickSuit(d, 1), 2);
    // 2 spades and 3 diamonds both score 60: the first in suit order.
    set(1, 0, 8, 8);
    set(1, 1, 6, 8);
    set(1, 2, 9, 8);
    set(1, 3, 7, 9);
    EXPECT_EQ(BestScoreSuit(d, 1).suit, 0);
    EXPECT_EQ(BestScoreSuit(d, 1).score, 60);
    EXPECT_EQ(FindBestTrickSuit(d, 1), 2);
}

TEST(SetContract, NotrumpKeepsTheTrumpsOfTheSuitItReplaces) {
    Deal d;
    d.SideStrain[1][2] = {North, 10, 9, 130};
    d.SideStrain[1][-1] = {South, 11, 0, 460};
    ContractRec c;
    SetContract(c, d, 1, 2);
    EXPECT_EQ(c, (ContractRec{North, 10, 9, 2, 130}));
    SetContract(c, d, 1, -1);
    EXPECT_EQ(c, (ContractRec{South, 11, 9, -1, 460}));
}

TEST(Outranks, TricksStandForTheLevelNotrumpRanksHighest) {
    ContractRec nt3{0, 9, 0, -1, 100}, s3{0, 9, 0, 0, 0}, c4{0, 10, 0, 3, 0}, h3{0, 9, 0, 1, 0};
    EXPECT_TRUE(Outranks(nt3, s3));
    EXPECT_FALSE(Outranks(s3, nt3));
    EXPECT_TRUE(Outranks(c4, nt3));
    EXPECT_TRUE(Outranks(s3, h3));
    EXPECT_FALSE(Outranks(h3, h3));
}

}  // namespace
}  // namespace lott
