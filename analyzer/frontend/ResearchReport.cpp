#include "ResearchReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "Indices.h"
#include "OptionNames.h"
#include "RowStats.h"
#include "TableCells.h"

namespace lott {

namespace {

const char* const kStyle =
    "body{font-family:Arial,'Liberation Sans',sans-serif;margin:1.5em;color:#000}"
    "table{border-collapse:collapse;margin:0.5em 0 1.5em}"
    "th,td{border:1px solid #999;padding:2px 6px;text-align:right}"
    "th{background:#e0e0ff}td.l,th.l{text-align:left}"
    "tr.thin td{color:#888;font-style:italic}"
    "caption{text-align:left;font-weight:bold;padding-bottom:4px}"
    "p.note{max-width:60em}";

std::string Cell(const std::string& text, const char* tag = "td") {
    return std::string("<") + tag + ">" + ResearchReport::Escape(text) + "</" + tag + ">";
}

std::string Deals(double n) {
    return n == std::floor(n) ? ResearchReport::Fixed(n, 0) : ResearchReport::Fixed(n, 2);
}

std::string Range(const Interval& i, int decimals, double scale = 1) {
    return ResearchReport::Fixed(i.low * scale, decimals) + " .. " +
           ResearchReport::Fixed(i.high * scale, decimals);
}

std::string LengthName(int length) {
    return length == CountingTables::kMaxLen ? "Total" : std::to_string(length);
}

// The counting table of a kind as the table window shows it.
void CountingTable(std::string& h, const TableCells& cells, int kind) {
    h += std::string("<table id=\"counts-") + (kind == KindSuit ? "suit" : "nt") + "\"><caption>" +
         (kind == KindSuit ? "Suit against suit" : "Suit against notrump") +
         "</caption>\n<tr><th class=\"l\">Length</th>";
    for (const char* c : {"Samples", "-5", "-4", "-3", "-2", "-1", "0", "+1", "+2", "+3", "+4",
                          "+5", "Average", "Error", "DbleFit", "AKQ", "Cham"})
        h += Cell(c, "th");
    h += "</tr>\n";
    for (int L = TableMinLen(kind); L <= TableMaxLen(kind) + 1; ++L) {
        h += "<tr><td class=\"l\">" +
             (L > TableMaxLen(kind) ? std::string("Total") : std::to_string(L)) + "</td>";
        for (int c = -6; c <= 10; ++c) h += Cell(cells.Cell(kind, L, c));
        h += "</tr>\n";
    }
    h += "</table>\n";
}

void StatsTable(std::string& h, const std::vector<RowStats>& rows, int kind) {
    h += std::string("<table id=\"stats-") + (kind == KindSuit ? "suit" : "nt") + "\"><caption>" +
         (kind == KindSuit ? "Statistics, suit against suit" : "Statistics, suit against notrump") +
         "</caption>\n<tr><th class=\"l\">Length</th>";
    for (const char* c : {"n", "Mean", "SD", "95 % CI of the mean", "Exact %", "95 % CI",
                          "Within one %", "95 % CI", "Average error", "Thin"})
        h += Cell(c, "th");
    h += "</tr>\n";
    for (const RowStats& r : rows) {
        h += r.thin ? "<tr class=\"thin\">" : "<tr>";
        h += "<td class=\"l\">" + LengthName(r.length) + "</td>" + Cell(Deals(r.n)) +
             Cell(ResearchReport::Fixed(r.mean, 3)) + Cell(ResearchReport::Fixed(r.sd, 3)) +
             Cell(Range(r.ci95, 3)) + Cell(ResearchReport::Fixed(100 * r.exact, 1)) +
             Cell(Range(r.exact_ci95, 1, 100)) +
             Cell(ResearchReport::Fixed(100 * r.within_one, 1)) +
             Cell(Range(r.within_one_ci95, 1, 100)) + Cell(ResearchReport::Fixed(r.error, 3)) +
             Cell(r.partial ? "partial"
                  : r.thin  ? "thin"
                            : "") +
             "</tr>\n";
    }
    h += "</table>\n";
}

void StudyTable(std::string& h, const std::vector<RowStats>& suit) {
    h += "<table id=\"study\"><caption>The run beside the double-dummy study of 1996 (" +
         Deals(Study::kDeals) +
         " deals; overall mean -0.05, average error 0.75, exact 40.0 %, within one 86.9 %)"
         "</caption>\n<tr><th class=\"l\">Length</th>";
    for (const char* c : {"Study deals", "Study mean", "Study error", "Run mean", "Run 95 % CI",
                          "Difference", "Study mean inside"})
        h += Cell(c, "th");
    h += "</tr>\n";
    for (const StudyComparison& c : StudyComparison::Of(suit)) {
        h += "<tr><td class=\"l\">" + std::to_string(c.study.length) + "</td>" +
             Cell(Deals(c.study.deals)) + Cell(ResearchReport::Fixed(c.study.mean, 2)) +
             Cell(ResearchReport::Fixed(c.study.error, 2)) +
             Cell(ResearchReport::Fixed(c.mean, 3)) + Cell(Range(c.ci95, 3)) +
             Cell(ResearchReport::Fixed(c.difference(), 3)) + Cell(c.inside() ? "yes" : "no") +
             "</tr>\n";
    }
    h += "</table>\n";
}

}  // namespace

std::string ResearchReport::Escape(const std::string& text) {
    std::string e;
    for (char c : text) {
        switch (c) {
            case '&':
                e += "&amp;";
                break;
            case '<':
                e += "&lt;";
                break;
            case '>':
                e += "&gt;";
                break;
            case '"':
                e += "&quot;";
                break;
            default:
                e += c;
        }
    }
    return e;
}

std::string ResearchReport::Fixed(double v, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    std::string s = buf;
    // A value that rounds to zero is shown without a sign.
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

std::string ResearchReport::Html(const ReportInput& in) {
    const Settings& s = in.settings;
    const bool standard = s.SettingMode == SettingMode::Standard;
    std::string h =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
        Escape("Trickscan report: " + in.resultName) + "</title>\n<style>" + kStyle +
        "</style>\n</head>\n<body>\n<h1>" + Escape(in.resultName) + "</h1>\n";
    for (const std::string& line : in.headers)
        if (!line.empty()) h += "<p>" + Escape(line) + "</p>\n";

    h += "<table id=\"settings\"><caption>Settings</caption>\n";
    for (std::string_view setting : OptionNames::SettingNames()) {
        const std::string value = OptionNames::Selected(s, setting);
        if (!value.empty())
            h += "<tr><th class=\"l\">" + Escape(std::string(setting)) + "</th><td class=\"l\">" +
                 Escape(value) + "</td></tr>\n";
    }
    h += "</table>\n<p id=\"deals\">Deals counted: " +
         Deals(in.tables.DevTable(KindSuit, CountingTables::kMaxLen, 30)) + " suit against suit";
    if (standard)
        h += ", " + Deals(in.tables.DevTable(KindNT, CountingTables::kMaxLen, 30)) +
             " suit against notrump";
    if (in.libraryDeals > 0)
        h += ", of a library of " + Deals(static_cast<double>(in.libraryDeals)) + " deals";
    h += ".</p>\n<h2>Counting tables</h2>\n";
    TableCells cells;
    cells.InitLabels();
    cells.WriteWholeTable(in.tables, s, 0, false);
    CountingTable(h, cells, KindSuit);
    if (standard) CountingTable(h, cells, KindNT);

    if (const auto at = in.svg.find("<svg"); at != std::string::npos)
        h += "<h2>Graph</h2>\n<figure>\n" + in.svg.substr(at) + "\n</figure>\n";

    h += "<h2>Statistics of each row</h2>\n";
    const std::vector<RowStats> suit = RowStats::Rows(in.tables, KindSuit);
    StatsTable(h, suit, KindSuit);
    if (standard) StatsTable(h, RowStats::Rows(in.tables, KindNT), KindNT);
    h += "<p class=\"note\">Each row is computed from its weighted counts per deviation d = Total "
         "Tricks - Total Trumps (-10..27): n is the sum of the weights, the mean and the average "
         "error are the weighted means of d and |d|, SD is the weighted sample deviation, and the "
         "95 % interval of the mean is mean &plusmn; 1.959964 SD / &radic;n. Exact and within one "
         "are the shares of the weight at d = 0 and at |d| &le; 1, each with its 95 % Wilson score "
         "interval; rows of fewer than 30 deals are thin (grey, marked), and their figures are "
         "only indicative.</p>\n";
    auto partial = [](const std::vector<RowStats>& rows) {
        return std::any_of(rows.begin(), rows.end(), [](const RowStats& r) { return r.partial; });
    };
    if (partial(suit) || (standard && partial(RowStats::Rows(in.tables, KindNT))))
        h += "<p class=\"note\"><strong>Rows marked partial were read back from a result file, "
             "which keeps deviations -6..+6 only; their figures miss the deals beyond them. Run "
             "the analysis (trickscan-batch --report) for exact statistics.</strong></p>\n";
    if (s.SettingMode == SettingMode::Ostrevan) {
        h += "<h2>The published study</h2>\n";
        StudyTable(h, suit);
    }
    h += "</body>\n</html>\n";
    return h;
}

}  // namespace lott
