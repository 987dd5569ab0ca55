// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "milling/carbide_data.h"

#include "milling/milling_page.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zerbo {

namespace {

// clang-format off
constexpr ToolTypeRow kToolTypes[kWpToolTypeCount] = {
    // text, max. depth of cut, teeth, diameters
    {"Wendeplattenfräser (Fräsbreite 100%)", 16, {"1", "2", "3", "4", "5"}, {"12", "16", "20", "25", "32"}},
    {"Wendeplattenfräser (Fräsbreite 30%)", 16, {"1", "2", "3", "4", "5"}, {"12", "16", "20", "25", "32"}},
    {"Igelfräser (Fräsbreite 20%)", 67, {"2", "3", "4"}, {"25", "32", "40", "50", "63"}},
    {"90° Eckmesserkopf (Fräsbreite 100%)", 16, {"3", "4", "5", "6", "7", "8"}, {"40", "50", "63", "80", "100"}},
    {"90° Eckmesserkopf (Fräsbreite 75%)", 16, {"3", "4", "5", "6", "7", "8"}, {"40", "50", "63", "80", "100"}},
    {"45° Planmesserkopf (Fräsbreite 100%)", 12, {"4", "5", "6", "7", "9"}, {"50", "63", "80", "100", "125", "160"}},
    {"45° Planmesserkopf (Fräsbreite 75%)", 12, {"4", "5", "6", "7", "9"}, {"50", "63", "80", "100", "125", "160"}},
};

enum Coating { Uncoated, TiNTiCN, TiAIN, Cermet, HssE, CoatingCount };

constexpr std::string_view kCoatingNames[CoatingCount] = {
    "HM unbeschichtet", "HM TiN/TiCN-beschichtet", "HM TiAIN-beschichtet", "Cermet",
    "HSS-E TiN-beschichtet",
};
// Groups 1..4 offer every coating, groups 5..7 all but Cermet.
constexpr Coating kSteelCoatings[] = {Uncoated, TiNTiCN, TiAIN, Cermet, HssE};
constexpr Coating kLightMetalCoatings[] = {Uncoated, TiNTiCN, TiAIN, HssE};

// A speed range whose ends may grow with the speed increase S:
// min + minPerS * S .. max + maxPerS * S.
struct IncreasedRange {
    std::int32_t min;
    std::int32_t max;
    std::int32_t minPerS = 0;
    std::int32_t maxPerS = 0;
};
constexpr IncreasedRange kNotOfferedRange = {-1, -1};

// Vc range by group and coating, all tool types.
constexpr IncreasedRange kSpeedRange[kWpGroupCount][CoatingCount] = {
    // HM unbeschichtet, HM TiN/TiCN, HM TiAIN, Cermet, HSS-E TiN
    {{120, 220}, {140, 270}, {150, 400}, {160, 400}, {25, 80}}, // group 1
    {{60, 110}, {80, 170}, {100, 240}, {150, 250}, {15, 40}}, // group 2
    {{60, 110}, {80, 170}, {100, 240}, {150, 250}, {15, 40}}, // group 3
    {{40, 150}, {60, 200}, {120, 280}, {80, 200}, {10, 40}}, // group 4
    {{120, 210, 1, 2}, {120, 320, 1, 3}, {120, 400, 1, 4}, kNotOfferedRange, {80, 140, 0, 1}}, // group 5
    {{120, 210}, {120, 320}, {120, 400}, kNotOfferedRange, {80, 140}}, // group 6
    {{120, 210}, {120, 320}, {120, 400}, kNotOfferedRange, {80, 140}}, // group 7
};

// A recommended Vc: a fixed text, or perS * S + base.
struct IncreasedSpeed {
    std::string_view text;
    long double perS = 0;
    long double base = 0;
};
constexpr IncreasedSpeed kNotOfferedSpeed = {kKeep};

// Recommended Vc by group and coating, all tool types.
constexpr IncreasedSpeed kSpeed[kWpGroupCount][CoatingCount] = {
    // HM unbeschichtet, HM TiN/TiCN, HM TiAIN, Cermet, HSS-E TiN
    {{"170"}, {"200"}, {"280"}, {"280"}, {"52"}}, // group 1
    {{"85"}, {"125"}, {"170"}, {"200"}, {"27"}}, // group 2
    {{"85"}, {"125"}, {"170"}, {"200"}, {"27"}}, // group 3
    {{"40"}, {"60"}, {"120"}, {"80"}, {"10"}}, // group 4
    {{"", 1.65L, 165}, {"", 2.2L, 220}, {"", 2.6L, 260}, kNotOfferedSpeed, {"", 1.1L, 110}}, // group 5
    {{"165"}, {"220"}, {"260"}, kNotOfferedSpeed, {"110"}}, // group 6
    {{"165"}, {"220"}, {"260"}, kNotOfferedSpeed, {"110"}}, // group 7
};

// Feed per tooth for the carbide and cermet coatings and, where it differs,
// for HSS-E.
constexpr std::string_view kAsCarbide = "(as carbide)";
struct Feed {
    std::string_view carbide;
    std::string_view hssE = kAsCarbide;
};

// Feed per tooth by tool type, group and diameter position; the diameters of
// each tool type are those of its row in kToolTypes.
constexpr Feed kFeed[kWpToolTypeCount][kWpGroupCount][6] = {
    // Tool type 0 "Wendeplattenfräser (Fräsbreite 100%)": D 12, D 16, D 20, D 25, D 32
    {
        {{"0.08"}, {"0.1"}, {"0.1"}, {"0.1"}, {"0.1", "0.15"}}, // group 1
        {{"0.08"}, {"0.1"}, {"0.1"}, {"0.1"}, {"0.1"}}, // group 2
        {{"0.08"}, {"0.1"}, {"0.1"}, {"0.1"}, {"0.1"}}, // group 3
        {{"0.09", "0.08"}, {"0.1"}, {"0.1"}, {"0.1"}, {"0.1"}}, // group 4
        {{"0.08"}, {"0.1"}, {"0.1"}, {"0.1"}, {"0.1", "0.15"}}, // group 5
        {{"0.08"}, {"0.1"}, {"0.1"}, {"0.1"}, {"0.1", "0.15"}}, // group 6
        {{"0.08"}, {"0.1"}, {"0.1"}, {"0.1"}, {"0.1", "0.15"}}, // group 7
    },
    // Tool type 1 "Wendeplattenfräser (Fräsbreite 30%)": D 12, D 16, D 20, D 25, D 32
    {
        {{"0.2", "0.3"}, {"0.2", "0.3"}, {"0.2", "0.3"}, {"0.2", "0.3"}, {"0.2", "0.35"}}, // group 1
        {{"0.15", "0.2"}, {"0.2"}, {"0.2"}, {"0.2"}, {"0.2"}}, // group 2
        {{"0.15", "0.2"}, {"0.2"}, {"0.2"}, {"0.2"}, {"0.2"}}, // group 3
        {{"0.15"}, {"0.18", "0.15"}, {"0.18", "0.15"}, {"0.18", "0.15"}, {"0.18", "0.15"}}, // group 4
        {{"0.15", "0.3"}, {"0.18", "0.3"}, {"0.18", "0.3"}, {"0.18", "0.3"}, {"0.18", "0.35"}}, // group 5
        {{"0.15", "0.3"}, {"0.18", "0.3"}, {"0.18", "0.3"}, {"0.18", "0.3"}, {"0.18", "0.35"}}, // group 6
        {{"0.15", "0.3"}, {"0.18", "0.3"}, {"0.18", "0.3"}, {"0.18", "0.3"}, {"0.18", "0.35"}}, // group 7
    },
    // Tool type 2 "Igelfräser (Fräsbreite 20%)": D 25, D 32, D 40, D 50, D 63
    {
        {{"0.1", kEmpty}, {"0.1", kEmpty}, {"0.3", "0.5"}, {"0.3", "0.5"}, {"0.3", "0.5"}}, // group 1
        {{"0.1", kEmpty}, {"0.1", kEmpty}, {"0.2", "0.3"}, {"0.2", "0.3"}, {"0.2", "0.3"}}, // group 2
        {{"0.1", kEmpty}, {"0.1", kEmpty}, {"0.2", "0.3"}, {"0.2", "0.3"}, {"0.2", "0.3"}}, // group 3
        {{"0.1", kEmpty}, {"0.1", kEmpty}, {"0.18", "0.2"}, {"0.18", "0.2"}, {"0.18", "0.2"}}, // group 4
        {{"0.1", kEmpty}, {"0.1", kEmpty}, {"0.18", "0.5"}, {"0.18", "0.5"}, {"0.18", "0.5"}}, // group 5
        {{"0.1", kEmpty}, {"0.1", kEmpty}, {"0.18", "0.5"}, {"0.18", "0.5"}, {"0.18", "0.5"}}, // group 6
        {{"0.1", kEmpty}, {"0.1", kEmpty}, {"0.18", "0.5"}, {"0.18", "0.5"}, {"0.18", "0.5"}}, // group 7
    },
    // Tool type 3 "90° Eckmesserkopf (Fräsbreite 100%)": D 40, D 50, D 63, D 80, D 100
    {
        {{"0.1", "0.15"}, {"0.1", "0.15"}, {"0.1", "0.15"}, {"0.1", "0.15"}, {"0.1", "0.15"}}, // group 1
        {{"0.1", "0.15"}, {"0.1", "0.15"}, {"0.1", "0.15"}, {"0.1", "0.15"}, {"0.1", "0.15"}}, // group 2
        {{"0.1", "0.15"}, {"0.1", "0.15"}, {"0.1", "0.15"}, {"0.1", "0.15"}, {"0.1", "0.15"}}, // group 3
        {{"0.1", "0.12"}, {"0.1", "0.12"}, {"0.1", "0.12"}, {"0.1", "0.12"}, {"0.1", "0.12"}}, // group 4
        {{"0.1", "0.2"}, {"0.1", "0.2"}, {"0.1", "0.2"}, {"0.1", "0.2"}, {"0.1", "0.2"}}, // group 5
        {{"0.1", "0.2"}, {"0.1", "0.2"}, {"0.1", "0.2"}, {"0.1", "0.2"}, {"0.1", "0.2"}}, // group 6
        {{"0.1", "0.2"}, {"0.1", "0.2"}, {"0.1", "0.2"}, {"0.1", "0.2"}, {"0.1", "0.2"}}, // group 7
    },
    // Tool type 4 "90° Eckmesserkopf (Fräsbreite 75%)": D 40, D 50, D 63, D 80, D 100
    {
        {{"0.15", "0.25"}, {"0.15", "0.25"}, {"0.15", "0.25"}, {"0.15", "0.25"}, {"0.15", "0.25"}}, // group 1
        {{"0.12", "0.18"}, {"0.12", "0.18"}, {"0.12", "0.18"}, {"0.12", "0.18"}, {"0.12", "0.18"}}, // group 2
        {{"0.12", "0.18"}, {"0.12", "0.18"}, {"0.12", "0.18"}, {"0.12", "0.18"}, {"0.12", "0.18"}}, // group 3
        {{"0.12", "0.15"}, {"0.12", "0.15"}, {"0.12", "0.15"}, {"0.12", "0.15"}, {"0.12", "0.15"}}, // group 4
        {{"0.12", "0.3"}, {"0.12", "0.3"}, {"0.12", "0.3"}, {"0.12", "0.3"}, {"0.12", "0.3"}}, // group 5
        {{"0.12", "0.3"}, {"0.12", "0.3"}, {"0.12", "0.3"}, {"0.12", "0.3"}, {"0.12", "0.3"}}, // group 6
        {{"0.12", "0.3"}, {"0.12", "0.3"}, {"0.12", "0.3"}, {"0.12", "0.3"}, {"0.12", "0.3"}}, // group 7
    },
    // Tool type 5 "45° Planmesserkopf (Fräsbreite 100%)": D 50, D 63, D 80, D 100, D 125, D 160
    {
        {{"0.2", "0.25"}, {"0.2", "0.25"}, {"0.2", "0.25"}, {"0.2", "0.25"}, {"0.2", "0.25"}, {"0.2", "0.25"}}, // group 1
        {{"0.15", "0.18"}, {"0.15", "0.18"}, {"0.15", "0.18"}, {"0.15", "0.18"}, {"0.15", "0.18"}, {"0.15", "0.18"}}, // group 2
        {{"0.15", "0.18"}, {"0.15", "0.18"}, {"0.15", "0.18"}, {"0.15", "0.18"}, {"0.15", "0.18"}, {"0.15", "0.18"}}, // group 3
        {{"0.12", "0.15"}, {"0.12", "0.15"}, {"0.12", "0.15"}, {"0.12", "0.15"}, {"0.12", "0.15"}, {"0.12", "0.15"}}, // group 4
        {{"0.12", "0.25"}, {"0.12", "0.25"}, {"0.12", "0.25"}, {"0.12", "0.25"}, {"0.12", "0.25"}, {"0.12", "0.25"}}, // group 5
        {{"0.12", "0.25"}, {"0.12", "0.25"}, {"0.12", "0.25"}, {"0.12", "0.25"}, {"0.12", "0.25"}, {"0.12", "0.25"}}, // group 6
        {{"0.12", "0.25"}, {"0.12", "0.25"}, {"0.12", "0.25"}, {"0.12", "0.25"}, {"0.12", "0.25"}, {"0.12", "0.25"}}, // group 7
    },
    // Tool type 6 "45° Planmesserkopf (Fräsbreite 75%)": D 50, D 63, D 80, D 100, D 125, D 160
    {
        {{"0.25", "0.3"}, {"0.25", "0.3"}, {"0.25", "0.3"}, {"0.25", "0.3"}, {"0.25", "0.3"}, {"0.25", "0.3"}}, // group 1
        {{"0.18", "0.2"}, {"0.18", "0.2"}, {"0.18", "0.2"}, {"0.18", "0.2"}, {"0.18", "0.2"}, {"0.18", "0.2"}}, // group 2
        {{"0.18", "0.2"}, {"0.18", "0.2"}, {"0.18", "0.2"}, {"0.18", "0.2"}, {"0.18", "0.2"}, {"0.18", "0.2"}}, // group 3
        {{"0.15", "0.18"}, {"0.15", "0.18"}, {"0.15", "0.18"}, {"0.15", "0.18"}, {"0.15", "0.18"}, {"0.15", "0.18"}}, // group 4
        {{"0.15", "0.3"}, {"0.15", "0.3"}, {"0.15", "0.3"}, {"0.15", "0.3"}, {"0.15", "0.3"}, {"0.15", "0.3"}}, // group 5
        {{"0.15", "0.3"}, {"0.15", "0.3"}, {"0.15", "0.3"}, {"0.15", "0.3"}, {"0.15", "0.3"}, {"0.15", "0.3"}}, // group 6
        {{"0.15", "0.3"}, {"0.15", "0.3"}, {"0.15", "0.3"}, {"0.15", "0.3"}, {"0.15", "0.3"}, {"0.15", "0.3"}}, // group 7
    },
};
// clang-format on

bool IsGroup(int group) {
    return group >= 1 && group <= kWpGroupCount;
}

std::span<const Coating> CoatingsOfGroup(int group) {
    if (group >= 1 && group <= 4) return kSteelCoatings;
    if (group >= 5 && group <= 7) return kLightMetalCoatings;
    return {};
}

std::optional<Coating> CoatingAt(int group, int position) {
    const auto list = CoatingsOfGroup(group);
    if (!InRange(position, static_cast<int>(list.size()))) return std::nullopt;
    return list[static_cast<size_t>(position)];
}

} // namespace

std::span<const ToolTypeRow> WpToolTypes() {
    return kToolTypes;
}

std::vector<std::string> WpCoatingList(int group) {
    std::vector<std::string> items;
    for (Coating c : CoatingsOfGroup(group))
        items.emplace_back(kCoatingNames[c]);
    return items;
}

std::optional<SpeedRange> WpSpeedRange(int group, int coating, int increase) {
    const auto name = CoatingAt(group, coating);
    if (!name) return std::nullopt;
    const IncreasedRange& r = kSpeedRange[group - 1][*name];
    if (r.min < 0) return std::nullopt;
    return SpeedRange{r.min + r.minPerS * increase, r.max + r.maxPerS * increase};
}

std::optional<std::string> WpSpeed(int group, int coating, int increase, char separator) {
    const auto name = CoatingAt(group, coating);
    if (!name) return std::nullopt;
    const IncreasedSpeed& s = kSpeed[group - 1][*name];
    if (s.text == kKeep) return std::nullopt;
    if (!s.text.empty()) return std::string(s.text);
    return WriteNumber(static_cast<double>(s.perS * increase + s.base), separator);
}

std::optional<std::string_view> WpFeed(int toolType, int group, int coating, int diameter) {
    if (!InRange(toolType, kWpToolTypeCount)) return std::nullopt;
    const auto name = CoatingAt(group, coating);
    if (!name || !InRange(diameter, ListSize(kToolTypes[toolType].diameters))) return std::nullopt;
    const Feed& f = kFeed[toolType][group - 1][diameter];
    return *name == HssE && f.hssE != kAsCarbide ? f.hssE : f.carbide;
}

void FillWpToolTypes(MillingPage& page) {
    page.toolList.fill(ToolTypeTexts(kToolTypes));
}

void FillWpCoatings(MillingPage& page) {
    page.coatingList.fill(WpCoatingList(page.shell().state.activeMaterialGroup));
}

void FillWpSizes(MillingPage& page) {
    FillToolSizes(page, kToolTypes);
}

void WpCuttingData(MillingPage& page) {
    const int type = page.toolList.index();
    if (!InRange(type, kWpToolTypeCount)) return;
    SetCarbideSpeedRange(page);
    auto& state = page.shell().state;
    const int group = state.activeMaterialGroup;
    if (!IsGroup(group)) return;
    const int coating = page.coatingList.index();
    if (auto vc =
            WpSpeed(group, coating, state.speedIncreasePercent, page.shell().numbers.separator()))
        page.setRecommendedSpeed(*vc);
    if (auto fz = WpFeed(type, group, coating, page.diameterList.index()))
        page.toothFeed.setText(std::string(*fz));
}

} // namespace zerbo
