// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The fixture of a page model's tests: the page on a shell of its own, run
// under each decimal separator (instantiate with ::testing::Values(',', '.')),
// the user's entry points for the page's controls and a snapshot of all it
// shows.

#include "fingerprint.h"

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

// Everything a control set shows, one line per control.
inline std::string Snapshot(const ControlSet& set) {
    std::string out;
    for (const Control* c : set.controls()) {
        out += c->name() + (c->enabled ? "" : " off") + (c->visible ? "" : " hidden");
        switch (c->kind()) {
        case ControlKind::Field:
            out += " [" + static_cast<const Field*>(c)->text() + "]";
            break;
        case ControlKind::List: {
            const auto* l = static_cast<const List*>(c);
            out += " " + std::to_string(l->index()) + " of";
            for (const std::string& item : l->items())
                out += " [" + item + "]";
            break;
        }
        case ControlKind::Bar: {
            const auto* b = static_cast<const Bar*>(c);
            out += " " + std::to_string(b->min()) + ".." + std::to_string(b->max()) + " @" +
                   std::to_string(b->position()) + " step " + std::to_string(b->smallStep) + "/" +
                   std::to_string(b->largeStep);
            break;
        }
        case ControlKind::Button: {
            const auto* b = static_cast<const Button*>(c);
            out += (b->down() ? " down [" : " [") + b->caption + "]";
            break;
        }
        case ControlKind::Check: {
            const auto* b = static_cast<const Check*>(c);
            out += (b->checked ? " checked [" : " [") + b->caption + "]";
            break;
        }
        case ControlKind::Memo:
            for (const std::string& line : static_cast<const Memo*>(c)->lines)
                out += " [" + line + "]";
            break;
        case ControlKind::Label:
            out += " [" + static_cast<const Label*>(c)->caption + "]";
            break;
        }
        if (!c->hint.empty()) out += " hint [" + c->hint + "]";
        out += "\n";
    }
    return out;
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
    void expectVisible(const std::vector<const Control*>& controls, bool visible) const {
        for (const Control* c : controls)
            EXPECT_EQ(c->visible, visible) << c->name();
    }
    // Pins everything the page shows with one value per separator; a
    // failure prints what it shows now. After a deliberate change, check
    // the page against its description once more, then take the new value.
    void expectSnapshot(std::string_view comma, std::string_view point) const {
        const std::string shown = Snapshot(page);
        EXPECT_EQ((Fingerprint() << shown).hex(), GetParam() == ',' ? comma : point) << shown;
    }
};

} // namespace zerbo::testing
