// The contract helpers shared by the analyzer and the viewer: trick scores, who declares,
// the best suits of a pair, whether one contract outbids another, and the steps both programs
// decide alike (the contracts by Length and by Score, the competition, and the choice of
// notrump with its hearts exception). The steps run once a deal in the analyzer's scan, so they
// are inline here.
#pragma once

#include <array>
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
inline void SetContract(ContractRec& c, const Deal& d, int pair, int strain) {
    const SideStrainRec& ss = d.SideStrain[pair][strain];
    c.Strain = strain;
    c.Tricks = ss.Tricks;
    c.Declarer = ss.Declarer;
    c.Score = ss.Score;
    if (strain != NoTrump) c.Trumps = ss.FitLen;
}

// a outbids b: more tricks, or as many in a higher strain.
inline bool Outranks(const ContractRec& a, const ContractRec& b) {
    return a.Tricks > b.Tricks || (a.Tricks == b.Tricks && a.Strain < b.Strain);
}

using PairContracts = std::array<ContractRec, 2>;  // [pair]
using PairSuits = std::array<std::int32_t, 2>;     // [pair] suit 0..3

// Trumps by Length: each pair plays its longest fit.
inline void SetContractsByLength(PairContracts& c, const Deal& d) {
    for (int p = 0; p < 2; ++p) SetContract(c[p], d, p, d.LongestFit[p]);
}

// Trumps by Score: each pair plays its best-scoring suit, or its best-trick suit when no suit
// scores.
inline void SetContractsByScore(PairContracts& c, const Deal& d, const PairSuits& bestTrickSuit) {
    for (int p = 0; p < 2; ++p) {
        const BestScore b = BestScoreSuit(d, p);
        SetContract(c[p], d, p, b.score == 0 ? bestTrickSuit[p] : b.suit);
    }
}

// A pair's answer to being outbid: a scoring contract that other outranks switches to the
// pair's best-trick suit (when that is another suit).
inline void AnswerOutbid(ContractRec& c, const ContractRec& other, const Deal& d, int pair,
                         int bestTrickSuit) {
    if (c.Score != 0 && Outranks(other, c) && bestTrickSuit != c.Strain)
        SetContract(c, d, pair, bestTrickSuit);
}

// The competition of the suit contracts: each outbid pair answers in turn, so pair 1 is judged
// against pair 0's contract as it stands after pair 0's switch.
inline void Compete(PairContracts& c, const Deal& d, const PairSuits& bestTrickSuit) {
    for (int p = 0; p < 2; ++p) AnswerOutbid(c[p], c[1 - p], d, p, bestTrickSuit[p]);
}

// Whether a pair takes notrump (its row nt) instead of its suit contract: notrump makes and
// scores at least as much, except that 4 and 5 hearts stay in hearts against 4 and 5 notrump,
// which score only 10 more.
inline bool PrefersNotrump(const SideStrainRec& nt, const ContractRec& suit) {
    if (nt.Tricks < 7 || nt.Score == 0) return false;
    const std::int32_t diff = nt.Score - suit.Score;
    if (diff < 0) return false;
    const bool heartsKept = (nt.Tricks == 10 || nt.Tricks == 11) && diff == 10 && suit.Strain == 1;
    return !heartsKept;
}

}  // namespace lott
