// Writing both library files in step: refusing other people's files, checkpoints, and resuming
// after a run that stopped or crashed part-way.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>

#include "LibraryFile.h"
#include "LibraryWriter.h"
#include "TestLibrary.h"

namespace lott {
namespace {

namespace fs = std::filesystem;

std::vector<DealRecord> SomeDeals(int n, unsigned seed = 3) {
    std::mt19937 rng(seed);
    std::vector<DealRecord> v;
    for (int i = 0; i < n; ++i) v.push_back(test::RandomRecord(rng));
    return v;
}

std::span<const DealRecord> Part(const std::vector<DealRecord>& v, std::size_t from,
                                 std::size_t n) {
    return std::span<const DealRecord>(v).subspan(from, n);
}

// The files the shared codec makes of these deals.
void ExpectLibrary(const fs::path& dir, const std::vector<DealRecord>& deals) {
    test::TempFolder ref;
    test::WriteBin(ref / "Library.bin", deals);
    test::WriteAsc(ref / "Library.asc", deals);
    EXPECT_EQ(test::ReadFile(dir / "Library.bin"), test::ReadFile(ref / "Library.bin"));
    EXPECT_EQ(test::ReadFile(dir / "Library.asc"), test::ReadFile(ref / "Library.asc"));
}

TEST(LibraryWriter, WritesBothFormsThroughTheCodecAndDropsTheMarkerWhenDone) {
    test::TempFolder tmp;
    fs::path dir = tmp / "new/folder";  // made when missing
    auto deals = SomeDeals(7);
    LibraryWriter w;
    std::string error;
    ASSERT_TRUE(w.Create(dir, 99, 7, error)) << error;
    EXPECT_TRUE(fs::exists(dir / "Library.making"));
    ASSERT_TRUE(w.Append(Part(deals, 0, 4), error)) << error;
    EXPECT_EQ(w.Marker().done, 4);

    // The marker on disk is the checkpoint: it knows the seed, the target and what is written.
    auto m = LibraryWriter::ReadMarker(dir, error);
    ASSERT_TRUE(m) << error;
    EXPECT_EQ(m->seed, 99u);
    EXPECT_EQ(m->target, 7);
    EXPECT_EQ(m->done, 4);

    ASSERT_TRUE(w.Append(Part(deals, 4, 3), error)) << error;
    ASSERT_TRUE(w.Finish(error)) << error;
    EXPECT_FALSE(fs::exists(dir / "Library.making"));
    // The library only: no part file of the marker is left.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 2);
    ExpectLibrary(dir, deals);

    LibraryFile f;
    ASSERT_TRUE(f.Open(dir / "Library.bin", LibMode::Binary));
    EXPECT_EQ(f.DealCount(), 7);
}

TEST(LibraryWriter, RefusesFoldersThatHoldALibraryAndLeavesItAlone) {
    for (const char* name : {"Library.bin", "Library.asc"}) {
        test::TempFolder dir;
        test::WriteFile(dir / name, "someone else's deals");
        LibraryWriter w;
        std::string error;
        EXPECT_FALSE(w.Create(dir.path(), 1, 10, error)) << name;
        EXPECT_NE(error.find(name), std::string::npos) << error;
        EXPECT_EQ(test::ReadFile(dir / name), "someone else's deals");
        EXPECT_FALSE(fs::exists(dir / "Library.making"));
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    }
    // An unfinished library of our own is not started over either: it may be hours of work.
    test::TempFolder dir;
    LibraryWriter first;
    std::string error;
    ASSERT_TRUE(first.Create(dir.path(), 5, 10, error));
    ASSERT_TRUE(first.Append(SomeDeals(2), error));
    LibraryWriter again;
    EXPECT_FALSE(again.Create(dir.path(), 5, 10, error));
    EXPECT_NE(error.find("--resume"), std::string::npos) << error;
    EXPECT_NE(error.find("2 of 10"), std::string::npos) << error;
    EXPECT_EQ(fs::file_size(dir / "Library.bin"), 2u * kBinRecLen);
    // A file in the way of the output folder.
    test::WriteFile(dir / "plain", "x");
    EXPECT_FALSE(again.Create(dir / "plain", 5, 10, error));
}

TEST(LibraryWriter, ResumeCutsBothFilesBackToTheCheckpointAndContinues) {
    test::TempFolder dir;
    auto deals = SomeDeals(9);
    std::string error;
    {
        LibraryWriter w;
        ASSERT_TRUE(w.Create(dir.path(), 17, 9, error));
        ASSERT_TRUE(w.Append(Part(deals, 0, 3), error));
        ASSERT_TRUE(w.Append(Part(deals, 3, 2), error));
    }
    // A crash while writing the next batch: Library.bin got a record and a half beyond the
    // checkpoint, Library.asc a few bytes.
    std::string bin = test::ReadFile(dir / "Library.bin");
    std::string asc = test::ReadFile(dir / "Library.asc");
    test::WriteFile(dir / "Library.bin", bin + std::string(kBinRecLen + 13, '\x7f'));
    test::WriteFile(dir / "Library.asc", asc + "AKQ.");

    LibraryWriter w;
    ASSERT_TRUE(w.Resume(dir.path(), error)) << error;
    EXPECT_EQ(w.Marker().seed, 17u);
    EXPECT_EQ(w.Marker().target, 9);
    EXPECT_EQ(w.Marker().done, 5);
    EXPECT_EQ(fs::file_size(dir / "Library.bin"), 5u * kBinRecLen);
    EXPECT_EQ(fs::file_size(dir / "Library.asc"), 5u * kAscRecLen);
    ASSERT_TRUE(w.Append(Part(deals, 5, 4), error)) << error;
    ASSERT_TRUE(w.Finish(error));
    ExpectLibrary(dir.path(), deals);
}

// Every file of the folder with its bytes.
std::map<std::string, std::string> Snapshot(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(dir))
        files[e.path().filename().string()] = test::ReadFile(e.path());
    return files;
}

TEST(LibraryWriter, ResumeRefusesFilesThatAreNotWhatItLeftAndTouchesNothing) {
    std::string error;
    {
        test::TempFolder dir;
        LibraryWriter w;
        EXPECT_FALSE(w.Resume(dir.path(), error));
        EXPECT_NE(error.find("no unfinished library"), std::string::npos) << error;
    }
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> damage;
        const char* says;
    };
    const Case cases[] = {
        {"a byte changed inside the checkpointed records",
         [](const fs::path& dir) {
             std::string bin = test::ReadFile(dir / "Library.bin");
             bin[30] = static_cast<char>(bin[30] ^ 0x10);
             test::WriteFile(dir / "Library.bin", bin + "tail");  // and not cut back
         },
         "changed"},
        {"Library.asc replaced by another library's",
         [](const fs::path& dir) { test::WriteAsc(dir / "Library.asc", SomeDeals(4, 77)); }, ""},
        {"shorter than the checkpoint",
         [](const fs::path& dir) {
             const std::string asc = test::ReadFile(dir / "Library.asc");
             test::WriteFile(dir / "Library.asc", asc.substr(0, asc.size() - 1));
         },
         "shorter"},
        {"a file gone", [](const fs::path& dir) { fs::remove(dir / "Library.bin"); }, ""},
        {"a damaged marker",
         [](const fs::path& dir) {
             test::WriteFile(dir / "Library.making", "makelibrary unfinished library\nseed 1\n");
         },
         "damaged"},
    };
    const auto deals = SomeDeals(4);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempFolder dir;
        LibraryWriter started;
        ASSERT_TRUE(started.Create(dir.path(), 1, 10, error));
        ASSERT_TRUE(started.Append(deals, error));
        c.damage(dir.path());
        const auto before = Snapshot(dir.path());
        LibraryWriter w;
        EXPECT_FALSE(w.Resume(dir.path(), error));
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
        EXPECT_EQ(Snapshot(dir.path()), before);
    }
}

TEST(LibraryWriter, RefusesToWriteDealsThatAreNotDeals) {
    test::TempFolder dir;
    LibraryWriter w;
    std::string error;
    ASSERT_TRUE(w.Create(dir.path(), 1, 3, error));
    auto deals = SomeDeals(2);
    deals[1].hands[0][0].push('A');  // a second ace of spades
    EXPECT_FALSE(w.Append(deals, error));
    EXPECT_NE(error.find("deal 2"), std::string::npos) << error;
    EXPECT_EQ(fs::file_size(dir / "Library.bin"), 0u) << "nothing of the batch is written";
    EXPECT_EQ(w.Marker().done, 0);
}

}  // namespace
}  // namespace lott
