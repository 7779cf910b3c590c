// The research report of one result: a single self-contained HTML5 page with the settings, both
// counting tables, the graph as inline SVG, the statistics of every row and, under the Ostrevan
// preset, the published study beside the run.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "CountingTables.h"
#include "Settings.h"

namespace lott {

struct ReportInput {
    const CountingTables& tables;
    const Settings& settings;
    std::string resultName;
    std::array<std::string, 3> headers;
    std::string svg;                // the graph as an SVG document; "" leaves the graph out
    std::int64_t libraryDeals = 0;  // deals in the library; 0 when not known
};

class ResearchReport {
  public:
    static std::string Html(const ReportInput& in);
    // Text made safe for HTML content and attribute values.
    static std::string Escape(const std::string& text);
    // How the statistics are shown: fixed decimals, and proportions as percentages.
    static std::string Fixed(double v, int decimals);
};

}  // namespace lott
