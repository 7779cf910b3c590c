#include "DealAnalysis.h"

#include <cmath>

namespace lott {

ReadStatus DealAnalysis::Proc_0(LibraryFile& lib, std::array<std::int32_t, 2>& PairHCP) {
    // The trace of a single deal only marks the deal; it never ends the program.
    ReadStatus st = lib.ReadDeal(DealNo, deal_);
    if (st != ReadStatus::Ok) return st;
    AnalyseLoadedDeal(PairHCP);
    return st;
}

void DealAnalysis::AnalyseLoadedDeal(std::array<std::int32_t, 2>& PairHCP) {
    Measure(PairHCP);
    FindBidders();
    SetContractByLength();
}

void DealAnalysis::Measure(std::array<std::int32_t, 2>& PairHCP) {
    // Points are whole and never negative, so the whole part is the truncation.
    for (int p = 0; p < 2; ++p)
        PairHCP[p] =
            static_cast<std::int32_t>(deal_.HCP[p]) + static_cast<std::int32_t>(deal_.HCP[p + 2]);
    deal_.CountLengths();
    deal_.DecodeTricks();
}

ReadStatus DealAnalysis::ReadAndMeasure(LibraryFile& lib, std::array<std::int32_t, 2>& PairHCP) {
    ReadStatus st = lib.ReadDeal(DealNo, deal_);
    if (st == ReadStatus::Ok) Measure(PairHCP);
    return st;
}

void DealAnalysis::FindBidders() {
    for (int p = 0; p < 2; ++p) {
        for (int s = -1; s <= 3; ++s) {
            DeclarerPick pick = PickDeclarer(deal_, p, s, ForbidArtificial != 0);
            SideStrainRec& ss = deal_.SideStrain[p][s];
            ss.Declarer = pick.Declarer;
            ss.Tricks = pick.Tricks;
            ss.Score = TrickScore(s, pick.Tricks);
        }
        BestTrickSuit[p] = FindBestTrickSuit(deal_, p);
    }
}

void DealAnalysis::SumTotals() {
    TotalTricks = Contract[1].Tricks + Contract[0].Tricks;
    TotalTrumps = Contract[1].Trumps + Contract[0].Trumps;
}

void DealAnalysis::SetContractByLength() {
    SetContractsByLength(Contract, deal_);
    SumTotals();
}

void DealAnalysis::SetContractByScore() {
    SetContractsByScore(Contract, deal_, BestTrickSuit);
    SumTotals();
}

void DealAnalysis::Competition(int /*pass*/) {
    Compete(Contract, deal_, BestTrickSuit);
}

}  // namespace lott
