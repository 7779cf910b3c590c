// Whole runs: the bundled sample library is what its command made (the deals of seed 717102 in
// both forms); a run stopped and resumed writes the very same files as one that was not; Ctrl-C
// and SIGTERM become a stop request instead of ending the process mid-write.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "DealGenerator.h"
#include "LibraryFile.h"
#include "LibraryMaker.h"
#include "ShardMerger.h"
#include "StopSignal.h"
#include "TestLibrary.h"

namespace lott {
namespace {

namespace fs = std::filesystem;

TEST(SampleLibrary, HoldsTheSeedsDealsInBothForms) {
    const fs::path dir = TRICKSCAN_SAMPLE_DIR;
    LibraryFile bin, asc;
    ASSERT_TRUE(bin.Open(dir / "Library.bin", LibMode::Binary) &&
                asc.Open(dir / "Library.asc", LibMode::Ascii));
    EXPECT_GE(bin.DealCount(), 10000);
    EXPECT_EQ(bin.DealCount(), asc.DealCount());
    EXPECT_EQ(bin.LibFileLen() % kBinRecLen, 0);
    DealGenerator gen(717102);
    Deal b, a;
    for (std::int32_t n = 1; n <= bin.DealCount(); ++n) {
        DealRecord expected = gen.Next();
        ASSERT_EQ(bin.ReadDeal(n, b), ReadStatus::Ok);
        ASSERT_EQ(asc.ReadDeal(n, a), ReadStatus::Ok) << n;
        ASSERT_EQ(b.Hand, expected.hands) << "deal " << n;
        ASSERT_EQ(a.Hand, expected.hands) << "deal " << n;
        ASSERT_EQ(a.TrickHex.v, b.TrickHex.v) << "deal " << n;
    }
}

TEST(LibraryMaker, AStoppedRunResumedWritesTheSameFilesAsAnUnbrokenOne) {
    DdsSolver solver(0);
    std::string error;
    test::TempFolder whole, broken;
    // Made in one run; then asked before every batch: the first goes through, then the stop
    // request comes; then resumed with another batch size, which changes nothing in the files.
    for (const fs::path& dir : {whole.path(), broken.path()}) {
        LibraryWriter w;
        ASSERT_TRUE(w.Create(dir, 1, 3, error));
        int asked = 0;
        const bool stop = dir == broken.path();
        const auto outcome = LibraryMaker(solver, stop ? 2 : 3)
                                 .Run(
                                     w, [&] { return stop && ++asked > 1; }, nullptr, error);
        ASSERT_EQ(outcome, stop ? LibraryMaker::Outcome::Stopped : LibraryMaker::Outcome::Finished);
        EXPECT_EQ(w.Marker().done, stop ? 2 : 3);
        EXPECT_EQ(fs::exists(dir / "Library.making"), stop);
    }
    LibraryWriter w;
    ASSERT_TRUE(w.Resume(broken.path(), error)) << error;
    ASSERT_EQ(LibraryMaker(solver, 40).Run(w, nullptr, nullptr, error),
              LibraryMaker::Outcome::Finished)
        << error;
    EXPECT_EQ(test::FilesIn(broken.path()), test::FilesIn(whole.path()));
    EXPECT_EQ(fs::file_size(whole / "Library.bin"), 3u * kBinRecLen);
}

// Deal k depends on the seed and k alone, so however the library is cut into shards, the
// shards merge into the library of one run.
TEST(ShardMerger, AnySplitMergesIntoTheLibraryOfOneRun) {
    DdsSolver solver(0);
    std::string error;
    test::TempFolder one, split;
    LibraryWriter w;
    ASSERT_TRUE(w.Create(one.path(), 5, 21, error));
    ASSERT_EQ(LibraryMaker(solver).Run(w, nullptr, nullptr, error),
              LibraryMaker::Outcome::Finished);
    for (int k : {1, 3, 7}) {
        std::vector<fs::path> shards;
        for (int i = k - 1; i >= 0; --i) {
            shards.push_back(split / std::to_string(k) / std::to_string(i));
            LibraryWriter s;
            ASSERT_TRUE(s.Create(shards.back(), 5, 21, error, k, i)) << error;
            ASSERT_EQ(LibraryMaker(solver, 2).Run(s, nullptr, nullptr, error),
                      LibraryMaker::Outcome::Finished);
        }
        const fs::path merged = split / ("merged-" + std::to_string(k));
        ASSERT_EQ(ShardMerger::Merge(merged, shards, error), ShardMerger::Outcome::Merged) << error;
        EXPECT_EQ(test::FilesIn(merged), test::FilesIn(one.path())) << k << " shards";
    }
}

TEST(StopSignal, TurnsSigtermAndSigintIntoAStopRequest) {
    for (int sig : {SIGTERM, SIGINT}) {
        StopSignal stop;
        EXPECT_FALSE(stop.Requested());
        EXPECT_EQ(stop.Signal(), 0);
        // To the whole process, as a shell or kill does; threads started now block it too.
        std::thread other([] { std::this_thread::sleep_for(std::chrono::milliseconds(20)); });
        ASSERT_EQ(::kill(::getpid(), sig), 0);
        other.join();
        // Taken on another thread; it is given a moment (this is no timing of speed).
        for (int i = 0; i < 500 && !stop.Requested(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_TRUE(stop.Requested());
        EXPECT_EQ(stop.Signal(), sig);
    }
    // Once gone, the signals act as before: the mask is restored.
    sigset_t now;
    pthread_sigmask(SIG_SETMASK, nullptr, &now);
    EXPECT_FALSE(sigismember(&now, SIGINT));
    EXPECT_FALSE(sigismember(&now, SIGTERM));
}

}  // namespace
}  // namespace lott
