#include "Contracts.h"

namespace lott {

std::int32_t TrickScore(int strain, int tricks) {
    int level = tricks - 6;
    if (level <= 0) return 0;
    std::int32_t score = strain == NoTrump ? 30 * level + 10
                         : strain <= 1     ? 30 * level
                                           : 20 * level;
    if (level == 6) score += 500;
    if (level == 7) score += 1000;
    return score;
}

DeclarerPick PickDeclarer(const Deal& d, int p, int s, bool forbidArtificial) {
    int a = d.Tricks[p][s];
    int b = d.Tricks[p + 2][s];
    if (a == b) return {4 + p, a};
    if (!forbidArtificial) return a > b ? DeclarerPick{p, a} : DeclarerPick{p + 2, b};
    int seat;
    if (s == NoTrump) {
        seat = d.HCP[p + 2] > d.HCP[p] ? p + 2 : p;
    } else if (d.SuitLen[p][s] != d.SuitLen[p + 2][s]) {
        seat = d.SuitLen[p][s] > d.SuitLen[p + 2][s] ? p : p + 2;
    } else {
        seat = d.HCP[p] > d.HCP[p + 2] ? p : p + 2;
    }
    return {seat, d.Tricks[seat][s]};
}

namespace {
// The scan shared by the best-trick and best-score suit: first strictly greater value wins,
// then spades yield to hearts and diamonds to clubs on an equal value with a longer fit.
template <class Value>
BestScore BestSuitBy(const Deal& d, int p, Value value) {
    int best = 0;
    std::int32_t bestValue = 0;
    for (int s = 0; s < 4; ++s) {
        if (value(s) > bestValue) {
            bestValue = value(s);
            best = s;
        }
    }
    if ((best == 0 || best == 2) && value(best + 1) == bestValue &&
        d.SideStrain[p][best + 1].FitLen > d.SideStrain[p][best].FitLen)
        best += 1;
    return {best, bestValue};
}
}  // namespace

int FindBestTrickSuit(const Deal& d, int p) {
    return BestSuitBy(d, p, [&](int s) { return d.SideStrain[p][s].Tricks; }).suit;
}

BestScore BestScoreSuit(const Deal& d, int p) {
    return BestSuitBy(d, p, [&](int s) { return d.SideStrain[p][s].Score; });
}

}  // namespace lott
