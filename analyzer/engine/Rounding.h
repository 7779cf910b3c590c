// The two small numeric helpers of the counting tables.
#pragma once

#include <cmath>
#include <cstdint>

namespace lott {

// Nearest whole number, halves upwards. The half is added in double so that a float just below
// .5 is not pushed up by float rounding.
inline std::int32_t Round(float x) {
    return static_cast<std::int32_t>(std::floor(double(x) + 0.5));
}

// A total as a 4-bit code of the scan cache: value - 10 clamped to 0..15.
inline std::int32_t Trunc(std::int32_t total) {
    std::int32_t t = total - 10;
    return t < 0 ? 0 : t > 15 ? 15 : t;
}

}  // namespace lott
