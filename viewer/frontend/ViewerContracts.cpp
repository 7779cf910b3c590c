#include "ViewerContracts.h"

namespace lott {

ViewerDecision ViewerContracts::Decide(Deal& d, TrumpBy trumpBy, NoNT noNT) {
    ViewerDecision v;
    const bool byScore = trumpBy == TrumpBy::Score;
    const bool ntAllowed = noNT == NoNT::Allowed;

    // Rows that this pass does not write are cleared, so nothing of an earlier deal is read.
    for (int p = 0; p < 2; ++p)
        for (int s = -1; s <= 3; ++s) {
            d.SideStrain[p][s].Declarer = 0;
            d.SideStrain[p][s].Tricks = 0;
            d.SideStrain[p][s].Score = 0;
        }

    for (int p = 1; p >= 0; --p) {
        for (int s = ntAllowed ? NoTrump : 0; s <= 3; ++s) {
            DeclarerPick pick = PickDeclarer(d, p, s, true);
            d.SideStrain[p][s].Declarer = pick.Declarer;
            d.SideStrain[p][s].Tricks = pick.Tricks;
            if (byScore) d.SideStrain[p][s].Score = TrickScore(s, pick.Tricks);
        }
        v.BestTrickSuit[p] = FindBestTrickSuit(d, p);
    }

    auto& c = v.Contract;
    if (!byScore) {
        SetContractsByLength(c, d);
    } else {
        SetContractsByScore(c, d, v.BestTrickSuit);
        Compete(c, d, v.BestTrickSuit);
    }

    if (ntAllowed) {
        // Without scores (trumps by Length) no pair prefers notrump.
        for (int p = 0; p < 2; ++p)
            if (PrefersNotrump(d.SideStrain[p][NoTrump], c[p])) v.NTSide[p] = 1;
        v.NTCount = v.NTSide[0] + v.NTSide[1];
        if (v.NTCount == 2) {
            if (d.SideStrain[0][NoTrump].Score < d.SideStrain[1][NoTrump].Score)
                v.NTSide[0] = 0;
            else
                v.NTSide[1] = 0;
            v.NTCount = 1;
        }
        if (v.NTCount == 1) {
            int n = v.NTPair(), s = 1 - n;
            ContractRec nt;
            nt.Strain = NoTrump;
            nt.Tricks = d.SideStrain[n][NoTrump].Tricks;
            AnswerOutbid(c[s], nt, d, s, v.BestTrickSuit[s]);
        }
    }

    v.TotalTrumps = c[1].Trumps + c[0].Trumps;
    v.SuitContract = c;
    if (v.NTCount == 1) {
        int n = v.NTPair();
        c[n].Strain = NoTrump;
        c[n].Declarer = d.SideStrain[n][NoTrump].Declarer;
        c[n].Tricks = d.SideStrain[n][NoTrump].Tricks;
    }
    return v;
}

}  // namespace lott
