#include "TableText.h"

#include <iomanip>
#include <sstream>

#include "FitOdds.h"
#include "TableCells.h"

namespace lott {

std::string TableText(const CountingTables& tables, const Settings& settings,
                      const std::array<std::string, 3>& headers) {
    TableCells cells;
    cells.InitLabels();
    cells.WriteWholeTable(tables, settings, 0, false);
    std::ostringstream t;
    for (const auto& h : headers) t << h << "\n";
    auto cell = [&](const std::string& s) { t << std::setw(8) << s; };
    auto heading = [&](const char* block) {
        t << "\n" << std::left << std::setw(8) << block << std::right;
        for (const char* h : {"Samples", "-5", "-4", "-3", "-2", "-1", "0", "+1", "+2", "+3", "+4",
                              "+5", "Average", "Error", "DbleFit", "AKQ", "Cham"})
            cell(h);
        t << "\n";
    };
    const int kinds[2] = {0, -1};
    for (int kind : kinds) {
        if (kind == -1 && settings.SettingMode != SettingMode::Standard) break;
        heading(kind == 0 ? "[Suit]" : "[NT]");
        for (int L = TableMinLen(kind); L <= TableMaxLen(kind) + 1; ++L) {
            t << std::left << std::setw(8) << (L > TableMaxLen(kind) ? "Total" : std::to_string(L))
              << std::right;
            for (int c = -6; c <= 10; ++c) cell(cells.Cell(kind, L, c));
            t << "\n";
        }
    }
    if (!cells.txtName(1).empty()) t << "\n" << cells.txtName(1) << "\n";
    return t.str();
}

}  // namespace lott
