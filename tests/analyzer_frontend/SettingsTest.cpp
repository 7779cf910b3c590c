// The option array: start-up locks, the presets, the option handler's steps, the run lock and
// the snapshot the engine reads.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "Settings.h"
#include "TestLibrary.h"
#include "UiTestSupport.h"

namespace lott {
namespace {

using test::Clicked;

std::set<int> EnabledSet(const Settings& s) {
    std::set<int> r;
    for (int i = 0; i < Settings::kOptionCount; ++i)
        if (s.Enabled(i)) r.insert(i);
    return r;
}

std::set<int> SelectedSet(const Settings& s) {
    std::set<int> r;
    for (int i = 0; i < Settings::kOptionCount; ++i)
        if (s.Selected(i)) r.insert(i);
    return r;
}

std::set<int> Range(int from, int to) {
    std::set<int> r;
    for (int i = from; i <= to; ++i) r.insert(i);
    return r;
}

TEST(SettingsStartUp, OnlyPresetsHcpRangesAndLevelLimitsCanBeChosen) {
    Settings s;
    s.DefaultSetting(false);
    EXPECT_EQ(EnabledSet(s), (std::set<int>{0, 1, 6, 7, 8, 41, 42, 43}));
    EXPECT_EQ(SelectedSet(s), (std::set<int>{8, 11, 16, 19, 21}));
    EXPECT_EQ(s.SettingMode, SettingMode::None);
    EXPECT_EQ(s.TrumpBy, TrumpBy::Length);
    EXPECT_EQ(s.NTFormula, 0);
    EXPECT_FALSE(s.Touched);
    EXPECT_FALSE(s.cmdStartEnabled());
    EXPECT_TRUE(s.menu7Enabled());
    EXPECT_TRUE(s.LanguageEnabled());
    for (int p : {0, 1}) {
        EXPECT_FALSE(s.cmdTable(p).enabled);
        EXPECT_FALSE(s.cmdGrph(p).enabled);
        EXPECT_FALSE(s.cmdTable(p).tinted);
    }
    // Refused clicks change nothing: a disabled option, indices that do not exist.
    for (int i : {2, 3, 11, 14, 27, 33, 34, 40, -1, 44}) EXPECT_FALSE(s.Click(i)) << i;
    EXPECT_EQ(SelectedSet(s), (std::set<int>{8, 11, 16, 19, 21}));
    EXPECT_FALSE(s.Touched);
    EXPECT_EQ(Settings::GroupOf(35), -1);
}

TEST(SettingsStartUp, ScreenShotModeLeavesEverythingEnabled) {
    Settings s;
    s.DefaultSetting(true);
    std::set<int> all = Range(0, 33);
    all.insert({41, 42, 43});
    EXPECT_EQ(EnabledSet(s), all);
    EXPECT_TRUE(s.cmdStartEnabled());
    s.EnableAllButtons();
    EXPECT_TRUE(s.cmdTable(0).enabled && s.cmdTable(0).tinted);
    EXPECT_TRUE(s.cmdGrph(0).enabled && s.cmdGrph(0).tinted);
    EXPECT_TRUE(s.cmdTable(1).enabled && !s.cmdTable(1).tinted);
    EXPECT_TRUE(s.cmdGrph(1).enabled && !s.cmdGrph(1).tinted);
}

TEST(SettingsGroups, OneSelectionPerGroupAndTheNineFiltersAreOneGroup) {
    Settings s = Clicked({1, 25});
    for (int i : {26, 29, 33, 31}) {
        ASSERT_TRUE(s.Click(i));
        for (int j = 25; j <= 33; ++j) EXPECT_EQ(s.Selected(j), j == i);
    }
    ASSERT_TRUE(s.Click(23));
    for (int j : {11, 12, 13, 22, 24}) EXPECT_FALSE(s.Selected(j));
    ASSERT_TRUE(s.Click(42));
    ASSERT_TRUE(s.Click(43));
    EXPECT_FALSE(s.Selected(42));
    EXPECT_TRUE(s.Selected(43));
}

TEST(Presets, StandardFirstThenOstrevanThenStandardAgain) {
    std::set<int> standard = Range(0, 33);  // all but Allow and No NT Calls, and the limits
    standard.erase(4);
    standard.erase(9);
    standard.insert({41, 42, 43});
    Settings s = Clicked({1});
    EXPECT_EQ(s.SettingMode, SettingMode::Standard);
    EXPECT_TRUE(s.cmdStartEnabled());
    EXPECT_TRUE(s.Touched);
    EXPECT_EQ(s.TrumpBy, TrumpBy::Score);
    EXPECT_EQ(EnabledSet(s), standard);
    EXPECT_EQ(SelectedSet(s), (std::set<int>{1, 3, 5, 8, 10, 11, 16, 19, 21}));

    ASSERT_TRUE(s.Click(0));
    EXPECT_EQ(s.SettingMode, SettingMode::Ostrevan);
    EXPECT_EQ(s.TrumpBy, TrumpBy::Length);
    EXPECT_EQ(EnabledSet(s), (std::set<int>{0, 1, 2, 4, 6, 7, 8, 9, 41, 42, 43}));
    // o(11) and the corrections' "None" are disabled but still selected.
    EXPECT_EQ(SelectedSet(s), (std::set<int>{0, 2, 4, 8, 9, 11, 16, 19, 21}));

    ASSERT_TRUE(s.Click(1));  // later choices of Standard keep by Length
    EXPECT_EQ(s.TrumpBy, TrumpBy::Length);
    EXPECT_EQ(EnabledSet(s), standard);
    EXPECT_EQ(SelectedSet(s), (std::set<int>{1, 2, 5, 8, 10, 11, 16, 19, 21}));
}

TEST(Presets, StandardFindingNoTrumpModeChoosesByScore) {
    // An HCP range or a level limit clicked before the first preset counts as a handled click;
    // Standard must still leave a trump mode selected.
    const std::pair<int, const char*> firsts[] = {
        {7, "(none)15ScoCo"}, {8, "(none)40ScoCo"}, {42, "(2)40ScoCo"}};
    for (auto [first, name] : firsts) {
        Settings s = Clicked({first, 1});
        EXPECT_TRUE(s.Selected(3)) << first;
        EXPECT_EQ(s.TrumpBy, TrumpBy::Score) << first;
        EXPECT_EQ(s.ResultName, name);
    }

    // In the screenshot mode a trump mode clicked before the preset is kept.
    Settings shot;
    shot.DefaultSetting(true);
    ASSERT_TRUE(shot.Click(2));
    ASSERT_TRUE(shot.Click(1));
    EXPECT_TRUE(shot.Selected(2));
    EXPECT_EQ(shot.TrumpBy, TrumpBy::Length);
}

TEST(Presets, SelectionsMadeUnderStandardSurviveOstrevan) {
    Settings s = Clicked({1, 12, 14, 28, 0});
    EXPECT_TRUE(s.Selected(12) && !s.Enabled(12));
    EXPECT_TRUE(s.Selected(28) && !s.Enabled(28));
    EXPECT_EQ(s.NTFormula, 1);
    EXPECT_EQ(s.ResultName, "40OstLen");
    ASSERT_TRUE(s.Click(1));
    EXPECT_TRUE(s.Selected(12) && s.Enabled(12));
    EXPECT_EQ(s.ResultName, "(S0)40LenV1");
}

TEST(OptionHandler, TrumpModesAndNotrumpFormulas) {
    Settings s = Clicked({1, 2});
    EXPECT_EQ(s.TrumpBy, TrumpBy::Length);
    ASSERT_TRUE(s.Click(3));
    EXPECT_EQ(s.TrumpBy, TrumpBy::Score);
    for (int i = 10; i <= 13; ++i) EXPECT_TRUE(s.Enabled(i));
    const std::pair<int, int> formulas[] = {{12, 1}, {13, 2}, {23, 0}, {13, 2},
                                            {22, 0}, {12, 1}, {24, 0}, {11, 0}};
    for (auto [i, f] : formulas) {
        ASSERT_TRUE(s.Click(i));
        EXPECT_EQ(s.NTFormula, f) << i;
    }
}

TEST(OptionHandler, NoNotrumpCallsLocksTheFormulas) {
    Settings s;
    s.DefaultSetting(true);
    ASSERT_TRUE(s.Click(9));
    for (int i = 10; i <= 13; ++i) EXPECT_FALSE(s.Enabled(i)) << i;
    EXPECT_FALSE(s.Click(10));
    ASSERT_TRUE(s.Click(1));  // Standard selects Count Both Separately
    ASSERT_TRUE(s.Click(3));  // by Score under Standard frees o(10)..o(13) again
    for (int i = 10; i <= 13; ++i) EXPECT_TRUE(s.Enabled(i)) << i;
}

TEST(OptionHandler, FilterSavesCorrectionsAndACorrectionClickRestoresThem) {
    Settings s = Clicked({1, 14, 19, 20});
    EXPECT_EQ(s.ResultName, "(DC)40ScoCo");
    ASSERT_TRUE(s.Click(27));  // "Both" of double fit
    for (int i = 14; i <= 21; ++i) EXPECT_FALSE(s.Selected(i)) << i;
    EXPECT_TRUE(s.SavedCorrOf(14));
    EXPECT_TRUE(s.SavedCorrOf(19));
    EXPECT_TRUE(s.SavedCorrOf(20));
    EXPECT_FALSE(s.SavedCorrOf(15));
    EXPECT_TRUE(s.FilterOn);
    EXPECT_EQ(s.CorrCode, "D2");
    EXPECT_EQ(s.ResultName, "(D2)40ScoCo");
    EXPECT_TRUE(s.SpecialFlags[1]);

    ASSERT_TRUE(s.Click(18));  // solid trump +0.5
    EXPECT_FALSE(s.Selected(27));
    EXPECT_TRUE(s.Selected(14));
    EXPECT_TRUE(s.Selected(20));
    EXPECT_TRUE(s.Selected(18));
    EXPECT_FALSE(s.Selected(19));  // its group was just chosen
    EXPECT_FALSE(s.FilterOn);
    EXPECT_FALSE(s.SpecialFlags[1]);
    EXPECT_EQ(s.ResultName, "(DSC)40ScoCo");

    // Without a filter on, a correction click restores nothing.
    ASSERT_TRUE(s.Click(21));
    ASSERT_TRUE(s.Click(16));
    EXPECT_FALSE(s.Selected(20));
    EXPECT_TRUE(s.Selected(18));
}

TEST(OptionHandler, DoubleFitNeitherLeavesTheCorrectionsOn) {
    Settings s = Clicked({1, 14, 25});
    EXPECT_TRUE(s.Selected(14));
    EXPECT_FALSE(s.FilterOn);
    EXPECT_EQ(s.CorrCode, "D0");
    EXPECT_EQ(s.ResultName, "(D0)40ScoCo");
    EXPECT_FALSE(s.SavedCorrOf(14));
    ASSERT_TRUE(s.Click(15));
    EXPECT_FALSE(s.Selected(25));
    EXPECT_EQ(s.ResultName, "(E)40ScoCo");
}

TEST(OptionHandler, RestoringTwoSavedOptionsOfOneGroupLeavesTheHigher) {
    Settings s = Clicked({1, 15, 26, 14, 26});
    EXPECT_TRUE(s.SavedCorrOf(14) && s.SavedCorrOf(15));
    ASSERT_TRUE(s.Click(17));
    EXPECT_TRUE(s.Selected(15));
    EXPECT_FALSE(s.Selected(14));
    EXPECT_TRUE(s.Selected(21));
    EXPECT_TRUE(s.Selected(17));
}

TEST(OptionHandler, ClickOnTheSelectedOptionRunsTheHandlerAgain) {
    Settings s = Clicked({1, 14, 27});
    ASSERT_TRUE(s.Click(16));  // ends the filter and restores the saved solid trump and chameleon
    EXPECT_TRUE(s.Selected(19) && s.Selected(21));
    CountingTables t;
    s.SetTables(&t);
    t.DevTable(0, 17, 1) = 4;
    ASSERT_TRUE(s.Click(16));
    EXPECT_EQ(t.DevTable(0, 17, 1), 0.0f);  // the handler's UpdateResultButtons ran
}

TEST(RunLock, DisableKeepsTheChosenSettingsReadableAndEnableRestores) {
    Settings s = Clicked({1, 7, 13, 15});
    const std::set<int> before = EnabledSet(s);
    s.Disable();
    EXPECT_TRUE(s.RunLocked());
    std::set<int> expected;
    for (int i = 0; i <= 33; ++i)
        if (s.Selected(i)) expected.insert(i);
    expected.insert({41, 42, 43});
    EXPECT_EQ(EnabledSet(s), expected);
    EXPECT_FALSE(s.menu7Enabled());
    EXPECT_FALSE(s.LanguageEnabled());
    EXPECT_TRUE(s.cmdStartEnabled());  // it stops the run
    for (int p : {0, 1}) EXPECT_FALSE(s.cmdTable(p).enabled || s.cmdGrph(p).enabled);
    s.EnableTableButton(1);
    EXPECT_TRUE(s.cmdTable(1).enabled && s.cmdTable(1).tinted);
    s.Enable();
    EXPECT_FALSE(s.RunLocked());
    EXPECT_EQ(EnabledSet(s), before);
    EXPECT_TRUE(s.menu7Enabled());
    EXPECT_TRUE(s.LanguageEnabled());
}

TEST(RunLock, ClicksDuringARunChangeTheSelectionOnly) {
    test::TempFolder dir;
    Settings s = Clicked({1});
    s.DataDir = dir.path();
    CountingTables t;
    s.SetTables(&t);
    s.Disable();
    t.DevTable(0, 17, 0) = 5;
    t.EventTable(0, 17, 1) = 2;

    ASSERT_TRUE(s.Click(42));  // the level limit stays free
    EXPECT_TRUE(s.Selected(42));
    EXPECT_EQ(s.ResultName, "(none)40ScoCo");  // the run's name stays
    EXPECT_EQ(s.CorrCode, "");
    EXPECT_EQ(t.DevTable(0, 17, 0), 5.0f);  // the running tables stay
    EXPECT_EQ(t.EventTable(0, 17, 1), 2.0f);

    // The selected preset is still enabled; clicking it must not undo the lock.
    ASSERT_TRUE(s.Click(1));
    EXPECT_FALSE(s.Enabled(2));
    EXPECT_FALSE(s.Enabled(14));
    EXPECT_FALSE(s.Click(14));
    EXPECT_EQ(t.DevTable(0, 17, 0), 5.0f);

    s.Enable();
    s.UpdateResultButtons();  // as the end of a run does
    EXPECT_EQ(s.ResultName, "(2)40ScoCo");
    EXPECT_EQ(t.DevTable(0, 17, 0), 0.0f);
}

TEST(RunLock, EnableWithoutALockRestoresNothingStale) {
    Settings s = Clicked({1});
    const std::set<int> before = EnabledSet(s);
    s.Enable();
    EXPECT_EQ(EnabledSet(s), before);
    s.Disable();
    s.Disable();  // a second lock must not save the locked state
    s.Enable();
    EXPECT_EQ(EnabledSet(s), before);
}

TEST(Snapshot, ReadsEverySettingFromTheSelections) {
    Settings s = Clicked({1, 7, 13, 15, 17, 20, 41});
    ScanOptions o = s.Snapshot();
    EXPECT_EQ(o.SettingMode, SettingMode::Standard);
    EXPECT_FALSE(o.ByLengthSelected);
    EXPECT_TRUE(o.ByScoreSelected);
    EXPECT_TRUE(o.ForbidSelected);
    EXPECT_EQ(o.Hcp, HcpRange::From15To25);
    EXPECT_EQ(o.NT, NTChoice::V2);
    EXPECT_EQ(o.NTFormula, 2);
    EXPECT_EQ(o.DoubleFit, Correction::Half);
    EXPECT_EQ(o.SolidTrump, Correction::One);
    EXPECT_TRUE(o.Chameleon);
    EXPECT_EQ(o.Filter, DealFilter::None);
    EXPECT_EQ(o.TrumpBy, TrumpBy::Score);

    ASSERT_TRUE(s.Click(32));
    ASSERT_TRUE(s.Click(6));
    ASSERT_TRUE(s.Click(2));
    ASSERT_TRUE(s.Click(23));
    o = s.Snapshot();
    EXPECT_EQ(o.Filter, DealFilter::C1);
    EXPECT_EQ(o.DoubleFit, Correction::Off);  // switched off by the filter
    EXPECT_EQ(o.SolidTrump, Correction::Off);
    EXPECT_FALSE(o.Chameleon);
    EXPECT_EQ(o.Hcp, HcpRange::From17To23);
    EXPECT_EQ(o.NT, NTChoice::Sg);
    EXPECT_EQ(o.TrumpBy, TrumpBy::Length);
    EXPECT_TRUE(o.ByLengthSelected);

    ASSERT_TRUE(s.Click(25));
    EXPECT_EQ(s.Snapshot().Filter, DealFilter::D0);
    ASSERT_TRUE(s.Click(30));
    EXPECT_EQ(s.Snapshot().Filter, DealFilter::S2);
    ASSERT_TRUE(s.Click(22));
    EXPECT_EQ(s.Snapshot().NT, NTChoice::Db);
    ASSERT_TRUE(s.Click(24));
    EXPECT_EQ(s.Snapshot().NT, NTChoice::Vd);
    ASSERT_TRUE(s.Click(12));
    EXPECT_EQ(s.Snapshot().NT, NTChoice::V1);

    o = Clicked({0}).Snapshot();
    EXPECT_EQ(o.SettingMode, SettingMode::Ostrevan);
    EXPECT_TRUE(o.ByLengthSelected);
    EXPECT_FALSE(o.ForbidSelected);
    EXPECT_EQ(o.Hcp, HcpRange::All);
    EXPECT_EQ(o.TrumpBy, TrumpBy::Length);
}

}  // namespace
}  // namespace lott
