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
    LibraryChoice none = DiscoverLibrary(dir.path());
    EXPECT_FALSE(none.found);
    EXPECT_EQ(none.LibMode, LibMode::Binary);
    EXPECT_EQ(none.LibFileName, "Library.bin");
    EXPECT_EQ(none.LibRecLen, 26);

    auto deals = SomeDeals(5);
    test::WriteAsc(dir / "Library.asc", deals);
    LibraryChoice asc = DiscoverLibrary(dir.path());
    EXPECT_TRUE(asc.found);
    EXPECT_EQ(asc.LibMode, LibMode::Ascii);
    EXPECT_EQ(asc.LibFileName, "Library.asc");
    EXPECT_EQ(asc.LibRecLen, 89);
    EXPECT_EQ(asc.DealCount, 5);

    test::WriteBin(dir / "Library.bin", deals);
    LibraryChoice bin = DiscoverLibrary(dir.path());
    EXPECT_EQ(bin.LibMode, LibMode::Binary);
    EXPECT_EQ(bin.LibFileLen, 5 * 26);
    EXPECT_EQ(bin.DealCount, 5);

    // Without one whole record the binary file is passed over, as the viewer passes it over.
    for (const char* bytes : {"", "twenty-five bytes, no deal"}) {
        test::WriteFile(dir / "Library.bin", std::string(bytes).substr(0, 25));
        EXPECT_EQ(DiscoverLibrary(dir.path()).LibFileName, "Library.asc");
    }

    // A folder of that name is no library.
    std::filesystem::remove(dir / "Library.bin");
    std::filesystem::create_directory(dir / "Library.bin");
    EXPECT_EQ(DiscoverLibrary(dir.path()).LibMode, LibMode::Ascii);
}

TEST(LibraryFile, ReadsEveryDealOfBothFormsAlike) {
    test::TempFolder dir;
    auto deals = SomeDeals(9000);  // more than one buffer of records
    test::WriteBin(dir / "Library.bin", deals);
    test::WriteAsc(dir / "Library.asc", deals);
    LibraryFile bin, asc;
    ASSERT_TRUE(bin.Open(dir / "Library.bin", LibMode::Binary));
    ASSERT_TRUE(asc.Open(dir / "Library.asc", LibMode::Ascii));
    ASSERT_EQ(bin.DealCount(), 9000);
    ASSERT_EQ(asc.DealCount(), 9000);
    Deal a, b;
    // In order, then backwards across buffer boundaries.
    for (int n = 1; n <= 9000; ++n) {
        ASSERT_EQ(bin.ReadDeal(n, a), ReadStatus::Ok);
        ASSERT_EQ(asc.ReadDeal(n, b), ReadStatus::Ok);
        ASSERT_EQ(a.Hand, deals[n - 1].hands);
        ASSERT_EQ(a.Hand, b.Hand);
        ASSERT_EQ(a.TrickHex.v, b.TrickHex.v);
    }
    for (int n : {9000, 4097, 4096, 1, 8193, 2}) {
        ASSERT_EQ(bin.ReadDeal(n, a), ReadStatus::Ok);
        ASSERT_EQ(a.Hand, deals[n - 1].hands) << n;
    }
}

TEST(LibraryFile, OutOfRangeAndTrailingPartialRecordsAreNeverRead) {
    test::TempFolder dir;
    auto deals = SomeDeals(3);
    test::WriteBin(dir / "Library.bin", deals);
    std::string bytes = test::ReadFile(dir / "Library.bin") + std::string(10, '\x55');
    test::WriteFile(dir / "Library.bin", bytes);
    EXPECT_EQ(DiscoverLibrary(dir.path()).DealCount, 3);
    LibraryFile f;
    ASSERT_TRUE(f.Open(dir / "Library.bin", LibMode::Binary));
    EXPECT_EQ(f.DealCount(), 3);
    Deal d;
    EXPECT_EQ(f.ReadDeal(0, d), ReadStatus::OutOfRange);
    EXPECT_EQ(f.ReadDeal(4, d), ReadStatus::OutOfRange);
    EXPECT_EQ(f.ReadDeal(-5, d), ReadStatus::OutOfRange);
    EXPECT_TRUE(d.Hand[0][0].empty());
    EXPECT_EQ(f.ReadDeal(3, d), ReadStatus::Ok);
    f.Close();
    EXPECT_EQ(f.ReadDeal(1, d), ReadStatus::OutOfRange);
}

TEST(LibraryFile, EmptyFileAndDamagedAsciiRecord) {
    test::TempFolder dir;
    test::WriteFile(dir / "Library.asc", "");
    LibraryFile f;
    ASSERT_TRUE(f.Open(dir / "Library.asc", LibMode::Ascii));
    EXPECT_EQ(f.DealCount(), 0);
    Deal d;
    EXPECT_EQ(f.ReadDeal(1, d), ReadStatus::OutOfRange);

    auto deals = SomeDeals(2);
    test::WriteAsc(dir / "Library.asc", deals);
    std::string bytes = test::ReadFile(dir / "Library.asc");
    bytes[89 + 5] = '?';
    test::WriteFile(dir / "Library.asc", bytes);
    ASSERT_TRUE(f.Open(dir / "Library.asc", LibMode::Ascii));
    EXPECT_EQ(f.ReadDeal(1, d), ReadStatus::Ok);
    EXPECT_EQ(f.ReadDeal(2, d), ReadStatus::Damaged);
    EXPECT_FALSE(f.Open(dir / "missing.asc", LibMode::Ascii));
    EXPECT_FALSE(f.IsOpen());
}

TEST(LibraryFile, FileCutWhileOpenReportsAReadError) {
    test::TempFolder dir;
    test::WriteBin(dir / "Library.bin", SomeDeals(10));
    LibraryFile f;
    ASSERT_TRUE(f.Open(dir / "Library.bin", LibMode::Binary));
    std::filesystem::resize_file(dir / "Library.bin", 26 * 4);
    Deal d;
    EXPECT_EQ(f.ReadDeal(8, d), ReadStatus::ReadError);
    EXPECT_EQ(f.ReadDeal(4, d), ReadStatus::Ok);
}

}  // namespace
}  // namespace lott
