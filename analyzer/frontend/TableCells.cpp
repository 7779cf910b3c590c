#include "TableCells.h"

#include <cmath>
#include <utility>

#include "NumberFormat.h"
#include "Rounding.h"

namespace lott {
namespace {

int TotalRow(int kind) {
    return TableMaxLen(kind) + 1;
}
bool InRange(int kind, int L) {
    return L >= TableMinLen(kind) && L <= TableMaxLen(kind);
}

}  // namespace

void TableCells::InitLabels() {
    for (std::int32_t i = 0; i < kCellCount; ++i) SetCell(i, std::string());
    for (auto& n : names_) n.clear();
}

void TableCells::SetCell(std::int32_t index, const std::string& text) {
    const auto i = static_cast<std::size_t>(index);
    if (cells_[i] == text) return;
    cells_[i] = text;
    if (!changedFlag_[i]) {
        changedFlag_[i] = true;
        changed_.push_back(index);
    }
}

std::vector<std::int32_t> TableCells::TakeChanged() {
    for (std::int32_t i : changed_) changedFlag_[static_cast<std::size_t>(i)] = false;
    return std::exchange(changed_, {});
}

const std::string& TableCells::Cell(std::int32_t index) const {
    static const std::string kNone;
    if (index < 0 || index >= kCellCount) return kNone;
    return cells_[static_cast<std::size_t>(index)];
}

void TableCells::Put(Updates out, int kind, int L, int c, std::string text) {
    const std::int32_t index = CellIndex(kind, L, c);
    SetCell(index, text);
    if (out) out->push_back(CellUpdate{index, std::move(text)});
}

// A count cell is written only when its rounded value is not 0.
void TableCells::PutCount(Updates out, int kind, int L, int c, float value) {
    const std::int32_t n = Round(value);
    if (n != 0) Put(out, kind, L, c, std::to_string(n));
}

// Event columns of the length rows: not under a filter (suit-suit) or a shortness choice
// (suit-notrump); and only with corrections (suit-suit) or a choice other than (7,7,7).
bool TableCells::RowEvents(const Settings& s, int kind) {
    if (s.SpecialFlags[static_cast<std::size_t>(kind + 1)]) return false;
    return kind == -1 ? !s.Selected(Opt::NTQuenby) : !s.CorrCode.empty();
}

void TableCells::SuitEventRates(Updates out, const CountingTables& t, const Settings& s) {
    if (s.SpecialFlags[1]) return;
    const int row = TotalRow(0);
    if (!s.Selected(Opt::DoubleFitOff)) Put(out, 0, row, 8, Fixed2(t.EventRate(0, 1)));
    if (!s.Selected(Opt::SolidTrumpOff)) Put(out, 0, row, 9, Fixed2(t.EventRate(0, 2)));
    if (!s.Selected(Opt::ChameleonOff)) Put(out, 0, row, 10, Fixed2(t.EventRate(0, 3)));
}

void TableCells::NTEventRates(Updates out, const CountingTables& t, const Settings& s) {
    if (s.NTFormula == 0) return;
    for (int e = 1; e <= 3; ++e) Put(out, -1, TotalRow(-1), 7 + e, Fixed2(t.EventRate(-1, e)));
}

std::vector<CellUpdate> TableCells::WriteWholeTable(const CountingTables& t, const Settings& s,
                                                    std::int32_t dealNo, bool runGoing) {
    std::vector<CellUpdate> list;
    list.reserve(400);
    const Updates out = &list;
    const bool standard = s.SettingMode == SettingMode::Standard;
    for (int k : {-1, 0}) {
        if (k == -1 && !standard) continue;
        for (int L = TableMinLen(k); L <= TableMaxLen(k); ++L) {
            PutCount(out, k, L, -6, t.DevTable(k, L, 30));
            for (int c = -5; c <= 5; ++c) PutCount(out, k, L, c, t.DevTable(k, L, c));
            // Averages only for a row with at least one whole deal.
            if (std::trunc(t.DevTable(k, L, 30)) != 0.0f) {
                Put(out, k, L, 6, Fixed2(t.DevMean(k, L)));
                Put(out, k, L, 7, Fixed2(t.DevAbsMean(k, L)));
            }
            if (RowEvents(s, k))
                for (int e = 1; e <= 3; ++e) PutCount(out, k, L, 7 + e, t.EventTable(k, L, e));
        }
        const int row = TotalRow(k);
        Put(out, k, row, -6, std::to_string(Round(t.DevTable(k, 30, 30))));  // even when 0
        for (int c = -5; c <= 5; ++c) PutCount(out, k, row, c, t.DevTable(k, 30, c));
        Put(out, k, row, 6, Fixed2(t.DevMean(k, 30)));
        Put(out, k, row, 7, Fixed2(t.DevAbsMean(k, 30)));
    }
    SuitEventRates(out, t, s);
    if (standard) NTEventRates(out, t, s);
    // The name of the stored result; a run only shows it at its very start or near its end.
    if (!runGoing || dealNo == 0 || dealNo > 600000) names_[1] = s.ResultName + ".dat";
    return list;
}

void TableCells::RewriteCells(const CountingTables& t, const Settings& s) {
    const auto names = names_;
    InitLabels();
    WriteWholeTable(t, s, 0, false);
    names_ = names;
}

std::vector<CellUpdate> TableCells::WriteTable(const CountingTables& t, const Settings& s, int kind,
                                               int L, int d,
                                               const std::array<std::int32_t, 3>& events) {
    std::vector<CellUpdate> out;
    out.reserve(14);
    WriteTable(t, s, kind, L, d, events, &out);
    return out;
}

void TableCells::WriteTable(const CountingTables& t, const Settings& s, int kind, int L, int d,
                            const std::array<std::int32_t, 3>& events, Updates out) {
    if (out) out->clear();
    if (kind != 0 && kind != -1) return;
    const bool inRange = InRange(kind, L);
    const int row = TotalRow(kind);
    if (inRange) PutCount(out, kind, L, -6, t.DevTable(kind, L, 30));
    PutCount(out, kind, row, -6, t.DevTable(kind, 30, 30));
    if (d >= -5 && d <= 5) {
        if (inRange) PutCount(out, kind, L, d, t.DevTable(kind, L, d));
        PutCount(out, kind, row, d, t.DevTable(kind, 30, d));
    }
    if (inRange && std::trunc(t.DevTable(kind, L, 30)) != 0.0f) {  // as the whole table has it
        Put(out, kind, L, 6, Fixed2(t.DevMean(kind, L)));
        Put(out, kind, L, 7, Fixed2(t.DevAbsMean(kind, L)));
    }
    Put(out, kind, row, 6, Fixed2(t.DevMean(kind, 30)));
    Put(out, kind, row, 7, Fixed2(t.DevAbsMean(kind, 30)));
    if (s.SpecialFlags[static_cast<std::size_t>(kind + 1)]) return;
    if (inRange && RowEvents(s, kind)) {
        for (int e = 1; e <= 3; ++e)
            if (events[static_cast<std::size_t>(e - 1)] != 0)
                PutCount(out, kind, L, 7 + e, t.EventTable(kind, L, e));
    }
    if (kind == 0)
        SuitEventRates(out, t, s);
    else
        NTEventRates(out, t, s);
}

}  // namespace lott
