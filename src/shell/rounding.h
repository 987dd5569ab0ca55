// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The two integer helpers every page uses.

#include <cmath>
#include <cstdint>

namespace zerbo {

// Rounds to the nearest whole number, exact halves to the even neighbour.
// Values beyond the 32-bit range saturate; NaN gives 0.
inline std::int32_t RoundHalfEven(long double x) {
    if (std::isnan(x)) return 0;
    if (x >= 2147483647.0L) return 2147483647;
    if (x <= -2147483648.0L) return -2147483647 - 1;
    const long double f = std::floor(x);
    const long double d = x - f;
    long double r = f;
    if (d > 0.5L || (d == 0.5L && std::fmod(f, 2.0L) != 0)) r = f + 1;
    return static_cast<std::int32_t>(r);
}

// Integer division truncating toward zero; a zero divisor gives 0.
inline std::int32_t TruncDiv(std::int32_t a, std::int32_t b) {
    if (b == 0) return 0;
    if (b == -1) return a == INT32_MIN ? INT32_MAX : -a;
    return a / b;
}

} // namespace zerbo
