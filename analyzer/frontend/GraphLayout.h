// Where the graph window's charts put what a result holds, in chart units and without Qt: the
// frequency bars, the average marks with their error bars, and the deal counts of the titles.
#pragma once

#include <cstdint>
#include <vector>

#include "CountingTables.h"

namespace lott {

class GraphLayout {
  public:
    static constexpr double kTop = -0.55;   // the picture's top edge in chart units
    static constexpr double kBottom = 0.3;  // and its bottom edge

    struct Bar {
        int length;
        double share;  // 0..1 of the chart's deals, drawn upwards from 0
    };
    struct Mark {
        int length;
        double y;              // the average's height, on the chart
        bool errorBar;         // drawn with an error bar
        double yTop, yBottom;  // its ends, within the picture
    };

    // The vertical scale of Total Tricks: first Total Trumps value at the bottom, last at the top.
    void SetScale(int first, int last);
    float YLoc(float tricks) const;

    static std::vector<Bar> Bars(const CountingTables& t, int kind, int first, int last);
    // Averages of the lengths that hold more than 1 % of the deals and land on the chart.
    std::vector<Mark> Marks(const CountingTables& t, int kind, int first, int last,
                            int errLast) const;
    // A chart's deal count as its title shows it: the grand total rounded, never negative.
    static std::int64_t DealsShown(float total);
    static bool OnChart(double y) { return y >= kTop && y <= kBottom; }

    int GraphBase = 14;
    float GraphStep = 0.38f / 9.0f;
    float GraphOffset = 0.02f;
};

}  // namespace lott
