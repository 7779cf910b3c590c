// Adds counted deals to the counting tables: deviation counts, running means, correction events,
// with the frequency weights of deals that corrections or notrump formulas move.
#pragma once

#include <cstdint>
#include <functional>

#include "CountingTables.h"
#include "DealAnalysis.h"
#include "ExpectedFreq.h"
#include "ScanOptions.h"

namespace lott {

class TableCounter {
  public:
    TableCounter(CountingTables& tables, const ExpectedFreq& freq) : t_(tables), freq_(freq) {}

    // Set at the start of a run.
    ScanOptions options;
    bool UseDoubleFit = false;
    bool UseSolidTrump = false;
    bool UseChameleon = false;
    void SetUseFlags();

    // Redraws the cells one counted deal touched; called only while it is set.
    std::function<void(int kind, int length, int dev, const EventCounts& events)> WriteTable;

    // Both read TotalTricks, TotalTrumps and EventCount of the pass.
    void UpdateTableSuit(std::int32_t TotalTricks, std::int32_t TotalTrumps, const EventCounts& ev);
    void UpdateTableNT(std::int32_t TotalTricks, std::int32_t TotalTrumps, const EventCounts& ev);

    // The deal filter of the Standard preset: whether a suit-suit deal with these events counts.
    static bool PassesFilter(DealFilter f, const EventCounts& ev);

  private:
    void AddDeviation(int kind, int length, std::int32_t d, float w);
    CountingTables& t_;
    const ExpectedFreq& freq_;
};

}  // namespace lott
