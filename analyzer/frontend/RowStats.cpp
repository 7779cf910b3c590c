#include "RowStats.h"

#include <algorithm>
#include <cmath>

namespace lott {

const std::array<StudyRow, 11> Study::kRows = {{{14, 46944, -0.15, 0.63},
                                                {15, 47281, -0.14, 0.64},
                                                {16, 120525, 0.10, 0.70},
                                                {17, 102184, 0.02, 0.75},
                                                {18, 69792, -0.01, 0.83},
                                                {19, 37561, -0.22, 0.87},
                                                {20, 15845, -0.50, 0.99},
                                                {21, 5041, -0.89, 1.20},
                                                {22, 1286, -1.31, 1.48},
                                                {23, 237, -1.78, 1.83},
                                                {24, 45, -2.22, 2.27}}};

std::optional<StudyRow> Study::At(int length) {
    for (const StudyRow& r : kRows)
        if (r.length == length) return r;
    return std::nullopt;
}

Interval RowStats::Wilson(double p, double n) {
    const double z2 = kZ * kZ;
    const double denominator = 1 + z2 / n;
    const double centre = (p + z2 / (2 * n)) / denominator;
    const double half = kZ / denominator * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n));
    // At p = 0 and 1 one end is exact in theory; keep rounding from putting it outside 0..1.
    return {p <= 0 ? 0.0 : std::max(0.0, centre - half),
            p >= 1 ? 1.0 : std::min(1.0, centre + half)};
}

RowStats RowStats::FromWeights(int length, const Weights& w) {
    RowStats r;
    r.length = length;
    auto at = [&w](int d) { return w[static_cast<std::size_t>(d - kMinDev)]; };
    double sum = 0, abs = 0;
    for (int d = kMinDev; d <= kMaxDev; ++d) {
        r.n += at(d);
        sum += at(d) * d;
        abs += at(d) * std::abs(d);
    }
    r.thin = r.n < kThin;
    if (r.n <= 0) return r;
    r.mean = sum / r.n;
    r.error = abs / r.n;
    if (r.n > 1) {
        double squares = 0;
        for (int d = kMinDev; d <= kMaxDev; ++d) squares += at(d) * (d - r.mean) * (d - r.mean);
        r.sd = std::sqrt(squares / (r.n - 1));
    }
    const double half = kZ * r.sd / std::sqrt(r.n);
    r.ci95 = {r.mean - half, r.mean + half};
    r.exact = at(0) / r.n;
    r.exact_ci95 = Wilson(r.exact, r.n);
    r.within_one = (at(-1) + at(0) + at(1)) / r.n;
    r.within_one_ci95 = Wilson(r.within_one, r.n);
    return r;
}

RowStats RowStats::Of(const CountingTables& t, int kind, int length) {
    Weights w{};
    double slack = 1e-3;  // each cell read back from a result file may be rounded by a half
    for (int d = kMinDev; d <= kMaxDev; ++d) {
        w[static_cast<std::size_t>(d - kMinDev)] = t.DevTable(kind, length, d);
        if (t.DevTable(kind, length, d) != 0) slack += 0.5;
    }
    RowStats r = FromWeights(length, w);
    // The suit-suit grand total is rounded as it grows, so the total row is judged by its rows.
    if (length < CountingTables::kMaxLen) r.partial = r.n < t.DevTable(kind, length, 30) - slack;
    return r;
}

std::vector<RowStats> RowStats::Rows(const CountingTables& t, int kind) {
    std::vector<RowStats> rows;
    for (int L = 0; L <= CountingTables::kMaxLen; ++L) {
        RowStats r = Of(t, kind, L);
        if (L == CountingTables::kMaxLen)
            r.partial = std::any_of(rows.begin(), rows.end(), [](auto& x) { return x.partial; });
        if (r.n > 0) rows.push_back(r);
    }
    return rows;
}

std::vector<StudyComparison> StudyComparison::Of(const std::vector<RowStats>& suitRows) {
    std::vector<StudyComparison> c;
    for (const RowStats& r : suitRows)
        if (const auto s = Study::At(r.length); s && !r.total()) c.push_back({*s, r.mean, r.ci95});
    return c;
}

}  // namespace lott
