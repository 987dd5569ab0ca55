// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Building blocks shared by the HSS, indexable-insert and solid-carbide
// cutter tables.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zerbo {

class MillingPage;

// A list of up to twelve entries; unused places stay empty.
using TableList = std::array<std::string_view, 12>;

// One row of a tool-type table: list text, depth-of-cut limit (mm), teeth
// and diameters offered for it.
struct ToolTypeRow {
    std::string_view text;
    std::uint8_t maxDepthOfCut;
    TableList teeth;
    TableList diameters;
    // Solid-carbide finishing cutters come with four teeth as well for
    // hardened materials (group 11).
    bool fourTeethInGroup11 = false;
};

// A recommended cutting-speed range in m/min.
struct SpeedRange {
    std::int32_t min;
    std::int32_t max;
};

// A range cell that holds no range.
inline constexpr SpeedRange kNoRange = {-1, -1};
inline bool HasRange(const SpeedRange& r) {
    return r.min >= 0;
}

// A table cell that leaves its field as it is.
inline constexpr std::string_view kKeep = "(keep)";
// A table cell that empties its field.
inline constexpr std::string_view kEmpty = "";

// Number of entries of a table list.
int ListSize(const TableList& list);
std::vector<std::string> ListItems(const TableList& list);

std::vector<std::string> Texts(std::span<const std::string_view> texts);

// The tool-type texts of a table, in order.
std::vector<std::string> ToolTypeTexts(std::span<const ToolTypeRow> rows);

// Fills the teeth and diameter lists (and the depth-of-cut limit) for the
// selected tool type of `rows`; with no valid tool type both lists stay empty.
void FillToolSizes(MillingPage& page, std::span<const ToolTypeRow> rows);

// Whether `index` is a position inside a list of `size` entries.
inline bool InRange(int index, int size) {
    return index >= 0 && index < size;
}

} // namespace zerbo
