// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Fixed-point number text with a set number of decimals after rounding to a
// number of significant digits: 0.0000678 with 2 digits and 6 decimals is
// "0.000068", zero is "0.000000". A value with more integer digits than
// significant digits is written in the general form's scientific notation
// ("1,2E2").

#include <string>

namespace zerbo {

std::string WriteFixed(double value, int significant, int decimals, char separator);

} // namespace zerbo
