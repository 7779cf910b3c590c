// The viewer's state between clicks: steps that wrap round the library, and a library that
// cannot be opened; the source of an imported deal.
#include <gtest/gtest.h>

#include <random>

#include "TestLibrary.h"
#include "ViewerSession.h"

namespace lott {
namespace {

TEST(ViewerSession, StepsWrapRoundTheEndsAndAFailedOpenKeepsTheLibrary) {
    test::TempFolder dir;
    std::mt19937 rng(7);
    std::vector<DealRecord> deals(25);
    for (DealRecord& d : deals) d = test::RandomRecord(rng);
    test::WriteLibrary(dir / kBinLibName, deals);
    ViewerSession s(dir.path());
    ASSERT_TRUE(s.OpenLibrary(LibMode::Binary, kBinLibName));
    // From, by (negative: back), to, wrapped.
    const int cases[][4] = {{1, 1, 2, 0},  {22, 10, 1, 1},   {1, -1, 25, 1},
                            {25, 1, 1, 1}, {25, -10, 15, 0}, {10, -10, 25, 1}};
    for (const auto& c : cases) {
        s.DealNo = c[0];
        const auto step = c[1] > 0 ? s.GoForward(c[1]) : s.GoBack(-c[1]);
        EXPECT_EQ(step.wrapped, c[3] == 1) << c[0] << " by " << c[1];
        EXPECT_EQ(s.DealNo, c[2]) << c[0] << " by " << c[1];
    }
    test::WriteFile(dir / "Short.bin", std::string(25, '\0'));  // not even one record
    EXPECT_FALSE(s.OpenLibrary(LibMode::Binary, "Short.bin"));
    EXPECT_FALSE(s.OpenLibrary(LibMode::Ascii, "Missing.asc"));
    EXPECT_EQ(s.BinLibName, kBinLibName);
    EXPECT_EQ(s.Show(25), ReadStatus::Ok);
}

// Sources.tsv describes the library of as many deals: the imported one, not another beside it.
TEST(ViewerSession, ShowsTheSourceOfADealOnlyForTheLibraryOfTheSourceTable) {
    ViewerSession s(std::filesystem::path(TEST_GOLDEN_DIR) / "program");
    ASSERT_TRUE(s.OpenLibrary(LibMode::Binary, "Imported.bin"));
    ASSERT_EQ(s.Show(3), ReadStatus::Ok);
    ASSERT_TRUE(s.Source().has_value());
    EXPECT_EQ(s.Source()->board, "3");
    EXPECT_EQ(s.ExportPage().source, s.Source());
    ASSERT_TRUE(s.OpenLibrary(LibMode::Ascii, "Rules.asc"));
    ASSERT_EQ(s.Show(3), ReadStatus::Ok);
    EXPECT_FALSE(s.Source().has_value());
}

}  // namespace
}  // namespace lott
