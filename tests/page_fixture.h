// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The fixture of a page model's tests: the page on a shell of its own, run
// under each decimal separator (instantiate with ::testing::Values(',', '.')),
// and the user's entry points for the page's controls.

#include "shell/control_set.h"
#include "shell/messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace zerbo::testing {

// Controls of different kinds as one list, for checks they share.
template <class... C> std::vector<const Control*> All(const C&... controls) {
    return {&controls...};
}

template <class Page> class PageFixture : public ::testing::TestWithParam<char> {
  protected:
    MessageRecorder messages;
    HelpRecorder help;
    Shell shell{messages, help, GetParam()};
    Page page{shell};

    // An expected text written with "." in the system separator.
    std::string S(std::string s) const {
        std::replace(s.begin(), s.end(), '.', GetParam());
        return s;
    }
    double num(const Field& field) const { return shell.numbers.parse(field.text()); }

    // What the user does; each fails the test when the control ignores it.
    void click(const Control& c, int times = 1) {
        for (int i = 0; i < times; ++i)
            ASSERT_TRUE(page.userClick(c.name())) << c.name();
    }
    void select(const List& list, int index) {
        ASSERT_TRUE(page.userSelect(list.name(), index)) << list.name();
    }
    // Selects the list item with this text.
    void choose(const List& list, std::string_view text) {
        const auto it = std::find(list.items().begin(), list.items().end(), text);
        ASSERT_NE(it, list.items().end()) << list.name() << " " << text;
        select(list, static_cast<int>(it - list.items().begin()));
    }
    void scroll(const Bar& bar, int position) {
        ASSERT_TRUE(page.userScroll(bar.name(), position)) << bar.name();
    }
    void expectBar(const Bar& bar, int min, int max, int position) const {
        EXPECT_EQ(bar.min(), min) << bar.name();
        EXPECT_EQ(bar.max(), max) << bar.name();
        EXPECT_EQ(bar.position(), position) << bar.name();
    }
};

} // namespace zerbo::testing
