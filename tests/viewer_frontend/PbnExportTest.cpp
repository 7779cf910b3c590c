// PBN games: the tag roster, escaping and line lengths, the viewer's contracts in a comment, and
// round trips of whole libraries through a reader written from the standard.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "BoardlookBatch.h"
#include "LibraryFile.h"
#include "PbnExport.h"
#include "PbnReader.h"
#include "TestLibrary.h"
#include "ViewerDeals.h"
#include "ViewerSession.h"

namespace lott {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> GameOf(const fs::path& folder, std::int32_t dealNo, int trumpBy,
                                int noNT) {
    ViewerSession s(folder);
    EXPECT_TRUE(s.OpenLibrary(LibMode::Binary, kBinLibName));
    s.TrumpBy = static_cast<TrumpBy>(trumpBy);
    s.NoNT = static_cast<NoNT>(noNT);
    EXPECT_EQ(s.Show(dealNo), ReadStatus::Ok);
    return PbnExport::GameLines(DealExport::PbnGame(s.ExportPage()));
}

TEST(PbnGame, MandatoryTagsInOrderThenTheContractsAndTheTable) {
    test::TempFolder dir;
    test::WriteBin(dir / kBinLibName, test::KnownDeals());
    const std::vector<std::string> expected = {
        "[Event \"Library.bin\"]",
        "[Site \"?\"]",
        "[Date \"?\"]",
        "[Board \"1\"]",
        "[West \"?\"]",
        "[North \"?\"]",
        "[East \"?\"]",
        "[South \"?\"]",
        "[Dealer \"N\"]",
        "[Vulnerable \"None\"]",
        "[Deal \"W:64.AKQJT.JT9.AKQ AKQJ5.32.AKQ.432 32.9876.876.JT98 T987.54.5432.765\"]",
        "[Scoring \"?\"]",
        "[Declarer \"?\"]",
        "[Contract \"?\"]",
        "[Result \"?\"]",
        "{Boardlook, trumps by Score, notrump allowed: N-S 9 tricks in Spades (9 trumps) by N or "
        "S; W-E 8 tricks in Hearts (9 trumps) by W or E; Total Tricks 17 (predicted 18)}",
        "[OptimumResultTable \"Declarer;Denomination\\2R;Result\\2R\"]",
        "N NT  5",
        "N  S  9",
        "N  H  3",
        "N  D  4",
        "N  C  4",
        "S NT  5",
        "S  S  9",
        "S  H  3",
        "S  D  4",
        "S  C  4",
        "E NT  5",
        "E  S  3",
        "E  H  8",
        "E  D  4",
        "E  C  4",
        "W NT  5",
        "W  S  3",
        "W  H  8",
        "W  D  4",
        "W  C  4",
    };
    EXPECT_EQ(GameOf(dir.path(), 1, 1, 0), expected);
}

TEST(PbnGame, TheCommentFollowsTheViewerSwitches) {
    test::TempFolder dir;
    test::WriteBin(dir / kBinLibName, test::KnownDeals());
    auto comment = [&](int trumpBy, int noNT) { return GameOf(dir.path(), 2, trumpBy, noNT)[15]; };
    EXPECT_EQ(comment(1, 0),
              "{Boardlook, trumps by Score, notrump allowed: N-S 9 tricks in NoTrump by N; W-E 8 "
              "tricks in Hearts (9 trumps) by W; Total Tricks 17 (predicted 16)}");
    EXPECT_EQ(comment(1, 1),
              "{Boardlook, trumps by Score, notrump forbidden: N-S 8 tricks in Spades (9 trumps) "
              "by N or S; W-E 8 tricks in Hearts (9 trumps) by W; Total Tricks 16 (predicted 18)}");
    EXPECT_EQ(comment(0, 1).substr(0, 48), "{Boardlook, trumps by Length, notrump forbidden:");
    // The table does not depend on the switches.
    EXPECT_EQ(GameOf(dir.path(), 2, 0, 1)[17], "N NT  9");
    EXPECT_EQ(GameOf(dir.path(), 2, 0, 1)[32], "W NT  5");
}

TEST(PbnGame, TagValuesAreEscapedKeptAsciiAndCutToOneLine) {
    EXPECT_EQ(PbnExport::Tag("Event", "my \"big\" C:\\deals"),
              "[Event \"my \\\"big\\\" C:\\\\deals\"]");
    EXPECT_EQ(PbnExport::Escape("Bibliothe\xC3\xA8que\t1"), "Bibliothe??que?1");
    EXPECT_EQ(PbnExport::DealValue({}), "W:... ... ... ...");  // four voids each

    // A value too long for a line is cut, never in the middle of an escape.
    for (std::size_t n : {300u, 301u}) {
        const std::string tag = PbnExport::Tag("Event", std::string(n, '\\'));
        EXPECT_LE(tag.size(), PbnExport::kMaxLine);
        EXPECT_GE(tag.size(), PbnExport::kMaxLine - 1);
        const std::size_t slashes = tag.size() - std::string("[Event \"\"]").size();
        EXPECT_EQ(slashes % 2, 0u) << n;
    }
    const std::string plain = PbnExport::Tag("Event", std::string(400, 'x'));
    EXPECT_EQ(plain.size(), PbnExport::kMaxLine);
    EXPECT_EQ(plain.substr(plain.size() - 3), "x\"]");
}

TEST(PbnFileHeader, ExportFormatEscapeLines) {
    test::TempFolder dir;
    test::WriteBin(dir / kBinLibName, test::KnownDeals());
    ViewerSession s(dir.path());
    ASSERT_TRUE(s.OpenLibrary(LibMode::Binary, kBinLibName));
    ASSERT_EQ(s.Show(2), ReadStatus::Ok);
    const auto r = s.Export(DealExport::Kind::Pbn);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.file, dir.path() / "PbnFiles" / "No2.pbn");
    const std::string bytes = test::ReadFile(r.file);
    EXPECT_EQ(bytes.substr(0, 21), "% PBN 2.1\r\n% EXPORT\r\n");
    const test::PbnFile f = test::ReadPbn(bytes);
    EXPECT_TRUE(f.problems.empty()) << f.problems.front();
    ASSERT_EQ(f.games.size(), 1u);
    EXPECT_EQ(f.games[0].Tag("Board"), "2");
}

// Every game of the file names its deal of the library and holds the library's hands and all
// 20 tricks; the roster's order and texts are pinned above on a known deal.
void ExpectRoundTrip(const fs::path& library, LibMode libMode, std::int32_t deals,
                     const std::string& pbn) {
    const test::PbnFile f = test::ReadPbn(pbn);
    ASSERT_EQ(f.escapes, (std::vector<std::string>{"% PBN 2.1", "% EXPORT"}));
    for (const auto& p : f.problems) ADD_FAILURE() << p;
    ASSERT_EQ(f.games.size(), static_cast<std::size_t>(deals));
    LibraryFile lib;
    ASSERT_TRUE(lib.Open(library, libMode));
    const std::string seats = "WNES", strains = "SHDC";
    Deal d;
    for (std::int32_t n = 1; n <= deals; ++n) {
        const test::PbnGame& g = f.games[static_cast<std::size_t>(n - 1)];
        ASSERT_EQ(g.tags.size(), 16u) << "deal " << n;
        ASSERT_EQ(g.Tag("Board"), std::to_string(n));
        ASSERT_EQ(g.Tag("Event"), library.filename().string());
        ASSERT_EQ(g.comments.size(), 1u);

        ASSERT_EQ(lib.ReadDeal(n, d), ReadStatus::Ok);
        d.DecodeTricks();
        std::array<std::array<std::string, 4>, 4> hands;
        ASSERT_TRUE(test::ParseDealValue(g.Tag("Deal"), hands)) << g.Tag("Deal");
        for (int seat = 0; seat < 4; ++seat)
            for (int suit = 0; suit < 4; ++suit)
                ASSERT_EQ(hands[seat][suit], d.Hand[seat][suit].str()) << "deal " << n;

        ASSERT_EQ(g.table.size(), 20u);
        std::array<StrainIndexed<int>, 4> seen{};
        for (const auto& row : g.table) {
            ASSERT_EQ(row.size(), 3u);
            const std::size_t seat = seats.find(row[0]);
            ASSERT_NE(seat, std::string::npos) << row[0];
            const int strain = row[1] == "NT" ? -1 : static_cast<int>(strains.find(row[1]));
            ASSERT_TRUE(strain >= -1 && strain <= 3) << row[1];
            ASSERT_EQ(std::stoi(row[2]), d.Tricks[seat][strain]) << "deal " << n;
            ++seen[seat][strain];
        }
        for (int seat = 0; seat < 4; ++seat)
            for (int strain = -1; strain <= 3; ++strain) ASSERT_EQ(seen[seat][strain], 1);
    }
}

std::string BatchPbn(const fs::path& folder, const std::string& deals, const fs::path& out,
                     const std::vector<std::string>& more = {}) {
    std::vector<std::string> args = {folder.string(), "--deals", deals, "--pbn-file", out.string()};
    args.insert(args.end(), more.begin(), more.end());
    std::string error;
    auto cmd = BoardlookBatch::Parse(args, error);
    EXPECT_TRUE(cmd) << error;
    if (!cmd) return {};
    std::ostringstream o, e;
    EXPECT_EQ(BoardlookBatch::Run(*cmd, "/nonexistent", o, e), 0) << e.str();
    return test::ReadFile(out);
}

TEST(PbnRoundTrip, RandomLibrariesInBothForms) {
    test::TempFolder dir;
    const auto v = test::RandomDeals(400, 6);
    test::WriteBin(dir / kBinLibName, v);
    test::WriteAsc(dir / kAscLibName, v);
    test::TempFolder out;
    ExpectRoundTrip(dir / kBinLibName, LibMode::Binary, 400,
                    BatchPbn(dir.path(), "1-400", out / "all.pbn"));
    ExpectRoundTrip(dir / kAscLibName, LibMode::Ascii, 400,
                    BatchPbn(dir.path(), "1-400", out / "asc.pbn", {"--library", kAscLibName}));
}

TEST(PbnRoundTrip, ALibraryWhoseNameNeedsEscapes) {
    test::TempFolder dir;
    const std::string name = "my \"odd\\\" deals.bin";
    test::WriteBin(dir / name, test::RandomDeals(5, 7));
    test::TempFolder out;
    const std::string pbn = BatchPbn(dir.path(), "1-5", out / "odd.pbn", {"--library", name});
    EXPECT_NE(pbn.find("[Event \"my \\\"odd\\\\\\\" deals.bin\"]\r\n"), std::string::npos);
    ExpectRoundTrip(dir / name, LibMode::Binary, 5, pbn);
}

TEST(PbnRoundTrip, RealDealsOfTheSampleLibrary) {
    const fs::path sample = fs::path(TRICKSCAN_SOURCE_DIR) / "data" / "sample";
    std::error_code ec;
    const bool bin = fs::is_regular_file(sample / kBinLibName, ec);
    const bool asc = fs::is_regular_file(sample / kAscLibName, ec);
    if (!bin && !asc) GTEST_SKIP() << "no bundled library in " << sample.string();
    const fs::path library = sample / (bin ? kBinLibName : kAscLibName);
    const std::int32_t deals = static_cast<std::int32_t>(
        std::min<std::uintmax_t>(fs::file_size(library) / (bin ? kBinRecLen : kAscRecLen), 10000));
    ASSERT_GT(deals, 0);
    test::TempFolder out;
    const std::string pbn = BatchPbn(sample, "1-" + std::to_string(deals), out / "sample.pbn",
                                     {"--library", library.filename().string()});
    ExpectRoundTrip(library, bin ? LibMode::Binary : LibMode::Ascii, deals, pbn);
}

}  // namespace
}  // namespace lott
