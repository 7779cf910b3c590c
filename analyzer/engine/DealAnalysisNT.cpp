// The notrump step of DealAnalysis: who may switch to notrump, and the suit side's shortness.
#include "DealAnalysis.h"

namespace lott {

void DealAnalysis::ProcNT(int index) {
    Competition(index);
    NTCount = 0;
    NTSide = {0, 0};
    SearchPossibleNT();
    if (NTCount == 2) BothBidsNT();
    SetNotrumpContract();
    if (NTCount == 0) {
        TotalTrumps = Contract[1].Trumps + Contract[0].Trumps;
        TotalTricks = Contract[1].Tricks + Contract[0].Tricks;
        return;
    }
    int n = NTSide[0] != 0 ? 0 : 1;
    int s = 1 - n;
    NTShape = ShortnessClass(s, Contract[s].Strain);
    TotalTrumps = Contract[s].Trumps + 7;
    TotalTricks = deal_.SideStrain[n][-1].Tricks + Contract[s].Tricks;
}

void DealAnalysis::SearchPossibleNT() {
    for (int p = 0; p < 2; ++p)
        if (PrefersNotrump(deal_.SideStrain[p][-1], Contract[p])) NTSide[p] = 1;
    NTCount = NTSide[0] + NTSide[1];
}

void DealAnalysis::BothBidsNT() {
    std::int32_t we = deal_.SideStrain[0][-1].Tricks;
    std::int32_t ns = deal_.SideStrain[1][-1].Tricks;
    bool nsKeeps = ns > we || (ns == we && deal_.HCP[North] > deal_.HCP[West]);
    NTSide[nsKeeps ? 0 : 1] = 0;
    NTCount = 1;
    if (DebugMode && onDoubleNT) onDoubleNT(DealNo);
}

void DealAnalysis::SetNotrumpContract() {
    if (NTCount <= 0) return;
    for (int p = 0; p < 2; ++p)
        if (NTSide[p] != 0) SetContract(Contract[p], deal_, p, -1);
}

Shortness DealAnalysis::ShortnessClass(int pair, int trump) const {
    Shortness result = Shortness::Doubleton;
    for (int seat : {pair, pair + 2})
        for (int suit = 0; suit < 4; ++suit) {
            if (suit == trump) continue;
            int len = deal_.SuitLen[seat][suit];
            if (len == 0) return Shortness::Void;
            if (len == 1) result = Shortness::Singleton;
        }
    return result;
}

}  // namespace lott
