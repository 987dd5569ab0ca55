// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/formulas.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zerbo;

TEST(Formulas, SpeedsAndFeeds) {
    EXPECT_EQ(SpindleSpeed(0, 100), 0);
    EXPECT_EQ(SpindleSpeed(-5, 100), 0);
    EXPECT_NEAR(SpindleSpeed(50, 157.08), 1000.0, 0.01);
    EXPECT_DOUBLE_EQ(SpindleSpeed(100, 314.159265358979323846), 1000.0);
    EXPECT_DOUBLE_EQ(FeedRate(4, 0.1, 1000), 400);
    EXPECT_DOUBLE_EQ(RemovalRate(100, 10, 5), 5); // (5/10)·(10/10)·(100/10) cm³/min
    EXPECT_DOUBLE_EQ(RemovalRate(2, 25, 400), 20);
}

TEST(Formulas, Powers) {
    EXPECT_DOUBLE_EQ(PowerFromRemovalRate(42, 1000), 1.0);
    EXPECT_DOUBLE_EQ(PowerFromRemovalRate(1000, 42), 1.0);
    EXPECT_NEAR(PowerFromTorque(6685, 1), 1.0, 1e-12);
    EXPECT_DOUBLE_EQ(PowerFromFourFactors(1, 2, 3, 7000), 1.0);
    EXPECT_DOUBLE_EQ(PowerFromTwoFactors(480, 100), 1.0);
    // Rounding to double happens once, so no stray digits in the last place.
    EXPECT_EQ(PowerFromRemovalRate(0.1, 4200), 0.01);
}

TEST(Formulas, AnglesAndChips) {
    EXPECT_DOUBLE_EQ(EngagementAngle(10, 10), 180);
    EXPECT_EQ(EngagementAngle(10, 0), 0);
    EXPECT_NEAR(EngagementAngle(20, 10), 60, 1e-12);
    EXPECT_DOUBLE_EQ(ChordAngle(10, 20), EngagementAngle(20, 10));
    EXPECT_EQ(ArcSine(0), 0);
    EXPECT_EQ(ArcSine(1), 1.5707963267948966);
    EXPECT_EQ(ArcSine(-1), -1.5707963267948966);
    const double hm = MeanChipThickness(10, 10, 0.1, 180, 90);
    EXPECT_NEAR(hm, 0.0636666666666667, 1e-15);
    EXPECT_DOUBLE_EQ(FeedFromChipThickness(10, 10, hm, 180, 90), 0.1);
    EXPECT_NEAR(MeanChipThickness(10, 10, 0.1, 180, 45), 0.0636666666666667 * std::sqrt(0.5), 1e-15);
    EXPECT_NEAR(Tangent(kPi / 4), 1.0, 1e-15);
    EXPECT_EQ(Tangent(1e30), 0); // beyond the range the sine can reduce
}

TEST(Formulas, GeometryAndTorque) {
    EXPECT_DOUBLE_EQ(AdjustByPercent("+", 10, 200), 220);
    EXPECT_DOUBLE_EQ(AdjustByPercent("-", 10, 200), 180);
    EXPECT_DOUBLE_EQ(AdjustByPercent("x", 10, 200), 180);
    EXPECT_DOUBLE_EQ(AdjustByPercent("", 10, 200), 180);
    EXPECT_NEAR(CountersinkDepth(10, 20, 90), 5.0, 1e-15);
    EXPECT_DOUBLE_EQ(TorqueDrill(2, 1, 1000, 20), 100);
    EXPECT_DOUBLE_EQ(TorqueSquare(1, 1000, 20), 50);
    EXPECT_DOUBLE_EQ(TorqueRing(1, 1, 1000, 10, 30), 100);
    EXPECT_NEAR(ArcLength(360, 10), 31.41592653589793, 1e-14);
    EXPECT_DOUBLE_EQ(AngleShare(24, 90), 6);
    EXPECT_EQ(PiProductRatio(1, 1, 0, 1, 1), 0);
    EXPECT_NEAR(PiProductRatio(2, 3, 4, 0.5, 6), 3 * 2000 * M_PI / (4 * 0.5 * 6 * 1000), 1e-12);
}

TEST(Formulas, PowersAndRoots) {
    EXPECT_EQ(IntPower(0, 3), 3);
    EXPECT_EQ(IntPower(1, 3), 3);
    EXPECT_EQ(IntPower(-4, 3), 3);
    EXPECT_EQ(IntPower(3, 2), 8);
    EXPECT_NEAR(*RootOfPower(1, 2, 16), 4, 1e-9);
    EXPECT_NEAR(*RootOfPower(0, 2, 16), 4, 1e-9); // IntPower(0, x) is x
    EXPECT_NEAR(*RootOfPower(3, 2, 4), 8, 1e-9);
    EXPECT_EQ(*SpecificCuttingForce(25, 1500, 1), 1500);
    EXPECT_NEAR(*SpecificCuttingForce(25, 1500, 0.1), 1500 / std::pow(0.1, 0.25), 0.05);
    EXPECT_NEAR(*SpecificCuttingForce(25, 1500, 0.1), 2667.4, 0.05);
    EXPECT_FALSE(SpecificCuttingForce(25, 1500, 0).has_value());
    EXPECT_FALSE(SpecificCuttingForce(25, 1500, -1).has_value());
    EXPECT_FALSE(SpecificCuttingForce(25, 1500, NAN).has_value());
    EXPECT_FALSE(RootOfPower(2, 0, 4).has_value());
    EXPECT_FALSE(RootOfPower(400, 100, 1e300).has_value()); // x^a overflows
}
