// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The cutting-value formulas shared by the pages. Pure functions: they
// compute in long double and round to double once, on return.

#include <cstdint>
#include <optional>
#include <string_view>

namespace zerbo {

inline constexpr long double kPi = 3.1415926535897932385L;

// Sine and cosine that give 0 where the argument is too large to reduce.
long double Sine(long double x);
long double Cosine(long double x);

double SpindleSpeed(double d, double vc);                      // 1/min; 0 when D <= 0
double FeedRate(std::int32_t z, double fz, double n);          // mm/min
double RemovalRate(double a, double b, double c);              // cm3/min
double Product2(double a, double b);
double QuarterProduct(double a, double b);
double PowerFromRemovalRate(double a, double b);               // kW
double PowerFromTorque(double a, double b);                    // kW
double PowerFromFourFactors(double a, double b, double c, double d);
double PowerFromTwoFactors(double a, double b);
double EngagementAngle(double d, double ae);                   // degrees
double ChordAngle(double s, double d);                         // degrees
double MeanChipThickness(double d, double ae, double fz, double phi, double kappa);
double FeedFromChipThickness(double d, double ae, double hm, double phi, double kappa);
double AdjustByPercent(std::string_view sign, double p, double x);
double CountersinkDepth(double d1, double d2, double angle);
double TorqueDrill(std::uint8_t k, double a, double b, double d);
double TorqueSquare(double a, double b, double d);
double TorqueRing(double a, double b, double c, double d1, double d2);
double ArcLength(double angle, double d);
double AngleShare(std::int32_t k, double angle);
double PiProductRatio(std::int32_t a, std::int32_t b, std::int32_t c, double x, std::int32_t d);
double Product4(double a, double b, double c, double d);
double Product4b(double a, double b, double c, double d);
double IntPower(std::int32_t k, double x);
// x^(a/b) by Newton's iteration started at 1; nothing when the iteration
// leaves the finite numbers or does not settle.
std::optional<double> RootOfPower(std::int32_t a, std::int32_t b, double x);
// kc11 / h^(m/100); nothing for h <= 0 or when the root fails.
std::optional<double> SpecificCuttingForce(std::int32_t m, double kc11, double h);
double ArcSine(double x);                                      // radians
double Tangent(double x);

} // namespace zerbo
