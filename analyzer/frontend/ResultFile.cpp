#include "ResultFile.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

#include "FileWriter.h"
#include "FitOdds.h"
#include "NumberFormat.h"
#include "Rounding.h"

namespace lott {
namespace {

constexpr const char* kCrLf = "\r\n";
constexpr std::size_t kField = 7;
constexpr std::size_t kMaxLine = 1 << 16;  // longer lines are cut: no field lies that far out

// Which blocks and optional fields a file of these settings holds.
struct Layout {
    bool ntBlock = false;        // the suit-notrump block (Standard preset)
    bool suitEvents = false;     // event counts and rates of the suit-suit block
    bool ntRowEvents = false;    // shortness counts of the suit-notrump rows
    bool ntTotalEvents = false;  // their rates in the suit-notrump totals line
};

Layout LayoutOf(const Settings& s) {
    Layout l;
    l.ntBlock = s.SettingMode == SettingMode::Standard;
    l.suitEvents = !s.CorrCode.empty();
    l.ntRowEvents = !s.Selected(Opt::NTQuenby);
    l.ntTotalEvents = s.NTFormula != 0;
    return l;
}

int FirstRow(int kind) {
    return TableMinLen(kind) - 1;
}
int LastRow(int kind) {
    return TableMaxLen(kind) + 1;
}

// A count field: blanks when it rounds to 0.
std::string CountField(float x) {
    const std::int32_t n = Round(x);
    return n == 0 ? std::string(kField, ' ') : strN(n);
}

void AppendBlock(std::string& out, const CountingTables& t, int kind, bool rowEvents,
                 bool totalEvents) {
    for (int L = FirstRow(kind); L <= LastRow(kind); ++L) {
        out += strN(L);
        out += strN(Round(t.DevTable(kind, L, 30)));
        for (int d = -6; d <= 6; ++d) out += CountField(t.DevTable(kind, L, d));
        out += strX(t.DevMean(kind, L));
        out += strX(t.DevAbsMean(kind, L));
        if (rowEvents)
            for (int e = 1; e <= 3; ++e) out += CountField(t.EventTable(kind, L, e));
        out += kCrLf;
    }
    out += std::string(kField, ' ');
    out += strN(Round(t.DevTable(kind, 30, 30)));
    for (int d = -6; d <= 6; ++d) out += CountField(t.DevTable(kind, 30, d));
    out += strX(t.DevMean(kind, 30));
    out += strX(t.DevAbsMean(kind, 30));
    if (totalEvents)
        for (int e = 1; e <= 3; ++e) out += strX(t.EventRate(kind, e));
    out += kCrLf;
}

// Lines ended by CR LF, LF or CR; the last line may have no end. Reads in blocks and looks for
// line ends with memchr: a damaged file may be one long line.
class LineReader {
  public:
    explicit LineReader(std::istream& in) : buf_(in.rdbuf()) {}
    bool Next(std::string& line) {
        line.clear();
        bool any = false;
        for (;;) {
            if (pos_ == len_ && !Fill()) return any;
            any = true;
            const char* start = block_.data() + pos_;
            const std::size_t left = len_ - pos_;
            const char* lf = static_cast<const char*>(std::memchr(start, '\n', left));
            const char* cr = static_cast<const char*>(
                std::memchr(start, '\r', lf ? static_cast<std::size_t>(lf - start) : left));
            const char* stop = cr ? cr : lf ? lf : start + left;
            const std::size_t n = static_cast<std::size_t>(stop - start);
            if (line.size() < kMaxLine) line.append(start, std::min(n, kMaxLine - line.size()));
            pos_ += n;
            if (stop == start + left) continue;  // the line goes on in the next block
            ++pos_;
            if (*stop == '\r' && (pos_ < len_ || Fill()) && block_[pos_] == '\n') ++pos_;
            return true;
        }
    }

  private:
    bool Fill() {
        pos_ = len_ = 0;
        if (!buf_) return false;
        const std::streamsize got =
            buf_->sgetn(block_.data(), static_cast<std::streamsize>(block_.size()));
        len_ = got > 0 ? static_cast<std::size_t>(got) : 0;
        return len_ > 0;
    }
    std::streambuf* buf_;
    std::array<char, 8192> block_{};
    std::size_t pos_ = 0, len_ = 0;
};

// The field of 7 characters at 1-based position pos; empty when the line ends before it.
std::string_view Field(std::string_view line, std::size_t pos) {
    if (pos > line.size()) return {};
    return line.substr(pos - 1, kField);
}

bool StartsBeyondEnd(std::string_view line, std::size_t pos) {
    return pos > line.size();
}

void ReadLine(std::string_view line, CountingTables& t, int kind, int L, bool optional,
              bool totals) {
    const int row = totals ? 30 : L;
    t.DevTable(kind, row, 30) = FieldValue(Field(line, 8));
    for (int d = -6; d <= 6; ++d)
        t.DevTable(kind, row, d) =
            FieldValue(Field(line, 15 + kField * static_cast<std::size_t>(d + 6)));
    t.DevMean(kind, row) = FieldValue(Field(line, 106));
    t.DevAbsMean(kind, row) = FieldValue(Field(line, 113));
    if (!optional) return;
    for (int e = 1; e <= 3; ++e) {
        const std::size_t pos = 120 + kField * static_cast<std::size_t>(e - 1);
        if (StartsBeyondEnd(line, pos)) return;
        const float v = FieldValue(Field(line, pos));
        if (totals)
            t.EventRate(kind, e) = v;
        else
            t.EventTable(kind, L, e) = v;
    }
}

FinResult ReadResult(std::istream& in, CountingTables& t, const Settings& s,
                     std::array<std::string, 3>& head) {
    FinResult r;
    r.found = true;
    LineReader reader(in);
    std::string line;
    for (auto& h : head) {
        if (!reader.Next(line)) return r;
        h = line;
        ++r.lines;
    }
    const Layout lay = LayoutOf(s);
    for (int kind : {0, -1}) {
        if (kind == -1 && !lay.ntBlock) break;
        const bool rowEvents = kind == 0 ? lay.suitEvents : lay.ntRowEvents;
        const bool totalEvents = kind == 0 ? lay.suitEvents : lay.ntTotalEvents;
        for (int L = FirstRow(kind); L <= LastRow(kind) + 1; ++L) {
            if (!reader.Next(line)) return r;
            ++r.lines;
            const bool totals = L == LastRow(kind) + 1;
            ReadLine(line, t, kind, L, totals ? totalEvents : rowEvents, totals);
        }
    }
    r.complete = true;
    return r;
}

}  // namespace

float FieldValue(std::string_view field) {
    // Keep what a number can be made of, dropping blanks; stop at anything else.
    std::string text;
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < field.size() && (field[i] == ' ' || field[i] == '\t')) ++i;
    };
    auto digits = [&] {
        bool any = false;
        for (skipBlanks(); i < field.size() && field[i] >= '0' && field[i] <= '9'; skipBlanks()) {
            text.push_back(field[i++]);
            any = true;
        }
        return any;
    };
    skipBlanks();
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) negative = field[i++] == '-';
    bool any = digits();
    skipBlanks();
    if (i < field.size() && field[i] == '.') {
        text.push_back(field[i++]);
        any = digits() || any;
    }
    if (!any) return 0.0f;
    skipBlanks();
    if (i < field.size() &&
        (field[i] == 'e' || field[i] == 'E' || field[i] == 'd' || field[i] == 'D')) {
        std::string mantissa = text;
        text.push_back('e');
        ++i;
        skipBlanks();
        if (i < field.size() && (field[i] == '-' || field[i] == '+')) text.push_back(field[i++]);
        if (!digits()) text = mantissa;
    }
    double v = 0.0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (res.ec != std::errc{}) return 0.0f;  // out of every range: no usable number
    if (v > FLT_MAX) v = FLT_MAX;
    const float f = static_cast<float>(v);
    return negative ? -f : f;
}

std::string ResultFileText(const CountingTables& tables, const Settings& s,
                           const std::array<std::string, 3>& headers) {
    const Layout lay = LayoutOf(s);
    std::string out;
    out.reserve(6000);
    for (const auto& h : headers) {
        out += h;
        out += kCrLf;
    }
    AppendBlock(out, tables, 0, lay.suitEvents, lay.suitEvents);
    if (lay.ntBlock) AppendBlock(out, tables, -1, lay.ntRowEvents, lay.ntTotalEvents);
    return out;
}

bool Fout(const std::filesystem::path& dataDir, const std::string& fName,
          const CountingTables& tables, const Settings& s,
          const std::array<std::string, 3>& headers, std::string& error) {
    namespace fs = std::filesystem;
    const fs::path target = dataDir / (fName + ".dat");
    std::error_code ec;
    fs::create_directories(dataDir, ec);  // normally there since start-up
    return FileWriter::WriteFile(target, ResultFileText(tables, s, headers), error);
}

namespace {
// A bound far beyond any library (counts) and any mean, and within what a cell's whole-number
// rounding can hold.
constexpr float kShownBound = 1e9f;

void ClampShown(float& v) {
    if (v > kShownBound) v = kShownBound;
    if (v < -kShownBound) v = -kShownBound;
}
}  // namespace

void ClampForShowing(CountingTables& t) {
    for (int k : {-1, 0}) {
        for (int L = 0; L <= CountingTables::kMaxLen; ++L) {
            for (int d = CountingTables::kMinDev; d <= CountingTables::kMaxDev; ++d)
                ClampShown(t.DevTable(k, L, d));
            ClampShown(t.DevMean(k, L));
            ClampShown(t.DevAbsMean(k, L));
            for (int e = 1; e <= 3; ++e) ClampShown(t.EventTable(k, L, e));
        }
        for (int e = 1; e <= 3; ++e) ClampShown(t.EventRate(k, e));
    }
}

FinResult Fin(const std::filesystem::path& dataDir, const std::string& fName,
              CountingTables& tables, const Settings& s, std::array<std::string, 3>& head) {
    tables.Erase();
    head = {};
    const std::filesystem::path file = dataDir / (fName + ".dat");
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return {};
    std::ifstream in(file, std::ios::binary);
    if (!in) return {};
    return ReadResult(in, tables, s, head);
}

FinResult FinText(std::string_view text, CountingTables& tables, const Settings& s,
                  std::array<std::string, 3>& head) {
    tables.Erase();
    head = {};
    std::istringstream in{std::string(text)};
    return ReadResult(in, tables, s, head);
}

}  // namespace lott
