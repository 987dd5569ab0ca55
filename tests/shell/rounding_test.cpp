// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/number_text.h"
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

TEST(Rounding, ComputedValuesRoundAsTheyAreShown) {
    // 3 × 1.15 is 3.4500000000000002 in binary; shown as 3.45, a tie.
    EXPECT_EQ(RoundAsShown(3 * 1.15, 1), 34);
    EXPECT_EQ(RoundAsShown(3.55, 1), 36);
    EXPECT_EQ(RoundAsShown(0.05, 1), 0);
    EXPECT_EQ(RoundAsShown(47.25, 1), 472);
    EXPECT_EQ(RoundAsShown(0.00255, 4), 26);
    EXPECT_EQ(RoundAsShown(0.126, 4), 1260);
    EXPECT_EQ(RoundAsShown(7.5), 8);
    EXPECT_EQ(RoundAsShown(6.5), 6);
    EXPECT_EQ(RoundAsShown(-2.5), -2);
    EXPECT_EQ(RoundAsShown((1 - 2.0 / 3.0) * 25), 8);
    EXPECT_EQ(RoundAsShown(0, 4), 0);
    EXPECT_EQ(RoundAsShown(120, 1), 1200);
    EXPECT_EQ(RoundAsShown(1e300, 1), 2147483647);
}
