// A whole small library file: discovery, ReadDeal of every deal and beyond, both contract passes,
// the viewer's decisions and export pages, and a scan that writes the cache and the list, which
// must then load and replay to the same tables when every total lies within the cache's range.
#include "DealExport.h"
#include "FuzzCheck.h"
#include "LibraryFile.h"
#include "ScanDriver.h"
#include "ViewerContracts.h"

using namespace lott;
namespace fs = std::filesystem;

namespace {

class CountingSink : public Over20Sink {
  public:
    bool Open(std::string&) override { return true; }
    bool Line(std::int32_t tt, std::int32_t, std::int32_t dealNo,
              const std::array<std::int32_t, 2>& hcp, std::string&) override {
        FUZZ_CHECK(tt >= 21 && dealNo > last);
        FUZZ_CHECK(hcp[0] + hcp[1] == 40);
        last = dealNo;
        return true;
    }
    bool Finish(std::string&) override { return true; }
    bool Commit(std::string&) override { return kept = true; }
    void Abandon() override { kept = false; }
    std::int32_t last = 0;
    bool kept = false;
};

bool InCacheRange(const PassResult& r) {
    return r.TotalTricks >= 10 && r.TotalTricks <= 25 && r.TotalTrumps >= 10 && r.TotalTrumps <= 25;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ByteReader in(data, size);
    const std::uint8_t how = in.Take();
    Settings settings;
    fuzz::ChooseSettings(in, settings);
    const int mode = how & 1;
    const std::string_view bytes = in.Rest();

    const fs::path dir = fuzz::FreshFolder("library");
    std::error_code ec;
    fs::create_directories(dir / "DataFiles", ec);
    const fs::path file = dir / (mode == 1 ? kBinLibName : kAscLibName);
    fuzz::WriteBytes(file, bytes);
    // Sometimes the other form lies beside it: the binary one is chosen when it holds a whole
    // record, else the ASCII one when it does.
    const std::string_view other = bytes.substr(0, 200);
    if (how & 2) fuzz::WriteBytes(dir / (mode == 1 ? kAscLibName : kBinLibName), other);
    const std::size_t binLen = mode == 1 ? bytes.size() : (how & 2) ? other.size() : 0;
    const std::size_t ascLen = mode == 0 ? bytes.size() : (how & 2) ? other.size() : 0;
    const bool binUsable = binLen >= kBinRecLen, ascUsable = ascLen >= kAscRecLen;

    const LibraryChoice c = DiscoverLibrary(dir);
    FUZZ_CHECK(c.found == (binUsable || ascUsable));
    if (!c.found) return 0;
    FUZZ_CHECK(static_cast<int>(c.LibMode) == (binUsable ? 1 : 0));
    if (static_cast<int>(c.LibMode) != mode) return 0;
    const int recLen = RecLenOfMode(static_cast<LibMode>(mode));
    FUZZ_CHECK(c.DealCount == static_cast<std::int32_t>(bytes.size() / recLen));

    LibraryFile lib;
    FUZZ_CHECK(lib.Open(file, static_cast<LibMode>(mode)));
    FUZZ_CHECK(lib.DealCount() == c.DealCount);
    Deal d;
    for (std::int32_t n : {0, -1, c.DealCount + 1, INT32_MAX}) {
        FUZZ_CHECK(lib.ReadDeal(n, d) == ReadStatus::OutOfRange);
        FUZZ_CHECK(d.Hand[0][0].empty() && d.HCP[0] == 0);
    }
    DealAnalysis analysis(d);
    bool damaged = false, inRange = true;
    for (std::int32_t n = 1; n <= c.DealCount; ++n) {
        const ReadStatus st = lib.ReadDeal(n, d);
        FUZZ_CHECK(st == ReadStatus::Ok || (mode == 0 && st == ReadStatus::Damaged));
        if (st != ReadStatus::Ok) {
            damaged = true;
            continue;
        }
        fuzz::CheckDecodedDeal(d);
        const DealPasses p = fuzz::CheckedPasses(analysis);
        inRange =
            inRange && InCacheRange(p.first) && InCacheRange(p.byLength) && InCacheRange(p.byScore);
        // What the viewer makes of the deal, its switches taken in turn from deal to deal;
        // the export pages of the first deals.
        const ViewerDecision v =
            ViewerContracts::Decide(d, static_cast<TrumpBy>(n % 2), static_cast<NoNT>((n / 2) % 2));
        FUZZ_CHECK(v.NTCount >= 0 && v.NTCount <= 1);
        if (n <= 2) {
            DealExport::Page page;
            page.dealNo = n;
            page.Contract = v.Contract;
            page.Hand = d.Hand;
            FUZZ_CHECK(!DealExport::FoutHtml(page).empty());
            FUZZ_CHECK(!DealExport::FoutText(page).empty());
        }
    }
    lib.Close();

    // The scan of the whole library, then the replay of its cache.
    CountingTables scanned, replayed;
    ExpectedFreq freq;
    freq.LoadPtValues();
    ScanDriver scan(scanned, freq);
    scan.libraryPath = file;
    scan.libMode = static_cast<LibMode>(mode);
    fuzz::UseSettings(scan, settings);
    ScanCache cache(dir / "DataFiles");
    CountingSink list;
    const RunResult r = scan.RunWhileScanning(1, c.DealCount, &cache, &list);
    if (damaged) {
        FUZZ_CHECK(r.outcome == RunOutcome::Failed && !r.message.empty());
        FUZZ_CHECK(!list.kept);
        // The short cache the scan leaves is never taken for a whole one.
        std::vector<std::uint8_t> none;
        FUZZ_CHECK(cache.Load(file, c.DealCount, none) != ScanCache::State::Valid);
        FUZZ_CHECK(!cache.Exists());
        return 0;
    }
    FUZZ_CHECK(r.outcome == RunOutcome::Completed);
    FUZZ_CHECK(list.kept);
    std::vector<std::uint8_t> records;
    const ScanCache::State state = cache.Load(file, c.DealCount, records);
    if (c.DealCount == 0) {
        FUZZ_CHECK(state != ScanCache::State::Valid);
        return 0;
    }
    FUZZ_CHECK(state == ScanCache::State::Valid);
    FUZZ_CHECK(records.size() == static_cast<std::size_t>(c.DealCount) * 6);
    ScanDriver replay(replayed, freq);
    fuzz::UseSettings(replay, settings);
    FUZZ_CHECK(replay.RunWithoutScanning(1, c.DealCount, records).outcome == RunOutcome::Completed);
    if (inRange) FUZZ_CHECK(scanned == replayed);
    return 0;
}
