#include "NumberFormat.h"

#include <cmath>
#include <cstdio>

namespace lott {
namespace {

std::string FitWidth(std::string text, std::size_t width) {
    if (text.size() > width) return text.substr(text.size() - width);
    text.insert(0, width - text.size(), ' ');
    return text;
}

}  // namespace

std::string strN(std::int64_t x) {
    return FitWidth(std::to_string(x), 7);
}

std::string str2(std::int64_t x) {
    return FitWidth(std::to_string(x), 3);
}

std::string strX(float x) {
    return FitWidth(Fixed2(x), 7);
}

std::string Fixed2(float x) {
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x < 0 ? "-Infinity" : "Infinity";
    // A float has 24 significant bits and 100 needs 5, so the product is exact in double, and
    // round then decides true ties away from zero (printf would round them to even).
    const double hundredths = std::round(static_cast<double>(x) * 100.0);
    if (hundredths == 0.0) return "0.00";  // also what would print as "-0.00"
    const double magnitude = std::fabs(hundredths);
    if (magnitude >= 1e18) {
        char buf[64];
        // A whole number (up to about 3.4e40), so "%.0f" prints it exactly.
        std::snprintf(buf, sizeof buf, "%.0f", magnitude);
        std::string digits = buf;
        digits.insert(digits.size() - 2, 1, '.');
        if (hundredths < 0) digits.insert(0, 1, '-');
        return digits;
    }
    // The common case without printf: the table window formats several cells per deal.
    auto n = static_cast<std::uint64_t>(magnitude);
    char buf[32];
    char* const end = buf + sizeof buf;
    char* p = end;
    for (int count = 1; n != 0 || count <= 3; ++count) {
        *--p = static_cast<char>('0' + n % 10);
        n /= 10;
        if (count == 2) *--p = '.';
    }
    if (hundredths < 0) *--p = '-';
    return std::string(p, end);
}

}  // namespace lott
