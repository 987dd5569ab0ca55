// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The feed and cutting-speed tables of the drills, laid out as the
// recommendations are printed: one row per material, one column per range
// of diameter list items (both ends included).

#include "drilling/drill_data.h"

#include <span>
#include <string_view>

namespace zerbo::drill_tables {

struct DiameterRange {
    double from;
    double to;
};

// A speed cell for which the table gives nothing.
inline constexpr SpeedRange kNoSpeed{-1, -1};

// Cells row by row; the row count is cells.size() / columns.size().
struct FeedTable {
    std::span<const DiameterRange> columns;
    std::span<const std::string_view> cells;
};
struct SpeedTable {
    std::span<const DiameterRange> columns;
    std::span<const SpeedRange> cells;
};

// Carbide and indexable-insert drills
extern const FeedTable kCarbideTwistFeed;
// Glass-fibre reinforced epoxy resin with carbide twist drills up to 3 mm:
// one column per diameter.
extern const FeedTable kCarbideTwistEpoxyFeed;
inline constexpr int kCarbideTwistEpoxyMaterial = 22;
extern const SpeedTable kCarbideTwistSpeed;
extern const FeedTable kDin6537TiAlNFeed;
extern const SpeedTable kDin6537ShortTiAlNSpeed;
extern const SpeedTable kDin6537LongTiAlNSpeed;
extern const FeedTable kDin6537TiNFeed;
extern const SpeedTable kDin6537TiNSpeed;
extern const FeedTable kThreeFluteFeed;
extern const SpeedTable kThreeFluteSpeed;
extern const FeedTable kInsertDrillFeed;
extern const SpeedTable kInsertDrillSpeed;
extern const FeedTable kCarbideBoringFeed;
extern const SpeedTable kCarbideBoringSpeed;
extern const FeedTable kCarbideShellBoringFeed;
extern const SpeedTable kCarbideShellBoringSpeed;

// HSS drills
extern const FeedTable kHssTwistFeed;
extern const SpeedTable kHssTwistSpeed;
extern const FeedTable kHssBoringFeed;
extern const SpeedTable kHssBoringSpeed;
extern const FeedTable kHssShellBoringFeed;
extern const SpeedTable kHssShellBoringSpeed;

} // namespace zerbo::drill_tables
