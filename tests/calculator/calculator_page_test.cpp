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

    void type(const char* name, const std::string& text) { ASSERT_TRUE(page.userEdit(name, text)); }
    std::string field(const char* name) { return page.get<Field>(name).text(); }
    double value(const char* name) { return shell.numbers.parse(field(name)); }
    std::string S(std::string s) const {
        for (char& c : s)
            if (c == '.') c = GetParam();
        return s;
    }
};

TEST_P(CalculatorTest, StartsAtZeroAndComputesNothingWithoutDiameter) {
    for (const char* f : {"Edit68", "Edit69", "Edit70", "Edit71", "Edit72", "Edit73"}) {
        EXPECT_EQ(field(f), "0");
        EXPECT_TRUE(page.get<Field>(f).editable);
    }
    type("Edit69", "200");
    EXPECT_EQ(field("Edit70"), "0");
    EXPECT_EQ(field("Edit73"), "0");
    EXPECT_EQ(shell.state.calculator.vc, 200);
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(CalculatorTest, SpeedThenFeedAsTyped) {
    // Typed character by character, as a user would.
    for (std::string s : {"5", "50"}) type("Edit68", s);
    for (std::string s : {"1", "15", "157", "157.", "157.0", "157.08"}) type("Edit69", S(s));
    EXPECT_NEAR(value("Edit70"), 1000.0, 0.01);
    EXPECT_EQ(field("Edit70"), S("1000.002338435"));
    type("Edit71", "4");
    EXPECT_EQ(field("Edit73"), "0"); // fz is still 0
    type("Edit72", "0");
    type("Edit72", S("0."));
    type("Edit72", S("0.1"));
    EXPECT_NEAR(value("Edit73"), 400.0, 0.01);
    EXPECT_EQ(field("Edit73"), S("400.000935374"));
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(CalculatorTest, CommaAndPointGiveTheSameDiameter) {
    type("Edit69", "100");
    type("Edit68", "12,5");
    const std::string viaComma = field("Edit70");
    EXPECT_EQ(shell.state.calculator.d, 12.5);
    type("Edit68", "12.5");
    EXPECT_EQ(shell.state.calculator.d, 12.5);
    EXPECT_EQ(field("Edit70"), viaComma);
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(CalculatorTest, EmptyingInputsEmptiesResults) {
    type("Edit68", "50");
    type("Edit69", "100");
    type("Edit71", "2");
    type("Edit72", S("0.05"));
    ASSERT_NE(field("Edit73"), "");
    type("Edit69", "");
    EXPECT_EQ(field("Edit70"), "");
    EXPECT_EQ(field("Edit73"), "");
    EXPECT_EQ(shell.state.calculator.vc, 100); // keeps its last value

    type("Edit69", "100");
    ASSERT_NE(field("Edit73"), "");
    type("Edit71", "");
    EXPECT_EQ(field("Edit73"), "");
    EXPECT_EQ(shell.state.calculator.z, 0);
}

TEST_P(CalculatorTest, TypedSpindleSpeedAndFeedRate) {
    type("Edit71", "3");
    type("Edit72", S("0.2"));
    type("Edit70", "1000");
    EXPECT_EQ(field("Edit73"), "600");
    // A typed feed rate is replaced by the computed one while inputs exist.
    type("Edit73", "123");
    EXPECT_EQ(field("Edit73"), "600");
    type("Edit70", "");
    EXPECT_EQ(field("Edit73"), "600"); // an empty n changes nothing
    type("Edit73", "77");
    EXPECT_EQ(field("Edit73"), "77"); // nothing to compute from
}

TEST_P(CalculatorTest, BadTextShowsTheMessageEmptiesTheFieldAndKeepsTheValue) {
    type("Edit69", "100");
    type("Edit68", "20");
    const std::string n = field("Edit70");
    type("Edit68", "2x");
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_TRUE(messages.entries[0].isError);
    EXPECT_EQ(messages.entries[0].text, kDecimalErrorText);
    EXPECT_EQ(field("Edit68"), "");
    EXPECT_EQ(shell.state.calculator.d, 20);
    // The emptied diameter field empties the results, as emptying it would.
    EXPECT_EQ(field("Edit70"), "");
    type("Edit68", "20");
    EXPECT_EQ(field("Edit70"), n);

    for (const char* bad : {"abc", "-", ",", ".", "1,2.3", "1e400", "nan", "inf"}) {
        messages.entries.clear();
        type("Edit72", bad);
        EXPECT_EQ(messages.entries.size(), 1u) << bad;
        EXPECT_EQ(field("Edit72"), "") << bad;
    }
    // Long texts behave like short ones: 300 nines read as 1E300 ...
    messages.entries.clear();
    type("Edit68", std::string(300, '9'));
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(field("Edit70"), S("3.18309886183791E-296"));
    // ... and 400 do not read at all.
    type("Edit68", std::string(400, '9'));
    EXPECT_EQ(field("Edit68"), "");
    EXPECT_EQ(messages.entries.size(), 1u);
}

TEST_P(CalculatorTest, ResultsThatWouldNotBeFiniteAreRefused) {
    type("Edit69", "1e300");
    type("Edit68", "1e-300");
    EXPECT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(field("Edit68"), "");
    EXPECT_EQ(shell.state.calculator.d, 0);
    messages.entries.clear();

    type("Edit69", "100");
    type("Edit68", "10");
    type("Edit71", "1e300");
    type("Edit72", "1e300");
    EXPECT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(field("Edit72"), "");
    EXPECT_EQ(shell.state.calculator.fz, 0);
    for (auto* c : page.controls()) {
        const auto& t = static_cast<Field*>(c)->text();
        EXPECT_EQ(t.find("INF"), std::string::npos);
        EXPECT_EQ(t.find("NAN"), std::string::npos);
    }
}

TEST_P(CalculatorTest, AFeedRateNextToTheLargestNumberReadsBack) {
    type("Edit71", "1");
    type("Edit70", "1");
    type("Edit72", S("1.7976931348623157e308"));
    EXPECT_EQ(field("Edit73"), S("1.79769313486231E308"));
    EXPECT_TRUE(shell.numbers.tryParse(field("Edit73")).has_value());
    EXPECT_TRUE(messages.entries.empty());
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, CalculatorTest, ::testing::Values(',', '.'),
                         [](const auto& info) { return info.param == ',' ? "Comma" : "Point"; });

} // namespace
