// The per-deal sequence of a scan: read the deal, then the by-Length and by-Score passes with
// their notrump steps, events and cache bytes.
#include "CacheRecord.h"
#include "DealAnalysis.h"

namespace lott {

void DealAnalysis::Snapshot(PassResult& r) {
    r.Contract = Contract;
    r.TotalTricks = TotalTricks;
    r.TotalTrumps = TotalTrumps;
    r.NTCount = NTCount;
    r.NTShape = NTShape;
    r.totals = CacheRecord::PackTotals(TotalTricks, TotalTrumps);
    // A notrump pass keeps only its shortness class among the events.
    if (NTCount != 0) {
        EventCount = {0, 0, 0, 0};
        EventCount[static_cast<std::size_t>(ShortnessFlag(NTShape))] = 1;
    } else {
        GetSuitEventCorr();
    }
    r.code = CacheRecord::PackCode(NTCount, NTShape, EventCount);
    r.EventCount = EventCount;
}

ReadStatus DealAnalysis::AnalyseBothPasses(LibraryFile& lib, DealPasses& out) {
    // Every field but the bands is written below.
    out.hcpBands = 0;
    NTCount = 0;
    ReadStatus st = lib.ReadDeal(DealNo, deal_);
    if (st == ReadStatus::Ok) AnalyseDecodedDeal(out);
    return st;
}

void DealAnalysis::AnalyseDecodedDeal(DealPasses& out) {
    out.hcpBands = 0;
    NTCount = 0;
    // The reading step decides with the natural declarer, but its contracts are decided again
    // at once with the best declarer, so only the deal itself is measured there.
    ForbidArtificial = -1;
    Measure(out.PairHCP);
    ForbidArtificial = 0;
    if (out.PairHCP[0] >= 15 && out.PairHCP[0] <= 25) out.hcpBands |= 1;
    if (out.PairHCP[0] >= 17 && out.PairHCP[0] <= 23) out.hcpBands |= 2;

    FindBidders();
    SetContractByLength();
    out.first.Contract = Contract;
    out.first.TotalTricks = TotalTricks;
    out.first.TotalTrumps = TotalTrumps;
    out.first.totals = CacheRecord::PackTotals(TotalTricks, TotalTrumps);

    ProcNT(0);
    Snapshot(out.byLength);
    SetContractByScore();
    ProcNT(1);
    Snapshot(out.byScore);
}

}  // namespace lott
