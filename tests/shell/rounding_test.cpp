#include "shell/rounding.h"

#include <gtest/gtest.h>

using namespace zerbo;

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(0.5L), 0);
    EXPECT_EQ(RoundHalfEven(1.5L), 2);
    EXPECT_EQ(RoundHalfEven(2.5L), 2);
    EXPECT_EQ(RoundHalfEven(-0.5L), 0);
    EXPECT_EQ(RoundHalfEven(-1.5L), -2);
    EXPECT_EQ(RoundHalfEven(-2.5L), -2);
    EXPECT_EQ(RoundHalfEven(2.4999L), 2);
    EXPECT_EQ(RoundHalfEven(2.5001L), 3);
    EXPECT_EQ(RoundHalfEven(-2.6L), -3);
    EXPECT_EQ(RoundHalfEven(1e30L), 2147483647);
    EXPECT_EQ(RoundHalfEven(-1e30L), -2147483647 - 1);
}

TEST(Rounding, DivTruncatesTowardZero) {
    EXPECT_EQ(TruncDiv(7, 2), 3);
    EXPECT_EQ(TruncDiv(-7, 2), -3);
    EXPECT_EQ(TruncDiv(7, -2), -3);
    EXPECT_EQ(TruncDiv(7, 0), 0);
    EXPECT_EQ(TruncDiv(INT32_MIN, -1), INT32_MAX);
}
