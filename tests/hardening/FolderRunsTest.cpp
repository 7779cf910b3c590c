// trickscan-batch run as separate processes on one program folder: two scans started together,
// runs met by a scan that holds the folder, and a scan killed at each rename of its commit. Each
// case ends with the files that one run alone makes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

#include "ProgramFolder.h"

extern char** environ;

namespace lott {
namespace {

namespace fs = std::filesystem;
using test::ExpectSame;
using test::Files;
using test::ProgramFolder;
using test::ReadFile;

const std::string kWaiting = "trickscan-batch: another run is scanning this folder; waiting\n";

struct Process {
    pid_t pid = -1;
    fs::path out, err;
};

// Starts args[0] (looked up on PATH) with its output in files below logs; pid -1 when it cannot.
Process Start(std::vector<std::string> args, const fs::path& logs) {
    static int started = 0;
    Process p;
    p.out = logs / ("out" + std::to_string(++started));
    p.err = logs / ("err" + std::to_string(started));
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 1, p.out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&fa, 2, p.err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    if (posix_spawnp(&p.pid, argv[0], &fa, nullptr, argv.data(), environ) != 0) p.pid = -1;
    posix_spawn_file_actions_destroy(&fa);
    return p;
}

// The exit code, or minus the signal that ended the process.
int Wait(const Process& p) {
    int status = 0;
    if (p.pid < 0) return -1;
    while (::waitpid(p.pid, &status, 0) < 0)
        if (errno != EINTR) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

struct Ran {
    int code;
    std::string err;
};

Ran RunToEnd(const std::vector<std::string>& args, const fs::path& logs) {
    const Process p = Start(args, logs);
    const int code = Wait(p);
    return {code, ReadFile(p.err)};
}

std::vector<std::string> Batch(const fs::path& folder, std::vector<std::string> more = {}) {
    std::vector<std::string> args = {TRICKSCAN_BATCH, folder.string(), "--preset", "standard"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

Files Outcome(const fs::path& folder) {
    return ProgramFolder(folder).Outcome();
}

// A library big enough that a second process starts while the first one scans.
constexpr int kBig = 200000;

// The files of a folder whose library is scanned by one run, then replayed for HCP 15-25.
const Files& AloneBig() {
    static const Files files = [] {
        test::TempFolder dir;
        ProgramFolder(dir / "prog").WriteInRangeLibrary(kBig, 5);
        EXPECT_EQ(RunToEnd(Batch(dir / "prog"), dir.path()).code, 0);
        EXPECT_EQ(RunToEnd(Batch(dir / "prog", {"--hcp", "15-25"}), dir.path()).code, 0);
        return Outcome(dir / "prog");
    }();
    return files;
}

class TwoScans : public ::testing::TestWithParam<int> {};

TEST_P(TwoScans, OneScansTheOtherWaitsAndReplaysAndTheFilesAreThoseOfOneRun) {
    const Files& want = AloneBig();
    test::TempFolder dir;
    const fs::path folder = dir / "prog";
    ProgramFolder(folder).WriteInRangeLibrary(kBig, 5);
    const Process first = Start(Batch(folder), dir.path());
    std::this_thread::sleep_for(std::chrono::milliseconds(GetParam()));
    const Process second = Start(Batch(folder, {"--hcp", "15-25"}), dir.path());
    EXPECT_EQ(Wait(first), 0) << ReadFile(first.err);
    EXPECT_EQ(Wait(second), 0) << ReadFile(second.err);
    ExpectSame(Outcome(folder), want, "from two runs");
    EXPECT_TRUE(test::FilesIn(folder, ".part").empty());
    // A second scan would have kept the first one's list as the backup.
    EXPECT_FALSE(fs::exists(folder / "Over20.bak"));
}

INSTANTIATE_TEST_SUITE_P(StartedMillisecondsApart, TwoScans, ::testing::Values(0, 5, 20, 60));

TEST(FolderRuns, WhileTheFolderIsHeldANoWaitRunIsRefusedAndAnotherWaitsForIt) {
    test::TempFolder dir;
    const fs::path folder = dir / "prog";
    ProgramFolder(folder).WriteLibrary(2000);
    fs::create_directories(folder / "DataFiles");
    // The test holds the folder as a scanning run does.
    const int lock = ::open((folder / "DataFiles" / "Trickscan.lock").c_str(),
                            O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    const Files before = test::FilesIn(folder);

    const Ran refused = RunToEnd(Batch(folder, {"--no-wait"}), dir.path());
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err, "trickscan-batch: another run is scanning this folder\n");
    EXPECT_TRUE(test::FilesIn(folder) == before);

    const Process waiting = Start(Batch(folder), dir.path());
    std::string said;
    for (int tries = 0; said.empty() && tries < 3000; ++tries) {  // 30 s at most
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        said = ReadFile(waiting.err);
    }
    EXPECT_EQ(said, kWaiting);
    int status = 0;
    EXPECT_EQ(::waitpid(waiting.pid, &status, WNOHANG), 0) << "did not wait for the folder";
    EXPECT_TRUE(test::FilesIn(folder) == before);
    ::close(lock);
    EXPECT_EQ(Wait(waiting), 0);
    EXPECT_EQ(ReadFile(waiting.err), kWaiting);
    EXPECT_TRUE(fs::exists(folder / "DataFiles" / "(none)40ScoCo.dat"));
}

TEST(FolderRuns, AScanKilledAtEachRenameOfItsCommitLeavesWhatTheNextRunMakesWhole) {
    test::TempFolder dir;
    const Ran probe = RunToEnd({"strace", "-f", "-o", "/dev/null", "true"}, dir.path());
    if (probe.code != 0)
        GTEST_SKIP() << "strace cannot trace here (missing, or ptrace not permitted): "
                     << probe.err;
    constexpr int kDeals = 3000;
    // A folder with the cache, note and list of library 1, whose library is now 2.
    const fs::path prepared = dir / "prepared";
    ProgramFolder(prepared).WriteInRangeLibrary(kDeals, 1);
    ASSERT_EQ(RunToEnd(Batch(prepared), dir.path()).code, 0);
    ProgramFolder(prepared).WriteInRangeLibrary(kDeals, 2);
    ProgramFolder(dir / "alone").WriteInRangeLibrary(kDeals, 2);
    ASSERT_EQ(RunToEnd(Batch(dir / "alone"), dir.path()).code, 0);
    const Files want = Outcome(dir / "alone");

    int killed = 0;
    bool completed = false;
    for (int n = 1; n <= 20 && !completed; ++n) {
        const std::string when = "after a kill at rename " + std::to_string(n);
        const fs::path folder = dir / ("killed" + std::to_string(n));
        fs::copy(prepared, folder, fs::copy_options::recursive);
        // glibc 2.36's rename() on x86-64 is the rename system call itself. The leak checker
        // of a sanitizer build cannot run under a tracer: it is left out of the traced run.
        std::vector<std::string> traced = {
            "strace", "-f",
            "-o",     "/dev/null",
            "-E",     "ASAN_OPTIONS=detect_leaks=0",
            "-e",     "trace=rename,link",
            "-e",     "inject=rename:signal=SIGKILL:when=" + std::to_string(n)};
        for (const auto& a : Batch(folder)) traced.push_back(a);
        const int code = RunToEnd(traced, dir.path()).code;
        completed = code == 0;
        if (!completed) {
            ASSERT_EQ(code, -SIGKILL) << n;
            ++killed;
        }
        EXPECT_TRUE(fs::exists(folder / "Over20.txt")) << when;
        EXPECT_EQ(RunToEnd(Batch(folder), dir.path()).code, 0) << when;
        ExpectSame(Outcome(folder), want, when);
        // The part files the killed run left are gone with the next run.
        EXPECT_TRUE(test::FilesIn(folder, ".part").empty()) << when;
        fs::remove_all(folder);
    }
    EXPECT_TRUE(completed);
    // One kill at each rename: the backup, the list, the cache, the note, the result.
    EXPECT_GE(killed, 5);
}

}  // namespace
}  // namespace lott
