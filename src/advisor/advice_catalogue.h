// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The troubleshooting advice: for each operation page the typical faults and,
// per fault, its causes and remedies as memo lines. Constant data only.

#include <span>
#include <string_view>

namespace zerbo::advisor {

// A memo line that only separates blocks holds a single blank.
inline constexpr std::string_view kBlank = " ";

// The lines of one advice entry, in memo order.
using Entry = std::span<const std::string_view>;

struct Fault {
    std::string_view text; // list item
    int entry;             // number of the entry it selects, counted from 1
};

struct Section {
    std::string_view caption;    // dialog caption
    std::string_view faultLabel; // caption of the label above the fault list
    std::span<const Fault> faults;
    std::span<const Entry> entries;
};

// The heading above the memo, set on every opening.
inline constexpr std::string_view kHeading = "Fehlerquellen und deren Lösungsmöglichkeit:";

// The section of a main-window page index (0 "Fräsen", 1 "Drehen",
// 2 "Bohren", 3 "Reiben", 5 "Sägen"); nullptr for pages without advice
// (4 "Senken", 6 "Rechner") and for any index outside the notebook.
const Section* SectionForPage(int pageIndex);

inline bool HasAdvice(int pageIndex) {
    return SectionForPage(pageIndex) != nullptr;
}

// The entry a fault (list position from 0) selects; empty when the position
// or the entry it refers to lies outside the section.
Entry EntryForFault(const Section& section, int fault);

} // namespace zerbo::advisor
