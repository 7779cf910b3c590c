// The viewer against the analyzer on the bundled real deals: the viewer's suit contracts are
// those of the analyzer's engine with the natural declarer, and every line of the list that a
// scan writes is found under its Total Trumps.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "Analyzer.h"
#include "DealAnalysis.h"
#include "Over20Reader.h"
#include "TestLibrary.h"
#include "ViewerSession.h"

namespace lott {
namespace {

namespace fs = std::filesystem;
const fs::path kSample = TEST_SAMPLE_DIR;

TEST(EngineList, TheViewerDecidesSuitContractsAsTheEngineDoes) {
    ViewerSession s(kSample);
    ASSERT_TRUE(s.OpenLibrary(LibMode::Binary, kBinLibName));
    LibraryFile lib;
    ASSERT_TRUE(lib.Open(kSample / kBinLibName, LibMode::Binary));
    Deal d;
    DealAnalysis a(d);
    std::array<std::int32_t, 2> hcp{};
    for (std::int32_t n = 1; n <= s.DealCount(); ++n)
        for (int trumpBy : {0, 1}) {
            s.TrumpBy = trumpBy == 1 ? TrumpBy::Score : TrumpBy::Length;
            s.NoNT = NoNT::Forbidden;
            ASSERT_EQ(s.Show(n), ReadStatus::Ok);
            a.DealNo = n;
            a.ForbidArtificial = -1;
            ASSERT_EQ(a.Proc_0(lib, hcp), ReadStatus::Ok);  // by Length
            if (trumpBy == 1) {
                a.SetContractByScore();
                a.Competition(1);
            } else {
                for (ContractRec& c : a.Contract) c.Score = 0;  // the viewer scores only by Score
            }
            ASSERT_EQ(s.decision().Contract, a.Contract) << "deal " << n << " by " << trumpBy;
        }
}

TEST(EngineList, EveryListedDealIsFoundUnderItsTotalTrumpsInBothLanguages) {
    for (Language language : {Language::English, Language::Japanese}) {
        test::TempFolder dir;
        fs::copy_file(kSample / kBinLibName, dir / kBinLibName);
        Analyzer a(dir.path());
        ASSERT_EQ(a.Load(false, language), Analyzer::StartState::Running);
        ASSERT_TRUE(a.settings.Click(Opt::Standard));
        a.cmdStart_Click();
        ASSERT_EQ(a.StartCaption(), "Finished") << a.message;
        const fs::path list = dir / Over20Reader::kFileName;
        std::size_t listed = 0;
        for (std::int32_t tt = 21; tt <= 26; ++tt)
            for (const std::string& line : Over20Reader::ReadFile(list, tt)) {
                const auto deal = Over20Reader::DealNumber(line);
                ASSERT_TRUE(deal && *deal >= 1 && *deal <= 10000) << line;
                listed += Over20Reader::LeadingNumber(line) == tt ? 1 : 0;
            }
        // Every data line, and each once: only data lines hold a "#".
        const std::string text = test::ReadFile(list);
        EXPECT_EQ(listed, static_cast<std::size_t>(std::count(text.begin(), text.end(), '#')));
        EXPECT_GT(listed, 0u);
    }
}

}  // namespace
}  // namespace lott
