// The counting tables for other tools: numbers that read back exactly, the window's grid as CSV,
// and a run's rows as CSV and JSON with the settings by name.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "OptionNames.h"
#include "TableExport.h"
#include "UiTestSupport.h"

namespace lott {
namespace {

using test::Clicked;

// The fields of a line; no field written here needs quoting, so a quote fails the comparisons.
std::vector<std::string> SplitCsvLine(const std::string& line) {
    std::vector<std::string> f(1);
    for (const char c : line)
        if (c == ',')
            f.emplace_back();
        else
            f.back().push_back(c);
    return f;
}

std::vector<std::vector<std::string>> Csv(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : test::CrLfLines(text)) rows.push_back(SplitCsvLine(line));
    return rows;
}

float ReadBack(const std::string& s) {
    char* end = nullptr;
    const float v = std::strtof(s.c_str(), &end);
    EXPECT_EQ(*end, '\0') << s;
    return v;
}

TEST(TableExportNumber, EveryFiniteFloatReadsBackBitForBit) {
    for (float v : {0.1f, 1.0f / 3.0f, 2.0555556f, 16777216.0f, 16777217.0f, 717102.0f, 1e-7f,
                    -0.5f, 12.345678f, 3.4028235e38f, 1.4e-45f, -1.0e-30f})
        EXPECT_EQ(std::bit_cast<std::uint32_t>(ReadBack(TableExport::Number(v))),
                  std::bit_cast<std::uint32_t>(v))
            << TableExport::Number(v);
    std::mt19937 rng(5);
    for (int i = 0; i < 200000; ++i) {
        const float v = std::bit_cast<float>(static_cast<std::uint32_t>(rng()));
        if (!std::isfinite(v) || v == 0.0f) continue;
        ASSERT_EQ(std::bit_cast<std::uint32_t>(ReadBack(TableExport::Number(v))),
                  std::bit_cast<std::uint32_t>(v))
            << TableExport::Number(v);
    }
    // Counts stay plain decimals, zero has no sign, and what is no number is left empty.
    EXPECT_EQ(TableExport::Number(100000.0f), "100000");
    EXPECT_EQ(TableExport::Number(717102.0f), "717102");
    EXPECT_EQ(TableExport::Number(0.125f), "0.125");
    EXPECT_EQ(TableExport::Number(-0.0f), "0");
    EXPECT_EQ(TableExport::Number(std::numeric_limits<float>::quiet_NaN()), "");
    EXPECT_EQ(TableExport::Number(std::numeric_limits<float>::infinity()), "");
    EXPECT_EQ(TableExport::Number(3.4028235e38f).find('e') != std::string::npos, true);
}

TEST(TableExportText, CsvFieldsAndJsonStrings) {
    EXPECT_EQ(TableExport::CsvField("(DS)40Sco"), "(DS)40Sco");
    EXPECT_EQ(TableExport::CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(TableExport::CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(TableExport::JsonString("a\"b\\c\r\n\x01"), "\"a\\\"b\\\\c\\u000d\\u000a\\u0001\"");
    EXPECT_EQ(TableExport::JsonString("開 始"), "\"開 始\"");
}

void Count(CountingTables& t, int k, int L, int d, float w) {
    t.DevTable(k, L, d) += w;
    t.DevTable(k, L, 30) += w;
    t.DevTable(k, 30, d) += w;
    t.DevTable(k, 30, 30) += w;
}

TEST(TableExportGrid, TheWindowsCellsRowByRow) {
    CountingTables t;
    Count(t, 0, 17, 1, 1.0f);
    Count(t, 0, 17, 1, 1.0f);
    Count(t, 0, 17, -1, 1.0f);
    t.DevMean(0, 17) = 0.33333334f;
    Count(t, -1, 15, 0, 1.0f);
    TableCells cells;
    cells.InitLabels();

    const Settings ostrevan = Clicked({0});
    cells.WriteWholeTable(t, ostrevan, 0, false);
    auto rows = Csv(TableExport::GridCsv(cells, ostrevan.SettingMode));
    ASSERT_EQ(rows.size(), 1u + 15u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Block", "Length", "Samples", "-5", "-4", "-3",
                                                 "-2", "-1", "0", "+1", "+2", "+3", "+4", "+5",
                                                 "Average", "Error", "DbleFit", "AKQ", "Cham"}));
    for (const auto& r : rows) ASSERT_EQ(r.size(), 19u);
    const auto& row17 = rows[1 + 17 - 11];
    EXPECT_EQ(row17[0], "Suit");
    EXPECT_EQ(row17[1], "17");
    EXPECT_EQ(row17[2], "3");
    auto cell = [](int column) { return static_cast<std::size_t>(column + 8); };  // -6 at 2
    EXPECT_EQ(row17[cell(1)], "2");
    EXPECT_EQ(row17[cell(-1)], "1");
    EXPECT_EQ(row17[cell(0)], "");  // an empty cell stays empty
    EXPECT_EQ(row17[cell(6)], "0.33");
    EXPECT_EQ(rows.back()[1], "Total");
    EXPECT_EQ(rows.back()[2], "3");

    const Settings standard = Clicked({1});
    cells.InitLabels();
    cells.WriteWholeTable(t, standard, 0, false);
    rows = Csv(TableExport::GridCsv(cells, standard.SettingMode));
    ASSERT_EQ(rows.size(), 1u + 15u + 11u);
    EXPECT_EQ(rows[16][0], "NT");
    EXPECT_EQ(rows[16][1], "12");
    EXPECT_EQ(rows[16 + 3][2], "1");  // length 15
    EXPECT_EQ(rows.back()[0], "NT");
    EXPECT_EQ(rows.back()[1], "Total");
}

// Tables with fractional weights, a row outside the table's span, events and rates.
CountingTables SomeTables() {
    CountingTables t;
    Count(t, 0, 17, 1, 1.0f);
    Count(t, 0, 17, 2, 0.37f);
    Count(t, 0, 3, -10, 1.0f);  // outside the span: still a row
    Count(t, 0, 20, 27, 2.5f);
    t.DevMean(0, 17) = 1.2700729f;
    t.DevAbsMean(0, 17) = 1.2700729f;
    t.DevMean(0, 30) = 0.1f / 3.0f;
    t.EventTable(0, 17, 2) = 1;
    t.EventTable(0, 30, 2) = 1;
    t.EventRate(0, 2) = 1.0f / 4.87f;
    Count(t, -1, 15, 0, 1.49f);
    t.EventRate(-1, 3) = 0.25f;
    return t;
}

TEST(TableExportResult, CsvRowsCarryTheSettingsAndEveryNumberInFull) {
    const CountingTables t = SomeTables();
    const Settings s = Clicked({0, 2});
    const auto rows = Csv(TableExport::ResultCsv(t, s, "OstLen"));
    const auto columns = TableExport::Columns();
    ASSERT_EQ(rows[0], columns);
    auto col = [&](const std::string& name) {
        for (std::size_t i = 0; i < columns.size(); ++i)
            if (columns[i] == name) return i;
        ADD_FAILURE() << name;
        return std::size_t{0};
    };
    // Ostrevan: suit-suit rows only, lengths 10..25, the row at length 3, and the totals.
    ASSERT_EQ(rows.size(), 1u + 1u + 16u + 1u);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), columns.size());
        EXPECT_EQ(rows[i][col("result")], "OstLen");
        EXPECT_EQ(rows[i][col("preset")], "ostrevan");
        EXPECT_EQ(rows[i][col("trumps")], "length");
        EXPECT_EQ(rows[i][col("kind")], "Suit");
    }
    EXPECT_EQ(rows[1][col("length")], "3");
    EXPECT_EQ(rows[1][col("dev_-10")], "1");
    const auto& r17 = rows[2 + 17 - 10];
    EXPECT_EQ(r17[col("length")], "17");
    EXPECT_EQ(ReadBack(r17[col("deals")]), t.DevTable(0, 17, 30));
    EXPECT_EQ(ReadBack(r17[col("dev_2")]), 0.37f);
    EXPECT_EQ(ReadBack(r17[col("mean")]), 1.2700729f);
    EXPECT_EQ(r17[col("event_2")], "1");
    EXPECT_EQ(r17[col("event_rate_2")], "");  // rates belong to the totals row
    EXPECT_EQ(rows[2 + 20 - 10][col("dev_27")], "2.5");
    const auto& total = rows.back();
    EXPECT_EQ(total[col("row")], "total");
    EXPECT_EQ(total[col("length")], "");
    EXPECT_EQ(ReadBack(total[col("deals")]), t.DevTable(0, 30, 30));
    EXPECT_EQ(ReadBack(total[col("mean")]), 0.1f / 3.0f);
    EXPECT_EQ(ReadBack(total[col("event_rate_2")]), 1.0f / 4.87f);
    EXPECT_EQ(total[col("event_rate_1")], "0");

    // Standard adds the suit-notrump rows 11..22 and their totals.
    const auto standard = Csv(TableExport::ResultCsv(t, Clicked({1}), "(none)40ScoCo"));
    ASSERT_EQ(standard.size(), rows.size() + 12u + 1u);
    EXPECT_EQ(standard[rows.size()][col("kind")], "NT");
    EXPECT_EQ(standard[rows.size()][col("length")], "11");
    EXPECT_EQ(ReadBack(standard[rows.size() + 4][col("deals")]), 1.49f);
    EXPECT_EQ(ReadBack(standard.back()[col("event_rate_3")]), 0.25f);
    EXPECT_EQ(standard[1][col("preset")], "standard");
}

TEST(TableExportResult, JsonHoldsTheSameRowsOnce) {
    const CountingTables t = SomeTables();
    const Settings s = Clicked({1});
    const std::string json =
        TableExport::ResultJson(t, s, "(none)40ScoCo", {"h \"0\"", "h1", "h2"});
    const std::string csv = TableExport::ResultCsv(t, s, "(none)40ScoCo");
    EXPECT_EQ(json.substr(0, 31), "{\r\n  \"result\": \"(none)40ScoCo\",");
    EXPECT_NE(json.find("\"settings\": {\"preset\": \"standard\", \"trumps\": \""),
              std::string::npos);
    EXPECT_NE(json.find("\"headers\": [\"h \\\"0\\\"\", \"h1\", \"h2\"]"), std::string::npos);
    // One object per CSV row, each with the row's columns as keys.
    std::size_t objects = 0;
    for (std::size_t p = json.find("    {\"kind\": "); p != std::string::npos;
         p = json.find("    {\"kind\": ", p + 1))
        ++objects;
    EXPECT_EQ(objects, Csv(csv).size() - 1);
    EXPECT_NE(json.find("{\"kind\": \"Suit\", \"row\": \"length\", \"length\": 3, \"deals\": 1, "
                        "\"dev_-10\": 1, \"dev_-9\": 0"),
              std::string::npos);
    EXPECT_NE(json.find("\"event_rate_1\": null"), std::string::npos);
    EXPECT_NE(json.find("{\"kind\": \"NT\", \"row\": \"total\", \"length\": null, \"deals\": 1.49"),
              std::string::npos);
    EXPECT_EQ(json.substr(json.size() - 8), "  ]\r\n}\r\n");
    EXPECT_EQ(OptionNames::Selected(s, "filter"), "");
    EXPECT_NE(json.find("\"filter\": null"), std::string::npos);
}

TEST(OptionNamesTest, EveryOptionOnceAndEachSettingOneGroupOfTheOptionArray) {
    std::set<int> seen;
    std::map<std::string_view, int> groupOf;
    for (const auto& n : OptionNames::All()) {
        EXPECT_TRUE(Settings::Exists(n.index)) << n.index;
        EXPECT_TRUE(seen.insert(n.index).second) << n.index;
        EXPECT_TRUE(OptionNames::IsSetting(n.setting));
        const auto [it, fresh] = groupOf.emplace(n.setting, Settings::GroupOf(n.index));
        EXPECT_EQ(it->second, Settings::GroupOf(n.index)) << n.setting;
    }
    std::set<int> groups;
    for (const auto& [setting, group] : groupOf) EXPECT_TRUE(groups.insert(group).second);
    EXPECT_EQ(groupOf.size(), OptionNames::SettingNames().size());
    EXPECT_EQ(seen.size(), 37u);  // every option of o: 0..33 and 41..43
    EXPECT_EQ(OptionNames::Index("trumps", "score"), 3);
    EXPECT_EQ(OptionNames::Index("nt", "void"), 24);
    EXPECT_FALSE(OptionNames::Index("nt", "none"));
    EXPECT_FALSE(OptionNames::IsSetting("colour"));
    const Settings s = Clicked({1, 2});
    EXPECT_EQ(OptionNames::Selected(s, "preset"), "standard");
    EXPECT_EQ(OptionNames::Selected(s, "trumps"), "length");
}

}  // namespace
}  // namespace lott
