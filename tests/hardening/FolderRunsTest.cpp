// trickscan-batch run as separate processes on one program folder: two scans started together,
// runs met by a scan that holds the folder, and a scan killed at each rename of its commit. Each
// case ends with the files that one run alone makes.
#include <fcntl.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "ProgramFolder.h"

extern char** environ;

namespace lott::test {
namespace {

const std::string kWaiting = "trickscan-batch: another run is scanning this folder; waiting\n";

// A process started on args (args[0] looked up on PATH), its stdout sent to /dev/null and its
// stderr to a file below logs; pid -1 when it cannot start. code: after Wait, the exit code, or
// minus the signal that ended the process.
struct Process {
    Process(std::vector<std::string> args, const fs::path& logs) {
        static int started = 0;
        err = logs / ("err" + std::to_string(++started));
        posix_spawn_file_actions_t fa;
        posix_spawn_file_actions_init(&fa);
        posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&fa, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawnp(&pid, argv[0], &fa, nullptr, argv.data(), environ) != 0) pid = -1;
        posix_spawn_file_actions_destroy(&fa);
    }
    Process& Wait() {
        int status = 0;
        pid_t ended = -1;
        while (pid >= 0 && (ended = ::waitpid(pid, &status, 0)) < 0 && errno == EINTR) continue;
        code = ended < 0 ? -1 : WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
        return *this;
    }
    std::string Said() const { return ReadFile(err); }
    pid_t pid = -1;
    fs::path err;
    int code = -1;
};

int RunToEnd(const std::vector<std::string>& args, const fs::path& logs) {
    return Process(args, logs).Wait().code;
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
        TempFolder dir;
        ProgramFolder(dir / "prog").WriteLibrary(kBig, 5, true);
        EXPECT_EQ(RunToEnd(Batch(dir / "prog"), dir.path()), 0);
        EXPECT_EQ(RunToEnd(Batch(dir / "prog", {"--hcp", "15-25"}), dir.path()), 0);
        return Outcome(dir / "prog");
    }();
    return files;
}

class TwoScans : public ::testing::TestWithParam<int> {};

TEST_P(TwoScans, OneScansTheOtherWaitsAndReplaysAndTheFilesAreThoseOfOneRun) {
    const Files& want = AloneBig();
    TempFolder dir;
    const fs::path folder = dir / "prog";
    ProgramFolder(folder).WriteLibrary(kBig, 5, true);
    Process first(Batch(folder), dir.path());
    std::this_thread::sleep_for(std::chrono::milliseconds(GetParam()));
    Process second(Batch(folder, {"--hcp", "15-25"}), dir.path());
    EXPECT_EQ(first.Wait().code, 0) << first.Said();
    EXPECT_EQ(second.Wait().code, 0) << second.Said();
    ExpectSame(Outcome(folder), want, "from two runs");
    ExpectNoPartFile(folder);
    // A second scan would have kept the first one's list as the backup.
    EXPECT_FALSE(fs::exists(folder / "Over20.bak"));
}

INSTANTIATE_TEST_SUITE_P(StartedMillisecondsApart, TwoScans, ::testing::Values(0, 5, 20, 60));

TEST(FolderRuns, WhileTheFolderIsHeldANoWaitRunIsRefusedAndAnotherWaitsForIt) {
    TempFolder dir;
    const fs::path folder = dir / "prog";
    ProgramFolder(folder).WriteLibrary(2000);
    fs::create_directories(folder / "DataFiles");
    // The test holds the folder as a scanning run does.
    const int lock = ::open((folder / "DataFiles" / "Trickscan.lock").c_str(),
                            O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    const Files before = FilesIn(folder);

    Process refused(Batch(folder, {"--no-wait"}), dir.path());
    EXPECT_EQ(refused.Wait().code, 1);
    EXPECT_EQ(refused.Said(), "trickscan-batch: another run is scanning this folder\n");
    EXPECT_TRUE(FilesIn(folder) == before);

    Process waiting(Batch(folder), dir.path());
    std::string said;
    for (int tries = 0; said.empty() && tries < 3000; ++tries) {  // 30 s at most
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        said = waiting.Said();
    }
    EXPECT_EQ(said, kWaiting);
    int status = 0;
    EXPECT_EQ(::waitpid(waiting.pid, &status, WNOHANG), 0) << "did not wait for the folder";
    EXPECT_TRUE(FilesIn(folder) == before);
    ::close(lock);
    EXPECT_EQ(waiting.Wait().code, 0);
    EXPECT_EQ(waiting.Said(), kWaiting);
    EXPECT_TRUE(fs::exists(folder / "DataFiles" / "(none)40ScoCo.dat"));
}

TEST(FolderRuns, AScanKilledAtEachRenameOfItsCommitLeavesWhatTheNextRunMakesWhole) {
    TempFolder dir;
    Process probe({"strace", "-f", "-o", "/dev/null", "true"}, dir.path());
    if (probe.Wait().code != 0)
        GTEST_SKIP() << "strace cannot trace here (missing, or ptrace not permitted): "
                     << probe.Said();
    constexpr int kDeals = 3000;
    // A folder with the cache, note and list of library 1, whose library is now 2.
    const fs::path prepared = dir / "prepared";
    ProgramFolder(prepared).WriteLibrary(kDeals, 1, true);
    ASSERT_EQ(RunToEnd(Batch(prepared), dir.path()), 0);
    ProgramFolder(prepared).WriteLibrary(kDeals, 2, true);
    ProgramFolder(dir / "alone").WriteLibrary(kDeals, 2, true);
    ASSERT_EQ(RunToEnd(Batch(dir / "alone"), dir.path()), 0);
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
        const int code = RunToEnd(traced, dir.path());
        completed = code == 0;
        if (!completed) {
            ASSERT_EQ(code, -SIGKILL) << n;
            ++killed;
        }
        EXPECT_TRUE(fs::exists(folder / "Over20.txt")) << when;
        EXPECT_EQ(RunToEnd(Batch(folder), dir.path()), 0) << when;
        ExpectSame(Outcome(folder), want, when);
        // The part files the killed run left are gone with the next run.
        ExpectNoPartFile(folder, when);
        fs::remove_all(folder);
    }
    EXPECT_TRUE(completed);
    // One kill at each rename: the backup, the list, the cache, the note, the result.
    EXPECT_GE(killed, 5);
}

}  // namespace
}  // namespace lott::test
