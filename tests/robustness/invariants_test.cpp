// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "advisor/advisor_dialog.h"
#include "materials/material_dialog.h"
#include "robustness/invariants.h"
#include "robustness/random_user.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>
#include <string_view>

using namespace zerbo;
using namespace zerbo::robustness;

namespace {

TEST(ShowsNonFinite, FindsTheWordsNotTheSyllables) {
    for (const char* bad : {"NAN", "nan", "INF", "-INF", "+inf", "Infinity", "nan(0x7)",
                            "Vc = INF m/min", "\tnan"})
        EXPECT_TRUE(ShowsNonFinite(bad)) << bad;
    for (const char* fine : {"", "0", "1,5E20", "Einfach", "Information", "Nanometer", "infrage",
                             "Kühlung: Emulsion", "inf.", "nan-"})
        EXPECT_FALSE(ShowsNonFinite(fine)) << fine;
}

TEST(IsOwnMessage, KnowsTheProgramsTexts) {
    const NumberText numbers(',');
    EXPECT_TRUE(IsOwnMessage({true, std::string(kDecimalErrorText)}, numbers));
    EXPECT_TRUE(IsOwnMessage({false, std::string(kInputNotice1)}, numbers));
    EXPECT_TRUE(IsOwnMessage({false, std::string(kInputNotice2)}, numbers));
    EXPECT_TRUE(IsOwnMessage({true, UncaughtConversionText("1,2,3")}, numbers));
    EXPECT_TRUE(IsOwnMessage({true, UncaughtConversionText("")}, numbers));
    // Wrong kind, a text that does read as a number, anything else.
    EXPECT_FALSE(IsOwnMessage({false, std::string(kDecimalErrorText)}, numbers));
    EXPECT_FALSE(IsOwnMessage({true, std::string(kInputNotice1)}, numbers));
    EXPECT_FALSE(IsOwnMessage({true, UncaughtConversionText("2,5")}, numbers));
    EXPECT_FALSE(IsOwnMessage({true, "vector::_M_range_check"}, numbers));
    EXPECT_FALSE(IsOwnMessage({true, "' ist kein gültiger Gleitkommawert."}, numbers));
    // Texts that modules declare.
    static const MessageText declared{"Werkzeug paßt nicht "};
    EXPECT_TRUE(IsOwnMessage({false, "Werkzeug paßt nicht "}, numbers));
    EXPECT_FALSE(IsOwnMessage({false, "Werkzeug paßt nicht"}, numbers));
}

// A page whose controls a test sets directly.
struct Sheet : ControlSet {
    explicit Sheet(Shell& shell) : ControlSet(shell) {
        for (Control* c : std::initializer_list<Control*>{&result, &word, &input, &list, &memo})
            add(*c);
        input.editable = true;
    }
    Field result{"result"};
    Field word{"word"};
    Field input{"input"};
    List list{"list"};
    Memo memo{"memo"};
};

struct CheckerTest : ::testing::Test {
    MessageRecorder messages;
    HelpRecorder help;
    Shell shell{messages, help, ','};
    Sheet sheet{shell};
    InvariantChecker checker{shell.numbers, messages, help};

    void SetUp() override {
        sheet.result.setText("12,5");
        sheet.word.setText("HSS");
        sheet.input.setText("0");
        sheet.list.fill({"a", "b"});
        checker.watch(sheet, "Sheet");
        ASSERT_TRUE(checker.check(&shell.state).empty());
    }
    size_t faults() { return checker.check(&shell.state).size(); }
};

TEST_F(CheckerTest, NumberFieldsMustKeepReadingAsNumbers) {
    sheet.result.setText("");
    EXPECT_EQ(faults(), 0u);
    sheet.result.setText("1.5E-7");
    EXPECT_EQ(faults(), 0u);
    sheet.result.setText("0,15-0,3"); // a range
    EXPECT_EQ(faults(), 0u);
    sheet.result.setText("1,5 mm");
    EXPECT_EQ(faults(), 1u);
    sheet.result.setText("0,1-");
    EXPECT_EQ(faults(), 1u);
    sheet.result.setText("-INF");
    EXPECT_EQ(faults(), 1u);
    sheet.result.setText("0");
    // A word without digits ("Hand" as a feed) is not a broken number.
    sheet.result.setText("Hand");
    EXPECT_EQ(faults(), 0u);
    // A field that showed words before any number is a text field.
    sheet.word.setText("P25");
    EXPECT_EQ(faults(), 0u);
    sheet.word.setText("42");
    EXPECT_EQ(faults(), 0u);
    sheet.word.setText("118°");
    EXPECT_EQ(faults(), 0u);
    sheet.word.setText("NAN");
    EXPECT_EQ(faults(), 1u);
}

TEST_F(CheckerTest, TypedTextBelongsToTheUser) {
    checker.typed(sheet.input, "abc");
    sheet.input.setText("abc");
    EXPECT_EQ(faults(), 0u);
    // The program writing something else is checked again.
    sheet.input.setText("a1");
    EXPECT_EQ(faults(), 1u);
    sheet.input.setText("nan");
    EXPECT_EQ(faults(), 1u);
    checker.typed(sheet.input, "nan");
    EXPECT_EQ(faults(), 0u);
}

TEST_F(CheckerTest, ListsSelectAnItemWhenTheyHaveItems) {
    sheet.list.clear();
    EXPECT_EQ(faults(), 0u);
    sheet.list.add("x");
    EXPECT_EQ(faults(), 1u);
    sheet.list.select(0);
    EXPECT_EQ(faults(), 0u);
}

TEST_F(CheckerTest, ForeignMessagesHelpTopicsAndStateAreFaults) {
    messages.error(kDecimalErrorText);
    EXPECT_EQ(faults(), 0u);
    messages.information("Division durch Null");
    EXPECT_EQ(faults(), 1u);
    EXPECT_EQ(faults(), 0u); // each message is judged once
    help.openTopic(104);
    help.openTopic(4711);
    EXPECT_EQ(faults(), 1u);
    sheet.memo.lines = {"Vc erhöhen", "INF"};
    EXPECT_EQ(faults(), 1u);
    sheet.memo.lines.clear();
    shell.state.calculator.vf = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(faults(), 1u);
}

TEST(RandomTypedText, MakesEveryKindOfText) {
    std::mt19937_64 rng(7);
    const NumberText numbers(',');
    int numbersSeen = 0, garbage = 0, empty = 0;
    for (int i = 0; i < 2000; ++i) {
        const std::string t = RandomTypedText(rng);
        if (t.empty()) ++empty;
        else if (numbers.tryParse(t)) ++numbersSeen;
        else ++garbage;
    }
    EXPECT_GT(numbersSeen, 600);
    EXPECT_GT(garbage, 400);
    EXPECT_GT(empty, 10);
}

// The random user reaches the dialogs and types into the calculator; the
// same seed gives the same run.
TEST(RandomUser, ReachesPagesAndDialogsAndRepeatsItself) {
    RandomUser a(11, ','), b(11, ',');
    EXPECT_EQ(a.run(3000), "");
    EXPECT_EQ(b.run(3000), "");
    EXPECT_EQ(a.eventsRun(), 3000);
    EXPECT_EQ(a.digest(), b.digest());
    for (std::string_view set : {std::string_view("Rechner"), std::string_view("Hauptfenster"),
                                 PreciseMaterialDialog::kFormName, advisor::AdvisorDialog::kName})
        EXPECT_GT(a.eventsOn(std::string(set)), 20) << set;
}

} // namespace
