// Whole runs over small libraries: scanning, the cache, replaying it, stopping, the Over20 list.
#include <gtest/gtest.h>

#include <functional>
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
        if (failAt == deal) error = "disk full";
        if (failAt != deal) lines.push_back({tt, ttr, deal, hcp[0], hcp[1]});
        return failAt != deal;
    }
    bool Finish(std::string&) override { return true; }
    bool Commit(std::string&) override { return closed = kept = true; }
    void Abandon() override { closed = true; }
    std::vector<std::array<std::int32_t, 5>> lines;
    bool closed = false, kept = false;
    std::int32_t failAt = -1;
};

const ScanOptions kByScore{
    .SettingMode = SettingMode::Standard, .ByScoreSelected = true, .TrumpBy = TrumpBy::Score};

// Random deals (tricks need not be double-dummy consistent), with inRange only those whose totals
// all lie in 10..25, so that a replay restores them exactly.
std::vector<DealRecord> RandomDeals(std::size_t n, unsigned seed, bool inRange = true) {
    std::mt19937 rng(seed);
    std::vector<DealRecord> v;
    Deal d;
    DealAnalysis a(d);
    auto fits = [inRange](const PassResult& r) {
        return !inRange || (std::min(r.TotalTricks, r.TotalTrumps) >= 10 &&
                            std::max(r.TotalTricks, r.TotalTrumps) <= 25);
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
    explicit Harness(const std::filesystem::path& library, ScanOptions o = kByScore) {
        freq.LoadPtValues();
        driver.libraryPath = library;
        driver.libMode = library.extension() == ".asc" ? LibMode::Ascii : LibMode::Binary;
        driver.options = driver.counter().options = o;
        driver.counter().SetUseFlags();
    }
};

TEST(ScanDriver, AFullScanLeavesACompleteCacheThatReplaysToTheSameTables) {
    test::TempFolder dir;
    test::WriteBin(dir / "Library.bin", RandomDeals(600, 3));
    const ScanOptions variants[] = {kByScore,
                                    // by Length, with corrections and a notrump formula
                                    {.SettingMode = SettingMode::Standard,
                                     .ByLengthSelected = true,
                                     .NT = NTChoice::V2,
                                     .NTFormula = 2,
                                     .DoubleFit = Correction::Half,
                                     .Chameleon = true},
                                    {.SettingMode = SettingMode::Ostrevan,
                                     .ByLengthSelected = true,
                                     .Hcp = HcpRange::From15To25}};  // first pass
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
    test::WriteBin(dir / "Library.bin", RandomDeals(1000, 5, false));
    ScanCache cache(dir.path());
    ListSink list;
    Harness scan(dir / "Library.bin");
    std::vector<std::int32_t> seen;
    AtProgress at([&](std::int32_t n) {
        seen.push_back(n);
        if (n == 400) scan.driver.StopRequested = true;  // the click made during deal 390
    });
    scan.driver.listener = &at;
    EXPECT_EQ(scan.driver.RunWhileScanning(1, 1000, &cache, &list).outcome, RunOutcome::Stopped);
    EXPECT_EQ(scan.driver.DealNo - 1, 399);
    EXPECT_FALSE(scan.driver.StopRequested);
    EXPECT_EQ(seen.size(), 20u);
    EXPECT_TRUE(list.closed);
    EXPECT_TRUE(list.kept);  // a stopped run keeps the deals listed so far
    for (const auto& l : list.lines) EXPECT_LT(l[2], 400);
    EXPECT_EQ(test::FilesIn(dir.path()).size(), 1u);  // neither a short cache nor its part file
}

TEST(ScanDriver, CacheOfAnotherSizeLibraryOrImpossibleRecordIsDiscarded) {
    test::TempFolder dir;
    const auto deals = RandomDeals(50, 9);
    using Damage = std::function<void(std::string & cache, std::int32_t & count)>;
    auto impossible = [](int bad) -> Damage {
        return [bad](std::string& c, std::int32_t&) { c[6 * 7 + 3] = static_cast<char>(bad); };
    };
    const Damage damages[] = {[](std::string&, std::int32_t& count) { count = 51; },
                              [](std::string& c, std::int32_t&) { c += c.substr(0, 6); },  // longer
                              [&](std::string&, std::int32_t&) {  // same size, other deals
                                  auto other = deals;
                                  std::swap(other[3], other[4]);
                                  test::WriteBin(dir / "Library.bin", other);
                              },
                              impossible(0x80),
                              impossible(0x83 | 0x04),
                              impossible(0x30),
                              impossible(0x03)};
    for (const Damage& damage : damages) {
        test::WriteBin(dir / "Library.bin", deals);
        ScanCache cache(dir.path());
        Harness scan(dir / "Library.bin");
        ASSERT_EQ(scan.driver.RunWhileScanning(1, 50, &cache, nullptr).outcome,
                  RunOutcome::Completed);
        std::vector<std::uint8_t> records;
        ASSERT_EQ(cache.Load(dir / "Library.bin", 50, records), ScanCache::State::Valid);
        std::string bytes = test::ReadFile(cache.CachePath());
        std::int32_t count = 50;
        damage(bytes, count);
        test::WriteFile(cache.CachePath(), bytes);
        const auto n = &damage - damages;
        EXPECT_EQ(cache.Load(dir / "Library.bin", count, records), ScanCache::State::Discarded)
            << n;
        EXPECT_TRUE(records.empty()) << n;
        EXPECT_EQ(cache.Load(dir / "Library.bin", 50, records), ScanCache::State::Missing) << n;
    }
}

TEST(ScanDriver, DamagedRecordsAndFailingListsStopTheRunWithAMessage) {
    test::TempFolder dir;
    test::WriteAsc(dir / "Library.asc", RandomDeals(30, 4));
    std::string bytes = test::ReadFile(dir / "Library.asc");
    bytes[89 * 11 + 2] = 'X';
    test::WriteFile(dir / "Library.asc", bytes);
    ScanCache cache(dir.path());
    ListSink list;
    Harness scan(dir / "Library.asc");
    RunResult r = scan.driver.RunWhileScanning(1, 30, &cache, &list);
    EXPECT_EQ(r.outcome, RunOutcome::Failed);
    EXPECT_EQ(r.message, "Deal 12 of Library.asc is damaged.");
    EXPECT_TRUE(list.closed);
    EXPECT_FALSE(list.kept);  // a failed run drops the list it began
    std::vector<std::uint8_t> records;
    EXPECT_NE(cache.Load(dir / "Library.asc", 30, records), ScanCache::State::Valid);

    // A list that cannot be written stops the run at the first listed deal. W-E: 10 spades making
    // 4, N-S: 11 clubs making 10 tricks: 21 Total Trumps, 20 Total Tricks.
    const DealRecord longFits = test::MakeRecord(
        {"AKQJT.AKQ4.AKQ.2", "432.T98.T98.AKQJ", "98765.J32.J432.3", ".765.765.T987654"},
        {"7373", "3232", "6262", "6262", "BABA"});
    test::WriteBin(dir / "Library.bin", {longFits, longFits, longFits});
    Harness again(dir / "Library.bin");
    ListSink failing;
    failing.failAt = 2;
    r = again.driver.RunWhileScanning(1, 3, nullptr, &failing);
    EXPECT_EQ(r.outcome, RunOutcome::Failed);
    EXPECT_EQ(r.message, "disk full");
    EXPECT_EQ(failing.lines.size(), 1u);
    EXPECT_TRUE(failing.closed);
    EXPECT_EQ(Harness(dir / "None.bin").driver.RunWhileScanning(1, 1, nullptr, nullptr).message,
              "Cannot open the library None.bin.");
}

}  // namespace
}  // namespace lott
