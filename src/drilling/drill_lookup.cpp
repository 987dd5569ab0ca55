// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which feed and speed table serves the current keys, and the look-up of a
// cell by material row and diameter.

#include "drilling/drill_data.h"
#include "drilling/drill_tables.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace zerbo {

namespace {

using namespace drill_tables;

struct TablePair {
    const FeedTable* feed;
    const SpeedTable* speed;
};

std::optional<TablePair> SelectTables(const DrillKeys& k) {
    if (k.group == DrillGroup::Hss) {
        if (k.coating != 0 && k.coating != 1) return std::nullopt;
        switch (k.tool) {
        case kHssTwistDrill:
            return TablePair{&kHssTwistFeed, &kHssTwistSpeed};
        case kHssBoringTool:
            return TablePair{&kHssBoringFeed, &kHssBoringSpeed};
        case kHssShellBoringTool:
            return TablePair{&kHssShellBoringFeed, &kHssShellBoringSpeed};
        default:
            return std::nullopt;
        }
    }
    switch (k.tool) {
    case kCarbideTwistDrill:
        if (k.coating == 0) return TablePair{&kCarbideTwistFeed, &kCarbideTwistSpeed};
        return std::nullopt;
    case kDin6537Short:
    case kDin6537Long:
        if (k.coating == 0)
            return TablePair{&kDin6537TiAlNFeed, k.tool == kDin6537Short ? &kDin6537ShortTiAlNSpeed
                                                                         : &kDin6537LongTiAlNSpeed};
        if (k.coating == 1) return TablePair{&kDin6537TiNFeed, &kDin6537TiNSpeed};
        return std::nullopt;
    case kThreeFluteDrill:
        if (k.coating == 0) return TablePair{&kThreeFluteFeed, &kThreeFluteSpeed};
        return std::nullopt;
    case kInsertDrill:
        if (k.coating >= 0 && k.coating <= 2)
            return TablePair{&kInsertDrillFeed, &kInsertDrillSpeed};
        return std::nullopt;
    case kCarbideBoringTool:
        if (k.coating == 0) return TablePair{&kCarbideBoringFeed, &kCarbideBoringSpeed};
        return std::nullopt;
    case kCarbideShellBoringTool:
        if (k.coating == 0) return TablePair{&kCarbideShellBoringFeed, &kCarbideShellBoringSpeed};
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

// The cell of `row` in the column whose diameter range holds d.
template <class Cell>
const Cell* FindCell(std::span<const DiameterRange> columns, std::span<const Cell> cells, int row,
                     double d) {
    const std::size_t width = columns.size();
    if (width == 0 || row < 0 || static_cast<std::size_t>(row) >= cells.size() / width)
        return nullptr;
    for (std::size_t c = 0; c < width; ++c)
        if (d >= columns[c].from && d <= columns[c].to)
            return &cells[static_cast<std::size_t>(row) * width + c];
    return nullptr;
}

} // namespace

std::optional<std::string_view> LookUpDrillFeedText(const DrillKeys& keys) {
    const std::optional<TablePair> tables = SelectTables(keys);
    const std::optional<double> d = DrillDiameter(keys);
    if (!tables || !d) return std::nullopt;
    const FeedTable* table = tables->feed;
    int row = keys.material;
    if (table == &kCarbideTwistFeed && keys.material == kCarbideTwistEpoxyMaterial && *d <= 3) {
        table = &kCarbideTwistEpoxyFeed;
        row = 0;
    }
    const std::string_view* cell = FindCell(table->columns, table->cells, row, *d);
    if (cell == nullptr) return std::nullopt;
    return *cell;
}

std::optional<SpeedRange> LookUpDrillSpeedRange(const DrillKeys& keys) {
    const std::optional<TablePair> tables = SelectTables(keys);
    const std::optional<double> d = DrillDiameter(keys);
    if (!tables || !d) return std::nullopt;
    const SpeedRange* cell =
        FindCell(tables->speed->columns, tables->speed->cells, keys.material, *d);
    if (cell == nullptr || *cell == kNoSpeed) return std::nullopt;
    return *cell;
}

} // namespace zerbo
