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
    // A float has 24 significant bits and 100 needs 5, so the product is exact in long double
    // (64 bits), and roundl then decides true ties, which printf would round to even.
    const long double hundredths = std::roundl(static_cast<long double>(x) * 100.0L);
    if (hundredths == 0.0L) return "0.00";  // also what would print as "-0.00"
    char buf[64];
    // hundredths is a whole number (up to about 3.4e40), so "%.0Lf" prints it exactly.
    std::snprintf(buf, sizeof buf, "%.0Lf", std::fabs(hundredths));
    std::string digits = buf;
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    digits.insert(digits.size() - 2, 1, '.');
    if (hundredths < 0) digits.insert(0, 1, '-');
    return digits;
}

}  // namespace lott
