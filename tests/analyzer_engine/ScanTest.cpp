// One deal's analysis as a scan makes it, case by case from data/deals.txt (contracts of both
// pairs, the notrump step, the events and the cache's bytes of each pass), and whole runs over
// small libraries: scanning, the cache, replaying it, stopping, the Over20 list.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "DealCodec.h"
#include "ScanDriver.h"
#include "TestLibrary.h"

namespace lott {
namespace {

// Decodes r into deal as a scan reads a record.
void LoadRecord(const DealRecord& r, Deal& deal) {
    std::array<std::uint8_t, kBinRecLen> bin{};
    EXPECT_TRUE(EncodeBinDeal(r, bin));
    deal.DecodeBinDeal(bin.data());
}

std::string Describe(const PassResult& r, bool notrumpStep) {
    static const char* const kStrain[] = {"NT", "S", "H", "D", "C"};
    static const char* const kSeat[] = {"W", "N", "E", "S", "WE", "NS"};
    std::ostringstream out;
    for (const ContractRec& c : r.Contract)
        out << kStrain[c.Strain + 1] << c.Tricks << 't' << c.Trumps << kSeat[c.Declarer] << ' ';
    out << r.TotalTricks << '/' << r.TotalTrumps;
    if (!notrumpStep) return out.str();
    if (r.NTCount != 0)
        out << " nt " << static_cast<int>(r.NTShape);
    else
        out << " ev " << r.EventCount[1] << ' ' << r.EventCount[2] << ' ' << r.EventCount[3];
    out << std::hex << " cache " << int(r.totals) << ' ' << int(r.code);
    return out.str();
}

class DealCase : public ::testing::TestWithParam<test::DataCase> {};

TEST_P(DealCase, PassesMatchTheExpectedLines) {
    const test::DataCase& c = GetParam();
    std::istringstream in(c.Get("hands") + ' ' + c.Get("tricks"));
    std::array<std::string, 9> w;
    for (std::string& word : w) in >> word;
    Deal deal;
    LoadRecord(test::MakeRecord({w[0], w[1], w[2], w[3]}, {w[4], w[5], w[6], w[7], w[8]}), deal);
    DealAnalysis a(deal);
    int doubleNT = 0;
    a.DebugMode = true;
    a.onDoubleNT = [&](std::int32_t) { ++doubleNT; };
    DealPasses p;
    a.AnalyseDecodedDeal(p);
    std::ostringstream out;
    out << "hcp " << p.PairHCP[0] << ' ' << p.PairHCP[1] << " bands " << int(p.hcpBands) << '\n'
        << "first " << Describe(p.first, false) << '\n'
        << "length " << Describe(p.byLength, true) << '\n'
        << "score " << Describe(p.byScore, true) << '\n';
    if (doubleNT != 0) out << "doubleNT " << doubleNT << '\n';
    EXPECT_TRUE(test::MatchesExpected(c, out.str()));
}

INSTANTIATE_TEST_SUITE_P(Deals, DealCase,
                         ::testing::ValuesIn(test::ReadCases(TRICKSCAN_ENGINE_DATA "/deals.txt")),
                         test::CaseName);

TEST(Events, CheckQxxWantsThreeCardsLedByTheQueen) {
    for (auto qxx : {"QJT", "Q32"}) EXPECT_EQ(DealAnalysis::CheckQxx(Holding(qxx)), 1);
    for (auto no : {"KQ2", "Q2", "QJ32", ""}) EXPECT_EQ(DealAnalysis::CheckQxx(Holding(no)), 0);
}

// The Over20 list in memory (the deals listed, whether it was closed and kept; writing the line of
// deal failAt fails).
struct ListSink : Over20Sink {
    bool Open(std::string&) override { return true; }
    bool Line(std::int32_t, std::int32_t, std::int32_t deal, const std::array<std::int32_t, 2>&,
              std::string& error) override {
        if (deal == failAt) error = "disk full";
        return deal != failAt && (deals.push_back(deal), true);
    }
    bool Finish(std::string&) override { return true; }
    bool Commit(std::string&) override { return closed = kept = true; }
    void Abandon() override { closed = true; }
    std::vector<std::int32_t> deals;
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
    while (v.size() < n) {
        LoadRecord(v.emplace_back(test::RandomRecord(rng)), d);
        DealPasses p;
        a.AnalyseDecodedDeal(p);
        const auto [lo, hi] =
            std::minmax({p.first.TotalTricks, p.first.TotalTrumps, p.byLength.TotalTricks,
                         p.byLength.TotalTrumps, p.byScore.TotalTricks, p.byScore.TotalTrumps});
        if (inRange && (lo < 10 || hi > 25)) v.pop_back();
    }
    return v;
}

// W-E: 10 spades making 4, N-S: 11 clubs making 10 tricks: 21 Total Trumps, 20 Total Tricks, a
// deal of the Over20 list.
const DealRecord kLongFits = test::MakeRecord(
    {"AKQJT.AKQ4.AKQ.2", "432.T98.T98.AKQJ", "98765.J32.J432.3", ".765.765.T987654"},
    {"7373", "3232", "6262", "6262", "BABA"});

// A run over library with its cache in the library's folder and its list in memory.
struct Harness {
    CountingTables tables;
    ExpectedFreq freq;
    ScanDriver driver{tables, freq};
    ScanCache cache;
    ListSink list;
    explicit Harness(const std::filesystem::path& lib, ScanOptions o = kByScore)
        : cache(lib.parent_path()) {
        freq.LoadPtValues();
        driver.libraryPath = lib;
        driver.libMode = lib.extension() == ".asc" ? LibMode::Ascii : LibMode::Binary;
        driver.options = driver.counter().options = o;
        driver.counter().SetUseFlags();
    }
};

TEST(ScanDriver, AFullScanLeavesACompleteCacheThatReplaysToTheSameTables) {
    test::TempFolder dir;
    test::WriteLibrary(dir / "Library.bin", RandomDeals(600, 3));
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
        Harness scan(dir / "Library.bin", o);
        RunResult r = scan.driver.RunWhileScanning(1, 600, &scan.cache, &scan.list);
        ASSERT_EQ(r.outcome, RunOutcome::Completed) << r.message;
        EXPECT_EQ(scan.driver.DealNo, 601);
        EXPECT_EQ(std::filesystem::file_size(scan.cache.CachePath()), 600u * 6);
        EXPECT_TRUE(scan.list.kept);
        std::vector<std::uint8_t> records;
        ASSERT_EQ(scan.cache.Load(dir / "Library.bin", 600, records), ScanCache::State::Valid);
        Harness replay(dir / "Library.bin", o);
        ASSERT_EQ(replay.driver.RunWithoutScanning(1, 600, records).outcome, RunOutcome::Completed);
        EXPECT_TRUE(scan.tables == replay.tables);
        EXPECT_GT(scan.tables.DevTable(0, 30, 30), 0.0f);
    }
}

TEST(ScanDriver, CacheOfAnotherSizeLibraryOrImpossibleRecordIsDiscarded) {
    test::TempFolder dir;
    auto deals = RandomDeals(50, 9);
    const std::filesystem::path lib = dir / "Library.bin";
    // Impossible bytes in record 8, then 0: a count of 51 deals, 1: a longer cache, 2: a library
    // of the same size with other deals.
    for (int damage : {0x80, 0x83 | 0x04, 0x30, 0x03, 0, 1, 2}) {
        SCOPED_TRACE(damage);
        test::WriteLibrary(lib, deals);
        Harness scan(lib);
        ASSERT_EQ(scan.driver.RunWhileScanning(1, 50, &scan.cache, nullptr).outcome,
                  RunOutcome::Completed);
        std::vector<std::uint8_t> records;
        ASSERT_EQ(scan.cache.Load(lib, 50, records), ScanCache::State::Valid);
        std::string bytes = test::ReadFile(scan.cache.CachePath());
        if (damage > 2) bytes[6 * 7 + 3] = static_cast<char>(damage);
        if (damage == 1) bytes += bytes.substr(0, 6);
        test::WriteFile(scan.cache.CachePath(), bytes);
        if (damage == 2) std::swap(deals[3], deals[4]), test::WriteLibrary(lib, deals);
        EXPECT_EQ(scan.cache.Load(lib, damage == 0 ? 51 : 50, records),
                  ScanCache::State::Discarded);
        EXPECT_TRUE(records.empty());
        EXPECT_EQ(scan.cache.Load(lib, 50, records), ScanCache::State::Missing);
    }
}

TEST(ScanDriver, DamagedRecordsAndFailingListsStopTheRunWithAMessage) {
    test::TempFolder dir;
    test::WriteLibrary(dir / "Library.asc", RandomDeals(30, 4));
    std::string bytes = test::ReadFile(dir / "Library.asc");
    bytes[89 * 11 + 2] = 'X';
    test::WriteFile(dir / "Library.asc", bytes);
    Harness scan(dir / "Library.asc");
    RunResult r = scan.driver.RunWhileScanning(1, 30, &scan.cache, &scan.list);
    EXPECT_EQ(r.outcome, RunOutcome::Failed);
    EXPECT_EQ(r.message, "Deal 12 of Library.asc is damaged.");
    EXPECT_TRUE(scan.list.closed);
    EXPECT_FALSE(scan.list.kept);  // a failed run drops the list it began
    std::vector<std::uint8_t> records;
    EXPECT_NE(scan.cache.Load(dir / "Library.asc", 30, records), ScanCache::State::Valid);

    // A list that cannot be written stops the run at the first listed deal.
    test::WriteLibrary(dir / "Library.bin", {kLongFits, kLongFits, kLongFits});
    Harness again(dir / "Library.bin");
    again.list.failAt = 2;
    r = again.driver.RunWhileScanning(1, 3, nullptr, &again.list);
    EXPECT_EQ(r.outcome, RunOutcome::Failed);
    EXPECT_EQ(r.message, "disk full");
    EXPECT_EQ(again.list.deals, std::vector<std::int32_t>{1});
    EXPECT_TRUE(again.list.closed);
    EXPECT_EQ(Harness(dir / "None.bin").driver.RunWhileScanning(1, 1, nullptr, nullptr).message,
              "Cannot open the library None.bin.");
}

}  // namespace
}  // namespace lott
