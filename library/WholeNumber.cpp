#include "WholeNumber.h"

#include <algorithm>
#include <cctype>

namespace lott {

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

std::optional<std::int64_t> ParseWholeNumber(std::string_view text, bool allowSign) {
    std::string_view s = TrimBlanks(text);
    bool negative = false;
    if (allowSign && !s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) return std::nullopt;
    std::int64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        v = std::min<std::int64_t>(v * 10 + (c - '0'), kWholeNumberMax);
    }
    return negative ? -v : v;
}

}  // namespace lott
