// The texts of the counting-table window's grid (cells indexed by CellIndex, and the file-name
// labels txtName(0..1)): what a full redraw and what one counted deal write into them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "CountingTables.h"
#include "FitOdds.h"
#include "Settings.h"

namespace lott {

struct CellUpdate {
    std::int32_t index;  // CellIndex(kind, length, column); the Total row is TableMaxLen + 1
    std::string text;
};

class TableCells {
  public:
    // The notrump grid ends last, with its Total row at TableEnd(-1).
    static constexpr std::int32_t kCellCount = TableEnd(-1) + 20;

    // Every cell and both name labels empty, as the window shows them after InitLabels.
    void InitLabels();

    // The full redraw: writes every cell that has a value to show and returns the cells written
    // in order. The result file's name goes to txtName(1) whenever no run is going, and during a
    // run at deal 0 or beyond deal 600000.
    std::vector<CellUpdate> WriteWholeTable(const CountingTables& t, const Settings& s,
                                            std::int32_t dealNo, bool runGoing);
    // Every cell again from the tables, as the full redraw writes them, cells that have nothing
    // to show emptied; the names stay. A run ends with it, so that the live table equals what
    // a reader of its result is shown.
    void RewriteCells(const CountingTables& t, const Settings& s);
    // The cells that one counted deal of kind at length L with deviation d and these events
    // changes; they are written and returned in order.
    std::vector<CellUpdate> WriteTable(const CountingTables& t, const Settings& s, int kind, int L,
                                       int d, const std::array<std::int32_t, 3>& events);
    // The same into out (cleared first) when out is given; without it only the grid changes,
    // which is what a live table needs that repaints its changed cells now and then.
    void WriteTable(const CountingTables& t, const Settings& s, int kind, int L, int d,
                    const std::array<std::int32_t, 3>& events, std::vector<CellUpdate>* out);

    const std::string& Cell(std::int32_t index) const;
    const std::string& Cell(int kind, int length, int column) const {
        return Cell(CellIndex(kind, length, column));
    }
    const std::string& txtName(int i) const { return names_[i == 0 ? 0 : 1]; }

    // The cells whose text changed since the last call, each once, in the order they changed.
    std::vector<std::int32_t> TakeChanged();

  private:
    using Updates = std::vector<CellUpdate>*;
    void Put(Updates out, int kind, int L, int c, std::string text);
    void PutCount(Updates out, int kind, int L, int c, float value);
    void SetCell(std::int32_t index, const std::string& text);
    void SuitEventRates(Updates out, const CountingTables& t, const Settings& s);
    void NTEventRates(Updates out, const CountingTables& t, const Settings& s);
    static bool RowEvents(const Settings& s, int kind);

    std::array<std::string, kCellCount> cells_{};
    std::array<bool, kCellCount> changedFlag_{};
    std::vector<std::int32_t> changed_;
    std::array<std::string, 2> names_{};
};

}  // namespace lott
