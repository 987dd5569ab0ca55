// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// HSS end mills and shell mills: tool types, coatings, sizes, cutting-speed
// ranges, recommended cutting speeds and feeds per tooth.
//
// The routines read the milling page's selections and the active material
// group (seven-group scheme) and write the page's lists and fields.

#include "milling/cutter_table.h"

#include <optional>
#include <span>
#include <string_view>

namespace zerbo {

class MillingPage;

inline constexpr int kHssToolTypeCount = 6;
inline constexpr int kHssCoatingCount = 3;
inline constexpr int kHssGroupCount = 7;

std::span<const ToolTypeRow> HssToolTypes();
std::span<const std::string_view> HssCoatings();

// Table cells; nothing where the keys lie outside the table. Groups 1..7,
// positions 0-based.
std::optional<SpeedRange> HssSpeedRange(int group, int coating);
std::optional<std::string_view> HssSpeed(int toolType, int group, int coating);
std::optional<std::string_view> HssFeed(int toolType, int group, int diameter);

void FillHssToolTypes(MillingPage& page);
void FillHssCoatings(MillingPage& page);
void FillHssSizes(MillingPage& page);
void SetHssSpeedRange(MillingPage& page);
// Looks up Vc, fz and the speed range for the selected tool type.
void HssCuttingData(MillingPage& page);

} // namespace zerbo
