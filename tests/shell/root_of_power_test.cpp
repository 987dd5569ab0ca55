#include "shell/formulas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>

using namespace zerbo;

namespace {

// Newton's iteration for the b-th root of x^a exactly as written: every
// power formed one factor at a time.
std::optional<double> PlainRootOfPower(int a, int b, double x) {
    using LD = long double;
    auto power = [](int k, LD v) {
        LD r = v;
        for (int i = 1; i < k; ++i) r *= v;
        return r;
    };
    const LD xa = power(a, x);
    LD c = 1;
    for (int i = 0; i < 100000; ++i) {
        const LD r = (xa / power(b - 1, c) + c * (b - 1)) * (1.0L / b);
        if (!std::isfinite(r)) return std::nullopt;
        if (std::fabs(c - r) < 0.000001L) return static_cast<double>(r);
        c = r;
    }
    return std::nullopt;
}

// The root skips the powers while their share cannot change the sum; its
// results are those of the plain iteration to the last bit.
TEST(RootOfPower, SameBitsAsThePlainIteration) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> exponent(-12, 1);
    int compared = 0;
    for (int a : {0, 1, 17, 21, 26, 30, 99, 150}) {
        for (int b : {2, 3, 7, 100, 101}) {
            for (int i = 0; i < 60; ++i) {
                const double x = i == 0 ? 1 : std::pow(10.0, exponent(rng));
                const auto fast = RootOfPower(a, b, x);
                const auto plain = PlainRootOfPower(a, b, x);
                ASSERT_EQ(fast.has_value(), plain.has_value()) << a << " " << b << " " << x;
                if (fast) {
                    EXPECT_EQ(*fast, *plain) << a << " " << b << " " << x;
                }
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, 8 * 5 * 60);
}

} // namespace
