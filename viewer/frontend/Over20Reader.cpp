#include "Over20Reader.h"

#include <array>
#include <cctype>
#include <exception>
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

void Over20Reader::ForEachLine(std::istream& in,
                               const std::function<void(std::string_view)>& take) {
    std::array<char, kMaxLine + 1> line;  // room for a CR before the LF
    std::size_t n = 0;
    bool tooLong = false;
    std::streambuf* buf = in.rdbuf();
    if (!buf) return;
    for (;;) {
        int c = 0;
        try {
            c = buf->sbumpc();
        } catch (const std::exception&) {
            // A read error (a folder in place of the list) ends the list as the end of file does.
            in.setstate(std::ios::badbit);
            c = std::char_traits<char>::eof();
        }
        if (c == std::char_traits<char>::eof() || c == '\n') {
            std::size_t length = n;
            if (length > 0 && line[length - 1] == '\r') --length;
            if (!tooLong && length <= kMaxLine && (c == '\n' || n > 0))
                take(std::string_view(line.data(), length));
            if (c != '\n') return;
            n = 0;
            tooLong = false;
        } else if (n < line.size()) {
            line[n++] = static_cast<char>(c);
        } else {
            tooLong = true;
        }
    }
}

bool Over20Reader::Listed(std::string_view line, std::int32_t totalTrumps) {
    return LeadingNumber(line) == totalTrumps && DealNumber(line).has_value();
}

std::vector<std::string> Over20Reader::Select(std::string_view text, std::int32_t totalTrumps) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> lines;
    ForEachLine(in, [&](std::string_view line) {
        if (Listed(line, totalTrumps)) lines.emplace_back(line);
    });
    return lines;
}

std::vector<std::string> Over20Reader::ReadFile(const std::filesystem::path& file,
                                                std::int32_t totalTrumps) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return {};
    std::vector<std::string> lines;
    ForEachLine(in, [&](std::string_view line) {
        if (Listed(line, totalTrumps)) lines.emplace_back(line);
    });
    return lines;
}

}  // namespace lott
