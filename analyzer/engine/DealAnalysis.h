// The analysis of the current deal: both pairs' suit contracts, the notrump step and the
// correction events of one pass, with the totals the counting tables consume.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "Contracts.h"
#include "Deal.h"
#include "LibraryFile.h"

namespace lott {

// EventCount(1..3): double fits, solid trumps, chameleon queens of a suit-suit pass; for a
// suit-notrump pass the one flag of the suit side's shortness class.
using EventCounts = std::array<std::int32_t, 4>;  // index 0 unused

// The shortness class of the suit side of a suit-notrump deal (the options of the same numbers
// choose it): no suit shorter than a doubleton, a singleton, a void. None outside notrump.
enum class Shortness : std::int32_t { None = 0, Doubleton = 22, Singleton = 23, Void = 24 };
// The class as 1..3: the index of its event flag, and the code the scan cache stores.
constexpr int ShortnessFlag(Shortness s) {
    return static_cast<int>(s) - 21;
}
constexpr Shortness ShortnessOfFlag(int flag) {
    return static_cast<Shortness>(flag + 21);
}

// What one pass of a deal ends with.
struct PassResult {
    std::array<ContractRec, 2> Contract{};
    std::int32_t TotalTricks = 0;
    std::int32_t TotalTrumps = 0;
    std::int32_t NTCount = 0;
    Shortness NTShape = Shortness::None;
    EventCounts EventCount{};
    std::uint8_t totals = 0;  // Total Tricks and Total Trumps as the cache packs them
    std::uint8_t code = 0;    // the cache's notrump or event code
};

// Everything a scan learns of one deal.
struct DealPasses {
    std::array<std::int32_t, 2> PairHCP{};
    std::uint8_t hcpBands = 0;  // bit 0: W-E hold 15..25, bit 1: 17..23
    PassResult first;           // by Length before the notrump step
    PassResult byLength;        // by Length after the notrump step
    PassResult byScore;         // by Score after the notrump step
};

class DealAnalysis {
  public:
    explicit DealAnalysis(Deal& deal) : deal_(deal) {}

    Deal& deal() { return deal_; }
    const Deal& deal() const { return deal_; }

    // The contracts of the current pass.
    std::array<ContractRec, 2> Contract{};
    std::array<std::int32_t, 2> BestTrickSuit{};
    std::int32_t TotalTricks = 0;
    std::int32_t TotalTrumps = 0;
    // Notrump step and events.
    std::array<std::int32_t, 2> NTSide{};
    std::int32_t NTCount = 0;
    Shortness NTShape = Shortness::None;  // the suit side's, when a side plays notrump
    EventCounts EventCount{};

    std::int32_t DealNo = 0;
    std::int32_t ForbidArtificial = 0;  // 0 Allow, -1 Forbid (the natural declarer)
    bool TraceDeal = false;
    bool DebugMode = false;
    // Called when both pairs qualified for notrump, in the debug mode.
    std::function<void(std::int32_t dealNo)> onDoubleNT;

    // Reads deal DealNo and ends with the by-Length contracts; fills PairHCP.
    ReadStatus Proc_0(LibraryFile& lib, std::array<std::int32_t, 2>& PairHCP);
    // The same analysis on a deal already in deal().
    void AnalyseLoadedDeal(std::array<std::int32_t, 2>& PairHCP);
    // Proc_0 without its contracts: read the deal, the pair points, lengths and tricks. A scan
    // decides the contracts again right after reading, so it uses this.
    ReadStatus ReadAndMeasure(LibraryFile& lib, std::array<std::int32_t, 2>& PairHCP);

    void FindBidders();
    void SetContractByLength();
    void SetContractByScore();
    void Competition(int pass);

    void ProcNT(int index);
    void SearchPossibleNT();
    void BothBidsNT();
    void SetNotrumpContract();
    Shortness ShortnessClass(int pair, int trump) const;

    // The scan's work on deal DealNo: read it, then both passes in their order.
    ReadStatus AnalyseBothPasses(LibraryFile& lib, DealPasses& out);
    // The same on the deal already decoded into deal().
    void AnalyseDecodedDeal(DealPasses& out);

    void GetSuitEventCorr();
    static std::int32_t CheckQxx(const Holding& s);

  private:
    void Measure(std::array<std::int32_t, 2>& PairHCP);
    void Snapshot(PassResult& r);
    void SumTotals();
    Deal& deal_;
};

}  // namespace lott
