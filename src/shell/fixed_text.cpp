// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/fixed_text.h"

#include "shell/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace zerbo {

std::string WriteFixed(double value, int significant, int decimals, char separator) {
    if (!std::isfinite(value)) return WriteNumber(value, separator);
    significant = std::clamp(significant, 1, 17);
    decimals = std::clamp(decimals, 0, 20);

    // d.d...e[+-]x with the significant digits, rounded once.
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific,
                             significant - 1);
    std::string sci(buf, res.ptr);
    double rounded = 0;
    std::from_chars(sci.data(), sci.data() + sci.size(), rounded);
    const auto e = sci.find('e');
    int exponent = 0;
    std::from_chars(sci.data() + e + 1 + (sci[e + 1] == '+' ? 1 : 0), sci.data() + sci.size(),
                    exponent);

    std::string out;
    if (rounded != 0 && exponent >= significant) {
        // More integer digits than significant ones: scientific notation.
        std::string mantissa = sci.substr(0, e);
        if (mantissa.find('.') != std::string::npos) {
            while (mantissa.back() == '0') mantissa.pop_back();
            if (mantissa.back() == '.') mantissa.pop_back();
        }
        out = mantissa + "E" + std::to_string(exponent);
    } else {
        if (rounded == 0) rounded = 0; // no "-0"
        res = std::to_chars(buf, buf + sizeof buf, rounded, std::chars_format::fixed, decimals);
        out.assign(buf, res.ptr);
    }
    std::replace(out.begin(), out.end(), '.', separator);
    return out;
}

} // namespace zerbo
