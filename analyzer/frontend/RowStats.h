// How sure each row of the counting tables is: the weighted mean deviation with its spread and
// 95 % interval, how often the Law is exact or within one trick (with Wilson intervals) and the
// average error, computed in double precision from a row's per-deviation weights; and the
// published double-dummy study of 1996 to hold a run against.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "CountingTables.h"

namespace lott {

struct Interval {
    double low = 0;
    double high = 0;
    bool Contains(double x) const { return x >= low && x <= high; }
};

struct RowStats {
    static constexpr double kZ = 1.959964;  // two-sided 95 %
    static constexpr double kThin = 30;     // fewer deals than this: a thin row
    static constexpr int kMinDev = CountingTables::kMinDev;
    static constexpr int kMaxDev = 27;  // rows 28..30 of DevTable hold sums, not deviations
    using Weights = std::array<double, kMaxDev - kMinDev + 1>;  // deviation -10..27

    int length = 0;  // Total Trumps, or CountingTables::kMaxLen for the kind's total row
    double n = 0;
    double mean = 0;
    double sd = 0;
    Interval ci95;
    double exact = 0;
    Interval exact_ci95;
    double within_one = 0;
    Interval within_one_ci95;
    double error = 0;
    bool thin = true;
    // The row's deviation weights fall short of its deal count: a result file keeps deviations
    // -6..+6 only, so statistics read back from one miss the deals beyond them. The total row
    // is partial when one of its rows is (as Rows finds).
    bool partial = false;

    bool total() const { return length == CountingTables::kMaxLen; }

    // The statistics of one row of weights; n = 0 gives zeros.
    static RowStats FromWeights(int length, const Weights& w);
    // Row length of a kind's DevTable (kMaxLen: the total row).
    static RowStats Of(const CountingTables& t, int kind, int length);
    // The rows of a kind with deals, in ascending length, the total row last (when it has deals).
    static std::vector<RowStats> Rows(const CountingTables& t, int kind);
    // The 95 % Wilson score interval of a proportion p observed over n (n > 0).
    static Interval Wilson(double p, double n);
};

// The double-dummy study of 1996: 446,741 deals, longest fits, each played from the better side.
struct StudyRow {
    int length;
    int deals;
    double mean;
    double error;
};

struct Study {
    static constexpr int kDeals = 446741;
    static constexpr double kMean = -0.05;
    static constexpr double kError = 0.75;
    static constexpr double kExact = 0.400;
    static constexpr double kWithinOne = 0.869;
    static const std::array<StudyRow, 11> kRows;  // Total Trumps 14..24

    static std::optional<StudyRow> At(int length);
};

// A suit row of a run beside the study's row of the same Total Trumps.
struct StudyComparison {
    StudyRow study;
    double mean;  // the run's
    Interval ci95;
    double difference() const { return mean - study.mean; }
    bool inside() const { return ci95.Contains(study.mean); }

    // Every suit-suit length row of the run the study also has.
    static std::vector<StudyComparison> Of(const std::vector<RowStats>& suitRows);
};

}  // namespace lott
