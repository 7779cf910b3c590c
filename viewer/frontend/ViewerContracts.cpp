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
        for (int p = 0; p < 2; ++p) SetContract(c[p], d, p, d.LongestFit[p]);
    } else {
        for (int p = 0; p < 2; ++p) {
            BestScore b = BestScoreSuit(d, p);
            SetContract(c[p], d, p, b.score == 0 ? v.BestTrickSuit[p] : b.suit);
        }
        // An outbid pair switches to its best-trick suit; pair 1 is judged against pair 0's
        // contract as it stands after pair 0's switch.
        for (int p = 0; p < 2; ++p) {
            if (c[p].Score != 0 && Outranks(c[1 - p], c[p]) && v.BestTrickSuit[p] != c[p].Strain)
                SetContract(c[p], d, p, v.BestTrickSuit[p]);
        }
    }

    if (ntAllowed) {
        for (int p = 0; p < 2; ++p) {
            const SideStrainRec& nt = d.SideStrain[p][NoTrump];
            if (nt.Score == 0) continue;
            std::int32_t diff = nt.Score - c[p].Score;
            if (diff < 0) continue;
            // 4 and 5 hearts stay in hearts against 4 and 5 notrump, which score only 10 more.
            bool heartsKept =
                (nt.Tricks == 10 || nt.Tricks == 11) && diff == 10 && c[p].Strain == 1;
            if (!heartsKept) v.NTSide[p] = 1;
        }
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
            if (c[s].Score != 0 && Outranks(nt, c[s]) && v.BestTrickSuit[s] != c[s].Strain)
                SetContract(c[s], d, s, v.BestTrickSuit[s]);
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
