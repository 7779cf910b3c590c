// A run stopped at any of its progress points, scanning or replaying: the tables hold exactly
// the deals before the stop, no result file is written (the stored one stays as it was), a scan
// keeps the list so far with the previous list as its backup, and its short cache is never
// replayed.
#include "ProgramFolder.h"

namespace lott::test {
namespace {

// The tables of a run over deals 1..last with the analyzer's current settings, scanning the
// library or replaying the cache, without writing any file.
CountingTables Reference(const ProgramFolder& p, std::int32_t last, bool replay) {
    CountingTables t;
    ExpectedFreq freq;
    freq.LoadPtValues();
    ScanDriver d(t, freq);
    d.libraryPath = p.path / "Library.bin";
    d.options = p.a->settings.Snapshot();
    d.counter().options = d.options;
    d.counter().SetUseFlags();
    if (replay) {
        std::vector<std::uint8_t> records;
        EXPECT_EQ(ScanCache(p.a->DataDir).Load(d.libraryPath, p.a->library.DealCount, records),
                  ScanCache::State::Valid);
        EXPECT_EQ(d.RunWithoutScanning(1, last, records).outcome, RunOutcome::Completed);
    } else {
        EXPECT_EQ(d.RunWhileScanning(1, last, nullptr, nullptr).outcome, RunOutcome::Completed);
    }
    return t;
}

// Starts a run and presses Start again when the run reaches progress point stopAt; returns the
// tables as they were then (the end of a run clears the counts in memory).
CountingTables RunAndStopAt(ProgramFolder& p, std::int32_t stopAt) {
    CountingTables atStop;
    p.a->progress = [&p, &atStop, stopAt](std::int32_t n) {
        if (n != stopAt) return;
        p.a->cmdStart_Click();
        // Without a live table the means are formed when the run ends; form them now.
        p.a->driver.counter().FinishMeans();
        atStop = p.a->tables;
    };
    p.a->cmdStart_Click();
    p.a->progress = nullptr;
    return atStop;
}

// A run scanning (the cache deleted before it) or replaying with the clicks after a scan of
// Standard, stopped at each of ten progress points step deals apart.
struct Stop {
    const char* name;
    bool replay;
    int step;
    std::vector<int> clicks;
};
const Stop kStops[] = {{"a_scan", false, 20, {Opt::ByLength, Opt::DoubleFitOne}},
                       {"a_replay", true, 40, {Opt::NTDorvaldPlus, Opt::ChameleonMinusHalf}}};

class StoppedAtAnyPoint : public ::testing::TestWithParam<Stop> {};

TEST_P(StoppedAtAnyPoint, CountsTheDealsSoFarKeepsTheStoredResultAndTheListSoFar) {
    const Stop& s = GetParam();
    ProgramFolder p;
    ASSERT_TRUE(p.Scanned(10 * s.step, 21));
    ASSERT_EQ(p.Run(s.clicks), "Finished");
    const fs::path stored = p.Result(p.a->settings.ResultName);
    const std::string result = ReadFile(stored);
    std::string previousList = ReadFile(p.path / "Over20.txt");
    const auto before = FilesIn(p.path);
    for (std::int32_t stopAt = s.step; stopAt <= 10 * s.step; stopAt += s.step) {
        if (!s.replay) p.a->Submenu_Click(1);  // no cache: the run scans
        const CountingTables atStop = RunAndStopAt(p, stopAt);
        EXPECT_EQ(p.a->StartCaption(), "Finished");  // a stopped run ends as any other
        EXPECT_EQ(p.a->lblNo, std::to_string(stopAt - 1));
        EXPECT_TRUE(atStop == Reference(p, stopAt - 1, s.replay)) << stopAt;
        EXPECT_EQ(ReadFile(stored), result) << stopAt;
        p.a->cmdStart_Click();  // back to the idle caption
        if (s.replay) {
            EXPECT_EQ(FilesIn(p.path), before) << stopAt;
            continue;
        }
        EXPECT_EQ(ReadFile(p.path / "Over20.bak"), previousList) << stopAt;
        previousList = ReadFile(p.path / "Over20.txt");
        for (auto at = previousList.find('#'); at != std::string::npos;
             at = previousList.find('#', at + 1))
            EXPECT_LT(std::stoi(previousList.substr(at + 1)), stopAt) << stopAt;
        // The short cache is discarded: the next run scans all deals again.
        EXPECT_FALSE(p.CacheValid(10 * s.step)) << stopAt;
    }
    // Not stopped, the same run stores its result.
    fs::remove(stored);
    EXPECT_EQ(p.Run(), "Finished");
    EXPECT_TRUE(fs::exists(stored));
}

INSTANTIATE_TEST_SUITE_P(StoppedRun, StoppedAtAnyPoint, ::testing::ValuesIn(kStops),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace lott::test
