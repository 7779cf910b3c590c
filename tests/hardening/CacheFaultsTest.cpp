// The scan cache under faults: written beside its name until the scan ends, never lost to a
// library that cannot be read, and a full disk or a folder in its place fails the run with a
// message while every other file stays as it was.
#include "ProgramFolder.h"

namespace lott::test {
namespace {

TEST(CacheFaults, AScanWritesBesideTheCacheAndNamesItAtItsEnd) {
    ProgramFolder p;
    ASSERT_TRUE(p.StartOn(300));
    ScanCache cache(p.a->DataDir);
    bool looked = false;
    p.a->progress = [&](std::int32_t n) {
        if (n != 100) return;
        looked = true;
        EXPECT_FALSE(fs::exists(cache.CachePath()));
        const auto parts = FilesIn(p.a->DataDir, ".part");
        ASSERT_EQ(parts.size(), 1u);
        EXPECT_EQ(parts.begin()->first.rfind("Trickscan_36.bin.", 0), 0u);
    };
    EXPECT_EQ(p.Run({Opt::Standard}), "Finished");
    EXPECT_TRUE(looked);
    EXPECT_EQ(fs::file_size(cache.CachePath()), 300u * 6);
    EXPECT_TRUE(fs::exists(cache.SourcePath()));
    ExpectNoPartFile(p.path);
    EXPECT_TRUE(p.CacheValid(300));
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

TEST(CacheFaults, LinksLeftAtPartNamesAreNeverWrittenThrough) {
    ProgramFolder p;
    ASSERT_TRUE(p.StartOn(400));
    WriteFile(p.dir() / "outside", "not the programs' file");
    ScanCache cache(p.a->DataDir);
    for (const fs::path& at : std::vector<fs::path>{fs::path(cache.CachePath().string() + ".part"),
                                                    fs::path(cache.SourcePath().string() + ".part"),
                                                    p.path / "Over20.txt.part",
                                                    p.Result("(none)40ScoCo").string() + ".part"})
        fs::create_symlink(p.dir() / "outside", at);
    EXPECT_EQ(p.Run({Opt::Standard}), "Finished");
    EXPECT_EQ(ReadFile(p.dir() / "outside"), "not the programs' file");
    EXPECT_EQ(fs::file_size(cache.CachePath()), 400u * 6);
    EXPECT_TRUE(p.CacheValid(400));
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
