// The contract helpers shared by the analyzer and the viewer: trick scores, who declares,
// the best suits of a pair, and whether one contract outbids another.
#pragma once

#include <cstdint>

#include "Deal.h"

namespace lott {

struct ContractRec {
    std::int32_t Declarer = 0;  // seat 0..3, or 4 + pair when both partners take the same tricks
    std::int32_t Tricks = 0;
    std::int32_t Trumps = 0;  // the pair's combined trump length
    std::int32_t Strain = 0;
    std::int32_t Score = 0;
    bool operator==(const ContractRec&) const = default;
};

// Trick score with slam bonuses only: no game bonus, vulnerability or doubling.
std::int32_t TrickScore(int strain, int tricks);

struct DeclarerPick {
    std::int32_t Declarer;
    std::int32_t Tricks;
};
// forbidArtificial: the natural declarer (more points in notrump, more cards in a suit) declares
// even when the partner would take more tricks.
DeclarerPick PickDeclarer(const Deal& d, int pair, int strain, bool forbidArtificial);

// Suit 0..3 in which the pair takes most tricks (ties to the higher suit, except that hearts
// beat spades and clubs beat diamonds on equal tricks with a strictly longer fit).
int FindBestTrickSuit(const Deal& d, int pair);

struct BestScore {
    int suit;
    std::int32_t score;
};
BestScore BestScoreSuit(const Deal& d, int pair);

// Copies SideStrain(pair, strain) into c; a notrump contract keeps the trump count it replaces.
void SetContract(ContractRec& c, const Deal& d, int pair, int strain);

bool Outranks(const ContractRec& a, const ContractRec& b);

}  // namespace lott
