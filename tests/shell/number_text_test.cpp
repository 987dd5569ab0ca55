// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace zerbo;

namespace {

// Every rule holds under both system separators; `S` puts the system
// separator into an expected text written with ".".
class NumberTextTest : public ::testing::TestWithParam<char> {
  protected:
    NumberText nt{GetParam()};
    std::string S(std::string s) const {
        for (char& c : s)
            if (c == '.') c = GetParam();
        return s;
    }
};

TEST_P(NumberTextTest, AcceptsCommaAndPointAlike) {
    EXPECT_EQ(nt.parse("2.5"), 2.5);
    EXPECT_EQ(nt.parse("2,5"), 2.5);
    EXPECT_EQ(nt.parse("  -0,125 "), -0.125);
    EXPECT_EQ(nt.parse("+3"), 3);
    EXPECT_EQ(nt.parse("5."), 5);
    EXPECT_EQ(nt.parse(",5"), 0.5);
    EXPECT_EQ(nt.parse("1.5e3"), 1500);
    EXPECT_EQ(nt.parse("2E-2"), 0.02);
    EXPECT_EQ(nt.parse("1e-400"), 0.0); // too small to hold reads as zero
}

TEST_P(NumberTextTest, RejectsWhatIsNotOneNumber) {
    for (const char* bad : {"", ".", ",", "-", "+", " ", "1,250.5", "1.2.3", "1,,2", "2.5abc",
                            "abc", "nan", "inf", "-inf", "0x1p3", "1e", "1e+", "e5", "1 2",
                            "1e400", "-1e400", "1e99999999999"}) {
        EXPECT_FALSE(nt.tryParse(bad).has_value()) << bad;
        EXPECT_THROW(nt.parse(bad), ConversionError) << bad;
    }
    // Long texts behave like short ones.
    EXPECT_EQ(nt.parse(std::string(300, '7').substr(0, 1) + "." + std::string(298, '1')),
              7.111111111111111);
    EXPECT_FALSE(nt.tryParse(std::string(300, 'x')).has_value());
}

TEST_P(NumberTextTest, WritesTheGeneralForm) {
    EXPECT_EQ(nt.write(1000.0), "1000");
    EXPECT_EQ(nt.write(0.1 + 0.2), S("0.3"));
    EXPECT_EQ(nt.write(0.0), "0");
    EXPECT_EQ(nt.write(-0.0), "0");
    EXPECT_EQ(nt.write(-2.5), S("-2.5"));
    EXPECT_EQ(nt.write(1.0 / 3), S("0.333333333333333"));
    EXPECT_EQ(nt.write(2.0 / 3), S("0.666666666666667"));
    EXPECT_EQ(nt.write(1000.0 / 3.14159265358979 * 3.14159265358979), "1000");
    EXPECT_EQ(nt.write(0.00001), S("0.00001"));
    EXPECT_EQ(nt.write(0.000012345), S("0.000012345"));
    EXPECT_EQ(nt.write(1e-6), "1E-6");
    EXPECT_EQ(nt.write(-1.5e-7), S("-1.5E-7"));
    EXPECT_EQ(nt.write(2.5e20), S("2.5E20"));
    EXPECT_EQ(nt.write(999999999999999.0), "999999999999999");
    EXPECT_EQ(nt.write(1e15), "1E15");
    EXPECT_EQ(nt.write(123456789.123456789), S("123456789.123457"));
    EXPECT_EQ(nt.write(static_cast<long double>(0.004L)), S("0.004"));
}

TEST_P(NumberTextTest, WrittenNumbersReadBack) {
    for (double v : {0.1, 1.0 / 7, 1234.5678, 1e-6, 6.02e23, -42.0, 1e300, 5e-300}) {
        const auto back = nt.tryParse(nt.write(v));
        ASSERT_TRUE(back.has_value()) << nt.write(v);
        EXPECT_NEAR(*back, v, std::abs(v) * 1e-14) << nt.write(v);
    }
}

// However far below the smallest double a number is, it reads as zero; only
// numbers beyond the largest fail.
TEST_P(NumberTextTest, WhatIsTooSmallToHoldReadsAsZero) {
    for (const char* tiny : {"1e-400", "4,e-9324", "1e-5000", "-0,0000000001e-4990",
                             "100000e-4960", "1e-99999999999999999999", "1000e-330"})
        EXPECT_EQ(nt.tryParse(tiny), 0.0) << tiny;
    EXPECT_EQ(nt.parse("4.9e-324"), 4.9e-324);
    for (const char* huge : {"1e309", "1e5000", "0,0000001e330", "1e99999999999999999999"})
        EXPECT_FALSE(nt.tryParse(huge).has_value()) << huge;
}

// Rounding the largest doubles to 15 digits would leave the range; they are
// cut instead, so that the text still reads back.
TEST_P(NumberTextTest, TheLargestNumbersStillReadBack) {
    const double max = std::numeric_limits<double>::max();
    EXPECT_EQ(nt.write(max), S("1.79769313486231E308"));
    EXPECT_EQ(nt.write(-max), S("-1.79769313486231E308"));
    EXPECT_EQ(nt.write(1.797693134862314e308), S("1.79769313486231E308"));
    EXPECT_EQ(nt.write(1.79769313486230e308), S("1.7976931348623E308"));
    for (double v : {max, -max, std::nextafter(max, 0.0), 1.797693134862315e308,
                     std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min()}) {
        const auto back = nt.tryParse(nt.write(v));
        ASSERT_TRUE(back.has_value()) << nt.write(v);
        EXPECT_NEAR(*back, v, std::abs(v) * 1e-14) << nt.write(v);
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, NumberTextTest, ::testing::Values(',', '.'),
                         [](const auto& info) { return info.param == ',' ? "Comma" : "Point"; });

TEST(NormalizeDecimal, ReplacesOnlyTheFirstCandidate) {
    EXPECT_EQ(NormalizeDecimal("2.5", ','), "2,5");
    EXPECT_EQ(NormalizeDecimal("2,5", '.'), "2.5");
    EXPECT_EQ(NormalizeDecimal("1,250.5", '.'), "1.250.5");
    EXPECT_EQ(NormalizeDecimal("1.2.3", ','), "1,2.3");
    EXPECT_EQ(NormalizeDecimal("12", ','), "12");
}

TEST(TextHelpers, TruncateFirstWordBeforeAfter) {
    EXPECT_EQ(TruncateDecimals("3.14159", 2), "3.14");
    EXPECT_EQ(TruncateDecimals("3,14159", 2), "3,14159");
    EXPECT_EQ(TruncateDecimals("12", 2), "12");
    EXPECT_EQ(TruncateDecimals("3.14159", 0), "3.");
    EXPECT_EQ(TruncateDecimals("3.1", 5), "3.1");
    EXPECT_EQ(TruncateDecimals("", 2), "");
    EXPECT_EQ(TruncateDecimals("1." + std::string(400, '5'), 3), "1.555");

    EXPECT_EQ(FirstWord("0.5 mm"), "0.5 ");
    EXPECT_EQ(FirstWord("0.5"), "0.5");
    EXPECT_EQ(TextBefore("8-12", "-"), "8");
    EXPECT_EQ(TextAfter("8-12", "-"), "12");
    EXPECT_EQ(TextBefore("812", "-"), "812");
    EXPECT_EQ(TextAfter("812", "-"), "812");
    EXPECT_EQ(TextAfter("a - b", " - "), "- b");
    EXPECT_EQ(TextAfter(std::string(300, 'a') + "-x", "-"), "x");
}

TEST(TextHelpers, WholeNumbers) {
    EXPECT_EQ(WriteWhole(0), "0");
    EXPECT_EQ(WriteWhole(-17), "-17");
    EXPECT_EQ(WriteWhole(2147483648LL), "2147483648");
}

} // namespace
