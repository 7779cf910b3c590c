#include "ScanDriver.h"

namespace lott {

ScanDriver::ScanDriver(CountingTables& tables, const ExpectedFreq& freq)
    : analysis_(deal_), counter_(tables, freq) {}

bool ScanDriver::ProgressPoint() {
    if (listener) listener->Progress(DealNo);
    if (StopRequested) return true;
    if (listener) {
        listener->AfterProgress();
        ListenToCounts();
    }
    return false;
}

bool ScanDriver::Counted(std::uint8_t hcpBands) const {
    switch (options.Hcp) {
        case HcpRange::All:
            return true;
        case HcpRange::From15To25:
            return (hcpBands & 1u) != 0;
        case HcpRange::From17To23:
            return (hcpBands & 2u) != 0;
        case HcpRange::None:
            return false;
    }
    return false;
}

bool ScanDriver::NTChoiceCounts(NTChoice choice, Shortness shortness) {
    switch (choice) {
        case NTChoice::Co:
        case NTChoice::V1:
        case NTChoice::V2:
            return true;
        case NTChoice::Vd:
            return shortness == Shortness::Void;
        case NTChoice::Sg:
            return shortness == Shortness::Singleton;
        case NTChoice::Db:
            return shortness == Shortness::Doubleton;
        case NTChoice::None:
            return false;
    }
    return false;
}

// Counts a pass under the Standard preset: suit-suit deals always, suit-notrump deals by the
// notrump choice (the shape choices count only their own shortness class).
void ScanDriver::CountPass(const PassResult& p) {
    if (p.NTCount == 0)
        counter_.UpdateTableSuit(p.TotalTricks, p.TotalTrumps, p.EventCount);
    else if (NTChoiceCounts(options.NT, p.NTShape))
        counter_.UpdateTableNT(p.TotalTricks, p.TotalTrumps, p.EventCount);
}

RunResult ScanDriver::RunWhileScanning(std::int32_t Nstart, std::int32_t Nend, ScanCache* cache,
                                       Over20Sink* over20) {
    const RunScope scope(*this);
    RunResult result;
    std::string error;
    auto fail = [&](std::string message) {
        result.outcome = RunOutcome::Failed;
        result.message = std::move(message);
        return result;
    };
    LibraryFile lib;
    if (!lib.Open(libraryPath, libMode)) {
        const std::string name = libraryPath.filename().string();
        return fail(lib.Error() == TooManyDealsText(name)
                        ? lib.Error()
                        : "Cannot open the library " + name + ".");
    }
    if (Nend > lib.DealCount()) Nend = lib.DealCount();
    if (cache && Nstart == 1) lib.TrackContent();
    if (over20 && !over20->Open(error)) return fail(error);
    if (cache && !cache->BeginWrite(error)) {
        if (over20) over20->Abandon();
        return fail(error);
    }
    auto abandon = [&] {
        if (cache) cache->Abandon();
        if (over20) over20->Abandon();
    };
    // Files written on the way are finished on every way out, in an order that leaves the old
    // set of files or the new one after a failure or a kill at any point.
    auto finish = [&](bool completed) {
        std::string e;
        if (result.outcome == RunOutcome::Failed) {
            abandon();
            return result;
        }
        if (completed && cache && Nstart == 1 && Nend == lib.DealCount()) {
            LibraryIdentity id;
            if (!lib.TrackedIdentity(id, e) || !cache->Finish(e) ||
                (over20 && !over20->Finish(e))) {
                abandon();
                fail(e);
                return result;
            }
            if (over20 && !over20->Commit(e)) {
                cache->Abandon();
                fail(e);
                return result;
            }
            // The note goes last: a cache in place without it is never replayed.
            if (!cache->CommitCache(e) || !cache->WriteNote(id, e)) fail(e);
            return result;
        }
        // Stopped or partial: the list of the deals so far is kept, so no note may go on
        // vouching for an earlier cache beside it.
        if (cache) {
            cache->Abandon();
            cache->Delete();
        }
        if (over20 && (!over20->Finish(e) || !over20->Commit(e))) fail(e);
        return result;
    };

    DealAnalysis& a = analysis_;
    a.DebugMode = DebugMode;
    a.onDoubleNT = onDoubleNT;
    counter_.options = options;
    const bool standard = options.SettingMode == SettingMode::Standard;
    const bool ostrevan = options.SettingMode == SettingMode::Ostrevan;
    const EventCounts noEvents{};
    DealPasses dp;

    for (DealNo = Nstart; DealNo <= Nend; ++DealNo) {
        if (DealNo % 20 == 0 && ProgressPoint()) {
            StopRequested = false;
            result.outcome = RunOutcome::Stopped;
            return finish(false);
        }
        a.DealNo = DealNo;
        ReadStatus st = a.AnalyseBothPasses(lib, dp);
        if (st != ReadStatus::Ok) {
            fail("Deal " + std::to_string(DealNo) + " of " + libraryPath.filename().string() +
                 (st == ReadStatus::Damaged ? " is damaged." : " cannot be read."));
            return finish(false);
        }
        const bool counted = Counted(dp.hcpBands);
        // The Ostrevan count is of the by-Length totals before the notrump step, and counts no
        // events (the deal's events are not known at that point of a scan).
        if (ostrevan && counted)
            counter_.UpdateTableSuit(dp.first.TotalTricks, dp.first.TotalTrumps, noEvents);
        if (standard && options.ByLengthSelected && counted) CountPass(dp.byLength);

        if (cache && !cache->Append(CacheRecord::Pack(dp), error)) {
            fail(error);
            return finish(false);
        }
        const PassResult& s = dp.byScore;
        if (over20 && s.NTCount == 0 && s.TotalTrumps >= 21 &&
            !over20->Line(s.TotalTrumps, s.TotalTricks, DealNo, dp.PairHCP, error)) {
            fail(error);
            return finish(false);
        }
        if (standard && options.ByScoreSelected && counted) CountPass(dp.byScore);
    }
    return finish(true);
}

RunResult ScanDriver::RunWithoutScanning(std::int32_t Nstart, std::int32_t Nend,
                                         const std::vector<std::uint8_t>& records) {
    const RunScope scope(*this);
    RunResult result;
    const std::int32_t available = static_cast<std::int32_t>(records.size() / 6);
    if (Nend > available) Nend = available;
    counter_.options = options;
    const bool byLength = options.ByLengthSelected;
    for (DealNo = Nstart; DealNo <= Nend; ++DealNo) {
        if (DealNo % 40 == 0 && ProgressPoint()) {
            result.outcome = RunOutcome::Stopped;
            return result;
        }
        // Each deal replays its own record (also a single deal traced from the debug box).
        const std::uint8_t* rec = records.data() + static_cast<std::size_t>(DealNo - 1) * 6;
        if (!Counted(CacheRecord::HcpBands(rec))) continue;
        if (options.SettingMode == SettingMode::Ostrevan) {
            const auto c = CacheRecord::Unpack(rec, CacheRecord::Pass::First);
            counter_.UpdateTableSuit(c.tricks, c.trumps, c.events);
            continue;
        }
        if (options.SettingMode != SettingMode::Standard) continue;
        const auto c = CacheRecord::Unpack(
            rec, byLength ? CacheRecord::Pass::ByLength : CacheRecord::Pass::ByScore);
        if (c.shape == 0)
            counter_.UpdateTableSuit(c.tricks, c.trumps, c.events);
        else if (NTChoiceCounts(options.NT, ShortnessOfFlag(c.shape)))
            counter_.UpdateTableNT(c.tricks, c.trumps, c.events);
    }
    return result;
}

}  // namespace lott
