// The Start button's cycle over whole runs: captions, stopping, refusals, failures that keep
// the user's files, single deals from the debug box, clicks while a run goes.
#include <gtest/gtest.h>

#include <random>

#include "Analyzer.h"
#include "TestLibrary.h"

namespace lott {
namespace {

struct Program {
    test::TempFolder dir;
    std::unique_ptr<Analyzer> a;
    int beeps = 0;
    explicit Program(int deals, bool ascii = false) {
        std::mt19937 rng(41);
        std::vector<DealRecord> v;
        for (int i = 0; i < deals; ++i) v.push_back(test::RandomRecord(rng));
        if (ascii)
            test::WriteAsc(dir / "Library.asc", v);
        else
            test::WriteBin(dir / "Library.bin", v);
        Restart();
    }
    void Restart() {
        a = std::make_unique<Analyzer>(dir.path());
        EXPECT_EQ(a->Load(false, 0), Analyzer::StartState::Running);
        a->beep = [this] { ++beeps; };
    }
    std::filesystem::path Result(const std::string& name) const {
        return dir / "DataFiles" / (name + ".dat");
    }
};

TEST(Analyzer, TheStartButtonCycleAndTheFilesOfAFinishedRun) {
    Program p(500);
    EXPECT_EQ(p.a->tBox, "500");
    EXPECT_EQ(p.a->StartCaption(), "Start");
    p.a->cmdStart_Click();  // no preset yet: nothing
    EXPECT_EQ(p.a->StartCaption(), "Start");
    ASSERT_TRUE(p.a->settings.Click(1));
    std::vector<std::string> captionsDuringRun;
    p.a->progress = [&](std::int32_t) { captionsDuringRun.push_back(p.a->StartCaption()); };
    p.a->cmdStart_Click();
    EXPECT_EQ(p.a->StartCaption(), "Finished");
    EXPECT_EQ(p.a->lblNo, "500");
    EXPECT_EQ(captionsDuringRun.size(), 25u);
    EXPECT_EQ(captionsDuringRun.front(), "Working");
    EXPECT_TRUE(std::filesystem::exists(p.Result("(none)40ScoCo")));
    EXPECT_TRUE(p.a->settings.cmdTable(1).enabled);
    EXPECT_EQ(p.a->TableState, TableState::Finished);
    EXPECT_TRUE(p.a->settings.Enabled(2));  // unlocked again
    p.a->cmdStart_Click();
    EXPECT_EQ(p.a->StartCaption(), "Start");
    // The next run replays the cache: 40 deals between progress points.
    captionsDuringRun.clear();
    p.a->cmdStart_Click();
    EXPECT_EQ(captionsDuringRun.size(), 12u);
}

TEST(Analyzer, AStopSeenAtDeal400ShowsDeal399AndWritesNoResult) {
    Program p(1000);
    ASSERT_TRUE(p.a->settings.Click(0));
    p.a->progress = [&](std::int32_t n) {
        if (n == 400) p.a->cmdStart_Click();  // the click made while deal 390 was scanned
    };
    p.a->cmdStart_Click();
    EXPECT_EQ(p.a->StartCaption(), "Finished");
    EXPECT_EQ(p.a->lblNo, "399");
    EXPECT_FALSE(std::filesystem::exists(p.Result("40OstLen")));
    EXPECT_FALSE(p.a->settings.cmdTable(0).enabled);
    // The list of the deals scanned so far is kept; the short cache is not replayed.
    EXPECT_TRUE(std::filesystem::exists(p.dir / "Over20.txt"));
    p.a->progress = nullptr;
    p.a->cmdStart_Click();
    p.a->cmdStart_Click();
    EXPECT_EQ(p.a->lblNo, "1000");
    EXPECT_EQ(std::filesystem::file_size(p.dir / "DataFiles" / "Trickscan_36.bin"), 6000u);
}

TEST(Analyzer, DealsToBeScannedMustBeAWholeNumberAndIsCutToTheLibrary) {
    Program p(120);
    ASSERT_TRUE(p.a->settings.Click(1));
    for (const char* bad : {"", "12x", "1.5", "1e3", "abc"}) {
        p.a->tBox = bad;
        p.a->cmdStart_Click();
        EXPECT_EQ(p.a->StartCaption(), "Start") << bad;
        EXPECT_NE(p.a->message.find("whole number"), std::string::npos);
    }
    EXPECT_EQ(p.beeps, 5);
    p.a->tBox = " 999999 ";
    p.a->cmdStart_Click();
    EXPECT_EQ(p.a->StartCaption(), "Finished");
    EXPECT_EQ(p.a->lblNo, "120");
    EXPECT_TRUE(std::filesystem::exists(p.Result("(none)40ScoCo")));
    EXPECT_TRUE(p.a->message.empty());
}

TEST(Analyzer, AFailingRunSaysWhyAndKeepsEveryFileItHad) {
    Program p(200, true);
    ASSERT_TRUE(p.a->settings.Click(1));
    p.a->cmdStart_Click();
    ASSERT_EQ(p.a->StartCaption(), "Finished");
    const std::string result = test::ReadFile(p.Result("(none)40ScoCo"));
    const std::string list = test::ReadFile(p.dir / "Over20.txt");
    // The library is damaged after the first run; the cache no longer matches it.
    std::string lib = test::ReadFile(p.dir / "Library.asc");
    lib[89 * 150 + 3] = '?';
    test::WriteFile(p.dir / "Library.asc", lib);
    p.a->cmdStart_Click();
    p.a->cmdStart_Click();
    EXPECT_EQ(p.a->StartCaption(), "Stopped");
    EXPECT_EQ(p.a->message, "Deal 151 of Library.asc is damaged.");
    EXPECT_EQ(test::ReadFile(p.Result("(none)40ScoCo")), result);
    EXPECT_EQ(test::ReadFile(p.dir / "Over20.txt"), list);
    EXPECT_GE(p.beeps, 1);
}

TEST(Analyzer, ADebugDealWritesNothingAndReplaysItsOwnRecord) {
    Program p(300);
    ASSERT_TRUE(p.a->settings.Click(1));
    p.a->DebugDeal("7");
    EXPECT_EQ(p.a->lblNo, "7");
    EXPECT_FALSE(std::filesystem::exists(p.dir / "Over20.txt"));
    EXPECT_FALSE(std::filesystem::exists(p.dir / "DataFiles" / "Trickscan_36.bin"));
    EXPECT_FALSE(std::filesystem::exists(p.Result("(none)40ScoCo")));
    const float scanned = p.a->tables.DevTable(0, 30, 30) + p.a->tables.DevTable(-1, 30, 30);
    // With a complete cache the deal's own record is counted, the same way.
    p.a->cmdStart_Click();
    p.a->cmdStart_Click();
    const std::string list = test::ReadFile(p.dir / "Over20.txt");
    p.a->DebugDeal("7");
    EXPECT_EQ(p.a->tables.DevTable(0, 30, 30) + p.a->tables.DevTable(-1, 30, 30), scanned);
    EXPECT_EQ(test::ReadFile(p.dir / "Over20.txt"), list);
    // Not a number, the last deal and beyond: nothing.
    for (const char* t : {"x", "300", "0"}) {
        p.a->lblNo = "-";
        p.a->DebugDeal(t);
        EXPECT_EQ(p.a->lblNo, "-") << t;
    }
}

TEST(Analyzer, ClicksDuringARunChangeOnlyTheSelection) {
    Program p(200);
    ASSERT_TRUE(p.a->settings.Click(1));
    bool clicked = false;
    p.a->progress = [&](std::int32_t n) {
        if (n == 100) {
            clicked = p.a->settings.Click(42);
            EXPECT_FALSE(p.a->settings.Click(2));  // locked: only the selected ones stay enabled
            EXPECT_GT(p.a->tables.DevTable(0, 30, 30) + p.a->tables.DevTable(-1, 30, 30), 0.0f);
        }
    };
    p.a->cmdStart_Click();
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(std::filesystem::exists(p.Result("(none)40ScoCo")));
    EXPECT_FALSE(std::filesystem::exists(p.Result("(2)40ScoCo")));
    // After the run the name follows the selection again.
    EXPECT_EQ(p.a->settings.ResultName, "(2)40ScoCo");
    EXPECT_NE(test::ReadFile(p.Result("(none)40ScoCo")).find("HCP range 0 ==> 40.\r\n"),
              std::string::npos);
}

TEST(Analyzer, ClosingTheTableDuringARunEnablesItsButtonAtTheNextProgressPoint) {
    Program p(200);
    ASSERT_TRUE(p.a->settings.Click(0));
    int loads = 0;
    p.a->LoadTab = [&] { ++loads; };
    std::vector<TableState> states;
    p.a->progress = [&](std::int32_t n) {
        states.push_back(p.a->TableState);
        if (n == 60) p.a->TableState = TableState::NotShown;  // the user closed the table window
    };
    p.a->cmdStart_Click();
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(states[2], TableState::Live);             // at deal 60, before the close
    EXPECT_EQ(states[3], TableState::ButtonReEnabled);  // at deal 80 the button is back
    EXPECT_EQ(p.a->TableState, TableState::Finished);
}

}  // namespace
}  // namespace lott
