// Adds counted deals to the counting tables: deviation counts, running means, correction events,
// with the frequency weights of deals that corrections or notrump formulas move.
#pragma once

#include <cstdint>

#include "CountingTables.h"
#include "DealAnalysis.h"
#include "ExpectedFreq.h"
#include "ScanOptions.h"

namespace lott {

// Told of every deal counted while it listens: kind 0 suit-suit, -1 suit-notrump; the length row
// and the deviation the deal was counted under, and its events.
class CountListener {
  public:
    virtual void CountedDeal(int kind, int length, int dev, const EventCounts& events) = 0;

  protected:
    ~CountListener() = default;
};

class TableCounter {
  public:
    TableCounter(CountingTables& tables, const ExpectedFreq& freq) : t_(tables), freq_(freq) {}

    // Set at the start of a run.
    ScanOptions options;
    bool UseDoubleFit = false;
    bool UseSolidTrump = false;
    bool UseChameleon = false;
    void SetUseFlags();

    // With deferMeans the means and event rates are not kept up to date deal by deal (a division
    // each) but formed once by FinishMeans from the same sums: the values are the very ones the
    // last update would have left. Only a live display needs them on the way.
    bool deferMeans = false;
    // Called when a run begins and when it ends (whole, stopped or failed).
    void BeginRun();
    void FinishMeans();

    // Told of each counted deal while it is set (a live table redraws the cells it touched).
    CountListener* listener = nullptr;

    // Both read TotalTricks, TotalTrumps and EventCount of the pass.
    void UpdateTableSuit(std::int32_t TotalTricks, std::int32_t TotalTrumps, const EventCounts& ev);
    void UpdateTableNT(std::int32_t TotalTricks, std::int32_t TotalTrumps, const EventCounts& ev);

    // The deal filter of the Standard preset: whether a suit-suit deal with these events counts.
    static bool PassesFilter(DealFilter f, const EventCounts& ev);

  private:
    void AddDeviation(int kind, int length, std::int32_t d, float w);
    // The grand total at the last event of each kind (0 suit, 1 notrump) and number: the rate
    // is formed with it, as it was at that deal.
    float lastEventG_[2][4] = {};
    CountingTables& t_;
    const ExpectedFreq& freq_;
};

}  // namespace lott
