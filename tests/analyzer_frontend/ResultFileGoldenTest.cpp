// Result files, table texts and exports against golden files: one folder per case under
// golden/cases/, holding the clicks and header lines (case.txt), the counting tables
// (tables.txt), the exact result file (expected.dat), the table window's cell texts
// (cells.txt), the grid as CSV (grid.csv) and the exports of trickscan-batch (export.csv,
// export.json).
#include "GoldenCheck.h"
#include "ResultFile.h"

namespace lott {
namespace {

struct GoldenCase {
    std::vector<int> clicks;
    std::vector<std::string> headers;
    CountingTables tables;
};

GoldenCase LoadCase(const fs::path& folder) {
    GoldenCase c;
    std::istringstream caseText(test::ReadFile(folder / "case.txt"));
    for (std::string word, rest; caseText >> word && std::getline(caseText, rest);) {
        if (word == "header") c.headers.push_back(rest.substr(1));
        std::istringstream in(rest);
        for (int i; word == "clicks" && in >> i;) c.clicks.push_back(i);
    }
    std::istringstream cells(test::ReadFile(folder / "tables.txt"));
    for (std::string what; cells >> what;) {
        int k = 0, L = 0, x = 0;
        double v = 0;
        cells >> k >> (what == "rate" ? x : L);
        if (what == "dev" || what == "event") cells >> x;
        cells >> v;
        (what == "rate"   ? c.tables.EventRate(k, x)
         : what == "mean" ? c.tables.DevMean(k, L)
         : what == "abs"  ? c.tables.DevAbsMean(k, L)
         : what == "dev"  ? c.tables.DevTable(k, L, x)
                          : c.tables.EventTable(k, L, x)) = static_cast<float>(v);
    }
    return c;
}

class ResultFileGolden : public testing::TestWithParam<fs::path> {};

TEST_P(ResultFileGolden, WrittenReadBackShownAndExported) {
    const fs::path folder = GetParam();
    const GoldenCase c = LoadCase(folder);
    const Settings s = test::Clicked(c.clicks);
    const auto headers = PrepareHeaders(s, "2024-01-02 03:04:05");
    ASSERT_EQ(std::vector<std::string>(headers.begin(), headers.end()), c.headers);
    const std::string text = ResultFileText(c.tables, s, headers);
    test::ExpectGolden(folder / "expected.dat", text);

    // Written by the one writer, nothing left beside it; read back it writes the same file.
    test::TempFolder dir;
    std::string error;
    ASSERT_TRUE(Fout(dir.path(), s.ResultName, c.tables, s, headers, error)) << error;
    EXPECT_EQ(test::Entries(dir.path(), ""), std::vector{dir / (s.ResultName + ".dat")});
    CountingTables back;
    back.DevTable(0, 17, 29) = 5;  // anything there before is erased
    std::array<std::string, 3> head;
    const FinResult r = Fin(dir.path(), s.ResultName, back, s, head);
    EXPECT_TRUE(r.found && r.complete);
    EXPECT_EQ(r.lines, s.SettingMode == SettingMode::Standard ? 33 : 20);
    EXPECT_EQ(head, headers);
    EXPECT_EQ(back.DevTable(0, 17, 29), 0.0f);
    EXPECT_EQ(ResultFileText(back, s, head), text);

    TableCells cells;
    cells.InitLabels();
    cells.WriteWholeTable(c.tables, s, 0, false);
    std::ostringstream shown;
    for (std::int32_t i = 0; i < TableCells::kCellCount; ++i)
        if (!cells.Cell(i).empty()) shown << i << ' ' << cells.Cell(i) << '\n';
    shown << "name " << cells.txtName(0) << '|' << cells.txtName(1) << '\n';
    test::ExpectGolden(folder / "cells.txt", shown.str());
    test::ExpectGolden(folder / "grid.csv", TableExport::GridCsv(cells, s.SettingMode));
    test::ExpectGolden(folder / "export.csv", TableExport::ResultCsv(c.tables, s, s.ResultName));
    test::ExpectGolden(folder / "export.json",
                       TableExport::ResultJson(c.tables, s, s.ResultName, headers));
}

INSTANTIATE_TEST_SUITE_P(Cases, ResultFileGolden,
                         testing::ValuesIn(test::Entries(TRICKSCAN_GOLDEN_DIR "/cases", "/")),
                         test::Named);

}  // namespace
}  // namespace lott
