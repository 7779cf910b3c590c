// The viewer's state between clicks: choosing and replacing the library, stepping with
// wrap-around, typed deal numbers, typed library names, and reading a deal to show.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "TestLibrary.h"
#include "ViewerDeals.h"
#include "ViewerSession.h"

namespace lott {
namespace {

namespace fs = std::filesystem;

std::vector<DealRecord> RandomDeals(int n, unsigned seed = 7) {
    std::mt19937 rng(seed);
    std::vector<DealRecord> v;
    for (int i = 0; i < n; ++i) v.push_back(test::RandomRecord(rng));
    return v;
}

struct SessionTest : testing::Test {
    test::TempFolder dir;
    std::vector<DealRecord> deals = RandomDeals(25);
    void SetUp() override {
        test::WriteBin(dir / "Library.bin", deals);
        test::WriteAsc(dir / "Library.asc", deals);
    }
};

TEST_F(SessionTest, StepsWrapAroundTheEndsOfTheLibrary) {
    ViewerSession s(dir.path());
    ASSERT_TRUE(s.OpenLibrary(1, "Library.bin"));
    EXPECT_EQ(s.DealCount(), 25);
    s.DealNo = 1;
    auto step = s.GoForward(1);
    EXPECT_TRUE(step.show);
    EXPECT_FALSE(step.wrapped);
    EXPECT_EQ(s.DealNo, 2);
    s.DealNo = 22;  // DealCount - 3
    step = s.GoForward(10);
    EXPECT_TRUE(step.wrapped);
    EXPECT_EQ(s.DealNo, 1);
    step = s.GoBack(1);
    EXPECT_TRUE(step.wrapped);
    EXPECT_EQ(s.DealNo, 25);
    step = s.GoBack(10);
    EXPECT_FALSE(step.wrapped);
    EXPECT_EQ(s.DealNo, 15);
    s.DealNo = 25;
    step = s.GoForward(1);
    EXPECT_TRUE(step.wrapped);
    EXPECT_EQ(s.DealNo, 1);
    s.DealNo = 10;
    EXPECT_TRUE(s.GoBack(10).wrapped);  // reaching 0 wraps too
    EXPECT_EQ(s.DealNo, 25);
}

TEST_F(SessionTest, NavigationWithoutALibraryDoesNothing) {
    ViewerSession s(dir.path());
    s.DealNo = 3;
    EXPECT_FALSE(s.GoForward(1).show);
    EXPECT_FALSE(s.GoBack(10).show);
    EXPECT_FALSE(s.TypeDealNo("2"));
    EXPECT_EQ(s.DealNo, 3);
    EXPECT_EQ(s.DealCount(), 0);
}

TEST_F(SessionTest, ATypedNumberOutsideTheLibraryOrNoNumberLeavesTheDealAsItWas) {
    ViewerSession s(dir.path());
    ASSERT_TRUE(s.OpenLibrary(1, "Library.bin"));
    s.DealNo = 4;
    EXPECT_TRUE(s.TypeDealNo("25"));
    EXPECT_EQ(s.DealNo, 25);
    EXPECT_TRUE(s.TypeDealNo(" 7 "));
    EXPECT_EQ(s.DealNo, 7);
    for (const char* bad :
         {"0", "26", "-3", "", "  ", "abc", "5x", "1e1", "99999999999999", "+5", "3.0"}) {
        EXPECT_FALSE(s.TypeDealNo(bad)) << bad;
        EXPECT_EQ(s.DealNo, 7) << bad;
    }
}

TEST_F(SessionTest, AFailedOpenKeepsTheLibraryInUse) {
    ViewerSession s(dir.path());
    ASSERT_TRUE(s.OpenLibrary(1, "Library.bin"));
    s.DealNo = 20;
    EXPECT_FALSE(s.OpenLibrary(0, "Missing.asc"));
    test::WriteFile(dir / "Short.bin", std::string(25, '\0'));  // not even one record
    EXPECT_FALSE(s.Usable("Short.bin", 1));
    EXPECT_FALSE(s.OpenLibrary(1, "Short.bin"));
    EXPECT_EQ(s.LibMode, 1);
    EXPECT_EQ(s.BinLibName, "Library.bin");
    EXPECT_EQ(s.AscLibName, "Library.asc");
    EXPECT_EQ(s.DealCount(), 25);
    EXPECT_EQ(s.Show(20), ReadStatus::Ok);

    // A smaller library: the deal shown is kept inside it.
    test::WriteBin(dir / "Small.BIN", RandomDeals(5, 9));
    ASSERT_TRUE(s.OpenLibrary(1, "Small.BIN"));
    EXPECT_EQ(s.BinLibName, "Small.BIN");
    EXPECT_EQ(s.DealCount(), 5);
    EXPECT_EQ(s.DealNo, 5);
}

TEST_F(SessionTest, BothFormsShowTheSameDealAndDecision) {
    ViewerSession bin(dir.path()), asc(dir.path());
    ASSERT_TRUE(bin.OpenLibrary(1, "Library.bin"));
    ASSERT_TRUE(asc.OpenLibrary(0, "Library.asc"));
    EXPECT_EQ(asc.LibMode, 0);
    EXPECT_EQ(asc.Library().LibRecLen(), 89);
    for (int trumpBy : {0, 1})
        for (std::int32_t n = 1; n <= 25; ++n) {
            bin.TrumpBy = asc.TrumpBy = trumpBy;
            bin.NoNT = asc.NoNT = trumpBy == 0 ? 1 : 0;
            ASSERT_EQ(bin.Show(n), ReadStatus::Ok);
            ASSERT_EQ(asc.Show(n), ReadStatus::Ok);
            EXPECT_EQ(bin.decision().Contract, asc.decision().Contract) << n;
            EXPECT_EQ(bin.deal().Hand, asc.deal().Hand) << n;
            EXPECT_EQ(bin.ExportPage().dealNo, n);
        }
}

TEST_F(SessionTest, ADamagedRecordOrAShortenedFileIsReportedAndNotShown) {
    std::string asc = test::ReadFile(dir / "Library.asc");
    asc[89 * 2 + 3] = 'X';  // deal 3: a letter that is no card
    test::WriteFile(dir / "Damaged.asc", asc);
    ViewerSession s(dir.path());
    ASSERT_TRUE(s.OpenLibrary(0, "Damaged.asc"));
    EXPECT_EQ(s.Show(2), ReadStatus::Ok);
    EXPECT_TRUE(s.ShownOk());
    EXPECT_EQ(s.Show(3), ReadStatus::Damaged);
    EXPECT_FALSE(s.ShownOk());
    EXPECT_EQ(s.Show(26), ReadStatus::OutOfRange);

    ViewerSession t(dir.path());
    ASSERT_TRUE(t.OpenLibrary(1, "Library.bin"));
    fs::resize_file(dir / "Library.bin", 26 * 2);  // cut while open
    EXPECT_EQ(t.Show(20), ReadStatus::ReadError);
    EXPECT_FALSE(t.ShownOk());
}

TEST(ViewerSessionNames, TheExtensionDecidesTheFormWhateverItsCase) {
    EXPECT_EQ(ViewerSession::ModeOfName("Library.bin"), 1);
    EXPECT_EQ(ViewerSession::ModeOfName("MyLib.BIN"), 1);
    EXPECT_EQ(ViewerSession::ModeOfName("old/Library.Asc"), 0);
    EXPECT_EQ(ViewerSession::ModeOfName(".bin"), std::nullopt);
    EXPECT_EQ(ViewerSession::ModeOfName("bin"), std::nullopt);
    EXPECT_EQ(ViewerSession::ModeOfName("Library.bin.txt"), std::nullopt);
    EXPECT_EQ(ViewerSession::ModeOfName(""), std::nullopt);
}

TEST(ViewerSessionNames, TheExtensionIsReplacedWithoutCuttingIntoAShortName) {
    EXPECT_EQ(ViewerSession::WithExtension("Library.bin", 0), "Library.asc");
    EXPECT_EQ(ViewerSession::WithExtension("MyLib.BIN", 0), "MyLib.asc");
    EXPECT_EQ(ViewerSession::WithExtension("Library.asc", 1), "Library.bin");
    EXPECT_EQ(ViewerSession::WithExtension("ab", 0), "ab.asc");
    EXPECT_EQ(ViewerSession::WithExtension("", 1), ".bin");
    EXPECT_EQ(ViewerSession::WithExtension("Deals", 1), "Deals.bin");
}

}  // namespace
}  // namespace lott
