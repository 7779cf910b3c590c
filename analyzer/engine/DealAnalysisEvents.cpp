// The correction events of a suit-suit pass: double fits, solid trumps, chameleon queens.
#include "DealAnalysis.h"

namespace lott {

void DealAnalysis::GetSuitEventCorr() {
    EventCount = {0, 0, 0, 0};
    for (int p = 0; p < 2; ++p) {
        int t = Contract[p].Strain;
        if (t < 0) continue;
        // A pair with two side fits still counts once.
        for (int s = 0; s < 4; ++s)
            if (s != t && deal_.SideStrain[p][s].FitLen >= 8) {
                ++EventCount[1];
                break;
            }
    }
    for (int p = 0; p < 2; ++p) {
        int t = Contract[p].Strain;
        if (t < 0) continue;
        // The joined holdings of the pair hold the ace, king and queen (ranks 0, 1, 2).
        const unsigned joined = deal_.Hand[p][t].ranks() | deal_.Hand[p + 2][t].ranks();
        if ((joined & 7u) == 7u) ++EventCount[2];
    }
    for (int p = 0; p < 2; ++p) {
        int t = Contract[p].Strain;
        int q = 1 - p;
        if (t < 0 || Contract[q].Strain < 0) continue;
        EventCount[3] += CheckQxx(deal_.Hand[q][t]) + CheckQxx(deal_.Hand[q + 2][t]);
    }
}

std::int32_t DealAnalysis::CheckQxx(const Holding& s) {
    // Holdings are stored highest first, so a three-card holding led by the queen is Qxx.
    return s.size() == 3 && s.front() == 'Q' ? 1 : 0;
}

}  // namespace lott
