// Whole runs on a full disk (a small tmpfs that the test fills) and in a read-only program folder
// (a read-only bind mount: permissions do not stop root), and with files where folders should
// be: the window's message or the batch tool's one line says what happened, and every file that
// was there before is still there, unchanged. The mounts need privileges; without them the
// tests skip and say why. The scan cache under faults: never lost to a library that cannot be
// read.
#include "ProgramFolder.h"
#include "TestLibrary.h"

namespace lott::test {
namespace {

namespace O = Opt;

// Runs trickscan-batch (Standard, then clicks) on folder, expects it to fail with exit 1 and one
// line on stderr that starts with the tool's name, and returns that line.
std::string BatchFails(const fs::path& folder, const std::vector<int>& clicks = {}) {
    BatchCommand cmd;
    cmd.folder = folder.string();
    cmd.preset = 1;
    cmd.clicks = clicks;
    std::ostringstream out, err;
    EXPECT_EQ(RunBatch(cmd, "/", out, err), 1);
    EXPECT_EQ(err.str().rfind("trickscan-batch: ", 0), 0u) << err.str();
    EXPECT_EQ(err.str().find('\n'), err.str().size() - 1) << err.str();
    return err.str();
}

// Finished runs of the clicks after a scan; -1 deletes the cache (the next run scans).
void Prepare(ProgramFolder& p, const std::vector<int>& clicks) {
    for (int click : clicks)
        EXPECT_TRUE(click < 0 ? (p.a->Submenu_Click(1), true) : p.Run({click}) == "Finished");
}

// A run on a small disk that fills up once the folder holds an earlier result: setup clicks
// (as Prepare takes them), the click of each failing run (-1: none), what its message names, and
// whether a batch run fails too.
struct Full {
    const char* name;
    std::uintmax_t kb;  // the disk's size
    int deals;
    std::vector<int> setup, runs;
    const char* said;
    bool batch;
};
const Full kFull[] = {
    {"a_scan_writing_its_list", 512, 3000, {-1, O::NTDorvald, -1}, {-1, 11}, "space", true},
    {"a_replay_storing_its_result", 256, 1000, {O::NTDorvald}, {11, 13}, ".dat", false}};

class RunsOnAFullDisk : public ::testing::TestWithParam<Full> {};

TEST_P(RunsOnAFullDisk, SayWhyAndLoseNoFile) {
    const Full& f = GetParam();
    ProgramFolder p;
    fs::create_directory(p.path);
    std::string why;
    auto disk = FaultMount::SmallDisk(p.path, f.kb * 1024, why);
    if (!disk) GTEST_SKIP() << why;
    ASSERT_TRUE(p.Scanned(f.deals));
    Prepare(p, f.setup);
    const auto before = FilesIn(p.path);
    ASSERT_TRUE(before.count("DataFiles/(none)40ScoCo.dat"));
    ASSERT_GT(FillUp(p.path), 0u);
    for (int click : f.runs) {
        const int beeps = p.beeps;
        EXPECT_EQ(p.Run(click < 0 ? std::vector<int>{} : std::vector<int>{click}), "Stopped");
        EXPECT_EQ(p.beeps, beeps + 1);
        EXPECT_TRUE(p.Said(f.said)) << p.a->message;
        ExpectUnchanged(p.path, before);
    }
    if (f.batch) BatchFails(p.path);  // one line, exit 1
    ExpectUnchanged(p.path, before);
}

INSTANTIATE_TEST_SUITE_P(FullDisk, RunsOnAFullDisk, ::testing::ValuesIn(kFull),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(FullDisk, EveryExportKeepsTheEarlierFileAndSaysSo) {
    ProgramFolder p;
    p.WriteLibrary(100);
    const fs::path out = p.dir() / "out";
    fs::create_directory(out);
    std::string why;
    auto disk = FaultMount::SmallDisk(out, 256 * 1024, why);
    if (!disk) GTEST_SKIP() << why;
    // The viewer's export folders lie on the small disk too.
    for (const char* sub : {"HtmlFiles", "TextFiles", "PbnFiles"}) {
        fs::create_directory(out / sub);
        fs::create_directory_symlink(out / sub, p.path / sub);
    }
    // Each line: the file an export writes, the tool and its arguments (OUT/: the small disk).
    const auto exports = ReadCases(fs::path(HARDENING_DATA) / "full-disk-exports.txt").at(0).lines;
    for (const auto& [file, command] : exports) WriteFile(out / file, "earlier " + file);
    ASSERT_GT(FillUp(out), 0u);
    const auto before = FilesIn(out);
    for (const auto& [file, command] : exports) {
        std::vector<std::string> args;
        std::istringstream words(command);
        for (std::string w; words >> w;)
            args.push_back(w.rfind("OUT/", 0) ? w : (out / w.substr(4)).string());
        std::string err;
        EXPECT_EQ(RunTool(p.path, args, err), 1) << file;
        EXPECT_NE(err.find("No space left on device"), std::string::npos) << file << ": " << err;
        ExpectUnchanged(out, before, file);
    }
}

// A run in a read-only program folder after setup runs (as in kFull): the clicks of the run,
// what its message names, the batch tool's clicks. "Initialize the Software" says it cannot
// delete the cache.
struct ReadOnly {
    const char* name;
    std::vector<int> setup, run;
    const char* said;
    std::vector<int> batch;
};
const ReadOnly kReadOnly[] = {
    {"a_replay_storing_result", {O::NTDorvaldPlus}, {O::Standard, O::NTDorvald}, "V1.dat", {12}},
    {"a_scan_beginning_its_list", {-1}, {O::Standard}, "Over20.txt", {}}};

class RunsInAReadOnlyFolder : public ::testing::TestWithParam<ReadOnly> {};

TEST_P(RunsInAReadOnlyFolder, SayWhyAndChangeNothing) {
    const ReadOnly& r = GetParam();
    ProgramFolder p;
    ASSERT_TRUE(p.Scanned(200));
    Prepare(p, r.setup);
    std::string why;
    auto ro = FaultMount::ReadOnly(p.path, why);
    if (!ro) GTEST_SKIP() << why;
    const auto before = FilesIn(p.path);
    // A new start: the program begins; the run cannot write.
    ASSERT_EQ(p.Restart(), Analyzer::StartState::Running);
    EXPECT_EQ(p.Run(r.run), "Stopped");
    EXPECT_TRUE(p.Said(r.said)) << p.a->message;
    p.a->message.clear();
    p.a->Submenu_Click(1);
    EXPECT_EQ(p.a->message, "  The scan cache could not be deleted.");
    ExpectUnchanged(p.path, before);
    BatchFails(p.path, r.batch);
    ExpectUnchanged(p.path, before);
}

INSTANTIATE_TEST_SUITE_P(ReadOnlyFolder, RunsInAReadOnlyFolder, ::testing::ValuesIn(kReadOnly),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ReadOnlyFolder, AFreshFolderCannotHoldDataFiles) {
    ProgramFolder fresh;
    fresh.WriteLibrary(20);
    std::string why;
    auto ro = FaultMount::ReadOnly(fresh.path, why);
    if (!ro) GTEST_SKIP() << why;
    EXPECT_EQ(fresh.Restart(), Analyzer::StartState::FolderProblem);
    EXPECT_NE(fresh.a->problem.find("DataFiles"), std::string::npos);
    EXPECT_NE(BatchFails(fresh.path).find("DataFiles"), std::string::npos);
}

TEST(FileWhereAFolderShouldBe, DataFilesLibraryAndCacheFolders) {
    // "DataFiles" is a file: the program says so at start; the file stays.
    ProgramFolder p;
    p.WriteLibrary(50);
    WriteFile(p.path / "DataFiles", "a file of the user's");
    EXPECT_EQ(p.Restart(), Analyzer::StartState::FolderProblem);
    EXPECT_NE(p.a->problem.find("\"DataFiles\""), std::string::npos);
    BatchFails(p.path);
    EXPECT_EQ(ReadFile(p.path / "DataFiles"), "a file of the user's");

    // "Library.bin" is a folder: no library (the ASCII one is taken when it exists).
    ProgramFolder q(p.dir() / "other");
    fs::create_directories(q.path / "Library.bin");
    EXPECT_EQ(q.Restart(), Analyzer::StartState::LibraryMissing);
    std::mt19937 rng(3);
    WriteLibrary(q.path / "Library.asc", {RandomRecord(rng), RandomRecord(rng)});
    EXPECT_EQ(q.Restart(), Analyzer::StartState::Running);
    EXPECT_EQ(q.a->library.LibFileName, "Library.asc");
    EXPECT_EQ(q.a->library.DealCount, 2);

    // A folder named like a result file: the run says it cannot store its result.
    fs::create_directories(q.Result("(none)40ScoCo") / "inside");
    EXPECT_EQ(q.Run({Opt::Standard}), "Stopped");
    EXPECT_TRUE(q.Said("(none)40ScoCo.dat"));
    EXPECT_TRUE(fs::is_directory(q.Result("(none)40ScoCo") / "inside"));
    // A folder named like the list: the scan cannot place its list.
    fs::remove_all(q.Result("(none)40ScoCo"));
    q.a->Submenu_Click(1);
    fs::remove(q.path / "Over20.txt");
    fs::create_directories(q.path / "Over20.txt" / "inside");
    EXPECT_EQ(q.Run({Opt::Standard}), "Stopped");
    EXPECT_TRUE(q.Said("Over20.txt is a folder")) << q.a->message;
    EXPECT_TRUE(fs::is_directory(q.path / "Over20.txt" / "inside"));
    ExpectNoPartFile(q.path);
}

TEST(CacheFaults, ALibraryThatCannotBeReadLeavesAValidCacheForLater) {
    ProgramFolder p;
    ASSERT_TRUE(p.Scanned(200));
    const auto before = FilesIn(p.path);

    // The library is away for a moment (a folder of its name stands in its place).
    fs::rename(p.path / "Library.bin", p.dir() / "away.bin");
    fs::create_directory(p.path / "Library.bin");
    EXPECT_EQ(p.Run({Opt::NTDorvald}), "Stopped");
    EXPECT_EQ(p.a->message, "Cannot open the library Library.bin.");
    fs::remove(p.path / "Library.bin");
    fs::rename(p.dir() / "away.bin", p.path / "Library.bin");
    EXPECT_EQ(FilesIn(p.path), before);  // the cache and its note among them

    // Back in place: the cache is replayed (40 deals between progress points).
    EXPECT_EQ(p.Points(), 5);
}

TEST(CacheFaults, AFolderInPlaceOfTheCacheFailsTheRunAndIsLeftAsItIs) {
    ProgramFolder p;
    ASSERT_TRUE(p.StartOn(100));
    const ScanCache cache(p.a->DataDir);
    fs::create_directory(cache.CachePath());
    WriteFile(cache.CachePath() / "mine.txt", "the user's");
    EXPECT_EQ(p.Run({Opt::Standard}), "Stopped");
    EXPECT_NE(p.a->message.find("Trickscan_36.bin"), std::string::npos);
    EXPECT_EQ(ReadFile(cache.CachePath() / "mine.txt"), "the user's");
    EXPECT_FALSE(fs::exists(p.Result("(none)40ScoCo")));  // not reported as a finished run
    ExpectNoPartFile(p.path);
}

}  // namespace
}  // namespace lott::test
