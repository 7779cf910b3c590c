// The whole run with DDS on a few deals: the library holds the seed's deals with their solved
// tricks, and a run stopped and resumed writes the very same files as one that was not.
#include <gtest/gtest.h>

#include "DealGenerator.h"
#include "LibraryFile.h"
#include "LibraryMaker.h"
#include "TestLibrary.h"

namespace lott {
namespace {

namespace fs = std::filesystem;

class LibraryMakerTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { solver_ = new DdsSolver(0); }
    static void TearDownTestSuite() {
        delete solver_;
        solver_ = nullptr;
    }
    static DdsSolver* solver_;
};
DdsSolver* LibraryMakerTest::solver_ = nullptr;

TEST_F(LibraryMakerTest, WritesTheSeedsDealsWithTheirDoubleDummyTricks) {
    test::TempFolder dir;
    LibraryWriter writer;
    std::string error;
    ASSERT_TRUE(writer.Create(dir.path(), 4, 3, error));
    std::vector<std::pair<std::int64_t, std::int64_t>> told;
    LibraryMaker maker(*solver_, 2);
    auto outcome = maker.Run(
        writer, [] { return false; },
        [&](std::int64_t done, std::int64_t target) { told.emplace_back(done, target); }, error);
    ASSERT_EQ(outcome, LibraryMaker::Outcome::Finished) << error;
    EXPECT_FALSE(fs::exists(dir / "Library.making"));
    EXPECT_EQ(told, (std::vector<std::pair<std::int64_t, std::int64_t>>{{2, 3}, {3, 3}}));

    // The same deals solved in one go, outside the pipeline.
    DealGenerator gen(4);
    std::vector<DealRecord> expected;
    for (int i = 0; i < 3; ++i) expected.push_back(gen.Next());
    ASSERT_TRUE(solver_->Solve(expected, error)) << error;

    LibraryFile bin, asc;
    ASSERT_TRUE(bin.Open(dir / "Library.bin", LibMode::Binary));
    ASSERT_TRUE(asc.Open(dir / "Library.asc", LibMode::Ascii));
    ASSERT_EQ(bin.DealCount(), 3);
    ASSERT_EQ(asc.DealCount(), 3);
    Deal b, a;
    for (int n = 1; n <= 3; ++n) {
        ASSERT_EQ(bin.ReadDeal(n, b), ReadStatus::Ok);
        ASSERT_EQ(asc.ReadDeal(n, a), ReadStatus::Ok);
        DealRecord fromBin = DealRecord::FromDeal(b), fromAsc = DealRecord::FromDeal(a);
        EXPECT_EQ(fromBin.hands, expected[n - 1].hands) << n;
        EXPECT_EQ(fromBin.nsTricks.v, expected[n - 1].nsTricks.v) << n;
        EXPECT_EQ(fromAsc.hands, fromBin.hands) << n;
        EXPECT_EQ(fromAsc.nsTricks.v, fromBin.nsTricks.v) << n;
    }
}

TEST_F(LibraryMakerTest, AStoppedRunResumedWritesTheSameFilesAsAnUnbrokenOne) {
    std::string error;
    test::TempFolder whole, broken;
    {
        LibraryWriter w;
        ASSERT_TRUE(w.Create(whole.path(), 1, 3, error));
        ASSERT_EQ(LibraryMaker(*solver_, 3).Run(w, nullptr, nullptr, error),
                  LibraryMaker::Outcome::Finished)
            << error;
    }
    {
        LibraryWriter w;
        ASSERT_TRUE(w.Create(broken.path(), 1, 3, error));
        // Asked before every batch: the first goes through, then the stop request comes.
        int asked = 0;
        auto outcome = LibraryMaker(*solver_, 2)
                           .Run(
                               w, [&] { return ++asked > 1; }, nullptr, error);
        ASSERT_EQ(outcome, LibraryMaker::Outcome::Stopped);
        EXPECT_EQ(w.Marker().done, 2);
        EXPECT_TRUE(fs::exists(broken / "Library.making"));
    }
    {
        LibraryWriter w;
        ASSERT_TRUE(w.Resume(broken.path(), error)) << error;
        // Another batch size on the second leg changes nothing in the files.
        ASSERT_EQ(LibraryMaker(*solver_, 40).Run(w, nullptr, nullptr, error),
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
