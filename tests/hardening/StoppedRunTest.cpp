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

TEST(StoppedRun, AScanStoppedAtAnyPointKeepsTheStoredResultAndTheListSoFar) {
    ProgramFolder p;
    ASSERT_TRUE(p.StartOn(200, 21));
    ASSERT_EQ(p.Run({Opt::Standard, Opt::ByLength, Opt::DoubleFitOne}), "Finished");
    const fs::path stored = p.Result(p.a->settings.ResultName);
    const std::string result = ReadFile(stored);
    std::string previousList = ReadFile(p.path / "Over20.txt");
    for (std::int32_t stopAt = 20; stopAt <= 200; stopAt += 20) {
        p.a->Submenu_Click(1);  // no cache: the run scans
        const CountingTables atStop = RunAndStopAt(p, stopAt);
        EXPECT_EQ(p.a->StartCaption(), "Finished");  // a stopped run ends as any other
        EXPECT_EQ(p.a->lblNo, std::to_string(stopAt - 1));
        EXPECT_TRUE(atStop == Reference(p, stopAt - 1, false)) << stopAt;
        EXPECT_EQ(ReadFile(stored), result) << stopAt;
        EXPECT_EQ(ReadFile(p.path / "Over20.bak"), previousList) << stopAt;
        const std::string list = ReadFile(p.path / "Over20.txt");
        for (std::size_t at = list.find('#'); at != std::string::npos; at = list.find('#', at + 1))
            EXPECT_LT(std::stoi(list.substr(at + 1)), stopAt) << stopAt;
        previousList = list;
        p.a->cmdStart_Click();  // back to the idle caption
        // The short cache is discarded: the next run scans all 200 deals again.
        EXPECT_FALSE(p.CacheValid(200)) << stopAt;
    }
}

TEST(StoppedRun, AReplayStoppedAtAnyPointCountsTheDealsSoFarAndWritesNothing) {
    ProgramFolder p;
    ASSERT_TRUE(p.Scanned(400, 22));
    p.a->settings.Click(Opt::NTDorvaldPlus);
    p.a->settings.Click(Opt::ChameleonMinusHalf);
    const auto before = FilesIn(p.path);
    for (std::int32_t stopAt = 40; stopAt <= 400; stopAt += 40) {
        const CountingTables atStop = RunAndStopAt(p, stopAt);
        EXPECT_EQ(p.a->StartCaption(), "Finished");  // a stopped run ends as any other
        EXPECT_EQ(p.a->lblNo, std::to_string(stopAt - 1));
        EXPECT_TRUE(atStop == Reference(p, stopAt - 1, true)) << stopAt;
        p.a->cmdStart_Click();
        EXPECT_EQ(FilesIn(p.path), before) << stopAt;
    }
    // Not stopped, the same run stores its result.
    EXPECT_EQ(p.Run(), "Finished");
    EXPECT_TRUE(fs::exists(p.Result("(C)40ScoV2")));
}

}  // namespace
}  // namespace lott::test
