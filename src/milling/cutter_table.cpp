// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "milling/cutter_table.h"

#include "milling/milling_page.h"

namespace zerbo {

int ListSize(const TableList& list) {
    int n = 0;
    while (n < static_cast<int>(list.size()) && !list[static_cast<size_t>(n)].empty())
        ++n;
    return n;
}

std::vector<std::string> ListItems(const TableList& list) {
    std::vector<std::string> items;
    for (int i = 0; i < ListSize(list); ++i)
        items.emplace_back(list[static_cast<size_t>(i)]);
    return items;
}

std::vector<std::string> Texts(std::span<const std::string_view> texts) {
    return {texts.begin(), texts.end()};
}

std::vector<std::string> ToolTypeTexts(std::span<const ToolTypeRow> rows) {
    std::vector<std::string> texts;
    for (const auto& row : rows)
        texts.emplace_back(row.text);
    return texts;
}

void FillToolSizes(MillingPage& page, std::span<const ToolTypeRow> rows) {
    std::vector<std::string> teeth;
    std::vector<std::string> diameters;
    const int type = page.toolList.index();
    if (InRange(type, static_cast<int>(rows.size()))) {
        const ToolTypeRow& row = rows[static_cast<size_t>(type)];
        auto& state = page.shell().state;
        state.maxDepthOfCut = row.maxDepthOfCut;
        teeth = ListItems(row.teeth);
        if (row.fourTeethInGroup11 && state.activeMaterialGroup == 11) teeth.emplace_back("4");
        diameters = ListItems(row.diameters);
    }
    page.teethList.fill(std::move(teeth));
    page.diameterList.fill(std::move(diameters));
}

} // namespace zerbo
