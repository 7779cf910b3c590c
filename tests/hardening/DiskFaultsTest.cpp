// Whole runs on a full disk (a small tmpfs that the test fills) and in a read-only program folder
// (a read-only bind mount: permissions do not stop root), and with files where folders should
// be: the window's message or the batch tool's one line says what happened, and every file that
// was there before is still there, unchanged. The mounts need privileges; without them the
// tests skip and say why.
#include <sstream>

#include "BatchCommand.h"
#include "BatchRun.h"
#include "BoardlookBatch.h"
#include "DataCases.h"
#include "FaultMount.h"
#include "ProgramFolder.h"

namespace lott::test {
namespace {

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

TEST(FullDisk, AScanThatCannotWriteSaysSoAndLosesNoFile) {
    ProgramFolder p;
    fs::create_directory(p.path);
    std::string why;
    auto disk = FaultMount::SmallDisk(p.path, 512 * 1024, why);
    if (!disk) GTEST_SKIP() << why;
    ASSERT_TRUE(p.Scanned(3000));
    p.a->Submenu_Click(1);
    ASSERT_EQ(p.Run({Opt::NTDorvald}), "Finished");  // a second result, the lists in .txt and .bak
    p.a->Submenu_Click(1);                           // the next run must scan
    const auto before = FilesIn(p.path);
    ASSERT_EQ(before.size(), 6u);  // library, two results, two lists, the folder's lock

    ASSERT_GT(FillUp(p.path), 0u);
    for (int clicks : {0, 1}) {
        const int beeps = p.beeps;
        EXPECT_EQ(p.Run(clicks ? std::vector<int>{11} : std::vector<int>{}), "Stopped");
        EXPECT_EQ(p.beeps, beeps + 1);
        EXPECT_FALSE(p.a->message.empty());
        ExpectUnchanged(p.path, before);
    }
    BatchFails(p.path);  // one line, exit 1
    ExpectUnchanged(p.path, before);
}

TEST(FullDisk, AResultThatCannotBeStoredLeavesTheEarlierOne) {
    ProgramFolder p;
    fs::create_directory(p.path);
    std::string why;
    auto disk = FaultMount::SmallDisk(p.path, 256 * 1024, why);
    if (!disk) GTEST_SKIP() << why;
    ASSERT_TRUE(p.Scanned(1000));
    ASSERT_EQ(p.Run({Opt::NTDorvald}), "Finished");
    const auto before = FilesIn(p.path);
    ASSERT_TRUE(before.count("DataFiles/(none)40ScoCo.dat"));

    ASSERT_GT(FillUp(p.path), 0u);
    // Replays of the cache: the same settings as a stored result, and new ones.
    for (int click : {11, 13}) {
        EXPECT_EQ(p.Run({click}), "Stopped");
        EXPECT_TRUE(p.Said(".dat")) << p.a->message;
        ExpectUnchanged(p.path, before);
    }
}

// Runs trickscan-batch or boardlook-batch (args[0]) on folder; returns the exit code and the
// tool's messages in err.
int RunTool(const fs::path& folder, std::vector<std::string> args, std::string& err) {
    const std::string tool = args[0];
    args[0] = folder.string();
    std::string error;
    std::ostringstream o, e;
    int code = 2;
    if (tool == "trickscan-batch") {
        if (auto cmd = ParseBatchCommand(args, error)) code = RunBatch(*cmd, "/", o, e);
    } else if (auto cmd = BoardlookBatch::Parse(args, error)) {
        code = BoardlookBatch::Run(*cmd, "/", o, e);
    }
    err = error + e.str();
    return code;
}

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

TEST(ReadOnlyFolder, RunsSayWhyAndChangeNothing) {
    ProgramFolder p;
    ASSERT_TRUE(p.Scanned(500));
    ASSERT_EQ(p.Run({Opt::NTDorvaldPlus}), "Finished");
    std::string why;
    auto ro = FaultMount::ReadOnly(p.path, why);
    if (!ro) GTEST_SKIP() << why;
    const auto before = FilesIn(p.path);

    // A new start: the program begins; a replay cannot store its result.
    ASSERT_EQ(p.Restart(), Analyzer::StartState::Running);
    EXPECT_EQ(p.Run({Opt::Standard, Opt::NTDorvald}), "Stopped");
    EXPECT_TRUE(p.Said("(none)40ScoV1.dat")) << p.a->message;
    // "Initialize the Software" cannot delete the cache: said, and the cache stays.
    p.a->message.clear();
    p.a->Submenu_Click(1);
    EXPECT_EQ(p.a->message, "  The scan cache could not be deleted.");
    ExpectUnchanged(p.path, before);
    BatchFails(p.path, {12});
    ExpectUnchanged(p.path, before);
}

TEST(ReadOnlyFolder, AScanCannotBeginItsListAndAFreshFolderCannotHoldDataFiles) {
    ProgramFolder p;
    ASSERT_TRUE(p.Scanned(200));
    p.a->Submenu_Click(1);  // no cache: the next run scans
    ProgramFolder fresh(p.dir() / "fresh");
    fresh.WriteLibrary(20);
    std::string why;
    auto ro = FaultMount::ReadOnly(p.path, why);
    if (!ro) GTEST_SKIP() << why;
    auto roFresh = FaultMount::ReadOnly(fresh.path, why);
    if (!roFresh) GTEST_SKIP() << why;
    const auto before = FilesIn(p.path);

    ASSERT_EQ(p.Restart(), Analyzer::StartState::Running);
    EXPECT_EQ(p.Run({Opt::Standard}), "Stopped");
    EXPECT_TRUE(p.Said("Over20.txt")) << p.a->message;
    ExpectUnchanged(p.path, before);

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
    WriteAsc(q.path / "Library.asc", {RandomRecord(rng), RandomRecord(rng)});
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

}  // namespace
}  // namespace lott::test
