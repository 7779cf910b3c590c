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
    bool Open(std::string&) override {
        opened = true;
        return true;
    }
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
    bool Commit(std::string&) override {
        closed = kept = true;
        return true;
    }
    void Abandon() override {
        closed = true;
        kept = false;
    }
    std::vector<std::array<std::int32_t, 5>> lines;
    bool opened = false, closed = false, kept = false;
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

// Random deals (tricks need not be double-dummy consistent) whose totals all lie in 10..25, so
// that a replay restores them exactly.
std::vector<DealRecord> InRangeDeals(int n, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<DealRecord> v;
    Deal d;
    DealAnalysis a(d);
    while (static_cast<int>(v.size()) < n) {
        DealRecord r = test::RandomRecord(rng);
        test::LoadRecord(r, d);
        std::array<std::int32_t, 2> hcp{};
        a.ForbidArtificial = 0;
        a.AnalyseLoadedDeal(hcp);
        bool ok = a.TotalTricks >= 10 && a.TotalTricks <= 25 && a.TotalTrumps <= 25;
        a.ProcNT(0);
        ok = ok && a.TotalTricks >= 10 && a.TotalTricks <= 25 && a.TotalTrumps <= 25;
        a.SetContractByScore();
        a.ProcNT(1);
        ok = ok && a.TotalTricks >= 10 && a.TotalTricks <= 25 && a.TotalTrumps >= 10 &&
             a.TotalTrumps <= 25;
        if (ok) v.push_back(r);
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
    ScanOptions variants[4] = {StandardByScore(), StandardByScore(), StandardByScore(), {}};
    variants[1].ByScoreSelected = false;
    variants[1].ByLengthSelected = true;
    variants[1].TrumpBy = TrumpBy::Length;
    variants[1].NT = NTChoice::V2;
    variants[1].NTFormula = 2;
    variants[1].DoubleFit = Correction::Half;
    variants[1].Chameleon = true;
    variants[2].Hcp = HcpRange::From17To23;
    variants[2].NT = NTChoice::Sg;
    variants[2].SolidTrump = Correction::One;
    variants[3].SettingMode = SettingMode::Ostrevan;
    variants[3].ByLengthSelected = true;
    variants[3].Hcp = HcpRange::From15To25;
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

TEST(ScanDriver, CacheRecordsPackTotalsCodesAndBands) {
    test::TempFolder dir;
    // W-E 29 HCP (outside both bands); W-E play 3NT (9 tricks) against N-S hearts 7 tricks.
    auto rec =
        test::BuildRecord(test::kBalanced, {test::Pairs(9, 4), test::Pairs(8, 5), test::Pairs(6, 7),
                                            test::Pairs(8, 5), test::Pairs(7, 5)});
    test::WriteBin(dir / "Library.bin", {rec});
    ScanCache cache(dir.path());
    Harness scan(dir / "Library.bin", StandardByScore());
    ASSERT_EQ(scan.driver.RunWhileScanning(1, 1, &cache, nullptr).outcome, RunOutcome::Completed);
    std::string bytes = test::ReadFile(cache.CachePath());
    ASSERT_EQ(bytes.size(), 6u);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[1]), (15 - 10) * 16 + (14 - 10));  // S 8 + H 7
    // By Length then notrump: 2S (60) against 3NT (100): W-E notrump, N-S hearts 7 + 7 = 14.
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[2]), (16 - 10) * 16 + (14 - 10));
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[3]), 128 + 1);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[4]), (16 - 10) * 16 + (14 - 10));
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[5]), 128 + 1);
    EXPECT_EQ(scan.tables.DevTable(-1, 14, 2), 1.0f);
}

TEST(ScanDriver, AStopSeenAtDeal400LeavesNoCacheAndTheListSoFar) {
    test::TempFolder dir;
    std::mt19937 rng(5);
    std::vector<DealRecord> deals;
    for (int i = 0; i < 1000; ++i) deals.push_back(test::RandomRecord(rng));
    test::WriteBin(dir / "Library.bin", deals);
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
    return test::BuildRecord(kLongFits, {test::Pairs(6, 3), test::Pairs(10, 2), test::Pairs(7, 2),
                                         test::Pairs(7, 2), test::Pairs(2, 10)});
}

TEST(ScanDriver, Over20ListsByScoreSuitDealsOfTwentyOneTrumpsWhateverTheHcpRange) {
    test::TempFolder dir;
    test::WriteBin(dir / "Library.bin", {LongFitsDeal(), LongFitsDeal()});
    ListSink list;
    ScanOptions o = StandardByScore();
    o.Hcp = HcpRange::From17To23;  // W-E hold 30: counted nowhere, listed anyway
    Harness scan(dir / "Library.bin", o);
    ASSERT_EQ(scan.driver.RunWhileScanning(1, 2, nullptr, &list).outcome, RunOutcome::Completed);
    ASSERT_EQ(list.lines.size(), 2u);
    EXPECT_EQ(list.lines[0], (std::array<std::int32_t, 5>{21, 20, 1, 30, 10}));
    EXPECT_EQ(list.lines[1][2], 2);
    EXPECT_EQ(scan.tables.DevTable(0, 30, 30), 0.0f);
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

TEST(ScanDriver, ReplayCountsEachDealsOwnRecordAndStopsAtProgressPoints) {
    // Record n holds totals (n + 10 tricks, 14 trumps) by Score, suit-suit.
    std::vector<std::uint8_t> records;
    for (int n = 1; n <= 100; ++n) {
        std::uint8_t totals = static_cast<std::uint8_t>((n % 16) * 16 + 4);
        records.insert(records.end(), {3, totals, totals, 0, totals, 0});
    }
    Harness one("Library.bin", StandardByScore());
    one.driver.RunWithoutScanning(37, 37, records);
    EXPECT_EQ(one.tables.DevTable(0, 14, (37 % 16) - 4), 1.0f);
    EXPECT_EQ(one.tables.DevTable(0, 30, 30), 1.0f);

    Harness some("Library.bin", StandardByScore());
    AtProgress at([&](std::int32_t n) {
        if (n == 80) some.driver.StopRequested = true;
    });
    some.driver.listener = &at;
    EXPECT_EQ(some.driver.RunWithoutScanning(1, 100, records).outcome, RunOutcome::Stopped);
    EXPECT_EQ(some.driver.DealNo, 80);
    EXPECT_EQ(some.tables.DevTable(0, 30, 30), 79.0f);
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
