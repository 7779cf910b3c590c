// A result file read by Fin under settings chosen by the input, then shown: the table window's
// cells and the graph's bars, marks and deal counts. What the reader takes in, written out and
// read again, must come back unchanged after one round.
#include <cmath>

#include "FuzzCheck.h"
#include "GraphLayout.h"
#include "ResultFile.h"
#include "TableCells.h"

using namespace lott;

namespace {

void CheckShown(const CountingTables& t, const Settings& s) {
    TableCells cells;
    cells.InitLabels();
    for (const CellUpdate& u : cells.WriteWholeTable(t, s, 0, false)) {
        FUZZ_CHECK(u.index >= 0 && u.index < TableCells::kCellCount);
        FUZZ_CHECK(u.text.size() <= 14);  // +-1e9 with two decimals at most
        FUZZ_CHECK(cells.Cell(u.index) == u.text);
    }
    // The graph windows: the Ostrevan chart, and both charts of the Standard window.
    for (int kind : {0, -1}) {
        const int last = kind == 0 ? 23 : 18;
        for (const GraphLayout::Bar& b : GraphLayout::Bars(t, kind, 14, last))
            FUZZ_CHECK(b.share >= 0 && b.share <= 1);
        GraphLayout layout;
        layout.SetScale(14, 23);
        for (const GraphLayout::Mark& m : layout.Marks(t, kind, 14, last, kind == 0 ? 21 : 17)) {
            FUZZ_CHECK(GraphLayout::OnChart(m.y));
            FUZZ_CHECK(m.yTop >= GraphLayout::kTop && m.yTop <= m.y + 1e-6);
            FUZZ_CHECK(m.yBottom <= GraphLayout::kBottom && m.yBottom >= m.y - 1e-6);
        }
        const std::int64_t deals = GraphLayout::DealsShown(t.DevTable(kind, 30, 30));
        FUZZ_CHECK(deals >= 0 && deals <= 1000000001);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ByteReader in(data, size);
    Settings s;
    fuzz::ChooseSettings(in, s);
    if (s.SettingMode == SettingMode::None) return 0;
    const std::string_view text = in.Rest();

    CountingTables t;
    std::array<std::string, 3> head;
    const FinResult r = FinText(text, t, s, head);
    FUZZ_CHECK(r.found);
    FUZZ_CHECK(r.lines >= 0 && r.lines <= 3 + 17 + 13);
    FUZZ_CHECK(!r.complete || r.lines == (s.SettingMode == SettingMode::Standard ? 33 : 20));
    for (const auto& h : head) FUZZ_CHECK(h.find('\n') == std::string::npos);
    ClampForShowing(t);
    CheckShown(t, s);

    // Written and read twice: the second reading gives back what the first one wrote.
    std::array<std::string, 3> head2, head3;
    CountingTables t2, t3;
    const std::string once = ResultFileText(t, s, head);
    FUZZ_CHECK(FinText(once, t2, s, head2).complete);
    const std::string twice = ResultFileText(t2, s, head2);
    FUZZ_CHECK(FinText(twice, t3, s, head3).complete);
    FUZZ_CHECK(ResultFileText(t3, s, head3) == twice);
    return 0;
}
