// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/formulas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>

namespace {

// Newton's iteration as written, every power formed one factor at a time.
std::optional<double> PlainRootOfPower(int a, int b, double x) {
    auto power = [](int k, long double v) {
        long double r = v;
        for (int i = 1; i < k; ++i)
            r *= v;
        return r;
    };
    long double c = 1;
    for (int i = 0; i < 100000; ++i) {
        const long double r = (power(a, x) / power(b - 1, c) + c * (b - 1)) * (1.0L / b);
        if (!std::isfinite(r)) return std::nullopt;
        if (std::fabs(c - r) < 0.000001L) return static_cast<double>(r);
        c = r;
    }
    return std::nullopt;
}

// The root skips powers too small to change the sum: same bits as the plain one.
TEST(RootOfPower, SameBitsAsThePlainIteration) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> exponent(-12, 0.3);
    for (int a : {0, 1, 17, 21, 26, 30, 99})
        for (int b : {2, 3, 7, 100, 101})
            for (int i = 0; i < 60; ++i) {
                const double x = i == 0 ? 1 : std::pow(10.0, exponent(rng));
                EXPECT_EQ(zerbo::RootOfPower(a, b, x), PlainRootOfPower(a, b, x))
                    << a << " " << b << " " << x;
            }
}

} // namespace
