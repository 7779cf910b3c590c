// A run of the Start button stopped half way.
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
    Program(int deals, int preset) {
        std::mt19937 rng(41);
        std::vector<DealRecord> v(static_cast<std::size_t>(deals));
        for (auto& d : v) d = test::RandomRecord(rng);
        test::WriteLibrary(dir / "Library.bin", v);
        EXPECT_EQ(a.Load(false, Language::English), Analyzer::StartState::Running);
        EXPECT_TRUE(a.settings.Click(preset));
    }
};

TEST(Analyzer, AStopSeenAtDeal400ShowsDeal399WritesNoResultAndLeavesNoCacheToReplay) {
    Program p(1000, 0);
    p.a.progress = [&](std::int32_t n) {
        if (n == 400) p.a.cmdStart_Click();  // the click made while deal 390 was scanned
    };
    p.a.cmdStart_Click();
    EXPECT_EQ(p.a.StartCaption() + p.a.lblNo, "Finished399");
    EXPECT_FALSE(fs::exists(p.dir / "DataFiles/40OstLen.dat"));
    EXPECT_FALSE(p.a.settings.cmdTable(0).enabled);
    EXPECT_TRUE(fs::exists(p.dir / "Over20.txt"));  // the list of the deals scanned so far
    p.a.progress = nullptr;
    p.a.cmdStart_Click();
    p.a.cmdStart_Click();
    EXPECT_EQ(p.a.lblNo, "1000");
    EXPECT_EQ(fs::file_size(p.dir / "DataFiles/Trickscan_36.bin"), 6000u);  // scanned again
}

}  // namespace
}  // namespace lott
