// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Indexable-insert ("WP") and solid-carbide ("VHM") milling cutters: tool
// types, coatings, sizes, cutting-speed ranges, recommended cutting speeds
// and feeds per tooth.
//
// The routines read the milling page's selections, the active material group
// (WP: seven-group scheme, VHM: eleven-group scheme) and, for WP group 5, the
// speed increase, and write the page's lists and fields.

#include "milling/cutter_table.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zerbo {

class MillingPage;

inline constexpr int kWpToolTypeCount = 7;
inline constexpr int kWpGroupCount = 7;
inline constexpr int kVhmToolTypeCount = 6;
inline constexpr int kVhmGroupCount = 11;

// ---- indexable inserts

std::span<const ToolTypeRow> WpToolTypes();
// The coating list offered for a group; empty outside 1..7.
std::vector<std::string> WpCoatingList(int group);
// Table cells by tool type, group (1..7), coating position in the group's
// list and diameter position; nothing where the keys lie outside the table.
// `increase` is the speed increase in percent (group 5); speeds computed from
// it are written with `separator`.
std::optional<SpeedRange> WpSpeedRange(int group, int coating, int increase);
std::optional<std::string> WpSpeed(int group, int coating, int increase, char separator = '.');
std::optional<std::string_view> WpFeed(int toolType, int group, int coating, int diameter);

void FillWpToolTypes(MillingPage& page);
void FillWpCoatings(MillingPage& page);
void FillWpSizes(MillingPage& page);
// Looks up Vc, fz and the speed range for the selected tool type.
void WpCuttingData(MillingPage& page);

// ---- solid carbide

std::span<const ToolTypeRow> VhmToolTypes();
// The coating list offered for a tool type and group (1..11); nothing where
// the list is to stay as it is.
std::optional<std::vector<std::string>> VhmCoatingList(int toolType, int group);
std::optional<SpeedRange> VhmSpeedRange(int toolType, int group, int coating);
// A cell that keeps its field is returned as kKeep, one that empties it as
// kEmpty.
std::optional<std::string_view> VhmSpeed(int toolType, int group, int coating);
std::optional<std::string_view> VhmFeed(int toolType, int group, int coating, int diameter);

void FillVhmToolTypes(MillingPage& page);
void FillVhmCoatings(MillingPage& page);
void FillVhmSizes(MillingPage& page);
// Looks up Vc, fz and the speed range for the selected tool type; the
// aluminium HSC cutter has no cutting data and is left alone.
void VhmCuttingData(MillingPage& page);

// Sets the speed range of the current cutting material (WP or VHM) from the
// selected tool type, the group and the coating position.
void SetCarbideSpeedRange(MillingPage& page);

} // namespace zerbo
