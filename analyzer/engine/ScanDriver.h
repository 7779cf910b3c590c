// The scan driver: runs deals Nstart..Nend either by reading and analysing the library (writing
// the scan cache and the Over20 list on the way) or by replaying the cache, and counts the pass
// the settings name. Windows and the batch tool drive it through the hooks below.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "CountingTables.h"
#include "DealAnalysis.h"
#include "ExpectedFreq.h"
#include "LibraryFile.h"
#include "ScanCache.h"
#include "ScanOptions.h"
#include "TableCounter.h"

namespace lott {

// Where a scan lists the deals with more than 20 Total Trumps. The list is written beside the
// old one and takes its place only when the driver commits it, after the whole list is on disk.
class Over20Sink {
  public:
    virtual ~Over20Sink() = default;
    virtual bool Open(std::string& error) = 0;
    virtual bool Line(std::int32_t TTrumps, std::int32_t TTricks, std::int32_t dealNo,
                      const std::array<std::int32_t, 2>& HCPs, std::string& error) = 0;
    // Makes the new list durable without putting it in place.
    virtual bool Finish(std::string& error) = 0;
    // Puts the new list in place; the previous one is kept as its backup.
    virtual bool Commit(std::string& error) = 0;
    // Drops the new list; the previous one stays.
    virtual void Abandon() = 0;
};

enum class RunOutcome { Completed, Stopped, Failed };

struct RunResult {
    RunOutcome outcome = RunOutcome::Completed;
    std::string message;  // why a run failed
};

// What a run tells whoever drives it (the analyzer). Counted deals are passed on only while
// LiveTable() holds, which the driver reads when the run begins and after every progress point
// (nothing else changes it between them): with no live table a deal costs no call.
class ScanListener : public CountListener {
  public:
    // A progress point (every 20th deal scanning, 40th replaying): shows the deal number and
    // serves the window system; may set the driver's StopRequested.
    virtual void Progress(std::int32_t dealNo) { (void)dealNo; }
    // Right after a progress point at which the run goes on.
    virtual void AfterProgress() {}
    // Whether counted deals are wanted one by one from here on.
    virtual bool LiveTable() const { return false; }
    void CountedDeal(int kind, int length, int dev, const EventCounts& events) override {
        (void)kind, (void)length, (void)dev, (void)events;
    }

  protected:
    ~ScanListener() = default;
};

class ScanDriver {
  public:
    ScanDriver(CountingTables& tables, const ExpectedFreq& freq);

    // Set before a run.
    std::filesystem::path libraryPath;
    LibMode libMode = LibMode::Binary;
    ScanOptions options;

    // Shared with the windows.
    bool StopRequested = false;
    std::int32_t DealNo = 0;

    // Told of the run's progress and, while it wants them, of the counted deals (may be null).
    ScanListener* listener = nullptr;
    std::function<void(std::int32_t dealNo)> onDoubleNT;
    bool DebugMode = false;
    // No one looks at the tables before the run ends (no live table): the means are formed once
    // at the end instead of at every deal, to the same values.
    bool deferMeans = false;

    // Reads and analyses the library, writing the cache and the Over20 list when given (a single
    // deal traced from the debug box writes neither). A whole scan commits the list, then the
    // cache, then the cache's note naming the bytes the scan read; a stopped or partial scan
    // commits its list of the deals so far and leaves no cache; a failed one commits nothing.
    RunResult RunWhileScanning(std::int32_t Nstart, std::int32_t Nend, ScanCache* cache,
                               Over20Sink* over20);
    // Replays cache records Nstart..Nend (each deal its own record).
    RunResult RunWithoutScanning(std::int32_t Nstart, std::int32_t Nend,
                                 const std::vector<std::uint8_t>& records);

    // The per-deal analysis of both passes (for tests and the one-deal report).
    DealAnalysis& analysis() { return analysis_; }
    TableCounter& counter() { return counter_; }

  private:
    // Forms the means when a run ends, however it ends, and lets the counter listen only while
    // the run goes.
    struct RunScope {
        explicit RunScope(ScanDriver& d) : driver(d) {
            d.counter_.deferMeans = d.deferMeans;
            d.ListenToCounts();
            d.counter_.BeginRun();
        }
        ~RunScope() {
            driver.counter_.FinishMeans();
            driver.counter_.listener = nullptr;
        }
        ScanDriver& driver;
    };
    // Whether the counted deals go to the listener from here on.
    void ListenToCounts() {
        counter_.listener = listener && listener->LiveTable() ? listener : nullptr;
    }
    // A progress point; true when the run is to stop.
    bool ProgressPoint();
    bool Counted(std::uint8_t hcpBands) const;
    void CountPass(const PassResult& p);
    // Whether a suit-notrump deal of this shortness is counted.
    static bool NTChoiceCounts(NTChoice choice, Shortness shortness);

    Deal deal_;
    DealAnalysis analysis_;
    TableCounter counter_;
};

}  // namespace lott
