// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/fixed_text.h"

#include <gtest/gtest.h>

using namespace zerbo;

TEST(FixedText, RoundsToSignificantDigitsThenWritesTheDecimals) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {{0.0000678, "0.000068"}, {0, "0.000000"},       {-0.0, "0.000000"},
                          {0.00000049, "0.000000"}, {0.00000051, "0.000001"}, {1.26, "1.300000"},
                          {99.4, "99.000000"},      {99.6, "1E2"},        {123, "1.2E2"},
                          {120, "1.2E2"},           {4e20, "4E20"}};
    for (const Case& c : cases) {
        EXPECT_EQ(WriteFixed(c.value, 2, 6, '.'), c.text) << c.value;
    }
    EXPECT_EQ(WriteFixed(0.0000678, 2, 6, ','), "0,000068");
    EXPECT_EQ(WriteFixed(123, 2, 6, ','), "1,2E2");
}
