// A scan cache "Trickscan_36.bin" with its source note: loading accepts exactly the complete
// caches of this library whose every record a scan could write, deletes any other, and a replay
// of what it accepts (or of any records at all) counts within the tables, feeding the live table.
#include <cmath>
#include <system_error>

#include "FuzzCheck.h"
#include "ScanCache.h"
#include "ScanDriver.h"
#include "TableCells.h"

using namespace lott;
namespace fs = std::filesystem;

namespace {

void CheckFinite(const CountingTables& t) {
    for (int k = -1; k <= 0; ++k) {
        for (int l = 0; l <= 30; ++l) {
            for (int d = -10; d <= 30; ++d) FUZZ_CHECK(std::isfinite(t.DevTable(k, l, d)));
            FUZZ_CHECK(std::isfinite(t.DevMean(k, l)) && std::isfinite(t.DevAbsMean(k, l)));
            for (int e = 1; e <= 3; ++e) FUZZ_CHECK(t.EventTable(k, l, e) >= 0);
        }
        for (int e = 1; e <= 3; ++e) FUZZ_CHECK(t.EventRate(k, e) >= 0);
    }
}

// Replays records with the live table attached, as the window does.
void Replay(const Settings& s, const std::vector<std::uint8_t>& records, std::int32_t nend) {
    CountingTables t;
    ExpectedFreq freq;
    freq.LoadPtValues();
    ScanDriver driver(t, freq);
    fuzz::UseSettings(driver, s);
    TableCells cells;
    cells.InitLabels();
    // A live table: every counted deal is written to the cells.
    struct LiveCells : ScanListener {
        LiveCells(CountingTables& tables, const Settings& settings, TableCells& c)
            : t(tables), s(settings), cells(c) {}
        bool LiveTable() const override { return true; }
        void CountedDeal(int kind, int L, int d, const EventCounts& ev) override {
            ++counted;
            cells.WriteTable(t, s, kind, L, d, {ev[1], ev[2], ev[3]}, nullptr);
        }
        CountingTables& t;
        const Settings& s;
        TableCells& cells;
        std::int64_t counted = 0;
    } live(t, s, cells);
    driver.listener = &live;
    const std::int64_t& counted = live.counted;
    const RunResult r = driver.RunWithoutScanning(1, nend, records);
    FUZZ_CHECK(r.outcome == RunOutcome::Completed);
    const std::int64_t n = static_cast<std::int64_t>(records.size() / 6);
    FUZZ_CHECK(counted <= n);
    FUZZ_CHECK(driver.DealNo == (nend < 1 ? 1 : std::min<std::int64_t>(nend, n) + 1));
    CheckFinite(t);
    // Weights of moved deals are capped at 5 (suit-suit) and 1.49 (suit-notrump).
    FUZZ_CHECK(t.DevTable(0, 30, 30) <= 5.0f * static_cast<float>(counted) + 0.5f);
    FUZZ_CHECK(t.DevTable(-1, 30, 30) <= 1.5f * static_cast<float>(counted) + 0.5f);
    cells.WriteWholeTable(t, s, driver.DealNo, false);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ByteReader in(data, size);
    const std::uint8_t how = in.Take();
    Settings settings;
    fuzz::ChooseSettings(in, settings);
    const std::int32_t nend = static_cast<std::int32_t>(in.Take()) - 8;
    std::string_view rest = in.Rest();

    // Any records at all replay without leaving the tables.
    const std::vector<std::uint8_t> raw(rest.begin(), rest.end());
    Replay(settings, raw, nend);
    Replay(settings, raw, static_cast<std::int32_t>(raw.size() / 6));

    // The cache on disk beside a library of some number of deals, with a note written by a
    // scan's own writer, or a note from the input.
    const fs::path dir = fuzz::FreshFolder("cache");
    const fs::path library = dir / "Library.bin";
    const std::int32_t deals = static_cast<std::int32_t>(raw.size() / 6) + (how >> 6) % 3 - 1;
    const std::size_t libBytes = static_cast<std::size_t>(deals < 0 ? 0 : deals) * 26;
    fuzz::WriteBytes(library, std::string(libBytes, 'x'));
    ScanCache cache(dir);
    std::string_view note;
    if (how & 1) {
        const auto cut = rest.find('\n');
        if (cut != std::string_view::npos) {
            note = rest.substr(0, cut);
            rest.remove_prefix(cut + 1);
        }
    }
    std::string error;
    FUZZ_CHECK(cache.BeginWrite(error));
    ScanCacheRec rec{};
    for (std::size_t i = 0; i + 6 <= rest.size(); i += 6) {
        std::copy(rest.begin() + static_cast<std::ptrdiff_t>(i),
                  rest.begin() + static_cast<std::ptrdiff_t>(i + 6), rec.begin());
        FUZZ_CHECK(cache.Append(rec, error));
    }
    LibraryIdentity id;
    FUZZ_CHECK(LibraryFile::Identify(library, id));
    FUZZ_CHECK(cache.Finish(error) && cache.CommitCache(error) && cache.WriteNote(id, error));
    if (how & 1) fuzz::WriteBytes(cache.SourcePath(), note);
    std::error_code ec;
    if (how & 2) fs::remove(cache.SourcePath(), ec);  // a cache without its note
    if (how & 4) fuzz::WriteBytes(library, std::string(libBytes, 'y'));

    std::vector<std::uint8_t> records;
    const std::int32_t whole = static_cast<std::int32_t>(rest.size() / 6);
    const ScanCache::State state = cache.Load(library, deals, records);
    bool plausible = true;
    for (std::size_t i = 0; i + 6 <= rest.size(); i += 6)
        plausible = plausible &&
                    CacheRecord::Plausible(reinterpret_cast<const std::uint8_t*>(rest.data()) + i);
    const bool sound = !(how & 7) && deals > 0 && deals == whole && plausible;
    if (sound) FUZZ_CHECK(state == ScanCache::State::Valid);
    if (state == ScanCache::State::Valid) {
        FUZZ_CHECK(deals == whole && plausible);
        FUZZ_CHECK(records.size() == static_cast<std::size_t>(deals) * 6);
        Replay(settings, records, deals);
    } else {
        FUZZ_CHECK(records.empty());
        FUZZ_CHECK(!cache.Exists() && !fs::exists(cache.SourcePath()));
    }
    return 0;
}
