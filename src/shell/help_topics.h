// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The topics of the built-in manual, in the order of its contents list.
// The operation pages open theirs by context number (104..109), the
// precise-material dialog by 110; the other topics have context 0 and are
// reached from the contents list and by links.

#include <span>
#include <string_view>

namespace zerbo {

struct HelpTopic {
    int context;            // 0: reached only from the contents and by links
    std::string_view title; // as the contents list shows it
    std::string_view page;  // file name of the topic's page in the manual
};

std::span<const HelpTopic> HelpTopics();

// The topic for a context number, or nullptr.
const HelpTopic* FindHelpTopic(int context);
// The topic whose page has this file name, or nullptr.
const HelpTopic* FindHelpPage(std::string_view page);

} // namespace zerbo
