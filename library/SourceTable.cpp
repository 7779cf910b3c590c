#include "SourceTable.h"

#include <charconv>
#include <fstream>
#include <vector>

#include "RegularFile.h"

namespace lott {

namespace {
constexpr const char* kHeader =
    "deal\tfile\tevent\tsite\tdate\tboard\tdealer\tvulnerable\toccurrences";

bool WholeNumber(std::string_view s, std::int64_t& v) {
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return !s.empty() && r.ec == std::errc() && r.ptr == s.data() + s.size() && v > 0;
}
}  // namespace

std::string SourceTable::Header() {
    return std::string(kHeader) + "\r\n";
}

std::string SourceTable::Clean(std::string_view field) {
    std::string out(field);
    for (char& c : out)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return out;
}

std::string SourceTable::Line(std::int64_t dealNo, const DealSource& s) {
    std::string l = std::to_string(dealNo);
    for (const std::string* f :
         {&s.file, &s.event, &s.site, &s.date, &s.board, &s.dealer, &s.vulnerable}) {
        l += '\t';
        l += Clean(*f);
    }
    return l + "\t" + std::to_string(s.occurrences) + "\r\n";
}

void SourceTable::Parse(std::string_view text) {
    rows_.clear();
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::vector<std::string_view> f;
        for (std::size_t at = 0;;) {
            const std::size_t tab = line.find('\t', at);
            f.push_back(line.substr(at, tab == std::string_view::npos ? line.npos : tab - at));
            if (tab == std::string_view::npos) break;
            at = tab + 1;
        }
        std::int64_t no = 0, count = 0;
        if (f.size() != 9 || !WholeNumber(f[0], no) || !WholeNumber(f[8], count)) continue;
        rows_[no] =
            DealSource{std::string(f[1]), std::string(f[2]), std::string(f[3]), std::string(f[4]),
                       std::string(f[5]), std::string(f[6]), std::string(f[7]), count};
    }
}

bool SourceTable::Load(const std::filesystem::path& folder) {
    rows_.clear();
    std::string text;
    if (!ReadSmallRegular(folder / kFileName, kMaxBytes, text)) return false;
    if (text.rfind(kHeader, 0) != 0) return false;
    Parse(text);
    return true;
}

std::optional<DealSource> SourceTable::Of(std::int64_t dealNo) const {
    const auto it = rows_.find(dealNo);
    if (it == rows_.end()) return std::nullopt;
    return it->second;
}

}  // namespace lott
