// The whole run with DDS: a run stopped and resumed writes the very same files as one that was
// not (the sample library's test and --check show that the files hold the seed's solved deals).
#include <gtest/gtest.h>

#include "LibraryMaker.h"
#include "TestLibrary.h"

namespace lott {
namespace {

namespace fs = std::filesystem;

TEST(LibraryMaker, AStoppedRunResumedWritesTheSameFilesAsAnUnbrokenOne) {
    DdsSolver solver(0);
    std::string error;
    test::TempFolder whole, broken;
    {
        LibraryWriter w;
        ASSERT_TRUE(w.Create(whole.path(), 1, 3, error));
        ASSERT_EQ(LibraryMaker(solver, 3).Run(w, nullptr, nullptr, error),
                  LibraryMaker::Outcome::Finished)
            << error;
    }
    {
        LibraryWriter w;
        ASSERT_TRUE(w.Create(broken.path(), 1, 3, error));
        // Asked before every batch: the first goes through, then the stop request comes.
        int asked = 0;
        auto outcome = LibraryMaker(solver, 2).Run(
            w, [&] { return ++asked > 1; }, nullptr, error);
        ASSERT_EQ(outcome, LibraryMaker::Outcome::Stopped);
        EXPECT_EQ(w.Marker().done, 2);
        EXPECT_TRUE(fs::exists(broken / "Library.making"));
    }
    {
        LibraryWriter w;
        ASSERT_TRUE(w.Resume(broken.path(), error)) << error;
        // Another batch size on the second leg changes nothing in the files.
        ASSERT_EQ(LibraryMaker(solver, 40).Run(w, nullptr, nullptr, error),
                  LibraryMaker::Outcome::Finished)
            << error;
    }
    EXPECT_EQ(test::ReadFile(broken / "Library.bin"), test::ReadFile(whole / "Library.bin"));
    EXPECT_EQ(test::ReadFile(broken / "Library.asc"), test::ReadFile(whole / "Library.asc"));
    EXPECT_EQ(fs::file_size(whole / "Library.bin"), 3u * kBinRecLen);
    EXPECT_FALSE(fs::exists(broken / "Library.making"));
}

}  // namespace
}  // namespace lott
