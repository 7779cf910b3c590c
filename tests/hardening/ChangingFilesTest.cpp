// Files that change under the analyzer or are damaged between runs: a library replaced or edited
// while it is scanned or between runs (stamps unchanged), a damaged or foreign cache or note, a
// list that is missing or cannot be committed. After each, a later run gives the numbers of a
// fresh folder. And a run stopped at any of its progress points, scanning or replaying: the tables
// hold exactly the deals before the stop, no result file is written (the stored one stays as it
// was), a scan keeps the list so far with the previous list as its backup, and its short cache is
// never replayed.
#include <fcntl.h>
#include <sys/stat.h>

#include "ProgramFolder.h"
#include "TestLibrary.h"
#include "ViewerSession.h"

namespace lott::test {
namespace {

// Progress points of a run: 20 deals apart when it scans, 40 when it replays.
constexpr int kDeals = 600, kScanned = kDeals / 20, kReplayed = kDeals / 40;

// Made once: what fresh folders of libraries 11 and 12 leave; the second one's files are also
// the foreign library, cache and note that the cases bring in.
struct Fresh {
    TempFolder dir;
    Files of11 = FreshOutcome(dir / "f11", kDeals, 11);
    Files of12 = FreshOutcome(dir / "f12", kDeals, 12);
    fs::path other = dir / "f12";
};
const Fresh& Made() {
    static const Fresh fresh;
    return fresh;
}
// A program folder after a first run on library 11.
class AfterARun : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(p.Scanned(kDeals, 11)); }
    ProgramFolder p;
};

TEST(ChangingLibrary, ALibraryReplacedOrEditedWhileScannedStoresNothingAndIsScannedAgain) {
    for (bool inPlace : {false, true}) {
        ProgramFolder p;
        ASSERT_TRUE(p.StartOn(kDeals, 11));
        fs::copy_file(Made().other / "Library.bin", p.dir() / "other.bin");
        p.a->progress = [&](std::int32_t n) {
            if (n != 300) return;
            if (inPlace)
                fs::copy_file(p.dir() / "other.bin", p.path / "Library.bin",
                              fs::copy_options::overwrite_existing);
            else
                fs::rename(p.dir() / "other.bin", p.path / "Library.bin");
        };
        EXPECT_EQ(p.Run({Opt::Standard}), "Stopped") << (inPlace ? "edited" : "replaced");
        EXPECT_TRUE(p.Said("Library.bin changed while it was scanned")) << p.a->message;
        EXPECT_FALSE(fs::exists(p.Cache()));
        EXPECT_FALSE(fs::exists(p.Result("(none)40ScoCo")));
        ExpectNoPartFile(p.path);
        EXPECT_EQ(p.Points(), kScanned);
        ExpectSame(p.Outcome(), Made().of12, inPlace ? "edited" : "replaced");
    }
}

// A step of a change made between runs (data/between-runs.txt says what each does).
void Change(const ProgramFolder& p, const std::string& step) {
    std::istringstream in(step);
    std::string op, name;
    in >> op >> name;
    const fs::path file = name == "library" ? p.path / "Library.bin"
                          : name == "list"  ? p.path / "Over20.txt"
                          : name == "cache" ? p.Cache()
                                            : p.Note();
    const std::string mine = ReadFile(file),
                      theirs = ReadFile(Made().other / file.lexically_relative(p.path));
    std::size_t at = 0, n = 0;
    std::string text;
    if (op == "overwrite") {
        struct stat was {};
        ASSERT_EQ(::stat(file.c_str(), &was), 0);
        std::ofstream(file, std::ios::binary | std::ios::in) << theirs;
        const struct timespec times[2] = {was.st_atim, was.st_mtim};
        ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
    } else if (op == "zero" && in >> at >> n) {
        std::fstream(file, std::ios::binary | std::ios::in | std::ios::out)
                .seekp(static_cast<std::streamoff>(at))
            << std::string(n, '\0');
    } else if (op == "remove") {
        fs::remove(file);
    } else {
        std::getline(in >> std::ws, text);
        WriteFile(file, op == "copy" ? theirs
                        : op == "tear"
                            ? mine.substr(0, mine.size() / 2) + theirs.substr(theirs.size() / 2)
                        : op == "grow" ? mine + std::string(1 << 20, ' ')
                                       : Unescaped(text));
    }
}

class BetweenRuns : public AfterARun, public ::testing::WithParamInterface<DataCase> {};

TEST_P(BetweenRuns, TheNextRunScansAgainAndGivesTheNumbersOfAFreshFolder) {
    const DataCase& c = GetParam();
    for (const auto& [key, step] : c.lines)
        if (key == "do") Change(p, step);
    EXPECT_EQ(p.Points(), kScanned);
    EXPECT_TRUE(c.Get("said") == "no" || p.Said("scanned again")) << p.a->message;
    ExpectSame(p.Outcome(), c.Get("library") == "11" ? Made().of11 : Made().of12, c.name);
    EXPECT_EQ(p.Points(), kReplayed);
}

INSTANTIATE_TEST_SUITE_P(FilesChanged, BetweenRuns,
                         ::testing::ValuesIn(ReadCases(fs::path(HARDENING_DATA) /
                                                       "between-runs.txt")),
                         CaseName);

using ScanFiles = AfterARun;

TEST_F(ScanFiles, AListThatCannotTakeItsPlaceCommitsNoCacheAndTheNextRunRebuildsAll) {
    p.WriteLibrary(kDeals, 12);  // another library of the same size
    fs::remove(p.path / "Over20.txt");
    fs::create_directory(p.path / "Over20.txt");
    EXPECT_EQ(p.Run(), "Stopped");
    // The cache of the old library went as soon as it was seen to be one; the new one, made
    // with the list that could not be placed, is not kept either.
    EXPECT_FALSE(fs::exists(p.Cache()));
    EXPECT_FALSE(fs::exists(p.Note()));
    fs::remove(p.path / "Over20.txt");
    EXPECT_EQ(p.Points(), kScanned);
    ExpectSame(p.Outcome(), Made().of12, "after the list found its place");
}

TEST_F(ScanFiles, PartFilesOfEndedWritersGoAndOtherFilesStay) {
    const auto files = ReadCases(fs::path(HARDENING_DATA) / "part-files.txt").at(0).lines;
    for (const auto& [stays, file] : files) WriteFile(p.path / file, "x");
    EXPECT_EQ(p.Run(), "Finished");
    for (const auto& [stays, file] : files)
        EXPECT_EQ(fs::exists(p.path / file), stays == "stays") << file;
}

TEST(DebugMode, TheDebugListIsReplacedOnlyByAScan) {
    ProgramFolder p;
    p.WriteLibrary(3000, 11);
    WriteFile(p.path / "debug.dat", "");
    WriteFile(p.path / "DoubleNT.txt", "an earlier list\r\n");
    ASSERT_EQ(p.Restart(), Analyzer::StartState::Running);
    EXPECT_EQ(ReadFile(p.path / "DoubleNT.txt"), "an earlier list\r\n");
    ASSERT_EQ(p.Run({Opt::Standard}), "Finished");
    const std::string scanned = ReadFile(p.path / "DoubleNT.txt");
    EXPECT_NE(scanned, "an earlier list\r\n");
    EXPECT_EQ(scanned.rfind("# ", 0), 0u) << "the random deals hold a double notrump";
    ASSERT_EQ(p.Restart(), Analyzer::StartState::Running);
    EXPECT_EQ(p.Run({Opt::Standard}), "Finished");  // a replay
    EXPECT_EQ(ReadFile(p.path / "DoubleNT.txt"), scanned);
}

TEST(LibraryChoice, AnEmptyBinaryLibraryBesideAnAsciiOneIsPassedOverByBothPrograms) {
    ProgramFolder p;
    p.WriteLibrary(40, 11);
    std::mt19937 rng(3);
    WriteLibrary(p.path / "Library.asc", {RandomRecord(rng), RandomRecord(rng)});
    WriteFile(p.path / "Library.bin", "");
    ASSERT_EQ(p.Restart(), Analyzer::StartState::Running);
    EXPECT_EQ(p.a->library.LibFileName, "Library.asc");
    ViewerSession viewer(p.path);
    EXPECT_FALSE(viewer.Usable(kBinLibName, LibMode::Binary));
    EXPECT_TRUE(viewer.Usable(kAscLibName, LibMode::Ascii));
    EXPECT_EQ(p.Run({Opt::Standard}), "Finished");
}

TEST(LibraryOpening, TooManyRecordsOrAPipeAtItsNameAreRefused) {
    ProgramFolder p;
    fs::create_directories(p.path);
    WriteFile(p.path / "Library.bin", "");
    // A sparse file: no disk is used for its length.
    fs::resize_file(p.path / "Library.bin", static_cast<std::uintmax_t>(kMaxDeals + 1) * 26);
    EXPECT_EQ(p.Restart(), Analyzer::StartState::FolderProblem);
    EXPECT_EQ(p.a->problem, TooManyDealsText("Library.bin"));
    EXPECT_NE(p.a->problem.find("2,147,483,646"), std::string::npos);
    LibraryFile lib;
    EXPECT_FALSE(lib.Open(p.path / "Library.bin", LibMode::Binary));
    EXPECT_EQ(lib.Error(), TooManyDealsText("Library.bin"));
    fs::resize_file(p.path / "Library.bin", static_cast<std::uintmax_t>(kMaxDeals) * 26);
    EXPECT_TRUE(lib.Open(p.path / "Library.bin", LibMode::Binary));
    EXPECT_EQ(lib.DealCount(), kMaxDeals);

    // A pipe put at the name after the start is refused at once, not waited on.
    ASSERT_TRUE(p.StartOn(100));
    fs::remove(p.path / "Library.bin");
    ASSERT_EQ(::mkfifo((p.path / "Library.bin").c_str(), 0644), 0);
    EXPECT_EQ(p.Run({Opt::Standard}), "Stopped");
    EXPECT_EQ(p.a->message, "Cannot open the library Library.bin.");
}

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
        EXPECT_EQ(p.a->StartCaption(), "Stopped");
        EXPECT_NE(p.a->message.find("no result was stored"), std::string::npos);
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
