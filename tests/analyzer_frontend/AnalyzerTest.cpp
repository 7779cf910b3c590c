// The Start button's cycle over whole runs: captions, stopping, refusals, failures that keep
// the user's files, single deals from the debug box, clicks while a run goes.
#include <gtest/gtest.h>

#include <random>

#include "Analyzer.h"
#include "TestLibrary.h"

namespace lott {
namespace {

namespace fs = std::filesystem;

struct Program {
    test::TempFolder dir;
    Analyzer a{dir.path()};
    int beeps = 0;
    Program(int deals, int preset, const char* library = "Library.bin") {
        std::mt19937 rng(41);
        std::vector<DealRecord> v;
        for (int i = 0; i < deals; ++i) v.push_back(test::RandomRecord(rng));
        (fs::path(library).extension() == ".asc" ? test::WriteAsc : test::WriteBin)(dir / library,
                                                                                    v);
        EXPECT_EQ(a.Load(false, 0), Analyzer::StartState::Running);
        a.beep = [this] { ++beeps; };
        EXPECT_TRUE(a.settings.Click(preset));
    }
    std::string File(const std::string& name) const { return test::ReadFile(dir / name); }
    float Counted() const { return a.tables.DevTable(0, 30, 30) + a.tables.DevTable(-1, 30, 30); }
};

TEST(Analyzer, TheStartButtonCycleAndTheFilesOfAFinishedRun) {
    Program p(500, 1);
    EXPECT_EQ(p.a.tBox, "500");
    p.a.tBox = "12x";
    p.a.cmdStart_Click();
    EXPECT_EQ(p.a.StartCaption, "Start");
    EXPECT_NE(p.a.message.find("whole number"), std::string::npos);
    EXPECT_EQ(p.beeps, 1);
    p.a.tBox = " 999999 ";  // cut to the library
    std::vector<std::string> captions;
    p.a.progress = [&](std::int32_t) { captions.push_back(p.a.StartCaption); };
    p.a.cmdStart_Click();
    EXPECT_EQ(p.a.StartCaption + p.a.lblNo + p.a.message, "Finished500");
    EXPECT_EQ(captions, std::vector<std::string>(25, "Working"));
    EXPECT_TRUE(fs::exists(p.dir / "DataFiles/(none)40ScoCo.dat"));
    EXPECT_TRUE(p.a.settings.cmdTable(1).enabled && p.a.settings.Enabled(2));  // unlocked
    EXPECT_EQ(p.a.driver.TableState, 5);
    p.a.cmdStart_Click();
    EXPECT_EQ(p.a.StartCaption, "Start");
    captions.clear();
    p.a.cmdStart_Click();  // a replay of the cache: 40 deals between progress points
    EXPECT_EQ(captions.size(), 12u);
}

TEST(Analyzer, AStopSeenAtDeal400ShowsDeal399AndWritesNoResult) {
    Program p(1000, 0);
    p.a.progress = [&](std::int32_t n) {
        if (n == 400) p.a.cmdStart_Click();  // the click made while deal 390 was scanned
    };
    p.a.cmdStart_Click();
    EXPECT_EQ(p.a.StartCaption + p.a.lblNo, "Finished399");
    EXPECT_FALSE(fs::exists(p.dir / "DataFiles/40OstLen.dat"));
    EXPECT_FALSE(p.a.settings.cmdTable(0).enabled);
    // The list of the deals scanned so far is kept; the short cache is not replayed.
    EXPECT_TRUE(fs::exists(p.dir / "Over20.txt"));
    p.a.progress = nullptr;
    p.a.cmdStart_Click();
    p.a.cmdStart_Click();
    EXPECT_EQ(p.a.lblNo, "1000");
    EXPECT_EQ(fs::file_size(p.dir / "DataFiles/Trickscan_36.bin"), 6000u);
}

TEST(Analyzer, AFailingRunSaysWhyAndKeepsEveryFileItHad) {
    Program p(200, 1, "Library.asc");
    p.a.cmdStart_Click();
    const std::string result = p.File("DataFiles/(none)40ScoCo.dat"), list = p.File("Over20.txt");
    // The library is damaged after the first run; the cache no longer matches it.
    std::string lib = p.File("Library.asc");
    lib[89 * 150 + 3] = '?';
    test::WriteFile(p.dir / "Library.asc", lib);
    p.a.cmdStart_Click();
    p.a.cmdStart_Click();
    EXPECT_EQ(p.a.StartCaption, "Stopped");
    EXPECT_EQ(p.a.message, "Deal 151 of Library.asc is damaged.");
    EXPECT_EQ(p.File("DataFiles/(none)40ScoCo.dat"), result);
    EXPECT_EQ(p.File("Over20.txt"), list);
    EXPECT_GE(p.beeps, 1);
}

TEST(Analyzer, ADebugDealWritesNothingAndReplaysItsOwnRecord) {
    Program p(300, 1);
    p.a.DebugDeal("7");
    EXPECT_EQ(p.a.lblNo, "7");
    for (const char* f :
         {"Over20.txt", "DataFiles/Trickscan_36.bin", "DataFiles/(none)40ScoCo.dat"})
        EXPECT_FALSE(fs::exists(p.dir / f)) << f;
    const float scanned = p.Counted();
    p.a.cmdStart_Click();
    p.a.cmdStart_Click();
    const std::string list = p.File("Over20.txt");
    p.a.DebugDeal("7");  // with a complete cache the deal's own record is counted, the same way
    EXPECT_EQ(p.Counted(), scanned);
    EXPECT_EQ(p.File("Over20.txt"), list);
    for (const char* t : {"x", "300", "0"}) {  // not a number, the last deal and beyond
        p.a.lblNo = "-";
        p.a.DebugDeal(t);
        EXPECT_EQ(p.a.lblNo, "-") << t;
    }
}

TEST(Analyzer, ClicksDuringARunChangeOnlyTheSelection) {
    Program p(200, 1);
    p.a.progress = [&](std::int32_t n) {
        if (n != 100) return;
        EXPECT_TRUE(p.a.settings.Click(42));
        EXPECT_FALSE(p.a.settings.Click(2));  // locked: only the selected ones stay enabled
        EXPECT_GT(p.Counted(), 0.0f);
    };
    p.a.cmdStart_Click();
    EXPECT_FALSE(fs::exists(p.dir / "DataFiles/(2)40ScoCo.dat"));
    EXPECT_NE(p.File("DataFiles/(none)40ScoCo.dat").find("HCP range 0 ==> 40.\r\n"),
              std::string::npos);
    EXPECT_EQ(p.a.settings.ResultName, "(2)40ScoCo");  // after the run the name follows again
}

TEST(Analyzer, ClosingTheTableDuringARunEnablesItsButtonAtTheNextProgressPoint) {
    Program p(200, 0);
    int loads = 0;
    p.a.LoadTab = [&] { ++loads; };
    std::vector<int> states;
    p.a.progress = [&](std::int32_t n) {
        states.push_back(p.a.driver.TableState);
        if (n == 60) p.a.driver.TableState = 0;  // the user closed the table window
    };
    p.a.cmdStart_Click();
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(states[2], 1);  // at deal 60, before the close
    EXPECT_EQ(states[3], 4);  // at deal 80 the button is back
    EXPECT_EQ(p.a.driver.TableState, 5);
}

}  // namespace
}  // namespace lott
