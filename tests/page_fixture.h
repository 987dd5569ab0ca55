// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The fixture of a page model's tests: the page on a shell of its own, run
// under each decimal separator (instantiate with ::testing::Values(',', '.')),
// and the user's entry points by component name.

#include "shell/control_set.h"
#include "shell/messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

namespace zerbo::testing {

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
    std::string field(const char* name) const { return page.template get<Field>(name).text(); }
    double num(const char* name) const { return shell.numbers.parse(field(name)); }
    std::string label(const char* name) const { return page.template get<Label>(name).caption; }
    const Bar& bar(const char* name) const { return page.template get<Bar>(name); }
    bool visible(const char* name) const { return page.find(name)->visible; }

    void click(const char* name, int times = 1) {
        for (int i = 0; i < times; ++i)
            ASSERT_TRUE(page.userClick(name)) << name;
    }
    void select(const char* name, int index) { ASSERT_TRUE(page.userSelect(name, index)) << name; }
    // Selects the list item with this text.
    void choose(const char* name, std::string_view text) {
        const auto& items = page.template get<List>(name).items();
        const auto it = std::find(items.begin(), items.end(), text);
        ASSERT_NE(it, items.end()) << name << " " << text;
        select(name, static_cast<int>(it - items.begin()));
    }
    void scroll(const char* name, int position) {
        ASSERT_TRUE(page.userScroll(name, position)) << name;
    }
    void expectBar(const char* name, int min, int max, int position) const {
        EXPECT_EQ(bar(name).min(), min) << name;
        EXPECT_EQ(bar(name).max(), max) << name;
        EXPECT_EQ(bar(name).position(), position) << name;
    }
};

} // namespace zerbo::testing
