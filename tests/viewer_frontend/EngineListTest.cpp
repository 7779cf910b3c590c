// The viewer reads the "Over20.txt" that a scan of the analyzer writes.
#include <gtest/gtest.h>

#include <random>

#include "Analyzer.h"
#include "Over20Reader.h"
#include "TestLibrary.h"

namespace lott {
namespace {

TEST(EngineList, EveryListedDealIsFoundUnderItsTotalTrumpsInBothLanguages) {
    for (int language : {0, 1}) {
        test::TempFolder dir;
        // Deals of long fits: tricks made up, hands random; many reach 21 Total Trumps.
        std::mt19937 rng(31);
        std::vector<DealRecord> deals;
        for (int i = 0; i < 3000; ++i) deals.push_back(test::RandomRecord(rng));
        test::WriteBin(dir / "Library.bin", deals);
        Analyzer a(dir.path());
        ASSERT_EQ(a.Load(false, language), Analyzer::StartState::Running);
        ASSERT_TRUE(a.settings.Click(1));
        a.cmdStart_Click();
        ASSERT_EQ(a.StartCaption(), "Finished") << a.message;

        const std::string text = test::ReadFile(dir / "Over20.txt");
        ASSERT_NE(text.find("-----\r\n"), std::string::npos);
        int listed = 0;
        for (std::int32_t tt = 21; tt <= 26; ++tt) {
            for (const std::string& line : Over20Reader::ReadFile(dir / "Over20.txt", tt)) {
                ++listed;
                EXPECT_EQ(Over20Reader::LeadingNumber(line), tt);
                auto deal = Over20Reader::DealNumber(line);
                ASSERT_TRUE(deal);
                EXPECT_GE(*deal, 1);
                EXPECT_LE(*deal, 3000);
            }
        }
        // Every data line of the file is found under one Total Trumps value, none twice.
        std::size_t dataLines = 0;
        for (std::size_t at = text.find(" #"); at != std::string::npos;
             at = text.find(" #", at + 1))
            ++dataLines;
        EXPECT_GT(listed, 0);
        EXPECT_EQ(static_cast<std::size_t>(listed), dataLines);
    }
}

}  // namespace
}  // namespace lott
