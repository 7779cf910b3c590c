// The fixed-width number texts and "#0.00", with the rounding ties that printf gets wrong.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <span>

#include "NumberFormat.h"

namespace lott {
namespace {

using Lim = std::numeric_limits<float>;

TEST(NumberFormat, strNAndstr2KeepTheRightmostDigitsAndPadLeft) {
    // A sign is cut off like any leading character.
    const std::pair<int, const char*> n7[] = {{1234, "   1234"},     {0, "      0"},
                                              {-5, "     -5"},       {1234567, "1234567"},
                                              {12345678, "2345678"}, {-1234567, "1234567"}};
    for (const auto& [v, text] : n7) EXPECT_EQ(strN(v), text) << v;
    const std::pair<int, const char*> n3[] = {{5, "  5"}, {21, " 21"}, {1234, "234"}, {0, "  0"}};
    for (const auto& [v, text] : n3) EXPECT_EQ(str2(v), text) << v;
}

TEST(NumberFormat, strXFollowsThePatternThenTheWidth) {
    // "-1234.50" keeps its last 7 characters.
    const std::pair<float, const char*> cases[] = {
        {3.14159f, "   3.14"},   {-0.5f, "  -0.50"},    {0.0f, "   0.00"},  {1234.5f, "1234.50"},
        {12345.678f, "2345.68"}, {-1234.5f, "1234.50"}, {0.05f, "   0.05"}, {12.0f, "  12.00"},
        {-0.125f, "  -0.13"},    {-0.001f, "   0.00"},  {1e10f, "0000.00"}};
    for (const auto& [v, text] : cases) EXPECT_EQ(strX(v), text) << v;
}

using Case = std::pair<float, const char*>;

void ExpectFixed2(std::span<const Case> cases) {
    for (const auto& [v, text] : cases) EXPECT_EQ(Fixed2(v), text) << v;
}

TEST(NumberFormat, ExactTiesRoundAwayFromZero) {
    // Exact binary halves of a hundredth: printf("%.2f") would give 0.12, 0.38, 2.62.
    const Case cases[] = {{0.125f, "0.13"}, {-0.125f, "-0.13"}, {0.375f, "0.38"},
                          {2.625f, "2.63"}, {-2.625f, "-2.63"}, {1024.875f, "1024.88"}};
    ExpectFixed2(cases);
}

TEST(NumberFormat, NearTiesGoByTheFloatsExactValue) {
    // 2.675f is 2.6749999523..., 0.005f 0.0049999998..., 1.005f 1.00499999..., 0.015f
    // 0.0149999996..., 0.035f 0.0350000001..., 0.995f 0.99500000476..., 9.995f 9.99499988...
    const Case cases[] = {{2.675f, "2.67"}, {0.005f, "0.00"}, {1.005f, "1.00"},
                          {0.015f, "0.01"}, {0.035f, "0.04"}, {12.346f, "12.35"},
                          {-0.5f, "-0.50"}, {0.995f, "1.00"}, {9.995f, "9.99"}};
    ExpectFixed2(cases);
}

TEST(NumberFormat, NeverMinusZero) {
    // -0.005f is -0.0049999998...
    const float tiny = Lim::denorm_min();
    const Case cases[] = {{-0.0f, "0.00"}, {-0.004f, "0.00"}, {-0.00499f, "0.00"},   {tiny, "0.00"},
                          {-tiny, "0.00"}, {-0.005f, "0.00"}, {-0.0050001f, "-0.01"}};
    ExpectFixed2(cases);
}

TEST(NumberFormat, LargeAndOddValues) {
    // NaN and infinities are not reachable from the tables, but never a crash or an empty text.
    const Case cases[] = {{16777216.0f, "16777216.00"},  {1e10f, "10000000000.00"},
                          {-3e9f, "-3000000000.00"},     {Lim::quiet_NaN(), "NaN"},
                          {Lim::infinity(), "Infinity"}, {-Lim::infinity(), "-Infinity"}};
    ExpectFixed2(cases);
    EXPECT_EQ(Fixed2(Lim::max()), "340282346638528859811704183484516925440.00");
}

}  // namespace
}  // namespace lott
