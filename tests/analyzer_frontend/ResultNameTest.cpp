// The result name code, the special flags, and the result buttons that follow the stored files.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "Settings.h"
#include "TestLibrary.h"
#include "UiTestSupport.h"

namespace lott {
namespace {

using test::Clicked;

TEST(ResultName, TheExamples) {
    Settings ost = Clicked({0});
    ost.DataDir = "DataFiles";
    EXPECT_EQ(ost.ResultName, "40OstLen");
    EXPECT_EQ(ost.ResultFile(), std::filesystem::path("DataFiles/40OstLen.dat"));

    EXPECT_EQ(Clicked({1}).ResultName, "(none)40ScoCo");
    EXPECT_EQ(Clicked({1, 7, 12, 14, 18, 42}).ResultName, "(DS2)15ScoV1");
    EXPECT_EQ(Clicked({1, 2, 6, 24, 30}).ResultName, "(S2)17LenVd");
}

TEST(ResultName, OstrevanCarriesNoCorrectionCodeButKeepsTheLastOne) {
    Settings s = Clicked({0, 41});
    EXPECT_EQ(s.ResultName, "40OstLen");
    EXPECT_EQ(s.CorrCode, "");
    s = Clicked({1, 17, 43, 0, 7});
    EXPECT_EQ(s.ResultName, "15OstLen");
    EXPECT_EQ(s.CorrCode, "T-");  // left from the last Standard naming
}

TEST(ResultName, NotrumpCodes) {
    const std::pair<int, const char*> codes[] = {{11, "Co"}, {12, "V1"}, {13, "V2"},
                                                 {22, "Db"}, {23, "Sg"}, {24, "Vd"}};
    for (auto [i, code] : codes)
        EXPECT_EQ(Clicked({1, i}).ResultName, std::string("(none)40Sco") + code) << i;
}

TEST(ResultName, CorrectionCodeGrammar) {
    EXPECT_EQ(Clicked({1, 15, 17, 41}).ResultName, "(ET1)40ScoCo");
    EXPECT_EQ(Clicked({1, 14, 18, 20, 43}).ResultName, "(DSC-)40ScoCo");
    EXPECT_EQ(Clicked({1, 20}).ResultName, "(C)40ScoCo");
    EXPECT_EQ(Clicked({1, 43}).ResultName, "(-)40ScoCo");
    EXPECT_EQ(Clicked({1, 2, 8, 17}).ResultName, "(T)40LenCo");
    // A filter replaces the code, level limit included.
    EXPECT_EQ(Clicked({1, 42, 29}).ResultName, "(S1)40ScoCo");
    EXPECT_EQ(Clicked({1, 41, 29}).ResultName, "(S1)40ScoCo");
    const std::pair<int, const char*> filters[] = {{25, "D0"}, {26, "D1"}, {27, "D2"},
                                                   {28, "S0"}, {29, "S1"}, {30, "S2"},
                                                   {31, "C0"}, {32, "C1"}, {33, "C2"}};
    for (auto [i, code] : filters) {
        Settings s = Clicked({1, 14, i});
        EXPECT_EQ(s.CorrCode, code) << i;
        EXPECT_EQ(s.ResultName, std::string("(").append(code).append(")40ScoCo")) << i;
    }
}

TEST(ResultName, EveryNameTheSettingsGiveIsKnownAsCurrentAndNoOther) {
    std::mt19937 rng(43);
    std::uniform_int_distribution<int> option(0, Settings::kOptionCount - 1);
    for (int run = 0; run < 300; ++run) {
        Settings s = Clicked({run % 2});
        for (int k = 0; k < 12; ++k) s.Click(option(rng));
        EXPECT_TRUE(Settings::IsCurrentResultName(s.ResultName)) << s.ResultName;
    }
    for (const char* other : {"(DS2-)40ScoCo", "(S1-)40ScoCo", "(none)40OstLen", "40ScoCo",
                              "table_ScoCo", "(-)40ScoCo.dat", ""})
        EXPECT_FALSE(Settings::IsCurrentResultName(other)) << other;
}

TEST(ResultName, SpecialFlags) {
    Settings s = Clicked({1});
    EXPECT_FALSE(s.SpecialFlags[0] || s.SpecialFlags[1]);
    for (int i : {22, 23, 24}) {
        ASSERT_TRUE(s.Click(i));
        EXPECT_TRUE(s.SpecialFlags[0]);
        EXPECT_FALSE(s.SpecialFlags[1]);
    }
    ASSERT_TRUE(s.Click(25));
    EXPECT_TRUE(s.SpecialFlags[1]);
    ASSERT_TRUE(s.Click(13));
    EXPECT_FALSE(s.SpecialFlags[0]);
    // Ostrevan sets them from the options left selected.
    ASSERT_TRUE(s.Click(0));
    EXPECT_TRUE(s.SpecialFlags[1]);
}

TEST(ResultButtons, FollowTheStoredFileOfTheCurrentPreset) {
    test::TempFolder dir;
    Settings s = Clicked({1});
    s.DataDir = dir.path();
    ASSERT_TRUE(s.Click(11));
    EXPECT_FALSE(s.cmdTable(1).enabled);
    EXPECT_FALSE(s.cmdGrph(1).enabled);

    test::WriteFile(dir / "(none)40ScoCo.dat", "x");
    ASSERT_TRUE(s.Click(11));
    EXPECT_TRUE(s.cmdTable(1).enabled && s.cmdTable(1).tinted);
    EXPECT_TRUE(s.cmdGrph(1).enabled && s.cmdGrph(1).tinted);
    EXPECT_FALSE(s.cmdTable(0).enabled || s.cmdGrph(0).enabled);

    ASSERT_TRUE(s.Click(12));  // no file for V1
    EXPECT_FALSE(s.cmdTable(1).enabled || s.cmdTable(1).tinted);

    ASSERT_TRUE(s.Click(0));
    EXPECT_FALSE(s.cmdTable(0).enabled || s.cmdTable(1).enabled);
    test::WriteFile(dir / "40OstLen.dat", "x");
    ASSERT_TRUE(s.Click(8));
    EXPECT_TRUE(s.cmdTable(0).enabled && s.cmdGrph(0).tinted);
    EXPECT_FALSE(s.cmdTable(1).enabled || s.cmdGrph(1).enabled || s.cmdTable(1).tinted);

    // A folder of that name is no result.
    std::filesystem::remove(dir / "40OstLen.dat");
    std::filesystem::create_directory(dir / "40OstLen.dat");
    ASSERT_TRUE(s.Click(8));
    EXPECT_FALSE(s.cmdTable(0).enabled);
}

TEST(ResultButtons, RefreshClearsDevAndEventTablesOnly) {
    CountingTables t;
    Settings s;
    s.DefaultSetting(false);
    s.SetTables(&t);
    t.DevTable(0, 17, 1) = 3;
    t.DevTable(-1, 30, 30) = 9;
    t.EventTable(-1, 15, 2) = 1;
    t.DevMean(0, 17) = 1;
    t.EventRate(0, 1) = 0.5f;
    ASSERT_TRUE(s.Click(7));  // no preset yet: the tables are cleared, no name is made
    EXPECT_EQ(t.DevTable(0, 17, 1), 0.0f);
    EXPECT_EQ(t.DevTable(-1, 30, 30), 0.0f);
    EXPECT_EQ(t.EventTable(-1, 15, 2), 0.0f);
    EXPECT_EQ(t.DevMean(0, 17), 1.0f);
    EXPECT_EQ(t.EventRate(0, 1), 0.5f);
    EXPECT_EQ(s.ResultName, "");
}

}  // namespace
}  // namespace lott
