// The counting tables for other tools: the window's grid as CSV, and a run's tables in full
// precision as CSV and JSON, one row per length and kind, ready to load as a data frame.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "CountingTables.h"
#include "Settings.h"
#include "TableCells.h"

namespace lott {

class TableExport {
  public:
    static constexpr int kMinDev = CountingTables::kMinDev;  // deviation columns -10..27
    static constexpr int kMaxDev = 27;

    // Shortest decimal text that reads back as the same float (plain decimals while they stay
    // short, else an exponent); "0" for zero of either sign; "" for a value that is not finite.
    static std::string Number(float v);

    // The grid as the counting-table window shows it: a heading row ("Block", "Length", then
    // the window's column headings), then per block ("Suit", and "NT" under the Standard
    // preset) one row per length and the Total row, each cell with the window's text.
    static std::string GridCsv(const TableCells& cells, SettingMode settingMode);

    // The column names of ResultCsv, also the keys of a row in ResultJson.
    static std::vector<std::string> Columns();
    // A run's tables: per kind (suit-suit, and suit-notrump under the Standard preset) every
    // length row of the table's span and every other row that holds a count, then the totals
    // row; each row carries the result name and the settings.
    static std::string ResultCsv(const CountingTables& t, const Settings& s,
                                 const std::string& resultName);
    // The same rows under "rows", with "result", "settings" and the header lines once; then the
    // rows' statistics under "stats" and, under the Ostrevan preset, the study beside them under
    // "study".
    static std::string ResultJson(const CountingTables& t, const Settings& s,
                                  const std::string& resultName,
                                  const std::array<std::string, 3>& headers);

    // The statistics columns ResultCsv adds to each row (blank for a row without deals); the
    // table's own "mean" and "error" keep their names, so the statistics' are "stats_mean" and
    // "stats_error".
    static std::vector<std::string> StatsColumns();
    // A double as the shortest decimal text that reads back as the same double.
    static std::string Decimal(double v);

    // A CSV field, quoted when it holds a comma, a quote or a line break.
    static std::string CsvField(std::string_view text);
    // A JSON string literal.
    static std::string JsonString(std::string_view text);

    // Writes text to file (replacing it); false with a one-line reason when it cannot.
    static bool Save(const std::filesystem::path& file, const std::string& text,
                     std::string& error);
};

}  // namespace lott
