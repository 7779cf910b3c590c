// PBN files written in the styles real ones come in, imported case by case against the deals,
// sources and reports kept as data; and the writing of an imported library, solved by DDS where
// a game has no results, or removed again when the run does not finish.
#include <gtest/gtest.h>

#include <sstream>

#include "DdsSolver.h"
#include "PbnImport.h"
#include "TestLibrary.h"

namespace lott {
namespace {

namespace fs = std::filesystem;
const fs::path kData = TRICKSCAN_MAKELIBRARY_DATA;

PbnImport Imported(const std::string& files, std::ostream& report) {
    PbnImport import;
    std::istringstream names(files);
    for (std::string name; names >> name;)
        import.Add(name, test::ReadFile(kData / "pbn" / name), report);
    return import;
}

class ImportCase : public ::testing::TestWithParam<test::DataCase> {};

TEST_P(ImportCase, GivesTheExpectedDealsSourcesAndReports) {
    std::ostringstream out;
    const PbnImport import = Imported(GetParam().Get("files"), out);
    out << import.Summary() << "\n";
    std::int64_t no = 0;
    for (const auto& e : import.Deals()) {
        std::array<char, kAscRecLen> rec{};
        ASSERT_TRUE(EncodeAscDeal(e.rec, rec));
        std::string source = SourceTable::Line(++no, e.source);
        for (char& c : source) c = c == '\t' ? '|' : c;
        out << std::string(rec.data(), 88) << (e.solved ? "" : " to solve") << "\n"
            << source.substr(0, source.size() - 2) << "\n";
    }
    EXPECT_TRUE(test::MatchesExpected(GetParam(), out.str()));
}

INSTANTIATE_TEST_SUITE_P(Pbn, ImportCase,
                         ::testing::ValuesIn(test::ReadCases(kData / "import.txt")),
                         test::CaseName);

TEST(PbnImport, WritesTheLibrarySolvingWhatHasNoResultsOrLeavesTheFolderAsItWas) {
    std::ostringstream report;
    DdsSolver solver(0);
    const auto solve = [&](std::span<DealRecord> d, std::string& why) {
        return solver.Solve(d, why);
    };
    std::string error;
    test::TempFolder dir;
    // The second game of this file gives a table one trick off; a solver that fails and a stop
    // request leave no library files behind.
    PbnImport wrong = Imported("utf8.pbn", report);
    EXPECT_FALSE(wrong.Verify(3, solve, error));
    EXPECT_NE(error.find("utf8.pbn:30"), std::string::npos) << error;
    const auto refuse = [](std::span<DealRecord>, std::string& why) { return why = "no", false; };
    EXPECT_EQ(wrong.Write(dir.path(), refuse, 40, nullptr, nullptr, error),
              PbnImport::Outcome::Failed);
    EXPECT_EQ(wrong.Write(
                  dir.path(), refuse, 40, [] { return true; }, nullptr, error),
              PbnImport::Outcome::Stopped);
    EXPECT_TRUE(fs::is_empty(dir.path()));

    // Together the files hold five deals of a library made by makelibrary (five-deals.*), the
    // last without results: DDS solves it as it solved that library.
    PbnImport import = Imported("rotating.pbn utf8.pbn", report);
    EXPECT_TRUE(import.Verify(4, solve, error)) << error;
    ASSERT_EQ(import.Write(dir.path(), solve, 40, nullptr, nullptr, error),
              PbnImport::Outcome::Finished)
        << error;
    EXPECT_EQ(test::ReadFile(dir / "Library.bin"), test::ReadFile(kData / "pbn/five-deals.bin"));
    EXPECT_EQ(test::ReadFile(dir / "Library.asc"), test::ReadFile(kData / "pbn/five-deals.asc"));
    SourceTable sources;
    ASSERT_TRUE(sources.Load(dir.path()));
    EXPECT_EQ(sources.size(), 5u);
    EXPECT_EQ(sources.Of(4)->event, "Østersøen Cup ♠");
}

}  // namespace
}  // namespace lott
