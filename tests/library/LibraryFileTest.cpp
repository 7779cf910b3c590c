// Finding, opening and reading library files, including bad and odd-sized ones.
#include <gtest/gtest.h>

#include <random>

#include "LibraryFile.h"
#include "TestLibrary.h"

namespace lott {
namespace {

std::vector<DealRecord> SomeDeals(int n) {
    std::mt19937 rng(11);
    std::vector<DealRecord> v;
    for (int i = 0; i < n; ++i) v.push_back(test::RandomRecord(rng));
    return v;
}

TEST(DiscoverLibrary, BinaryFirstThenAsciiElseMissing) {
    test::TempFolder dir;
    EXPECT_FALSE(DiscoverLibrary(dir.path()).found);
    test::WriteAsc(dir / "Library.asc", SomeDeals(5));
    LibraryChoice asc = DiscoverLibrary(dir.path());
    EXPECT_TRUE(asc.found);
    EXPECT_EQ(asc.LibFileName, "Library.asc");
    EXPECT_EQ(asc.LibRecLen, 89);
    EXPECT_EQ(asc.DealCount, 5);
    test::WriteBin(dir / "Library.bin", SomeDeals(5));
    LibraryChoice bin = DiscoverLibrary(dir.path());
    EXPECT_EQ(bin.LibFileName, "Library.bin");
    EXPECT_EQ(bin.LibRecLen, 26);
    EXPECT_EQ(bin.DealCount, 5);
    // Without one whole record the binary file is passed over, as the viewer passes it over;
    // so is a folder of that name.
    for (const char* bytes : {"", "twenty-five bytes, no deal"}) {
        test::WriteFile(dir / "Library.bin", std::string(bytes).substr(0, 25));
        EXPECT_EQ(DiscoverLibrary(dir.path()).LibFileName, "Library.asc");
    }
    std::filesystem::remove(dir / "Library.bin");
    std::filesystem::create_directory(dir / "Library.bin");
    EXPECT_EQ(DiscoverLibrary(dir.path()).LibFileName, "Library.asc");
}

TEST(LibraryFile, ReadsEveryDealOfBothFormsAlikeAcrossBuffers) {
    test::TempFolder dir;
    auto deals = SomeDeals(9000);  // more than one buffer of records
    test::WriteBin(dir / "Library.bin", deals);
    test::WriteAsc(dir / "Library.asc", deals);
    LibraryFile bin, asc;
    ASSERT_TRUE(bin.Open(dir / "Library.bin", 1) && asc.Open(dir / "Library.asc", 0));
    ASSERT_EQ(bin.DealCount(), 9000);
    ASSERT_EQ(asc.DealCount(), 9000);
    Deal a, b;
    for (int n = 1; n <= 9000; ++n) {
        ASSERT_EQ(bin.ReadDeal(n, a), ReadStatus::Ok);
        ASSERT_EQ(asc.ReadDeal(n, b), ReadStatus::Ok);
        ASSERT_EQ(a.Hand, deals[n - 1].hands);
        ASSERT_EQ(a.Hand, b.Hand);
        ASSERT_EQ(a.TrickHex.v, b.TrickHex.v);
    }
    for (int n : {9000, 4097, 4096, 1, 8193, 2}) {  // backwards across buffer boundaries
        ASSERT_EQ(bin.ReadDeal(n, a), ReadStatus::Ok);
        ASSERT_EQ(a.Hand, deals[n - 1].hands) << n;
    }
}

TEST(LibraryFile, OutOfRangeAndTrailingPartialRecordsAreNeverRead) {
    test::TempFolder dir;
    test::WriteBin(dir / "Library.bin", SomeDeals(3));
    test::WriteFile(dir / "Library.bin",
                    test::ReadFile(dir / "Library.bin") + std::string(10, '\x55'));
    EXPECT_EQ(DiscoverLibrary(dir.path()).DealCount, 3);
    LibraryFile f;
    ASSERT_TRUE(f.Open(dir / "Library.bin", 1));
    EXPECT_EQ(f.DealCount(), 3);
    Deal d;
    for (int n : {0, 4, -5}) EXPECT_EQ(f.ReadDeal(n, d), ReadStatus::OutOfRange) << n;
    EXPECT_TRUE(d.Hand[0][0].empty());
    EXPECT_EQ(f.ReadDeal(3, d), ReadStatus::Ok);
    f.Close();
    EXPECT_EQ(f.ReadDeal(1, d), ReadStatus::OutOfRange);
}

TEST(LibraryFile, FileCutWhileOpenReportsAReadError) {
    test::TempFolder dir;
    test::WriteBin(dir / "Library.bin", SomeDeals(10));
    LibraryFile f;
    ASSERT_TRUE(f.Open(dir / "Library.bin", 1));
    std::filesystem::resize_file(dir / "Library.bin", 26 * 4);
    Deal d;
    EXPECT_EQ(f.ReadDeal(8, d), ReadStatus::ReadError);
    EXPECT_EQ(f.ReadDeal(4, d), ReadStatus::Ok);
}

}  // namespace
}  // namespace lott
