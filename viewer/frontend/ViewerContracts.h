// The viewer's contract decisions for the deal it shows: declarers, trump choice by Length or by
// Score, competition, and its own notrump rule (only with trumps by Score, a tie between two
// notrump pairs broken by score, the suit pair allowed to answer a notrump contract).
#pragma once

#include <array>
#include <cstdint>

#include "Contracts.h"
#include "Deal.h"
#include "Modes.h"

namespace lott {

struct ViewerDecision {
    // The contracts as finally shown: a notrump pair has Strain -1 and its notrump declarer and
    // tricks, but keeps the trump count and score of the suit contract it replaced.
    std::array<ContractRec, 2> Contract{};
    // Both contracts before the notrump switch (the black sum of suit contracts).
    std::array<ContractRec, 2> SuitContract{};
    std::array<std::int32_t, 2> BestTrickSuit{};
    std::array<std::int32_t, 2> NTSide{};
    std::int32_t NTCount = 0;
    std::int32_t TotalTrumps = 0;  // taken before any notrump switch

    // The pair that plays notrump, or -1.
    int NTPair() const { return NTCount == 1 ? (NTSide[0] ? 0 : 1) : -1; }
    std::int32_t TotalTricks() const { return Contract[1].Tricks + Contract[0].Tricks; }
    std::int32_t SuitTotalTricks() const { return SuitContract[1].Tricks + SuitContract[0].Tricks; }
};

class ViewerContracts {
  public:
    // d must have been read, counted (CountLengths) and decoded (DecodeTricks). Fills the
    // declarers, tricks and (by Score) scores of d.SideStrain and returns the decision.
    static ViewerDecision Decide(Deal& d, TrumpBy trumpBy, NoNT noNT);
};

}  // namespace lott
