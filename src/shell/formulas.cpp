// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/formulas.h"

#include <cmath>

namespace zerbo {

namespace {

using LD = long double;

constexpr LD kRadPerDeg = kPi / 180.0L;
// The processor's sine and cosine reduce arguments only below 2^63.
constexpr LD kTrigLimit = 9223372036854775808.0L;

LD ArcSineWide(LD x) {
    if (x == 0) return 0;
    if (x == 1) return kPi / 2;
    if (x == -1) return -kPi / 2;
    return std::atan2(x / std::sqrt(1 - x * x), 1.0L);
}

double D(LD x) { return static_cast<double>(x); }

} // namespace

LD Sine(LD x) { return std::fabs(x) >= kTrigLimit ? 0 : std::sin(x); }
LD Cosine(LD x) { return std::fabs(x) >= kTrigLimit ? 0 : std::cos(x); }

double SpindleSpeed(double d, double vc) {
    if (d <= 0) return 0;
    return D(LD(vc) * 1000 / (LD(d) * kPi));
}

double FeedRate(std::int32_t z, double fz, double n) { return D(LD(z) * fz * n); }

double RemovalRate(double a, double b, double c) {
    return D((LD(c) / 10) * (LD(b) / 10) * (LD(a) / 10));
}

double Product2(double a, double b) { return D(LD(a) * b); }
double QuarterProduct(double a, double b) { return D(LD(a) / 4 * b); }

double PowerFromRemovalRate(double a, double b) {
    return D(LD(a) * 100 * b / (60 * 0.7L) / 100000);
}

double PowerFromTorque(double a, double b) { return D(LD(a) * b / (9.55L * 1000 * 0.7L)); }

double PowerFromFourFactors(double a, double b, double c, double d) {
    const double dc = d * c;
    const double dcb = dc * b;
    const double dcba = dcb * a;
    return D(LD(dcba) / 42000);
}

double PowerFromTwoFactors(double a, double b) { return D(LD(a) * b / 48000); }

double EngagementAngle(double d, double ae) {
    return D(2 * ArcSineWide(LD(ae) / d) * 180 / kPi);
}

double ChordAngle(double s, double d) { return EngagementAngle(d, s); }

double MeanChipThickness(double d, double ae, double fz, double phi, double kappa) {
    return D(Sine(kappa * kRadPerDeg) * 114.6L * fz * ae / (LD(phi) * d));
}

double FeedFromChipThickness(double d, double ae, double hm, double phi, double kappa) {
    return D(LD(hm) * phi * d / (Sine(kappa * kRadPerDeg) * 114.6L * ae));
}

double AdjustByPercent(std::string_view sign, double p, double x) {
    const LD share = LD(x) / 100 * p;
    return D(!sign.empty() && sign.front() == '+' ? x + share : x - share);
}

double CountersinkDepth(double d1, double d2, double angle) {
    const LD a = (90 - LD(angle) / 2) * kRadPerDeg;
    const LD c = Cosine(a);
    return c == 0 ? 0 : D(Sine(a) / c * (LD(d2) - d1) / 2);
}

double TorqueDrill(std::uint8_t k, double a, double b, double d) {
    return D(LD(d) * d * b * k * a / 8000);
}

double TorqueSquare(double a, double b, double d) { return D(LD(d) * d * b * a / 8000); }

double TorqueRing(double a, double b, double c, double d1, double d2) {
    return D((LD(d2) * d2 - LD(d1) * d1) * c * b * a / 8000);
}

double ArcLength(double angle, double d) { return D(LD(d) * kPi * angle / 360); }
double AngleShare(std::int32_t k, double angle) { return D(LD(k) * angle / 360); }

double PiProductRatio(std::int32_t a, std::int32_t b, std::int32_t c, double x, std::int32_t d) {
    if (c <= 0) return 0;
    return D((LD(b) * (LD(a) * 1000) * kPi) / (LD(c) * x * d * 1000));
}

double Product4(double a, double b, double c, double d) { return D(LD(a) * b * c * d); }
double Product4b(double a, double b, double c, double d) { return D(LD(a) * b * c * d); }

namespace {

LD IntPowerWide(std::int32_t k, LD x) {
    LD r = x;
    for (std::int32_t i = 1; i < k; ++i) r *= x;
    return r;
}

// k >= 2: c^k by squaring, a few roundings instead of k - 1.
LD PowerBySquaring(LD c, std::int32_t k) {
    LD r = 1;
    for (LD p = c; k > 0; k >>= 1, p *= p)
        if (k & 1) r *= p;
    return r;
}

// Whether xa / IntPowerWide(k, c) is below a quarter of the last place of
// t, so that adding it leaves t as it is. Far above the root (the first
// steps from 1 towards a small root) this holds, and the k - 1 products of
// IntPowerWide need not be formed. The estimate by squaring is within
// about 2^-57 of the product formed factor by factor, and the spacing of
// long doubles next to t is at least 2^-64 t: a bound of 2^-68 t on the
// estimate keeps the share below a quarter of it.
bool NegligibleShare(LD xa, LD c, std::int32_t k, LD t) {
    if (k < 2) return false;
    const LD p = std::fabs(PowerBySquaring(c, k));
    if (!std::isnormal(p) || !std::isfinite(xa) || !std::isnormal(t)) return false;
    return std::fabs(xa) / p < std::fabs(t) * 0x1p-68L;
}

std::optional<LD> RootOfPowerWide(std::int32_t a, std::int32_t b, LD x) {
    if (b <= 0) return std::nullopt;
    const LD xa = IntPowerWide(a, x);
    LD c = 1;
    // Newton's iteration converges quadratically once close; the cap only
    // guards against arguments for which it never settles.
    for (int i = 0; i < 100000; ++i) {
        const LD t = c * (b - 1);
        const LD sum = NegligibleShare(xa, c, b - 1, t) ? t : xa / IntPowerWide(b - 1, c) + t;
        const LD r = sum * (1.0L / b);
        if (!std::isfinite(r)) return std::nullopt;
        if (std::fabs(c - r) < 0.000001L) return r;
        c = r;
    }
    return std::nullopt;
}

} // namespace

double IntPower(std::int32_t k, double x) { return D(IntPowerWide(k, x)); }

std::optional<double> RootOfPower(std::int32_t a, std::int32_t b, double x) {
    if (auto r = RootOfPowerWide(a, b, x)) return D(*r);
    return std::nullopt;
}

std::optional<double> SpecificCuttingForce(std::int32_t m, double kc11, double h) {
    if (!(h > 0)) return std::nullopt;
    const auto one = RootOfPowerWide(m, 100, 1);
    const auto root = RootOfPowerWide(m, 100, h);
    if (!one || !root || *root == 0) return std::nullopt;
    const LD kc = LD(kc11) * *one / *root;
    if (!std::isfinite(kc)) return std::nullopt;
    return D(kc);
}

double ArcSine(double x) { return D(ArcSineWide(x)); }
double Tangent(double x) {
    const LD c = Cosine(x);
    return c == 0 ? 0 : D(Sine(x) / c);
}

} // namespace zerbo
