// Result files against golden files: one folder per case under golden/, holding the clicks and
// expected header lines (case.txt), the counting tables (tables.txt) and the exact expected
// file (expected.dat), made independently by golden/make_golden.py.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Headers.h"
#include "ResultFile.h"
#include "Rounding.h"
#include "TestLibrary.h"
#include "UiTestSupport.h"

namespace lott {
namespace {

namespace fs = std::filesystem;
const std::string kWhen = "2024-01-02 03:04:05";

struct GoldenCase {
    std::vector<int> clicks;
    std::vector<std::string> headers;
    CountingTables tables;
    std::string expected;
};

float ParseFloat(const std::string& text) {
    double v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    EXPECT_EQ(r.ec, std::errc{}) << text;
    return static_cast<float>(v);
}

GoldenCase LoadCase(const fs::path& folder) {
    GoldenCase c;
    std::istringstream caseText(test::ReadFile(folder / "case.txt"));
    for (std::string line; std::getline(caseText, line);) {
        const auto space = line.find(' ');
        const std::string word = line.substr(0, space);
        const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
        if (word == "header") c.headers.push_back(rest);
        if (word == "clicks") {
            std::istringstream in(rest);
            for (int i; in >> i;) c.clicks.push_back(i);
        }
    }
    std::istringstream cells(test::ReadFile(folder / "tables.txt"));
    for (std::string line; std::getline(cells, line);) {
        std::istringstream in(line);
        std::string what, value;
        int k = 0, L = 0, x = 0;
        in >> what >> k;
        if (what == "rate") {
            in >> x >> value;
            c.tables.EventRate(k, x) = ParseFloat(value);
            continue;
        }
        in >> L;
        if (what == "mean" || what == "abs") {
            in >> value;
            (what == "mean" ? c.tables.DevMean(k, L) : c.tables.DevAbsMean(k, L)) =
                ParseFloat(value);
            continue;
        }
        in >> x >> value;
        (what == "dev" ? c.tables.DevTable(k, L, x) : c.tables.EventTable(k, L, x)) =
            ParseFloat(value);
    }
    c.expected = test::ReadFile(folder / "expected.dat");
    return c;
}

std::vector<fs::path> CaseFolders() {
    std::vector<fs::path> v;
    for (const auto& e : fs::directory_iterator(TRICKSCAN_GOLDEN_DIR))
        if (e.is_directory()) v.push_back(e.path());
    std::sort(v.begin(), v.end());
    return v;
}

TEST(ResultFileGolden, EveryCaseMatchesByteForByte) {
    const auto folders = CaseFolders();
    ASSERT_GE(folders.size(), 6u);
    for (const auto& folder : folders) {
        SCOPED_TRACE(folder.filename().string());
        GoldenCase c = LoadCase(folder);
        ASSERT_EQ(c.headers.size(), 3u);
        Settings s = test::Clicked(c.clicks);
        const auto headers = PrepareHeaders(s, kWhen);
        for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(headers[i], c.headers[i]) << i;
        EXPECT_EQ(ResultFileText(c.tables, s, headers), c.expected);

        test::TempFolder dir;
        std::string error;
        ASSERT_TRUE(Fout(dir.path(), s.ResultName, c.tables, s, headers, error)) << error;
        EXPECT_EQ(test::ReadFile(dir / (s.ResultName + ".dat")), c.expected);
        EXPECT_FALSE(fs::exists(dir / (s.ResultName + ".dat.part")));
    }
}

TEST(ResultFileGolden, FinOfEveryCaseWritesTheSameFileAgain) {
    for (const auto& folder : CaseFolders()) {
        SCOPED_TRACE(folder.filename().string());
        GoldenCase c = LoadCase(folder);
        Settings s = test::Clicked(c.clicks);
        test::TempFolder dir;
        test::WriteFile(dir / (s.ResultName + ".dat"), c.expected);
        CountingTables back;
        back.DevTable(0, 17, 29) = 5;  // anything there before is erased
        std::array<std::string, 3> head;
        const FinResult r = Fin(dir.path(), s.ResultName, back, s, head);
        EXPECT_TRUE(r.found);
        EXPECT_TRUE(r.complete);
        EXPECT_EQ(r.lines, s.SettingMode == SettingMode::Standard ? 33 : 20);
        for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(head[i], c.headers[i]);
        EXPECT_EQ(ResultFileText(back, s, head), c.expected);

        // Counts come back rounded, averages to two decimals; sums and far deviations stay 0.
        for (int L = 10; L <= 25; ++L) {
            EXPECT_EQ(back.DevTable(0, L, 28), 0.0f);
            EXPECT_EQ(back.DevTable(0, L, 29), 0.0f);
            EXPECT_EQ(back.DevTable(0, L, -7), 0.0f);
            EXPECT_EQ(back.DevTable(0, L, 7), 0.0f);
            const std::int32_t n = Round(c.tables.DevTable(0, L, 2));
            if (n >= -999999 && n <= 9999999) {
                EXPECT_EQ(back.DevTable(0, L, 2), float(n)) << L;
            }
            EXPECT_NEAR(back.DevMean(0, L), c.tables.DevMean(0, L),
                        std::abs(c.tables.DevMean(0, L)) < 1000 ? 0.0051 : 1e6);
        }
        EXPECT_EQ(back.DevTable(0, 9, 30), 0.0f);  // rows outside the file
        EXPECT_EQ(back.DevTable(0, 26, 30), 0.0f);
        EXPECT_EQ(back.DevTable(0, 30, 28), 0.0f);
    }
}

}  // namespace
}  // namespace lott
