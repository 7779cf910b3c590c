#include "ScanDriver.h"

#include "Rounding.h"

namespace lott {

ScanDriver::ScanDriver(CountingTables& tables, const ExpectedFreq& freq)
    : tables_(tables), analysis_(deal_), counter_(tables, freq) {
    counter_.WriteTable = [this](int kind, int length, int dev, const EventCounts& ev) {
        if (TableState == 1 && WriteTable) WriteTable(kind, length, dev, ev);
    };
}

std::uint8_t ScanDriver::Packed(std::int32_t tricks, std::int32_t trumps) {
    return static_cast<std::uint8_t>(Trunc(tricks) * 16 + Trunc(trumps));
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

// Counts the pass in analysis_ under the Standard preset.
void ScanDriver::CountPass() {
    const DealAnalysis& a = analysis_;
    if (a.NTCount == 0) {
        counter_.UpdateTableSuit(a.TotalTricks, a.TotalTrumps, a.EventCount);
        return;
    }
    bool count = false;
    switch (options.NT) {
        case NTChoice::Co:
        case NTChoice::V1:
        case NTChoice::V2:
            count = true;
            break;
        case NTChoice::Vd:
            count = a.NTShape == 24;
            break;
        case NTChoice::Sg:
            count = a.NTShape == 23;
            break;
        case NTChoice::Db:
            count = a.NTShape == 22;
            break;
        case NTChoice::None:
            break;
    }
    if (count) counter_.UpdateTableNT(a.TotalTricks, a.TotalTrumps, a.EventCount);
}

// The cache code of the pass just made; fills EventCount as the count will read it.
std::uint8_t ScanDriver::PassCode() {
    DealAnalysis& a = analysis_;
    if (a.NTCount != 0) {
        a.EventCount = {0, 0, 0, 0};
        a.EventCount[a.NTShape - 21] = 1;
        return static_cast<std::uint8_t>((a.NTShape - 21) + 128);
    }
    a.GetSuitEventCorr();
    return static_cast<std::uint8_t>(a.EventCount[1] * 16 + a.EventCount[2] * 4 + a.EventCount[3]);
}

RunResult ScanDriver::RunWhileScanning(std::int32_t Nstart, std::int32_t Nend, ScanCache* cache,
                                       Over20Sink* over20) {
    RunResult result;
    std::string error;
    auto fail = [&](std::string message) {
        result.outcome = RunOutcome::Failed;
        result.message = std::move(message);
        return result;
    };
    LibraryFile lib;
    if (!lib.Open(libraryPath, libMode))
        return fail("Cannot open the library " + libraryPath.filename().string() + ".");
    if (Nend > lib.DealCount()) Nend = lib.DealCount();
    if (over20 && !over20->Open(error)) return fail(error);
    if (cache && !cache->BeginWrite(error)) {
        std::string ignored;
        if (over20) over20->Close(false, ignored);
        return fail(error);
    }
    // Files written on the way are closed on every way out; a failure of the run wins over
    // a later one of closing.
    auto finish = [&](bool completed) {
        std::string closeError;
        bool fullCache = completed && Nstart == 1 && Nend == lib.DealCount();
        if (cache && !cache->EndWrite(fullCache, libraryPath, closeError) &&
            result.outcome != RunOutcome::Failed)
            fail(closeError);
        if (over20 && !over20->Close(completed, closeError) && result.outcome != RunOutcome::Failed)
            fail(closeError);
        return result;
    };

    DealAnalysis& a = analysis_;
    a.DebugMode = DebugMode;
    a.onDoubleNT = onDoubleNT;
    counter_.options = options;
    const bool standard = options.SettingMode == 1;
    const bool ostrevan = options.SettingMode == 0;
    const EventCounts noEvents{};

    for (DealNo = Nstart; DealNo <= Nend; ++DealNo) {
        ScanCacheRec rec{};
        std::array<std::int32_t, 2> PairHCP{};
        if (DealNo % 20 == 0) {
            if (progress) progress(DealNo);
            if (StopRequested) {
                StopRequested = false;
                result.outcome = RunOutcome::Stopped;
                return finish(false);
            }
            if (TableState == 0 && EnableReShowTable) EnableReShowTable();
        }
        a.DealNo = DealNo;
        a.NTCount = 0;
        // The natural-declarer contracts of the reading step would be replaced below before
        // anything reads them, so only the deal itself is read and measured here.
        a.ForbidArtificial = -1;
        ReadStatus st = a.ReadAndMeasure(lib, PairHCP);
        if (st != ReadStatus::Ok) {
            fail("Deal " + std::to_string(DealNo) + " of " + libraryPath.filename().string() +
                 (st == ReadStatus::Damaged ? " is damaged." : " cannot be read."));
            return finish(false);
        }
        a.ForbidArtificial = 0;

        if (PairHCP[0] >= 15 && PairHCP[0] <= 25) rec[0] |= 1;
        if (PairHCP[0] >= 17 && PairHCP[0] <= 23) rec[0] |= 2;
        const bool counted = Counted(rec[0]);

        a.FindBidders();
        a.SetContractByLength();
        rec[1] = Packed(a.TotalTricks, a.TotalTrumps);
        // The Ostrevan count comes before this deal's events exist: it counts none.
        if (ostrevan && counted) counter_.UpdateTableSuit(a.TotalTricks, a.TotalTrumps, noEvents);

        a.ProcNT(0);
        rec[2] = Packed(a.TotalTricks, a.TotalTrumps);
        rec[3] = PassCode();
        if (standard && options.ByLengthSelected && counted) CountPass();

        a.SetContractByScore();
        a.ProcNT(1);
        rec[4] = Packed(a.TotalTricks, a.TotalTrumps);
        rec[5] = PassCode();

        if (cache && !cache->Append(rec, error)) {
            fail(error);
            return finish(false);
        }
        if (over20 && a.NTCount == 0 && a.TotalTrumps >= 21 &&
            !over20->Line(a.TotalTrumps, a.TotalTricks, DealNo, PairHCP, error)) {
            fail(error);
            return finish(false);
        }
        if (standard && options.ByScoreSelected && counted) CountPass();
        if (options.ForbidSelected) a.ForbidArtificial = -1;
    }
    return finish(true);
}

RunResult ScanDriver::RunWithoutScanning(std::int32_t Nstart, std::int32_t Nend,
                                         const std::vector<std::uint8_t>& records) {
    RunResult result;
    const std::int32_t available = static_cast<std::int32_t>(records.size() / 6);
    if (Nend > available) Nend = available;
    DealAnalysis& a = analysis_;
    counter_.options = options;
    const bool byLength = options.ByLengthSelected;
    for (DealNo = Nstart; DealNo <= Nend; ++DealNo) {
        a.EventCount = {0, 0, 0, 0};
        a.NTCount = 0;
        a.NTShape = 0;
        if (DealNo % 40 == 0) {
            if (progress) progress(DealNo);
            if (StopRequested) {
                result.outcome = RunOutcome::Stopped;
                return result;
            }
            if (TableState == 0 && EnableReShowTable) EnableReShowTable();
        }
        const std::uint8_t* rec = records.data() + static_cast<std::size_t>(DealNo - 1) * 6;
        if (!Counted(rec[0])) continue;
        if (options.SettingMode == 0) {
            a.TotalTricks = (rec[1] >> 4) + 10;
            a.TotalTrumps = (rec[1] & 15) + 10;
            counter_.UpdateTableSuit(a.TotalTricks, a.TotalTrumps, a.EventCount);
            continue;
        }
        if (options.SettingMode != 1) continue;
        const std::uint8_t totals = byLength ? rec[2] : rec[4];
        const std::uint8_t code = byLength ? rec[3] : rec[5];
        a.TotalTricks = (totals >> 4) + 10;
        a.TotalTrumps = (totals & 15) + 10;
        if ((code & 0x80u) == 0) {
            a.EventCount[1] = (code >> 4) & 7;
            a.EventCount[2] = (code >> 2) & 3;
            a.EventCount[3] = code & 3;
        } else {
            a.NTCount = 1;
            a.NTShape = code & 3;
            a.EventCount[a.NTShape] = 1;
        }
        if (a.NTCount == 0) {
            counter_.UpdateTableSuit(a.TotalTricks, a.TotalTrumps, a.EventCount);
        } else {
            // The cache keeps the shape as 1..3; the choices name it as 22..24.
            bool count = false;
            switch (options.NT) {
                case NTChoice::Co:
                case NTChoice::V1:
                case NTChoice::V2:
                    count = true;
                    break;
                case NTChoice::Vd:
                    count = a.NTShape == 3;
                    break;
                case NTChoice::Sg:
                    count = a.NTShape == 2;
                    break;
                case NTChoice::Db:
                    count = a.NTShape == 1;
                    break;
                case NTChoice::None:
                    break;
            }
            if (count) counter_.UpdateTableNT(a.TotalTricks, a.TotalTrumps, a.EventCount);
        }
    }
    return result;
}

}  // namespace lott
