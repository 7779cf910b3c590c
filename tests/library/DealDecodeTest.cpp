// Decoding both record forms, the derived lengths and the trick table.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "Deal.h"
#include "DealCodec.h"
#include "LibraryFile.h"
#include "TestLibrary.h"
#include "WholeNumber.h"

namespace lott {
namespace {

using test::MakeRecord;

const std::array<std::string_view, 4> kHands = {"AKQ.JT9.8765.432", "JT98.AKQ.432.765",
                                                "765.8765.AKQ.JT9", "432.432.JT9.AKQ8"};
const std::array<std::string_view, 5> kDigits = {"6776", "0D0D", "1234", "ABCD", "5555"};

TEST(DecodeBinDeal, AllZeroBytesGiveEveryCardToWest) {
    std::array<std::uint8_t, kBinRecLen> rec{};
    Deal d;
    d.DecodeBinDeal(rec.data());
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(d.Hand[West][s].view(), "AKQJT98765432");
        for (int seat = 1; seat < 4; ++seat) EXPECT_TRUE(d.Hand[seat][s].empty());
    }
    EXPECT_EQ(d.HCP[West], 40.0f);
    EXPECT_EQ(d.HCP[North], 0.0f);
    EXPECT_EQ(std::string(d.TrickHex[-1].data(), 4), "0000");
}

TEST(DecodeBinDeal, CardLayoutAceInB3DownToTwoInB0) {
    // Spades: ace to South (bits 0-1 of B3), king to North (bits 2-3 of B3), ten to East
    // (bits 0-1 of B2), two to South (bits 0-1 of B0); the rest to West.
    std::array<std::uint8_t, kBinRecLen> rec{};
    rec[3] = 0b0111;
    rec[2] = 0b10;
    rec[0] = 0b11;
    Deal d;
    d.DecodeBinDeal(rec.data());
    EXPECT_EQ(d.Hand[South][0].view(), "A2");
    EXPECT_EQ(d.Hand[North][0].view(), "K");
    EXPECT_EQ(d.Hand[East][0].view(), "T");
    EXPECT_EQ(d.Hand[West][0].view(), "QJ9876543");
    EXPECT_EQ(d.HCP[South], 4.0f);
    EXPECT_EQ(d.HCP[North], 3.0f);
    EXPECT_EQ(d.HCP[West], 40.0f - 7.0f);
}

TEST(DecodeTricks, TrickWordsFromEitherSidesPointOfView) {
    std::array<std::uint8_t, kBinRecLen> rec{};
    rec[16] = 0x67;  // notrump: digits 6776
    rec[17] = 0x76;
    rec[18] = 0x5D;  // spades: second byte below 16 still gives four digits, "5D0A"
    rec[19] = 0x0A;
    Deal d;
    d.DecodeBinDeal(rec.data());
    d.DecodeTricks();
    EXPECT_EQ(std::string(d.TrickHex[-1].data(), 4), "6776");
    EXPECT_EQ(d.Tricks[East][-1], 7);
    EXPECT_EQ(d.Tricks[North][-1], 7);
    EXPECT_EQ(d.Tricks[West][-1], 6);
    EXPECT_EQ(d.Tricks[South][-1], 6);
    EXPECT_EQ(std::string(d.TrickHex[0].data(), 4), "5D0A");
    EXPECT_EQ(d.Tricks[West][0], 13);
    EXPECT_EQ(d.Tricks[North][0], 13);
    EXPECT_EQ(d.Tricks[South][0], 10);
}

TEST(DecodeTricks, NonHexDigitsReadAsZeroAndLargeDigitsAreKept) {
    Deal d;
    d.TrickHex[2] = {'x', 'F', '-', 'E'};
    d.DecodeTricks();
    EXPECT_EQ(d.Tricks[East][2], 13);
    EXPECT_EQ(d.Tricks[North][2], 15);
    EXPECT_EQ(d.Tricks[West][2], 13);
    EXPECT_EQ(d.Tricks[South][2], 14);
}

TEST(DecodeAscDeal, VoidsAndAllThirteenClubs) {
    DealRecord r = MakeRecord(
        {"...AKQJT98765432", "AKQJT98765432...", ".AKQJT98765432..", "..AKQJT98765432."}, kDigits);
    std::array<char, kAscRecLen> rec{};
    ASSERT_TRUE(EncodeAscDeal(r, rec));
    EXPECT_EQ(std::string(rec.data(), 16), "...AKQJT98765432");
    Deal d;
    ASSERT_EQ(d.DecodeAscDeal(rec.data()), RecordStatus::Ok);
    for (int s = 0; s < 3; ++s) EXPECT_TRUE(d.Hand[West][s].empty());
    EXPECT_EQ(d.Hand[West][3].view(), "AKQJT98765432");
    EXPECT_EQ(d.HCP[West], 10.0f);
}

TEST(DecodeAscDeal, CardsWrittenInAnyOrderAreHeldHighestFirst) {
    DealRecord r = MakeRecord(kHands, kDigits);
    std::array<char, kAscRecLen> rec{};
    ASSERT_TRUE(EncodeAscDeal(r, rec));
    Deal sorted;
    ASSERT_EQ(sorted.DecodeAscDeal(rec.data()), RecordStatus::Ok);
    // West "AKQ.JT9.8765.432" written by another tool as "QAK.9JT.5678.234".
    const std::string shuffled = "QAK.9JT.5678.234";
    std::copy(shuffled.begin(), shuffled.end(), rec.begin());
    Deal d;
    ASSERT_EQ(d.DecodeAscDeal(rec.data()), RecordStatus::Ok);
    EXPECT_EQ(d.Hand, sorted.Hand);
    EXPECT_EQ(d.Hand[West][0].view(), "AKQ");
    EXPECT_EQ(d.Hand[West][2].view(), "8765");
    EXPECT_EQ(d.HCP, sorted.HCP);
    EXPECT_EQ(d.Hand[West][0][0], 'A');  // the top card comes first, as the contract logic reads it
}

TEST(DecodeAscDeal, DamagedHandFieldsAreRefusedAndLeaveTheDealErased) {
    DealRecord r = MakeRecord(kHands, kDigits);
    std::array<char, kAscRecLen> good{};
    ASSERT_TRUE(EncodeAscDeal(r, good));
    auto damaged = [&](int at, char c) {
        auto rec = good;
        rec[static_cast<std::size_t>(at)] = c;
        Deal d;
        RecordStatus st = d.DecodeAscDeal(rec.data());
        if (st == RecordStatus::Damaged) {
            EXPECT_TRUE(d.Hand[West][0].empty());
            EXPECT_EQ(d.HCP[West], 0.0f);
        }
        return st;
    };
    // West "AKQ.JT9.8765.432": position 3 is the first dot.
    EXPECT_EQ(damaged(3, 'J'), RecordStatus::Damaged);   // two dots and a card twice
    EXPECT_EQ(damaged(0, '.'), RecordStatus::Damaged);   // four dots
    EXPECT_EQ(damaged(1, 'k'), RecordStatus::Damaged);   // no card letter
    EXPECT_EQ(damaged(1, ' '), RecordStatus::Damaged);   // blank inside a field
    EXPECT_EQ(damaged(18, 'A'), RecordStatus::Damaged);  // North's spade ten made an ace
    // Separators and the line end are not examined.
    EXPECT_EQ(damaged(16, '|'), RecordStatus::Ok);
    EXPECT_EQ(damaged(88, 'x'), RecordStatus::Ok);
}

TEST(CountLengths, FitLengthsAndLongestFitTiesToTheHigherSuit) {
    Deal d;
    d.Hand[West] = {Holding("AKQJ"), Holding("AKQ"), Holding("AKQ"), Holding("AKQ")};
    d.Hand[East] = {Holding("T9"), Holding("JT98"), Holding("JT"), Holding("JT9")};
    d.Hand[North] = {Holding("876"), Holding("765"), Holding("98765"), Holding("87")};
    d.Hand[South] = {Holding("5432"), Holding("432"), Holding("432"), Holding("65432")};
    d.CountLengths();
    EXPECT_EQ(d.SideStrain[0][0].FitLen, 6);
    EXPECT_EQ(d.SideStrain[0][1].FitLen, 7);
    EXPECT_EQ(d.SideStrain[0][3].FitLen, 6);
    EXPECT_EQ(d.LongestFit[0], 1);
    // N-S: spades 7, hearts 6, diamonds 8, clubs 7 -> diamonds; then a tie of 7s -> spades.
    EXPECT_EQ(d.LongestFit[1], 2);
    d.Hand[North][2] = Holding("9876");
    d.Hand[North][3] = Holding("876");
    d.CountLengths();
    EXPECT_EQ(d.SideStrain[1][2].FitLen, 7);
    EXPECT_EQ(d.SideStrain[1][3].FitLen, 8);
    EXPECT_EQ(d.LongestFit[1], 3);
    d.Hand[South][3] = Holding("5432");
    d.CountLengths();
    EXPECT_EQ(d.LongestFit[1], 0);
}

TEST(SmallHelpers, SplitSuitCardValueStrNum) {
    std::string t = "AKQ.JT9.8765.432";
    EXPECT_EQ(SplitSuit(t), "AKQ");
    EXPECT_EQ(t, "JT9.8765.432");
    EXPECT_EQ(SplitSuit(t), "JT9");
    EXPECT_EQ(SplitSuit(t), "8765");
    EXPECT_EQ(t, "432");
    std::string v = ".";
    EXPECT_EQ(SplitSuit(v), "");
    EXPECT_EQ(v, "");
    EXPECT_EQ(CardValue('A'), 4);
    EXPECT_EQ(CardValue('J'), 1);
    EXPECT_EQ(CardValue('T'), 0);
    EXPECT_EQ(CardValue('a'), 0);
    EXPECT_EQ(StrNum(9), "9");
    EXPECT_EQ(StrNum(-12), "-12");
    // Whole numbers typed into boxes or given on command lines.
    EXPECT_EQ(ParseWholeNumber(" 717102\r\n"), 717102);
    EXPECT_EQ(ParseWholeNumber("-5"), std::nullopt);
    EXPECT_EQ(ParseWholeNumber("-5", true), -5);
    for (const char* bad : {"", " ", "1.5", "1e3", "12x", "+", "1 2", "9999999999999"})
        EXPECT_EQ(ParseWholeNumber(bad, true), std::nullopt) << bad;
}

TEST(Encoding, EveryRandomDealReadsTheSameFromBothForms) {
    std::mt19937 rng(7);
    for (int i = 0; i < 2000; ++i) {
        DealRecord r = test::RandomRecord(rng);
        std::array<std::uint8_t, kBinRecLen> bin{};
        std::array<char, kAscRecLen> asc{};
        ASSERT_TRUE(EncodeBinDeal(r, bin));
        ASSERT_TRUE(EncodeAscDeal(r, asc));
        Deal a, b;
        a.DecodeBinDeal(bin.data());
        ASSERT_EQ(b.DecodeAscDeal(asc.data()), RecordStatus::Ok);
        for (Deal* d : {&a, &b}) {
            d->CountLengths();
            d->DecodeTricks();
        }
        ASSERT_EQ(a.Hand, b.Hand);
        ASSERT_EQ(a.HCP, b.HCP);
        ASSERT_EQ(a.TrickHex.v, b.TrickHex.v);
        for (int seat = 0; seat < 4; ++seat) ASSERT_EQ(a.Tricks[seat].v, b.Tricks[seat].v);
        ASSERT_EQ(a.HCP[0] + a.HCP[1] + a.HCP[2] + a.HCP[3], 40.0f);
        // Encoding the decoded deal gives the same bytes back.
        std::array<std::uint8_t, kBinRecLen> again{};
        ASSERT_TRUE(EncodeBinDeal(DealRecord::FromDeal(a), again));
        ASSERT_EQ(again, bin);
    }
}

TEST(Encoding, RefusesHandsThatAreNoDeal) {
    std::array<std::uint8_t, kBinRecLen> bin{};
    std::array<char, kAscRecLen> asc{};
    DealRecord twice = MakeRecord({"AKQ.JT9.8765.432", "AKQ.JT9.8765.432", "", ""}, kDigits);
    EXPECT_FALSE(EncodeBinDeal(twice, bin));
    EXPECT_FALSE(EncodeAscDeal(twice, asc));
    DealRecord r = MakeRecord(kHands, kDigits);
    r.nsTricks[0][0] = 16;
    EXPECT_FALSE(EncodeBinDeal(r, bin));

    // All 52 cards with West: a binary record, but no ASCII one (its hand field holds 13).
    std::array<std::uint8_t, kBinRecLen> zero{};
    Deal west;
    west.DecodeBinDeal(zero.data());
    asc.fill('#');
    EXPECT_TRUE(EncodeBinDeal(DealRecord::FromDeal(west), bin));
    EXPECT_FALSE(EncodeAscDeal(DealRecord::FromDeal(west), asc));
    EXPECT_EQ(std::count(asc.begin(), asc.end(), '#'), kAscRecLen);  // nothing written
}

}  // namespace
}  // namespace lott
