// The counting-table grid texts: a full redraw and the cells one counted deal changes.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "TableCells.h"
#include "UiTestSupport.h"

namespace lott {
namespace {

using test::Clicked;

std::map<std::int32_t, std::string> AsMap(const std::vector<CellUpdate>& v) {
    std::map<std::int32_t, std::string> m;
    for (const auto& u : v) m[u.index] = u.text;
    return m;
}

// Adds one deal of weight w at length L with deviation d the way the engine does, without the
// means of the total row (tests set those where they matter).
void Count(CountingTables& t, int k, int L, int d, float w = 1.0f) {
    t.DevTable(k, L, d) += w;
    t.DevTable(k, L, 30) += w;
    t.DevTable(k, 30, d) += w;
    t.DevTable(k, 30, 30) += w;
    t.DevTable(k, L, 29) += w * float(d);
    t.DevMean(k, L) = t.DevTable(k, L, 29) / t.DevTable(k, L, 30);
    t.DevAbsMean(k, L) = float(std::abs(d));
}

TEST(WriteWholeTable, EmptyTablesShowOnlyTheGrandTotalsAndAverages) {
    TableCells cells;
    CountingTables t;
    Settings s = Clicked({1});
    const auto out = AsMap(cells.WriteWholeTable(t, s, 0, false));
    EXPECT_EQ(out, (std::map<std::int32_t, std::string>{
                       {CellIndex(0, 25, -6), "0"},
                       {CellIndex(0, 25, 6), "0.00"},
                       {CellIndex(0, 25, 7), "0.00"},
                       {CellIndex(-1, 22, -6), "0"},
                       {CellIndex(-1, 22, 6), "0.00"},
                       {CellIndex(-1, 22, 7), "0.00"},
                       // Standard with no filter: the suit-suit rates of switched-on
                       // corrections; all three are "  0" at start, so none.
                   }));
    EXPECT_EQ(cells.Cell(0, 25, -6), "0");
    EXPECT_EQ(cells.txtName(1), "(none)40ScoCo.dat");
    EXPECT_EQ(cells.txtName(0), "");
}

TEST(WriteWholeTable, RowsCountsAndAverages) {
    TableCells cells;
    CountingTables t;
    Count(t, 0, 17, 1);
    Count(t, 0, 17, 1);
    Count(t, 0, 17, -1);
    Count(t, 0, 18, 7);        // outside the -5..5 columns
    Count(t, 0, 10, 0);        // outside the rows
    Count(t, 0, 20, 2, 0.6f);  // rounds to 1, but no whole deal: no averages
    Count(t, 0, 21, 3, 0.4f);  // rounds to 0: nothing
    t.DevMean(0, 30) = -0.5f;
    t.DevAbsMean(0, 30) = 12.346f;
    Settings s = Clicked({0});
    const auto out = AsMap(cells.WriteWholeTable(t, s, 0, false));
    EXPECT_EQ(out.at(CellIndex(0, 17, -6)), "3");
    EXPECT_EQ(out.at(CellIndex(0, 17, 1)), "2");
    EXPECT_EQ(out.at(CellIndex(0, 17, -1)), "1");
    EXPECT_EQ(out.count(CellIndex(0, 17, 0)), 0u);
    EXPECT_EQ(out.at(CellIndex(0, 17, 6)), "0.33");
    EXPECT_EQ(out.at(CellIndex(0, 18, -6)), "1");
    EXPECT_EQ(out.at(CellIndex(0, 18, 6)), "7.00");
    EXPECT_EQ(out.at(CellIndex(0, 20, -6)), "1");
    EXPECT_EQ(out.at(CellIndex(0, 20, 2)), "1");
    EXPECT_EQ(out.count(CellIndex(0, 20, 6)), 0u);
    EXPECT_EQ(out.count(CellIndex(0, 21, -6)), 0u);
    EXPECT_EQ(out.count(CellIndex(0, 21, 6)), 0u);
    EXPECT_EQ(out.at(CellIndex(0, 25, -6)), "6");  // 5.999.. or 6.0: the grand total
    EXPECT_EQ(out.at(CellIndex(0, 25, 1)), "2");
    EXPECT_EQ(out.at(CellIndex(0, 25, 6)), "-0.50");
    EXPECT_EQ(out.at(CellIndex(0, 25, 7)), "12.35");
    // Ostrevan: no notrump block, no row events without a code, rates of the three
    // corrections left at "  0": none.
    for (const auto& [i, text] : out) {
        EXPECT_LT(i, 500) << i;
        const int column = (i % 20) - 6;
        EXPECT_LE(column, 7) << i << " " << text;
    }
    EXPECT_EQ(cells.txtName(1), "40OstLen.dat");
}

TEST(WriteWholeTable, EventColumnsAndRates) {
    CountingTables t;
    for (int k : {0, -1}) {
        for (int e = 1; e <= 3; ++e) {
            t.EventTable(k, 16, e) = float(e);
            t.EventRate(k, e) = 0.125f * float(e);
        }
    }
    struct Case {
        std::vector<int> clicks;
        bool suitRows, ntRows, ntRates;
        std::array<bool, 3> suitRates;
    };
    const Case cases[] = {
        {{1}, false, false, false, {false, false, false}},
        {{1, 14}, true, false, false, {true, false, false}},
        {{1, 15, 18, 20}, true, false, false, {true, true, true}},
        {{1, 43}, true, false, false, {false, false, false}},
        {{1, 14, 26}, false, false, false, {false, false, false}},  // a filter hides them
        {{1, 12}, false, true, true, {false, false, false}},
        {{1, 23}, false, false, false, {false, false, false}},  // a shortness choice hides them
        {{1, 17, 13}, true, true, true, {false, true, false}},
    };
    for (const auto& c : cases) {
        Settings s = Clicked(c.clicks);
        SCOPED_TRACE(s.ResultName);
        TableCells cells;
        const auto out = AsMap(cells.WriteWholeTable(t, s, 0, false));
        for (int e = 1; e <= 3; ++e) {
            EXPECT_EQ(out.count(CellIndex(0, 16, 7 + e)), c.suitRows ? 1u : 0u) << e;
            EXPECT_EQ(out.count(CellIndex(-1, 16, 7 + e)), c.ntRows ? 1u : 0u) << e;
            EXPECT_EQ(out.count(CellIndex(-1, 22, 7 + e)), c.ntRates ? 1u : 0u) << e;
            EXPECT_EQ(out.count(CellIndex(0, 25, 7 + e)), c.suitRates[e - 1] ? 1u : 0u) << e;
        }
        if (c.suitRows) {
            EXPECT_EQ(out.at(CellIndex(0, 16, 9)), "2");
        }
        if (c.ntRates) {
            EXPECT_EQ(out.at(CellIndex(-1, 22, 8)), "0.13");
        }
        if (c.suitRates[1]) {
            EXPECT_EQ(out.at(CellIndex(0, 25, 9)), "0.25");
        }
    }
}

TEST(WriteWholeTable, CellsWithoutAValueKeepTheirTextUntilInitLabels) {
    TableCells cells;
    CountingTables t;
    Count(t, 0, 17, 1);
    Settings s = Clicked({0});
    cells.WriteWholeTable(t, s, 0, false);
    cells.WriteWholeTable(CountingTables{}, s, 0, false);
    EXPECT_EQ(cells.Cell(0, 17, 1), "1");
    EXPECT_EQ(cells.Cell(0, 25, -6), "0");
    cells.InitLabels();
    EXPECT_EQ(cells.Cell(0, 17, 1), "");
    EXPECT_EQ(cells.txtName(1), "");
    EXPECT_EQ(cells.Cell(-5), "");
    EXPECT_EQ(cells.Cell(TableCells::kCellCount), "");
}

TEST(WriteWholeTable, TheResultNameShowsWheneverNoRunGoes) {
    CountingTables t;
    Settings s = Clicked({1});
    const struct {
        std::int32_t dealNo;
        bool runGoing, shown;
    } cases[] = {{0, false, true},   {500, false, true},    {717102, false, true}, {0, true, true},
                 {500, true, false}, {600000, true, false}, {600001, true, true}};
    for (const auto& c : cases) {
        TableCells cells;
        cells.WriteWholeTable(t, s, c.dealNo, c.runGoing);
        EXPECT_EQ(cells.txtName(1), c.shown ? "(none)40ScoCo.dat" : "") << c.dealNo;
        EXPECT_EQ(cells.txtName(0), "");
    }
}

TEST(WriteTable, OneDealChangesItsRowAndTheTotalRow) {
    TableCells cells;
    CountingTables t;
    Settings s = Clicked({1, 14});
    Count(t, 0, 17, 2);
    t.EventTable(0, 17, 1) = 1;
    t.EventTable(0, 30, 1) = 1;
    t.EventRate(0, 1) = 1;
    t.DevMean(0, 30) = 2;
    t.DevAbsMean(0, 30) = 2;
    const auto out = cells.WriteTable(t, s, 0, 17, 2, {1, 0, 0});
    std::vector<std::pair<std::int32_t, std::string>> got;
    for (const auto& u : out) got.emplace_back(u.index, u.text);
    EXPECT_EQ(got, (std::vector<std::pair<std::int32_t, std::string>>{
                       {CellIndex(0, 17, -6), "1"},
                       {CellIndex(0, 25, -6), "1"},
                       {CellIndex(0, 17, 2), "1"},
                       {CellIndex(0, 25, 2), "1"},
                       {CellIndex(0, 17, 6), "2.00"},
                       {CellIndex(0, 17, 7), "2.00"},
                       {CellIndex(0, 25, 6), "2.00"},
                       {CellIndex(0, 25, 7), "2.00"},
                       {CellIndex(0, 17, 8), "1"},
                       {CellIndex(0, 25, 8), "1.00"},  // double fit on; solid, chameleon "  0"
                   }));
    EXPECT_EQ(cells.Cell(0, 17, 8), "1");
}

TEST(WriteTable, ChangedCellsAreCollectedOnceUntilTaken) {
    TableCells cells;
    CountingTables t;
    Settings s = Clicked({0});
    Count(t, 0, 17, 1);
    std::vector<CellUpdate> updates;
    cells.WriteTable(t, s, 0, 17, 1, {0, 0, 0}, nullptr);  // the grid alone
    EXPECT_EQ(cells.Cell(0, 17, 1), "1");
    Count(t, 0, 17, 1);
    cells.WriteTable(t, s, 0, 17, 1, {0, 0, 0}, &updates);
    EXPECT_EQ(updates.size(), 8u);  // every write is listed, changed or not
    const auto changed = cells.TakeChanged();
    // The first deal wrote 8 cells; the second changed 4 of them again: each is listed once.
    EXPECT_EQ(std::set<std::int32_t>(changed.begin(), changed.end()).size(), changed.size());
    EXPECT_EQ(changed.size(), 8u);
    EXPECT_EQ(cells.TakeChanged().size(), 0u);
    cells.WriteTable(t, s, 0, 17, 1, {0, 0, 0}, nullptr);  // same texts again
    EXPECT_EQ(cells.TakeChanged().size(), 0u);
    cells.InitLabels();
    EXPECT_EQ(cells.TakeChanged().size(), 8u);
}

TEST(WriteTable, DealsOutsideTheGridOnlyTouchTheTotalRow) {
    TableCells cells;
    CountingTables t;
    Settings s = Clicked({1, 12});
    Count(t, -1, 23, -7);
    t.EventTable(-1, 23, 3) = 1;
    t.EventRate(-1, 3) = 1;
    const auto out = AsMap(cells.WriteTable(t, s, -1, 23, -7, {0, 0, 1}));
    EXPECT_EQ(out, (std::map<std::int32_t, std::string>{
                       {CellIndex(-1, 22, -6), "1"},
                       {CellIndex(-1, 22, 6), "0.00"},
                       {CellIndex(-1, 22, 7), "0.00"},
                       {CellIndex(-1, 22, 8), "0.00"},
                       {CellIndex(-1, 22, 9), "0.00"},
                       {CellIndex(-1, 22, 10), "1.00"},
                   }));
    // Lengths and kinds that the tables have no row for: nothing outside the grid, no crash.
    Count(t, 0, 17, 0);
    EXPECT_EQ(cells.WriteTable(t, s, 3, 17, 0, {0, 0, 0}).size(), 0u);
    for (int L : {-3, 31, 1000}) {
        const auto far = AsMap(cells.WriteTable(t, s, 0, L, 0, {1, 1, 1}));
        EXPECT_EQ(far.count(CellIndex(0, 25, -6)), 1u);
        for (const auto& [i, text] : far) EXPECT_EQ(i / 20, CellIndex(0, 25, -6) / 20) << L;
    }
}

TEST(WriteTable, FiltersAndShortnessChoicesStopAfterTheAverages) {
    CountingTables t;
    Count(t, 0, 16, 0);
    t.EventTable(0, 16, 1) = 1;
    Count(t, -1, 16, 0);
    t.EventTable(-1, 16, 2) = 1;
    TableCells cells;
    auto out = AsMap(cells.WriteTable(t, Clicked({1, 14, 27}), 0, 16, 0, {1, 0, 0}));
    for (int c = 8; c <= 10; ++c) {
        EXPECT_EQ(out.count(CellIndex(0, 16, c)), 0u);
        EXPECT_EQ(out.count(CellIndex(0, 25, c)), 0u);
    }
    EXPECT_EQ(out.at(CellIndex(0, 16, 0)), "1");
    out = AsMap(cells.WriteTable(t, Clicked({1, 23}), -1, 16, 0, {0, 1, 0}));
    for (int c = 8; c <= 10; ++c) EXPECT_EQ(out.count(CellIndex(-1, 16, c)), 0u);
    out = AsMap(cells.WriteTable(t, Clicked({1, 13}), -1, 16, 0, {0, 1, 0}));
    EXPECT_EQ(out.at(CellIndex(-1, 16, 9)), "1");
    EXPECT_EQ(out.count(CellIndex(-1, 16, 8)), 0u);  // only the deal's own events
    EXPECT_EQ(out.at(CellIndex(-1, 22, 9)), "0.00");
}

}  // namespace
}  // namespace lott
