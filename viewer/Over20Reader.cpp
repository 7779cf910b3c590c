#include "Over20Reader.h"

#include <cctype>
#include <fstream>
#include <sstream>

namespace lott {

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits from position i on as a number; nothing when none or when it overflows.
std::optional<std::int32_t> DigitsAt(std::string_view s, std::size_t& i) {
    std::int64_t v = 0;
    std::size_t start = i;
    while (i < s.size() && IsDigit(s[i])) {
        v = v * 10 + (s[i] - '0');
        if (v > INT32_MAX) return std::nullopt;
        ++i;
    }
    if (i == start) return std::nullopt;
    return static_cast<std::int32_t>(v);
}
}  // namespace

std::optional<std::int32_t> Over20Reader::LeadingNumber(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && line[i] == ' ') ++i;
    auto v = DigitsAt(line, i);
    if (!v) return std::nullopt;
    // A number that goes on as a fraction, an exponent or a word is not a leading Total Trumps.
    if (i < line.size()) {
        unsigned char next = static_cast<unsigned char>(line[i]);
        if (next == '.' || std::isalnum(next)) return std::nullopt;
    }
    return v;
}

std::optional<std::int32_t> Over20Reader::DealNumber(std::string_view line) {
    std::size_t hash = line.find('#');
    if (hash == std::string_view::npos) return std::nullopt;
    std::size_t i = hash + 1;
    return DigitsAt(line, i);
}

std::vector<std::string> Over20Reader::Select(std::string_view text, std::int32_t totalTrumps) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        std::string_view line =
            text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        pos = end == std::string_view::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (LeadingNumber(line) == totalTrumps && DealNumber(line)) lines.emplace_back(line);
    }
    return lines;
}

std::vector<std::string> Over20Reader::ReadFile(const std::filesystem::path& file,
                                              std::int32_t totalTrumps) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return {};
    std::ostringstream s;
    s << in.rdbuf();
    return Select(s.str(), totalTrumps);
}

}  // namespace lott
