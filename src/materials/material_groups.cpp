// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "materials/material_groups.h"

#include "shell/shell.h"

#include <cstdint>

namespace zerbo {

std::string_view GroupShortName(int group) {
    return group >= 1 && group <= static_cast<int>(GroupShortNames.size())
               ? GroupShortNames[static_cast<size_t>(group - 1)]
               : std::string_view();
}

std::vector<std::string> GroupLines(GroupTextSet set, int group) {
    std::vector<std::string> lines;
    if (group < 1 || group > static_cast<int>(set.size())) return lines;
    const GroupText& text = set[static_cast<size_t>(group - 1)];

    for (std::string_view heading : text.headings)
        lines.emplace_back(heading);
    // A group without entries is its heading lines alone, unless it closes.
    if (text.entries.empty() && !text.closingSeparator) return lines;
    lines.emplace_back(kGroupSeparator);
    for (size_t i = 0; i < text.entries.size(); ++i) {
        const MaterialEntry& entry = text.entries[i];
        lines.emplace_back(entry.designation);
        if (!entry.number.empty())
            lines.push_back(std::string(kMaterialNumberPrefix) + std::string(entry.number));
        for (std::string_view more : entry.more)
            if (!more.empty()) lines.emplace_back(more);
        if (i + 1 < text.entries.size() || text.closingSeparator)
            lines.emplace_back(kGroupSeparator);
    }
    return lines;
}

void ShowGroupDescription(Memo& memo, GroupTextSet set, int group) {
    memo.lines.clear();
    memo.visible = false;
    memo.lines = GroupLines(set, group);
    memo.visible = true;
}

GroupTextSet MillingGroupTexts(int millingCuttingMaterial) {
    switch (millingCuttingMaterial) {
    case 1:
        return GroupTextsSevenHss;
    case 2:
        return GroupTextsSevenWp;
    case 3:
        return GroupTextsEleven;
    default:
        return {};
    }
}

void ShowMillingGroupDescription(Memo& memo, const CalcState& state) {
    const GroupTextSet set = MillingGroupTexts(state.millingCuttingMaterial);
    if (set.empty()) return;
    ShowGroupDescription(memo, set, state.activeMaterialGroup);
}

void SyncActiveMaterialGroup(CalcState& state, int currentPage) {
    int group;
    if (currentPage == 0)
        group = state.millingMaterialGroup;
    else if (currentPage == 1)
        group = state.turningMaterialGroup;
    else
        return;
    if (group >= 0 && group <= 11) state.activeMaterialGroup = static_cast<std::uint8_t>(group);
}

void SyncActiveMaterialGroup(Shell& shell) {
    SyncActiveMaterialGroup(shell.state, shell.currentPage);
}

} // namespace zerbo
