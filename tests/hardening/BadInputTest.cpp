// Bad input met by whole runs: libraries cut while a scan reads them or holding records with
// impossible tricks or hands; result files cut short or edited; text that is no number in every
// text box; runs over fewer deals than the library. Nothing crashes, nothing wrong is shown as a
// result, and what is refused is said.
#include <sys/resource.h>
#include <sys/wait.h>

#include <cmath>
#include <functional>

#include "GraphLayout.h"
#include "Over20Reader.h"
#include "ProgramFolder.h"
#include "TableCells.h"
#include "TestLibrary.h"
#include "ViewerSession.h"

namespace lott::test {
namespace {

// The lines of the one case in data file name.
std::vector<std::pair<std::string, std::string>> Data(const char* name) {
    return ReadCases(fs::path(HARDENING_DATA) / name).at(0).lines;
}

TEST(BadLibraries, ALibraryCutWhileAScanReadsItFailsTheRunWithAMessage) {
    ProgramFolder p;
    ASSERT_TRUE(p.Scanned(5000));
    const auto before = FilesIn(p.path);
    p.a->Submenu_Click(1);
    p.a->progress = [&](std::int32_t n) {
        if (n == 20) fs::resize_file(p.path / "Library.bin", 26 * 3000);
    };
    EXPECT_EQ(p.Run(), "Stopped");
    // Records are read 4096 at a time: the first read past the cut fails.
    EXPECT_EQ(p.a->message, "Deal 4097 of Library.bin cannot be read.");
    // The results and lists are as they were; the short cache the scan leaves is not replayed.
    EXPECT_FALSE(p.CacheValid(5000));
    auto after = FilesIn(p.path);
    for (const char* name :
         {"Library.bin", "DataFiles/Trickscan_36.bin", "DataFiles/Trickscan_36.src"})
        after[name] = before.at(name);
    EXPECT_EQ(after, before);
}

TEST(BadLibraries, TrickDigitsOutOfRangeAndOneSidedHandsAreCountedWithinTheTables) {
    ProgramFolder p;
    fs::create_directories(p.path);
    std::mt19937 rng(9);
    std::string bin;
    for (int i = 0; i < 120; ++i) {
        std::array<std::uint8_t, kBinRecLen> rec{};
        EncodeBinDeal(RandomRecord(rng), rec);
        // Digits 14 and 15 (more than 13 tricks, fewer than none for West and East).
        if (i % 3 == 0)
            for (int b = 16; b < 26; ++b) rec[static_cast<std::size_t>(b)] = 0xEF;
        // Every card with one seat.
        if (i % 10 == 1)
            for (int b = 0; b < 16; ++b) rec[static_cast<std::size_t>(b)] = i % 20 == 1 ? 0 : 0xFF;
        bin.append(reinterpret_cast<const char*>(rec.data()), rec.size());
    }
    WriteFile(p.path / "Library.bin", bin);
    ASSERT_EQ(p.Restart(), Analyzer::StartState::Running);
    for (const auto& clicks :
         {std::vector<int>{0}, std::vector<int>{1, 2, 14, 17, 20}, std::vector<int>{1, 3, 13}}) {
        CountingTables seen;
        p.a->LoadTab = [&] {};
        EXPECT_EQ(p.Run(clicks), "Finished") << p.a->message;
        ASSERT_TRUE(p.a->LoadStoredResult().complete);
        for (int k : {-1, 0})
            for (int l = 0; l <= 30; ++l)
                for (int d = -10; d <= 30; ++d)
                    EXPECT_TRUE(std::isfinite(p.a->tables.DevTable(k, l, d)));
        EXPECT_LE(p.a->tables.DevTable(0, 30, 30) + p.a->tables.DevTable(-1, 30, 30), 120 * 5.0f);
    }
    // The viewer shows such deals; the one-sided deal has no ASCII form to be written in.
    ViewerSession v(p.path);
    ASSERT_TRUE(v.OpenLibrary(LibMode::Binary, "Library.bin"));
    for (std::int32_t n : {1, 2, 4, 12}) {
        EXPECT_EQ(v.Show(n), ReadStatus::Ok);
        EXPECT_FALSE(DealExport::FoutText(v.ExportPage()).empty());
    }
    std::array<char, kAscRecLen> asc{};
    EXPECT_FALSE(EncodeAscDeal(DealRecord::FromDeal(v.deal()), asc));
}

TEST(BadResultFiles, CutShortOrEditedFilesAreShownAsFarAsTheyGoAndWithinBounds) {
    ProgramFolder p;
    ASSERT_TRUE(p.StartOn(300));
    ASSERT_EQ(p.Run({Opt::Standard, Opt::DoubleFitOne}), "Finished");
    const fs::path file = p.Result(p.a->settings.ResultName);
    const std::string good = ReadFile(file);

    std::string edited = good;
    const std::size_t row = edited.find("\r\n     17") + 2;
    edited.replace(row + 7, 7, "   9e38");    // deals: beyond any library
    edited.replace(row + 14, 7, " -9e37 ");   // a negative count
    edited.replace(row + 105, 7, "1.5e+30");  // an average
    const std::vector<std::string> variants = {
        good.substr(0, good.size() / 2),             // cut in the middle of a line
        good.substr(0, good.find("\r\n") + 2),       // the first header line alone
        edited,                                      // numbers no library gives
        std::string(3, '\n') + std::string(40, 'x')  // no number at all
    };
    for (const std::string& v : variants) {
        WriteFile(file, v);
        const FinResult r = p.a->LoadStoredResult();
        EXPECT_TRUE(r.found);
        const auto& t = p.a->tables;
        for (int k : {-1, 0}) {
            for (int l = 0; l <= 30; ++l) {
                for (int d = -10; d <= 30; ++d) EXPECT_LE(std::fabs(t.DevTable(k, l, d)), 1e9f);
                EXPECT_LE(std::fabs(t.DevMean(k, l)), 1e9f);
            }
        }
        TableCells cells;
        cells.InitLabels();
        for (const CellUpdate& u : cells.WriteWholeTable(t, p.a->settings, 0, false))
            EXPECT_LE(u.text.size(), 14u) << u.text;
        for (int k : {-1, 0})
            for (const GraphLayout::Bar& b : GraphLayout::Bars(t, k, 14, 23))
                EXPECT_TRUE(b.share >= 0 && b.share <= 1);
    }
    EXPECT_FALSE(p.a->LoadStoredResult().complete);  // the last variant lacks its rows
}

TEST(TextBoxes, TextThatIsNoNumberIsRefusedInEveryBox) {
    ProgramFolder p;
    ASSERT_TRUE(p.StartOn(60));
    p.a->settings.Click(Opt::Standard);
    ViewerSession v(p.path);
    ASSERT_TRUE(v.OpenLibrary(LibMode::Binary, "Library.bin"));
    ASSERT_TRUE(v.TypeDealNo("7"));
    for (const auto& [key, escaped] : Data("text-box-junk.txt")) {
        const std::string text = Unescaped(escaped);
        // "Deals to be Scanned": a beep and a message; no run, no file.
        p.a->tBox = text;
        const int beeps = p.beeps;
        p.a->cmdStart_Click();
        EXPECT_EQ(p.a->StartCaption(), "Start") << text;
        EXPECT_EQ(p.beeps, beeps + 1) << text;
        EXPECT_NE(p.a->message.find("whole number"), std::string::npos) << text;
        // The debug box: nothing is traced.
        p.a->DebugDeal(text);
        EXPECT_EQ(p.a->lblNo, "count") << text;
        // The viewer's deal number and library name: refused, the deal and library stay.
        EXPECT_FALSE(v.TypeDealNo(text)) << text;
        EXPECT_EQ(v.DealNo, 7);
        EXPECT_FALSE(ViewerSession::ModeOfName(text).has_value()) << text;
        EXPECT_FALSE(v.OpenLibrary(LibMode::Binary, text + ".bin")) << text;
        EXPECT_TRUE(v.HasLibrary());
    }
    EXPECT_FALSE(fs::exists(p.Result("(none)40ScoCo")));
    // Numbers out of range: 0 and below are refused and said, more than the library (of any
    // number of digits) scans it all.
    for (const char* text : {"0", "-5"}) {
        p.a->tBox = text;
        p.a->cmdStart_Click();
        EXPECT_EQ(p.a->StartCaption(), "Start") << text;
        EXPECT_NE(p.a->message.find("1 or more"), std::string::npos) << text;
        EXPECT_FALSE(fs::exists(p.Result("(none)40ScoCo"))) << text;
    }
    EXPECT_FALSE(v.TypeDealNo("0"));
    EXPECT_FALSE(v.TypeDealNo("61"));
    EXPECT_FALSE(v.TypeDealNo("99999999999999999999"));
    for (const char* text : {" +99999 ", "99999999999999999999"}) {
        p.a->tBox = text;
        EXPECT_EQ(p.Run(), "Finished");
        EXPECT_EQ(p.a->lblNo, "60");
    }
    // Fewer deals than the library: the whole library's result stays; the run's goes apart.
    const std::string whole = ReadFile(p.Result("(none)40ScoCo"));
    p.a->tBox = "30";
    EXPECT_EQ(p.Run(), "Finished");
    EXPECT_EQ(ReadFile(p.Result("(none)40ScoCo")), whole);
    EXPECT_EQ(p.a->RunResultFile(), p.path / "DataFiles/Partial/(none)40ScoCo.dat");
    EXPECT_NE(ReadFile(p.a->RunResultFile()), whole);
    EXPECT_NE(p.a->message.find("DataFiles/Partial/(none)40ScoCo.dat"), std::string::npos);
}

// The peak memory in MB that f adds, measured in a child process: its own peak starts where the
// parent stands, so what earlier tests used cannot hide it.
int PeakGrowthMBInAChild(const std::function<void()>& f) {
    const pid_t pid = fork();
    if (pid == 0) {
        rusage before{}, after{};
        getrusage(RUSAGE_SELF, &before);
        f();
        getrusage(RUSAGE_SELF, &after);
        _exit(static_cast<int>(std::min<long>((after.ru_maxrss - before.ru_maxrss) / 1024, 255)));
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return 255;
    return WEXITSTATUS(status);
}

TEST(BadLists, AHugeOver20ListIsReadLineByLineAndItsLongLinesSkipped) {
    ProgramFolder p;
    p.WriteLibrary(30);
    std::ofstream list(p.path / "Over20.txt", std::ios::binary);
    for (const auto& [key, line] : Data("huge-over20.txt"))
        list << line << (key == "long" ? std::string(12 << 20, ' ') + ")\r\n" : "\r\n");
    list.close();
    const auto run = [&](std::string& said) {
        return RunTool(p.path, {"boardlook-batch", "--over20", "all", "--text"}, said);
    };
    std::string said;
    EXPECT_EQ(run(said), 0) << said;
    EXPECT_NE(said.find("3 files written, 0 failed"), std::string::npos) << said;
    for (int deal : {2, 5, 7})
        EXPECT_TRUE(fs::exists(p.path / "TextFiles" / ("No" + std::to_string(deal) + ".Txt")))
            << deal;
    EXPECT_FALSE(fs::exists(p.path / "TextFiles/No9.Txt"));

    EXPECT_LT(PeakGrowthMBInAChild([&] { run(said); }), 16);
    EXPECT_LT(PeakGrowthMBInAChild([&] { Over20Reader::ReadFile(p.path / "Over20.txt", 22); }), 16);
}

}  // namespace
}  // namespace lott::test
