// Synthetic deals for the viewer's tests: one fixed set of hands and trick tables written per
// test as the tricks each declarer's side takes.
#pragma once

#include <array>

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

}  // namespace lott::test
