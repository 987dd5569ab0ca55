// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Material groups: the group numbers, their short names, the description
// texts shown in the memo under the group buttons, and the shared "active"
// group that follows the page in use.
//
// Group numbers are 1..11; 0 means no group. The milling page with HSS or
// WP uses seven groups, the milling page with VHM and the turning page use
// eleven; the same number means different materials in the two schemes.

#include "shell/calc_state.h"
#include "shell/controls.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zerbo {

struct Shell;

// One listed material of a group: its designation line, the material
// number written after "Stoff-Nr.: " (empty: no such line), and any further
// lines that follow without a separator (empty ones are not lines).
struct MaterialEntry {
    std::string_view designation;
    std::string_view number{};
    std::array<std::string_view, 3> more{};
};

// The description of one group: heading lines, entries, and whether the
// separator after the last entry is written.
struct GroupText {
    std::span<const std::string_view> headings;
    std::span<const MaterialEntry> entries;
    bool closingSeparator = false;
};

// A text set: element 0 describes group 1.
using GroupTextSet = std::span<const GroupText>;

extern const GroupTextSet GroupTextsEleven;   // 11 groups: turning, milling with VHM
extern const GroupTextSet GroupTextsSevenHss; // 7 groups: milling with HSS
extern const GroupTextSet GroupTextsSevenWp;  // 7 groups: milling with WP

inline constexpr std::string_view kGroupSeparator = "-----------------------------";
inline constexpr std::string_view kMaterialNumberPrefix = "Stoff-Nr.: ";

// Short names of the eleven groups (element 0 is group 1).
inline constexpr std::array<std::string_view, 11> GroupShortNames = {
    "Baustähle < 700 N/mm2",
    "Warmfeste, legierte Stähle < 1000 N/mm2",
    "Legierte Stähle < 1400 N/mm2",
    "Chemisch beständige Stähle (VA), leicht zerspanbar, < 1400 N/mm2",
    "Chemisch beständige Stähle (VA), schwer zerspanbar, < 1000 N/mm2",
    "Schwer zerspanbare Werkstoffe, hochwarmfeste Stähle, Ti- u. Ni-Legierungen",
    "Guß < 200 HB",
    "Guß > 200 HB",
    "Aluminium < 6% Si",
    "Aluminium > 6% Si",
    "Gehärtete Werkstoffe bis 68 HRC",
};

// The short name of a group 1..11; empty for any other number.
std::string_view GroupShortName(int group);

// The lines of a group's description; none when the set has no such group.
std::vector<std::string> GroupLines(GroupTextSet set, int group);

// Writes the description of `group` from `set` into the memo (an empty,
// visible memo when the set has no such group).
void ShowGroupDescription(Memo& memo, GroupTextSet set, int group);

// The set the milling page shows for its cutting material (1 HSS, 2 WP,
// 3 VHM); empty for any other value.
GroupTextSet MillingGroupTexts(int millingCuttingMaterial);

// The milling memo: the set by `MillingCuttingMaterial`, the group by
// `ActiveMaterialGroup`. Leaves the memo alone for an unknown cutting material.
void ShowMillingGroupDescription(Memo& memo, const CalcState& state);

// Copies the group of the page in use (0 milling, 1 turning) into
// `ActiveMaterialGroup`; other pages and numbers above 11 leave it alone.
void SyncActiveMaterialGroup(CalcState& state, int currentPage);
void SyncActiveMaterialGroup(Shell& shell);

} // namespace zerbo
