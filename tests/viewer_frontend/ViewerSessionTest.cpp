// The viewer's state between clicks: choosing and replacing the library, stepping with
// wrap-around, typed deal numbers, typed library names, and reading a deal to show.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestLibrary.h"
#include "ViewerDeals.h"
#include "ViewerSession.h"

namespace lott {
namespace {

namespace fs = std::filesystem;

struct SessionTest : testing::Test {
    test::TempFolder dir;
    std::vector<DealRecord> deals = test::RandomDeals(25, 7);
    void SetUp() override {
        test::WriteBin(dir / "Library.bin", deals);
        test::WriteAsc(dir / "Library.asc", deals);
    }
};

TEST_F(SessionTest, StepsWrapAroundTheEndsOfTheLibrary) {
    ViewerSession s(dir.path());
    ASSERT_TRUE(s.OpenLibrary(LibMode::Binary, "Library.bin"));
    EXPECT_EQ(s.DealCount(), 25);
    struct Case {
        std::int32_t from;
        int by;  // negative: back
        std::int32_t to;
        bool wrapped;
    };
    const Case cases[] = {{1, 1, 2, false},  {22, 10, 1, true},  // from DealCount - 3
                          {1, -1, 25, true}, {25, -10, 15, false},
                          {25, 1, 1, true},  {10, -10, 25, true}};  // reaching 0 wraps too
    for (const Case& c : cases) {
        s.DealNo = c.from;
        const auto step = c.by > 0 ? s.GoForward(c.by) : s.GoBack(-c.by);
        EXPECT_TRUE(step.show);
        EXPECT_EQ(step.wrapped, c.wrapped) << c.from << " by " << c.by;
        EXPECT_EQ(s.DealNo, c.to) << c.from << " by " << c.by;
    }
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
    ASSERT_TRUE(s.OpenLibrary(LibMode::Binary, "Library.bin"));
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
    ASSERT_TRUE(s.OpenLibrary(LibMode::Binary, "Library.bin"));
    s.DealNo = 20;
    EXPECT_FALSE(s.OpenLibrary(LibMode::Ascii, "Missing.asc"));
    test::WriteFile(dir / "Short.bin", std::string(25, '\0'));  // not even one record
    EXPECT_FALSE(s.Usable("Short.bin", LibMode::Binary));
    EXPECT_FALSE(s.OpenLibrary(LibMode::Binary, "Short.bin"));
    EXPECT_EQ(s.LibMode, LibMode::Binary);
    EXPECT_EQ(s.BinLibName, "Library.bin");
    EXPECT_EQ(s.AscLibName, "Library.asc");
    EXPECT_EQ(s.DealCount(), 25);
    EXPECT_EQ(s.Show(20), ReadStatus::Ok);

    // A smaller library: the deal shown is kept inside it.
    test::WriteBin(dir / "Small.BIN", test::RandomDeals(5, 9));
    ASSERT_TRUE(s.OpenLibrary(LibMode::Binary, "Small.BIN"));
    EXPECT_EQ(s.BinLibName, "Small.BIN");
    EXPECT_EQ(s.DealCount(), 5);
    EXPECT_EQ(s.DealNo, 5);
}

TEST_F(SessionTest, BothFormsShowTheSameDealAndDecision) {
    ViewerSession bin(dir.path()), asc(dir.path());
    ASSERT_TRUE(bin.OpenLibrary(LibMode::Binary, "Library.bin"));
    ASSERT_TRUE(asc.OpenLibrary(LibMode::Ascii, "Library.asc"));
    EXPECT_EQ(asc.LibMode, LibMode::Ascii);
    EXPECT_EQ(asc.Library().LibRecLen(), 89);
    for (int trumpBy : {0, 1})
        for (std::int32_t n = 1; n <= 25; ++n) {
            bin.TrumpBy = asc.TrumpBy = static_cast<TrumpBy>(trumpBy);
            bin.NoNT = asc.NoNT = trumpBy == 0 ? NoNT::Forbidden : NoNT::Allowed;
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
    ASSERT_TRUE(s.OpenLibrary(LibMode::Ascii, "Damaged.asc"));
    EXPECT_EQ(s.Show(2), ReadStatus::Ok);
    EXPECT_TRUE(s.ShownOk());
    EXPECT_EQ(s.Show(3), ReadStatus::Damaged);
    EXPECT_FALSE(s.ShownOk());
    EXPECT_EQ(s.Show(26), ReadStatus::OutOfRange);

    ViewerSession t(dir.path());
    ASSERT_TRUE(t.OpenLibrary(LibMode::Binary, "Library.bin"));
    fs::resize_file(dir / "Library.bin", 26 * 2);  // cut while open
    EXPECT_EQ(t.Show(20), ReadStatus::ReadError);
    EXPECT_FALSE(t.ShownOk());
}

TEST(ViewerSessionNames, TheExtensionDecidesTheFormWhateverItsCase) {
    const std::pair<const char*, std::optional<LibMode>> modes[] = {
        {"Library.bin", LibMode::Binary},
        {"MyLib.BIN", LibMode::Binary},
        {"old/Library.Asc", LibMode::Ascii},
        {".bin", {}},
        {"bin", {}},
        {"Library.bin.txt", {}},
        {"", {}}};
    for (const auto& [name, mode] : modes) EXPECT_EQ(ViewerSession::ModeOfName(name), mode) << name;
}

TEST(ViewerSessionNames, TheExtensionIsReplacedWithoutCuttingIntoAShortName) {
    const std::tuple<const char*, LibMode, const char*> names[] = {
        {"Library.bin", LibMode::Ascii, "Library.asc"},
        {"MyLib.BIN", LibMode::Ascii, "MyLib.asc"},
        {"Library.asc", LibMode::Binary, "Library.bin"},
        {"ab", LibMode::Ascii, "ab.asc"},
        {"", LibMode::Binary, ".bin"},
        {"Deals", LibMode::Binary, "Deals.bin"}};
    for (const auto& [name, mode, renamed] : names)
        EXPECT_EQ(ViewerSession::WithExtension(name, mode), renamed);
}

}  // namespace
}  // namespace lott
