// Fit probabilities and the grid arithmetic of the table window.
#include <gtest/gtest.h>

#include "FitOdds.h"

namespace lott {
namespace {

TEST(FitOdds, KnownProbabilitiesAndColumnsSumToOne) {
    FitOddsTable t = FitOdds();
    EXPECT_NEAR(t(0, 8), 0.4574, 5e-5);
    EXPECT_NEAR(t(0, 7), 0.1574, 5e-5);
    EXPECT_FLOAT_EQ(t(1, 14), t(1, 15));
    EXPECT_NEAR(t(1, 14), 0.1049, 5e-5);
    EXPECT_NEAR(t(1, 16), 0.2692, 5e-5);
    EXPECT_NEAR(t(1, 26), 2.5e-7, 0.05e-7);
    double c0 = 0, c1 = 0;
    for (int l = 0; l <= 26; ++l) {
        c0 += t(0, l);
        c1 += t(1, l);
    }
    EXPECT_NEAR(c0, 1.0, 1e-6);
    EXPECT_NEAR(c1, 1.0, 1e-6);
    EXPECT_EQ(t(0, 6), 0.0f);
    EXPECT_EQ(t(1, 13), 0.0f);
    EXPECT_EQ(t(1, 99), 0.0f);
}

TEST(Combinatorics, BinomialFactorialArrangements) {
    EXPECT_EQ(Binomial(52, 26), 495918532948104.0);
    EXPECT_EQ(Binomial(13, 0), 1.0);
    EXPECT_EQ(Binomial(5, 7), 0.0);
    EXPECT_EQ(Binomial(13, 6), 1716.0);
    EXPECT_EQ(Factorial(0), 1);
    EXPECT_EQ(Factorial(5), 120);
    EXPECT_EQ(Arrangements(7, 7, 6, 6), 6);
    EXPECT_EQ(Arrangements(8, 6, 6, 6), 4);
    EXPECT_EQ(Arrangements(10, 8, 5, 3), 24);
    EXPECT_EQ(Arrangements(9, 9, 8, 0), 12);
    EXPECT_EQ(Arrangements(7, 7, 7, 5), 4);
}

TEST(TableGrid, CellIndexRowStartTableEnd) {
    EXPECT_EQ(CellIndex(0, 11, -6), 0);
    EXPECT_EQ(CellIndex(0, 24, 10), 276);
    EXPECT_EQ(CellIndex(-1, 12, -6), 500);
    EXPECT_EQ(RowStart(0, 12), 20);
    EXPECT_EQ(TableEnd(0), 280);
    EXPECT_EQ(TableEnd(-1), 700);
    EXPECT_EQ(TableMinLen(0), 11);
    EXPECT_EQ(TableMaxLen(-1), 21);
}

}  // namespace
}  // namespace lott
