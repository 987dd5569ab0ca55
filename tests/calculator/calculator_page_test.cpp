// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calculator/calculator_page.h"

#include <gtest/gtest.h>

#include <string>

using namespace zerbo;

namespace {

class CalculatorTest : public ::testing::TestWithParam<char> {
  protected:
    MessageRecorder messages;
    HelpRecorder help;
    Shell shell{messages, help, GetParam()};
    CalculatorPage page{shell};

    void type(const Field& field, const std::string& text) {
        ASSERT_TRUE(page.userEdit(field.name(), text));
    }
    double value(const Field& field) { return shell.numbers.parse(field.text()); }
    std::string S(std::string s) const {
        for (char& c : s)
            if (c == '.') c = GetParam();
        return s;
    }
};

TEST_P(CalculatorTest, StartsAtZeroAndComputesNothingWithoutDiameter) {
    for (const Field* f : {&page.diameter, &page.cuttingSpeed, &page.spindleSpeed, &page.edges,
                           &page.chipThickness, &page.feedRate}) {
        EXPECT_EQ(f->text(), "0");
        EXPECT_TRUE(f->editable);
    }
    type(page.cuttingSpeed, "200");
    EXPECT_EQ(page.spindleSpeed.text(), "0");
    EXPECT_EQ(page.feedRate.text(), "0");
    EXPECT_EQ(shell.state.calculator.vc, 200);
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(CalculatorTest, SpeedThenFeedAsTyped) {
    // Typed character by character, as a user would.
    for (std::string s : {"5", "50"})
        type(page.diameter, s);
    for (std::string s : {"1", "15", "157", "157.", "157.0", "157.08"})
        type(page.cuttingSpeed, S(s));
    EXPECT_NEAR(value(page.spindleSpeed), 1000.0, 0.01);
    EXPECT_EQ(page.spindleSpeed.text(), S("1000.002338435"));
    type(page.edges, "4");
    EXPECT_EQ(page.feedRate.text(), "0"); // fz is still 0
    type(page.chipThickness, "0");
    type(page.chipThickness, S("0."));
    type(page.chipThickness, S("0.1"));
    EXPECT_NEAR(value(page.feedRate), 400.0, 0.01);
    EXPECT_EQ(page.feedRate.text(), S("400.000935374"));
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(CalculatorTest, CommaAndPointGiveTheSameDiameter) {
    type(page.cuttingSpeed, "100");
    type(page.diameter, "12,5");
    const std::string viaComma = page.spindleSpeed.text();
    EXPECT_EQ(shell.state.calculator.d, 12.5);
    type(page.diameter, "12.5");
    EXPECT_EQ(shell.state.calculator.d, 12.5);
    EXPECT_EQ(page.spindleSpeed.text(), viaComma);
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(CalculatorTest, EmptyingInputsEmptiesResults) {
    type(page.diameter, "50");
    type(page.cuttingSpeed, "100");
    type(page.edges, "2");
    type(page.chipThickness, S("0.05"));
    const std::string n = page.spindleSpeed.text(), vf = page.feedRate.text();
    type(page.cuttingSpeed, "");
    EXPECT_EQ(page.spindleSpeed.text(), "");
    EXPECT_EQ(page.feedRate.text(), "");
    EXPECT_EQ(shell.state.calculator.vc, 100); // keeps its last value

    // Typed again, the speed brings both results back as they were.
    type(page.cuttingSpeed, "100");
    EXPECT_EQ(page.spindleSpeed.text(), n);
    EXPECT_EQ(page.feedRate.text(), vf);
    type(page.edges, "");
    EXPECT_EQ(page.feedRate.text(), "");
    EXPECT_EQ(shell.state.calculator.z, 0);
}

TEST_P(CalculatorTest, TypedSpindleSpeedAndFeedRate) {
    type(page.edges, "3");
    type(page.chipThickness, S("0.2"));
    type(page.spindleSpeed, "1000");
    EXPECT_EQ(page.feedRate.text(), "600");
    // A typed feed rate is replaced by the computed one while inputs exist.
    type(page.feedRate, "123");
    EXPECT_EQ(page.feedRate.text(), "600");
    type(page.spindleSpeed, "");
    EXPECT_EQ(page.feedRate.text(), "600"); // an empty n changes nothing
    type(page.feedRate, "77");
    EXPECT_EQ(page.feedRate.text(), "77"); // nothing to compute from
}

TEST_P(CalculatorTest, BadTextShowsTheMessageEmptiesTheFieldAndKeepsTheValue) {
    type(page.cuttingSpeed, "100");
    type(page.diameter, "20");
    const std::string n = page.spindleSpeed.text();
    type(page.diameter, "2x");
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_TRUE(messages.entries[0].isError);
    EXPECT_EQ(messages.entries[0].text, kDecimalErrorText);
    EXPECT_EQ(page.diameter.text(), "");
    EXPECT_EQ(shell.state.calculator.d, 20);
    // The emptied diameter field empties the results, as emptying it would.
    EXPECT_EQ(page.spindleSpeed.text(), "");
    type(page.diameter, "20");
    EXPECT_EQ(page.spindleSpeed.text(), n);

    for (const char* bad : {"abc", "-", ",", ".", "1,2.3", "1e400", "nan", "inf"}) {
        messages.entries.clear();
        type(page.chipThickness, bad);
        EXPECT_EQ(messages.entries.size(), 1u) << bad;
        EXPECT_EQ(page.chipThickness.text(), "") << bad;
    }
    // Long texts behave like short ones: 300 nines read as 1E300 ...
    messages.entries.clear();
    type(page.diameter, std::string(300, '9'));
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(page.spindleSpeed.text(), S("3.18309886183791E-296"));
    // ... and 400 do not read at all.
    type(page.diameter, std::string(400, '9'));
    EXPECT_EQ(page.diameter.text(), "");
    EXPECT_EQ(messages.entries.size(), 1u);
}

TEST_P(CalculatorTest, ResultsThatWouldNotBeFiniteAreRefused) {
    type(page.cuttingSpeed, "1e300");
    type(page.diameter, "1e-300");
    EXPECT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(page.diameter.text(), "");
    EXPECT_EQ(shell.state.calculator.d, 0);
    messages.entries.clear();

    type(page.cuttingSpeed, "100");
    type(page.diameter, "10");
    type(page.edges, "1e300");
    type(page.chipThickness, "1e300");
    EXPECT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(page.chipThickness.text(), "");
    EXPECT_EQ(shell.state.calculator.fz, 0);
    for (auto* c : page.controls()) {
        const auto& t = static_cast<Field*>(c)->text();
        EXPECT_EQ(t.find("INF"), std::string::npos);
        EXPECT_EQ(t.find("NAN"), std::string::npos);
    }
}

TEST_P(CalculatorTest, AFeedRateNextToTheLargestNumberReadsBack) {
    type(page.edges, "1");
    type(page.spindleSpeed, "1");
    type(page.chipThickness, S("1.7976931348623157e308"));
    EXPECT_EQ(page.feedRate.text(), S("1.79769313486231E308"));
    EXPECT_TRUE(shell.numbers.tryParse(page.feedRate.text()).has_value());
    EXPECT_TRUE(messages.entries.empty());
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, CalculatorTest, ::testing::Values(',', '.'),
                         [](const auto& info) { return info.param == ',' ? "Comma" : "Point"; });

} // namespace
