// Whole runs over small libraries: scanning, the cache, replaying it, stopping, the Over20 list.
#include <gtest/gtest.h>

#include <random>

#include "EngineTestDeals.h"
#include "ScanDriver.h"

namespace lott {
namespace {

// Calls f at every progress point of a run.
struct AtProgress : ScanListener {
    explicit AtProgress(std::function<void(std::int32_t)> at) : f(std::move(at)) {}
    void Progress(std::int32_t dealNo) override { f(dealNo); }
    std::function<void(std::int32_t)> f;
};

class ListSink : public Over20Sink {
  public:
    bool Open(std::string&) override { return true; }
    bool Line(std::int32_t tt, std::int32_t ttr, std::int32_t deal,
              const std::array<std::int32_t, 2>& hcp, std::string& error) override {
        if (failAt == deal) {
            error = "disk full";
            return false;
        }
        lines.push_back({tt, ttr, deal, hcp[0], hcp[1]});
        return true;
    }
    bool Finish(std::string&) override { return true; }
    bool Commit(std::string&) override { return closed = kept = true; }
    void Abandon() override { closed = true; }
    std::vector<std::array<std::int32_t, 5>> lines;
    bool closed = false, kept = false;
    std::int32_t failAt = -1;
};

ScanOptions StandardByScore() {
    ScanOptions o;
    o.SettingMode = SettingMode::Standard;
    o.ByScoreSelected = true;
    o.TrumpBy = TrumpBy::Score;
    o.Hcp = HcpRange::All;
    o.NT = NTChoice::Co;
    return o;
}

// Random deals (tricks need not be double-dummy consistent), with inRange only those whose totals
// all lie in 10..25, so that a replay restores them exactly.
std::vector<DealRecord> InRangeDeals(std::size_t n, unsigned seed, bool inRange = true) {
    std::mt19937 rng(seed);
    std::vector<DealRecord> v;
    Deal d;
    DealAnalysis a(d);
    auto fits = [inRange](const PassResult& r) {
        if (!inRange) return true;
        return r.TotalTricks >= 10 && r.TotalTricks <= 25 && r.TotalTrumps >= 10 &&
               r.TotalTrumps <= 25;
    };
    while (v.size() < n) {
        DealRecord r = test::RandomRecord(rng);
        test::LoadRecord(r, d);
        DealPasses p;
        a.AnalyseDecodedDeal(p);
        if (fits(p.first) && fits(p.byLength) && fits(p.byScore)) v.push_back(r);
    }
    return v;
}

struct Harness {
    CountingTables tables;
    ExpectedFreq freq;
    ScanDriver driver{tables, freq};
    explicit Harness(const std::filesystem::path& library, ScanOptions o) {
        freq.LoadPtValues();
        driver.libraryPath = library;
        driver.libMode = library.extension() == ".asc" ? LibMode::Ascii : LibMode::Binary;
        driver.options = o;
        driver.counter().options = o;
        driver.counter().SetUseFlags();
    }
};

TEST(ScanDriver, AFullScanLeavesACompleteCacheThatReplaysToTheSameTables) {
    test::TempFolder dir;
    auto deals = InRangeDeals(600, 3);
    test::WriteBin(dir / "Library.bin", deals);
    ScanOptions ostrevan;  // the first pass alone
    ostrevan.SettingMode = SettingMode::Ostrevan;
    ostrevan.ByLengthSelected = true;
    ostrevan.Hcp = HcpRange::From15To25;
    ScanOptions byLength = StandardByScore();  // by Length, with corrections and a notrump formula
    byLength.ByScoreSelected = false;
    byLength.ByLengthSelected = true;
    byLength.TrumpBy = TrumpBy::Length;
    byLength.NT = NTChoice::V2;
    byLength.NTFormula = 2;
    byLength.DoubleFit = Correction::Half;
    byLength.Chameleon = true;
    const ScanOptions variants[] = {StandardByScore(), byLength, ostrevan};
    for (const ScanOptions& o : variants) {
        ScanCache cache(dir.path());
        ListSink list;
        Harness scan(dir / "Library.bin", o);
        RunResult r = scan.driver.RunWhileScanning(1, 600, &cache, &list);
        ASSERT_EQ(r.outcome, RunOutcome::Completed) << r.message;
        EXPECT_EQ(scan.driver.DealNo, 601);
        EXPECT_EQ(std::filesystem::file_size(cache.CachePath()), 600u * 6);
        EXPECT_TRUE(list.kept);

        std::vector<std::uint8_t> records;
        ASSERT_EQ(cache.Load(dir / "Library.bin", 600, records), ScanCache::State::Valid);
        Harness replay(dir / "Library.bin", o);
        ASSERT_EQ(replay.driver.RunWithoutScanning(1, 600, records).outcome, RunOutcome::Completed);
        EXPECT_TRUE(scan.tables == replay.tables);
        EXPECT_GT(scan.tables.DevTable(0, 30, 30), 0.0f);
    }
}

TEST(ScanDriver, AStopSeenAtDeal400LeavesNoCacheAndTheListSoFar) {
    test::TempFolder dir;
    test::WriteBin(dir / "Library.bin", InRangeDeals(1000, 5, false));
    ScanCache cache(dir.path());
    ListSink list;
    Harness scan(dir / "Library.bin", StandardByScore());
    std::vector<std::int32_t> seen;
    AtProgress at([&](std::int32_t n) {
        seen.push_back(n);
        if (n == 400) scan.driver.StopRequested = true;  // the click made during deal 390
    });
    scan.driver.listener = &at;
    RunResult r = scan.driver.RunWhileScanning(1, 1000, &cache, &list);
    EXPECT_EQ(r.outcome, RunOutcome::Stopped);
    EXPECT_EQ(scan.driver.DealNo - 1, 399);
    EXPECT_FALSE(scan.driver.StopRequested);
    EXPECT_EQ(seen.size(), 20u);
    EXPECT_TRUE(list.closed);
    EXPECT_TRUE(list.kept);  // a stopped run keeps the deals listed so far
    for (const auto& l : list.lines) EXPECT_LT(l[2], 400);
    // Neither a short cache nor its part file is left.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

// W-E: 10 spades making 4, N-S: 11 clubs making 10 tricks: 21 Total Trumps, 20 Total Tricks.
const std::array<std::string_view, 4> kLongFits = {"AKQJT.AKQ4.AKQ.2", "432.T98.T98.AKQJ",
                                                   "98765.J32.J432.3", ".765.765.T987654"};
DealRecord LongFitsDeal() {
    return test::MakeRecord(kLongFits, {"7373", "3232", "6262", "6262", "BABA"});
}

TEST(ScanDriver, CacheOfAnotherSizeLibraryOrImpossibleRecordIsDiscarded) {
    test::TempFolder dir;
    auto deals = InRangeDeals(50, 9);
    test::WriteBin(dir / "Library.bin", deals);
    auto scanOnce = [&] {
        ScanCache cache(dir.path());
        Harness scan(dir / "Library.bin", StandardByScore());
        ASSERT_EQ(scan.driver.RunWhileScanning(1, 50, &cache, nullptr).outcome,
                  RunOutcome::Completed);
    };
    ScanCache cache(dir.path());
    std::vector<std::uint8_t> records;
    scanOnce();
    EXPECT_EQ(cache.Load(dir / "Library.bin", 50, records), ScanCache::State::Valid);
    EXPECT_EQ(cache.Load(dir / "Library.bin", 51, records), ScanCache::State::Discarded);
    EXPECT_EQ(cache.Load(dir / "Library.bin", 50, records), ScanCache::State::Missing);

    scanOnce();
    std::string bytes = test::ReadFile(cache.CachePath());
    test::WriteFile(cache.CachePath(), bytes + bytes.substr(0, 6));  // longer
    EXPECT_EQ(cache.Load(dir / "Library.bin", 50, records), ScanCache::State::Discarded);

    scanOnce();
    auto other = deals;
    std::swap(other[3], other[4]);  // same size, other deals
    test::WriteBin(dir / "Library.bin", other);
    EXPECT_EQ(cache.Load(dir / "Library.bin", 50, records), ScanCache::State::Discarded);

    for (int bad : {0x80, 0x83 | 0x04, 0x30, 0x03}) {
        scanOnce();
        bytes = test::ReadFile(cache.CachePath());
        bytes[6 * 7 + 3] = static_cast<char>(bad);
        test::WriteFile(cache.CachePath(), bytes);
        EXPECT_EQ(cache.Load(dir / "Library.bin", 50, records), ScanCache::State::Discarded)
            << int(bad);
        EXPECT_TRUE(records.empty());
    }
}

TEST(ScanDriver, DamagedRecordsAndFailingListsStopTheRunWithAMessage) {
    test::TempFolder dir;
    auto deals = InRangeDeals(30, 4);
    test::WriteAsc(dir / "Library.asc", deals);
    std::string bytes = test::ReadFile(dir / "Library.asc");
    bytes[89 * 11 + 2] = 'X';
    test::WriteFile(dir / "Library.asc", bytes);
    ScanCache cache(dir.path());
    ListSink list;
    Harness scan(dir / "Library.asc", StandardByScore());
    RunResult r = scan.driver.RunWhileScanning(1, 30, &cache, &list);
    EXPECT_EQ(r.outcome, RunOutcome::Failed);
    EXPECT_EQ(r.message, "Deal 12 of Library.asc is damaged.");
    EXPECT_TRUE(list.closed);
    EXPECT_FALSE(list.kept);  // a failed run drops the list it began
    std::vector<std::uint8_t> records;
    EXPECT_NE(cache.Load(dir / "Library.asc", 30, records), ScanCache::State::Valid);

    // A list that cannot be written stops the run at the first listed deal.
    test::WriteBin(dir / "Library.bin", {LongFitsDeal(), LongFitsDeal(), LongFitsDeal()});
    Harness again(dir / "Library.bin", StandardByScore());
    ListSink failing;
    failing.failAt = 2;
    RunResult r2 = again.driver.RunWhileScanning(1, 3, nullptr, &failing);
    EXPECT_EQ(r2.outcome, RunOutcome::Failed);
    EXPECT_EQ(r2.message, "disk full");
    EXPECT_EQ(failing.lines.size(), 1u);
    EXPECT_TRUE(failing.closed);
    Harness missing(dir / "None.bin", StandardByScore());
    EXPECT_EQ(missing.driver.RunWhileScanning(1, 1, nullptr, nullptr).message,
              "Cannot open the library None.bin.");
}

}  // namespace
}  // namespace lott
