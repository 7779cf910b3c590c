// Synthetic deals for the viewer's tests: one fixed set of hands and trick tables written per
// test as the tricks each declarer's side takes.
#pragma once

#include <array>
#include <vector>

#include "Deal.h"
#include "DealCodec.h"

namespace lott::test {

// Tricks of the declaring side with West, North, East, South declaring.
struct SeatTricks {
    int W, N, E, S;
};
// Indexed by strain + 1: notrump, spades, hearts, diamonds, clubs.
using TrickTable = std::array<SeatTricks, 5>;

// Hands: N-S hold 9 spades (N 5, S 4), 4 hearts, 7 diamonds, 6 clubs; W-E hold 4 spades,
// 9 hearts (W 5, E 4), 6 diamonds, 7 clubs. North has 19 points, West 20, East 1, South 0.
inline constexpr std::array<const char*, 4> kHands = {"64.AKQJT.JT9.AKQ", "AKQJ5.32.AKQ.432",
                                                      "32.9876.876.JT98", "T987.54.5432.765"};

DealRecord RecordOf(const TrickTable& t, const std::array<const char*, 4>& hands = kHands);
// The deal read from a binary record, with lengths counted and tricks decoded.
Deal DealOf(const TrickTable& t, const std::array<const char*, 4>& hands = kHands);
// Every seat takes n tricks in every strain.
TrickTable Flat(int n);

// Deal 1: N-S 9 tricks in spades against W-E 8 in hearts, both pairs' hands equal. Deal 2:
// North 3NT (9 tricks) against West's hearts (8 tricks). Random deals fill up to count.
std::vector<DealRecord> KnownDeals(int count = 2);
std::vector<DealRecord> RandomDeals(int count, unsigned seed);

// An "Over20.txt" for 30 deals: 21 Total Trumps list deals 2, 25 and 99 (outside), 22 deal 3,
// 26 deal 7 on a line ended by LF alone; one 21 line names no deal.
inline constexpr const char* kOver20 =
    "This file records the deal numbers for Total Trumps longer than 20.\r\n"
    " Each line consists of \r\n"
    " Total Trumps, Total Tricks, deal No, (HCP1,HCP2).\r\n"
    "Review them with another software Boardlook.\r\n"
    "------------------------------\r\n"
    " 22, 21 #3 ( 20, 20)\r\n"
    " 21, 22 #2 ( 19, 21)\r\n"
    " 21, 20 #25 ( 25, 15)\r\n"
    " 21, 23 ( 18, 22)\r\n"
    " 26, 26 #7 ( 10, 30)\n"
    " 21, 23 #99 ( 18, 22)\r\n";

}  // namespace lott::test
