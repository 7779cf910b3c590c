#include "TableExport.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "FileWriter.h"
#include "FitOdds.h"
#include "Indices.h"
#include "OptionNames.h"
#include "RowStats.h"

namespace lott {

namespace {

constexpr const char* kEol = "\r\n";

// Appends the pieces to s (appending avoids a false overflow warning of g++ 12 on
// "literal" + std::string).
template <class... Pieces>
void Append(std::string& s, const Pieces&... pieces) {
    (s.append(std::string_view(pieces)), ...);
}

// One row of a run's tables as the CSV and the JSON write it.
struct Row {
    int kind = 0;
    bool total = false;
    int length = 0;
    float deals = 0;
    std::array<float, TableExport::kMaxDev - TableExport::kMinDev + 1> dev{};
    float mean = 0;
    float error = 0;
    std::array<float, 3> events{};
    std::array<float, 3> rates{};  // the totals row only
};

bool HasCounts(const CountingTables& t, int kind, int L) {
    if (t.DevTable(kind, L, 30) != 0) return true;
    for (int d = TableExport::kMinDev; d <= TableExport::kMaxDev; ++d)
        if (t.DevTable(kind, L, d) != 0) return true;
    for (int e = 1; e <= 3; ++e)
        if (t.EventTable(kind, L, e) != 0) return true;
    return false;
}

Row MakeRow(const CountingTables& t, int kind, int L) {
    Row r;
    r.kind = kind;
    r.total = L == CountingTables::kMaxLen;
    r.length = L;
    r.deals = t.DevTable(kind, L, 30);
    for (int d = TableExport::kMinDev; d <= TableExport::kMaxDev; ++d)
        r.dev[static_cast<std::size_t>(d - TableExport::kMinDev)] = t.DevTable(kind, L, d);
    r.mean = t.DevMean(kind, L);
    r.error = t.DevAbsMean(kind, L);
    for (int e = 1; e <= 3; ++e) {
        r.events[static_cast<std::size_t>(e - 1)] = t.EventTable(kind, L, e);
        if (r.total) r.rates[static_cast<std::size_t>(e - 1)] = t.EventRate(kind, e);
    }
    return r;
}

// Suit-suit rows, then suit-notrump rows under the Standard preset (the kinds a result file
// holds). Rows outside the table's span appear only when something was counted there.
std::vector<Row> Rows(const CountingTables& t, const Settings& s) {
    std::vector<Row> rows;
    for (int kind : {KindSuit, KindNT}) {
        if (kind == KindNT && s.SettingMode != SettingMode::Standard) break;
        for (int L = 0; L < CountingTables::kMaxLen; ++L) {
            const bool inSpan = L >= TableMinLen(kind) - 1 && L <= TableMaxLen(kind) + 1;
            if (inSpan || HasCounts(t, kind, L)) rows.push_back(MakeRow(t, kind, L));
        }
        rows.push_back(MakeRow(t, kind, CountingTables::kMaxLen));
    }
    return rows;
}

std::string ColumnName(std::string_view setting) {
    std::string c(setting);
    for (char& ch : c)
        if (ch == '-') ch = '_';
    return c;
}

const char* KindName(int kind) {
    return kind == KindSuit ? "Suit" : "NT";
}

// The values of a row in the order of Columns(), after the settings; "" stands for no value.
std::vector<std::string> RowValues(const Row& r) {
    std::vector<std::string> v = {KindName(r.kind), r.total ? "total" : "length",
                                  r.total ? "" : std::to_string(r.length),
                                  TableExport::Number(r.deals)};
    for (float x : r.dev) v.push_back(TableExport::Number(x));
    v.push_back(TableExport::Number(r.mean));
    v.push_back(TableExport::Number(r.error));
    for (float x : r.events) v.push_back(TableExport::Number(x));
    for (float x : r.rates) v.push_back(r.total ? TableExport::Number(x) : "");
    return v;
}

// The statistics cells of a CSV row, in the order of StatsColumns().
std::vector<std::string> StatsValues(const RowStats& r) {
    if (r.n <= 0) return std::vector<std::string>(TableExport::StatsColumns().size());
    std::vector<std::string> v;
    for (double x :
         {r.n, r.mean, r.sd, r.ci95.low, r.ci95.high, r.exact, r.exact_ci95.low, r.exact_ci95.high,
          r.within_one, r.within_one_ci95.low, r.within_one_ci95.high, r.error})
        v.push_back(std::isfinite(x) ? TableExport::Decimal(x) : std::string());
    v.push_back(r.thin ? "true" : "false");
    return v;
}

std::string JsonInterval(const Interval& i) {
    return "[" + TableExport::Decimal(i.low) + ", " + TableExport::Decimal(i.high) + "]";
}

std::string StatsJson(const RowStats& r) {
    std::string j;
    Append(j, "{\"length\": ", r.total() ? std::string("\"total\"") : std::to_string(r.length),
           ", \"n\": ", TableExport::Decimal(r.n), ", \"mean\": ", TableExport::Decimal(r.mean),
           ", \"sd\": ", TableExport::Decimal(r.sd), ", \"ci95\": ", JsonInterval(r.ci95));
    Append(j, ", \"exact\": ", TableExport::Decimal(r.exact),
           ", \"exact_ci95\": ", JsonInterval(r.exact_ci95),
           ", \"within_one\": ", TableExport::Decimal(r.within_one),
           ", \"within_one_ci95\": ", JsonInterval(r.within_one_ci95));
    Append(j, ", \"error\": ", TableExport::Decimal(r.error),
           ", \"thin\": ", r.thin ? "true" : "false", "}");
    return j;
}

template <class T, class F>
std::string JsonList(const std::vector<T>& items, F write) {
    std::string j = "[";
    for (std::size_t i = 0; i < items.size(); ++i)
        Append(j, i ? "," : "", kEol, "      ", write(items[i]));
    return j + (items.empty() ? "]" : std::string(kEol) + "    ]");
}

}  // namespace

std::string TableExport::Decimal(double v) {
    if (!std::isfinite(v)) return "null";
    if (v == 0.0) return "0";
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::vector<std::string> TableExport::StatsColumns() {
    return {"n",
            "stats_mean",
            "sd",
            "ci95_low",
            "ci95_high",
            "exact",
            "exact_ci95_low",
            "exact_ci95_high",
            "within_one",
            "within_one_ci95_low",
            "within_one_ci95_high",
            "stats_error",
            "thin"};
}

std::string TableExport::Number(float v) {
    if (!std::isfinite(v)) return {};
    if (v == 0.0f) return "0";
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    if (r.ec == std::errc() && r.ptr - buf <= 24) return std::string(buf, r.ptr);
    r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string TableExport::CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string q = "\"";
    for (char c : text) {
        if (c == '"') q += '"';
        q += c;
    }
    return q + "\"";
}

std::string TableExport::JsonString(std::string_view text) {
    std::string j = "\"";
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            j += '\\';
            j += c;
        } else if (u < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", u);
            j += esc;
        } else {
            j += c;  // UTF-8 passes as it is
        }
    }
    return j + "\"";
}

std::string TableExport::GridCsv(const TableCells& cells, SettingMode settingMode) {
    std::string csv = "Block,Length,Samples";
    for (const char* h : {"-5", "-4", "-3", "-2", "-1", "0", "+1", "+2", "+3", "+4", "+5",
                          "Average", "Error", "DbleFit", "AKQ", "Cham"})
        Append(csv, ",", h);
    csv += kEol;
    for (int kind : {KindSuit, KindNT}) {
        if (kind == KindNT && settingMode != SettingMode::Standard) break;
        for (int L = TableMinLen(kind); L <= TableMaxLen(kind) + 1; ++L) {
            Append(csv, KindName(kind), ",",
                   L > TableMaxLen(kind) ? std::string("Total") : std::to_string(L));
            for (int c = -6; c <= 10; ++c) Append(csv, ",", CsvField(cells.Cell(kind, L, c)));
            csv += kEol;
        }
    }
    return csv;
}

std::vector<std::string> TableExport::Columns() {
    std::vector<std::string> c = {"result"};
    for (std::string_view s : OptionNames::SettingNames()) c.push_back(ColumnName(s));
    for (const char* name : {"kind", "row", "length", "deals"}) c.push_back(name);
    for (int d = kMinDev; d <= kMaxDev; ++d) c.push_back("dev_" + std::to_string(d));
    for (const char* name : {"mean", "error", "event_1", "event_2", "event_3", "event_rate_1",
                             "event_rate_2", "event_rate_3"})
        c.push_back(name);
    return c;
}

std::string TableExport::ResultCsv(const CountingTables& t, const Settings& s,
                                   const std::string& resultName) {
    std::vector<std::string> columns = Columns();
    for (std::string& c : StatsColumns()) columns.push_back(std::move(c));
    std::string csv;
    for (std::size_t i = 0; i < columns.size(); ++i) Append(csv, i ? "," : "", columns[i]);
    csv += kEol;
    std::string lead = CsvField(resultName);
    for (std::string_view setting : OptionNames::SettingNames())
        Append(lead, ",", CsvField(OptionNames::Selected(s, setting)));
    for (const Row& r : Rows(t, s)) {
        csv += lead;
        for (const std::string& v : RowValues(r)) Append(csv, ",", CsvField(v));
        for (const std::string& v : StatsValues(RowStats::Of(t, r.kind, r.length)))
            Append(csv, ",", v);
        csv += kEol;
    }
    return csv;
}

std::string TableExport::ResultJson(const CountingTables& t, const Settings& s,
                                    const std::string& resultName,
                                    const std::array<std::string, 3>& headers) {
    std::string j;
    Append(j, "{", kEol, "  \"result\": ", JsonString(resultName), ",", kEol, "  \"settings\": {");
    bool first = true;
    for (std::string_view setting : OptionNames::SettingNames()) {
        const std::string value = OptionNames::Selected(s, setting);
        Append(j, first ? "" : ", ", JsonString(ColumnName(setting)), ": ",
               value.empty() ? std::string("null") : JsonString(value));
        first = false;
    }
    Append(j, "},", kEol, "  \"headers\": [", JsonString(headers[0]), ", ", JsonString(headers[1]),
           ", ", JsonString(headers[2]), "],", kEol, "  \"rows\": [", kEol);
    const std::vector<std::string> columns = Columns();
    const std::size_t firstRowColumn = 1 + OptionNames::SettingNames().size();
    const std::vector<Row> rows = Rows(t, s);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::vector<std::string> values = RowValues(rows[i]);
        j += "    {";
        for (std::size_t k = 0; k < values.size(); ++k) {
            // kind and row are words; an empty number is null
            const std::string value = k < 2               ? JsonString(values[k])
                                      : values[k].empty() ? std::string("null")
                                                          : values[k];
            Append(j, k ? ", " : "", JsonString(columns[firstRowColumn + k]), ": ", value);
        }
        Append(j, "}", i + 1 < rows.size() ? "," : "", kEol);
    }
    Append(j, "  ],", kEol, "  \"stats\": {", kEol);
    const bool standard = s.SettingMode == SettingMode::Standard;
    const std::vector<RowStats> suit = RowStats::Rows(t, KindSuit);
    Append(j, "    \"suit\": ", JsonList(suit, StatsJson), ",", kEol, "    \"nt\": ",
           JsonList(standard ? RowStats::Rows(t, KindNT) : std::vector<RowStats>{}, StatsJson),
           kEol, "  }");
    if (s.SettingMode == SettingMode::Ostrevan) {
        auto study = [](const StudyComparison& c) {
            std::string row;
            Append(row, "{\"length\": ", std::to_string(c.study.length),
                   ", \"study_deals\": ", std::to_string(c.study.deals),
                   ", \"study_mean\": ", Decimal(c.study.mean),
                   ", \"study_error\": ", Decimal(c.study.error), ", \"mean\": ", Decimal(c.mean),
                   ", \"ci95\": ", JsonInterval(c.ci95),
                   ", \"inside\": ", c.inside() ? "true" : "false", "}");
            return row;
        };
        Append(j, ",", kEol, "  \"study\": ", JsonList(StudyComparison::Of(suit), study));
    }
    Append(j, kEol, "}", kEol);
    return j;
}

bool TableExport::Save(const std::filesystem::path& file, const std::string& text,
                       std::string& error) {
    return FileWriter::WriteFile(file, text, error);
}

}  // namespace lott
