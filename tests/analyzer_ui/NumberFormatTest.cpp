// The fixed-width number texts and "#0.00", with the rounding ties that printf gets wrong.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "NumberFormat.h"

namespace lott {
namespace {

TEST(NumberFormat, strNAndstr2KeepTheRightmostDigitsAndPadLeft) {
    EXPECT_EQ(strN(1234), "   1234");
    EXPECT_EQ(strN(0), "      0");
    EXPECT_EQ(strN(-5), "     -5");
    EXPECT_EQ(strN(1234567), "1234567");
    EXPECT_EQ(strN(12345678), "2345678");
    EXPECT_EQ(strN(-1234567), "1234567");  // the sign is cut off like any leading character
    EXPECT_EQ(str2(5), "  5");
    EXPECT_EQ(str2(21), " 21");
    EXPECT_EQ(str2(1234), "234");
    EXPECT_EQ(str2(0), "  0");
}

TEST(NumberFormat, strXFollowsThePatternThenTheWidth) {
    EXPECT_EQ(strX(3.14159f), "   3.14");
    EXPECT_EQ(strX(-0.5f), "  -0.50");
    EXPECT_EQ(strX(0.0f), "   0.00");
    EXPECT_EQ(strX(1234.5f), "1234.50");
    EXPECT_EQ(strX(12345.678f), "2345.68");
    EXPECT_EQ(strX(-1234.5f), "1234.50");  // "-1234.50" keeps its last 7 characters
    EXPECT_EQ(strX(0.05f), "   0.05");
    EXPECT_EQ(strX(12.0f), "  12.00");
}

TEST(NumberFormat, ExactTiesRoundAwayFromZero) {
    // Exact binary halves of a hundredth: printf("%.2f") would give 0.12, 0.38, 2.62.
    EXPECT_EQ(Fixed2(0.125f), "0.13");
    EXPECT_EQ(Fixed2(-0.125f), "-0.13");
    EXPECT_EQ(Fixed2(0.375f), "0.38");
    EXPECT_EQ(Fixed2(2.625f), "2.63");
    EXPECT_EQ(Fixed2(-2.625f), "-2.63");
    EXPECT_EQ(Fixed2(1024.875f), "1024.88");
    EXPECT_EQ(strX(-0.125f), "  -0.13");
}

TEST(NumberFormat, NearTiesGoByTheFloatsExactValue) {
    // 2.675f is 2.6749999523..., 0.005f is 0.0049999998..., 1.005f is 1.00499999...
    EXPECT_EQ(Fixed2(2.675f), "2.67");
    EXPECT_EQ(Fixed2(0.005f), "0.00");
    EXPECT_EQ(Fixed2(1.005f), "1.00");
    // 0.015f is 0.0149999996..., 0.035f is 0.0350000001...
    EXPECT_EQ(Fixed2(0.015f), "0.01");
    EXPECT_EQ(Fixed2(0.035f), "0.04");
    EXPECT_EQ(Fixed2(12.346f), "12.35");
    EXPECT_EQ(Fixed2(-0.5f), "-0.50");
    EXPECT_EQ(Fixed2(0.995f), "1.00");  // 0.99500000476...
    EXPECT_EQ(Fixed2(9.995f), "9.99");  // 9.99499988...
}

TEST(NumberFormat, NeverMinusZero) {
    EXPECT_EQ(Fixed2(-0.0f), "0.00");
    EXPECT_EQ(Fixed2(-0.004f), "0.00");
    EXPECT_EQ(Fixed2(-0.00499f), "0.00");
    EXPECT_EQ(Fixed2(std::numeric_limits<float>::denorm_min()), "0.00");
    EXPECT_EQ(Fixed2(-std::numeric_limits<float>::denorm_min()), "0.00");
    EXPECT_EQ(strX(-0.001f), "   0.00");
    EXPECT_EQ(Fixed2(-0.005f), "0.00");  // -0.0049999998...
    EXPECT_EQ(Fixed2(-0.0050001f), "-0.01");
}

TEST(NumberFormat, LargeAndOddValues) {
    EXPECT_EQ(Fixed2(16777216.0f), "16777216.00");
    EXPECT_EQ(Fixed2(1e10f), "10000000000.00");
    EXPECT_EQ(Fixed2(std::numeric_limits<float>::max()),
              "340282346638528859811704183484516925440.00");
    EXPECT_EQ(Fixed2(-3e9f), "-3000000000.00");
    EXPECT_EQ(strX(1e10f), "0000.00");
    // Not reachable from the tables, but never a crash or an empty text.
    EXPECT_EQ(Fixed2(std::numeric_limits<float>::quiet_NaN()), "NaN");
    EXPECT_EQ(Fixed2(std::numeric_limits<float>::infinity()), "Infinity");
    EXPECT_EQ(Fixed2(-std::numeric_limits<float>::infinity()), "-Infinity");
}

}  // namespace
}  // namespace lott
