#include "GraphLayout.h"

#include <algorithm>
#include <cmath>

namespace lott {

void GraphLayout::SetScale(int first, int last) {
    GraphBase = first;
    GraphOffset = 0.02f;
    GraphStep = 0.38f / static_cast<float>(last - first);
}

float GraphLayout::YLoc(float tricks) const {
    return -((tricks - static_cast<float>(GraphBase)) * GraphStep + GraphOffset);
}

std::vector<GraphLayout::Bar> GraphLayout::Bars(const CountingTables& t, int kind, int first,
                                                int last) {
    std::vector<Bar> bars;
    const double total = t.DevTable(kind, 30, 30);
    for (int L = first; L <= last; ++L) {
        const double count = t.DevTable(kind, L, 30);
        // A damaged result may hold more in a row than in all rows together, or less than none.
        double share = total > 0 && count > 0 ? count / total : 0.0;
        bars.push_back(Bar{L, std::min(share, 1.0)});
    }
    return bars;
}

std::vector<GraphLayout::Mark> GraphLayout::Marks(const CountingTables& t, int kind, int first,
                                                  int last, int errLast) const {
    std::vector<Mark> marks;
    const double total = t.DevTable(kind, 30, 30);
    for (int L = first; L <= last; ++L) {
        const double count = t.DevTable(kind, L, 30);
        if (!(count > 0.01 * total) || count <= 0) continue;
        const float m = static_cast<float>(L) + t.DevMean(kind, L);
        const double y = YLoc(m);
        if (!OnChart(y)) continue;
        Mark mark{L, y, L <= errLast, y, y};
        if (mark.errorBar) {
            const float err = std::fabs(t.DevAbsMean(kind, L));
            mark.yTop = std::max<double>(YLoc(m + err), kTop);
            mark.yBottom = std::min<double>(YLoc(m - err), kBottom);
        }
        marks.push_back(mark);
    }
    return marks;
}

std::int64_t GraphLayout::DealsShown(float total) {
    // Rounded as the result file rounds counts; a damaged file's total is kept in bounds.
    const double n = std::floor(static_cast<double>(total) + 0.5);
    if (!(n > 0)) return 0;
    return static_cast<std::int64_t>(std::min(n, 1e15));
}

}  // namespace lott
