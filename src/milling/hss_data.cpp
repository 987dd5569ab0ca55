// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "milling/hss_data.h"

#include "milling/milling_page.h"

#include <string>

namespace zerbo {

namespace {

// clang-format off
constexpr ToolTypeRow kToolTypes[kHssToolTypeCount] = {
    // text, max. depth of cut, teeth, diameters
    {"Langl.-Schlichtfr. Typ: LL (Fräsbreite 100%)", 125, {"2", "3"}, {"2", "4", "6", "8", "10", "12", "16", "20", "30"}},
    {"Schaftfräser  Typ: N  (Fräsbreite 50%)", 125, {"3", "4", "6"}, {"4", "6", "8", "10", "12", "16", "20", "25", "30"}},
    {"Schruppfräser Typ: NR (Fräsbreite 100%)", 125, {"3", "4", "5", "6"}, {"6", "8", "10", "12", "16", "20", "25", "30", "40"}},
    {"Schruppfräser Typ: NR (Fräsbreite 50%)", 125, {"3", "4", "5", "6"}, {"6", "8", "10", "12", "16", "20", "25", "30", "40"}},
    {"Walzenst.-Schlichtfr. Typ: N (Fräsbr. 75%)", 75, {"3", "4", "5", "6", "8", "10", "12"}, {"40", "50", "63", "80", "100", "125"}},
    {"Walzenst.-Schruppfr. Typ: NR (Fräsbr. 75%)", 75, {"6", "8", "10", "12"}, {"40", "50", "63", "80", "100", "125"}},
};

constexpr std::string_view kCoatings[kHssCoatingCount] = {
    "HSS/Co unbeschichtet", "HSS/Co TiN-beschichtet", "HSS/Co TiCN-beschichtet",
};

// Vc range by group and coating (unbeschichtet, TiN, TiCN), all tool types.
constexpr SpeedRange kSpeedRange[kHssGroupCount][kHssCoatingCount] = {
    {{25, 32}, {38, 48}, {57, 85}}, // group 1
    {{18, 25}, {27, 37}, {40, 60}}, // group 2
    {{12, 18}, {12, 27}, {12, 40}}, // group 3
    {{3, 15}, {3, 20}, {3, 28}}, // group 4
    {{200, 300}, {200, 450}, {200, 600}}, // group 5
    {{70, 120}, {70, 180}, {70, 220}}, // group 6
    {{40, 70}, {40, 100}, {40, 150}}, // group 7
};

// Recommended Vc by group and coating, tool types 0..4.
constexpr std::string_view kSpeed[kHssGroupCount][kHssCoatingCount] = {
    {"28", "42", "71"}, // group 1
    {"22", "32", "50"}, // group 2
    {"15", "13", "26"}, // group 3 (tool type 5, TiN: 19)
    {"9", "11", "15"}, // group 4
    {"252", "330", "400"}, // group 5
    {"94", "123", "150"}, // group 6
    {"56", "70", "94"}, // group 7
};
// Tool type 5 differs in one cell: group 3, TiN.
constexpr std::string_view kSpeedType5Group3TiN = "19";

// Feed per tooth by tool type, group and diameter position; the diameters of
// each tool type are those of its row in kToolTypes.
constexpr std::string_view kFeed[kHssToolTypeCount][kHssGroupCount][9] = {
    // Tool type 0 "Langl.-Schlichtfr. Typ: LL (Fräsbreite 100%)" (D in mm: 2, 4, 6, 8, 10, 12, 16, 20, 30):
    {
        {"0.004", "0.008", "0.015", "0.025", "0.04", "0.05", "0.075", "0.09", "0.1"}, // group 1
        {"0.004", "0.008", "0.015", "0.023", "0.035", "0.045", "0.07", "0.085", "0.09"}, // group 2
        {"0.003", "0.007", "0.012", "0.02", "0.032", "0.04", "0.065", "0.08", "0.085"}, // group 3
        {"0.002", "0.006", "0.01", "0.019", "0.028", "0.035", "0.055", "0.065", "0.07"}, // group 4
        {"0.004", "0.008", "0.015", "0.025", "0.040", "0.050", "0.08", "0.11", "0.17"}, // group 5
        {"0.004", "0.008", "0.015", "0.025", "0.040", "0.050", "0.08", "0.11", "0.17"}, // group 6
        {"0.005", "0.009", "0.02", "0.032", "0.05", "0.065", "0.1", "0.13", "0.18"}, // group 7
    },
    // Tool type 1 "Schaftfräser  Typ: N  (Fräsbreite 50%)" (D in mm: 4, 6, 8, 10, 12, 16, 20, 25, 30):
    {
        {"0.006", "0.007", "0.01", "0.016", "0.022", "0.028", "0.035", "0.04", "0.046"}, // group 1
        {"0.005", "0.006", "0.009", "0.014", "0.019", "0.025", "0.031", "0.034", "0.037"}, // group 2
        {"0.006", "0.007", "0.01", "0.015", "0.02", "0.026", "0.033", "0.036", "0.039"}, // group 3
        {"0.006", "0.007", "0.011", "0.016", "0.022", "0.028", "0.035", "0.037", "0.043"}, // group 4
        {"0.007", "0.008", "0.014", "0.021", "0.029", "0.037", "0.05", "0.06", "0.075"}, // group 5
        {"0.007", "0.008", "0.014", "0.021", "0.029", "0.037", "0.05", "0.06", "0.075"}, // group 6
        {"0.01", "0.014", "0.023", "0.036", "0.04", "0.05", "0.06", "0.07", "0.09"}, // group 7
    },
    // Tool type 2 "Schruppfräser Typ: NR (Fräsbreite 100%)" (D in mm: 6, 8, 10, 12, 16, 20, 25, 30, 40):
    {
        {"0.007", "0.01", "0.016", "0.022", "0.028", "0.035", "0.04", "0.046", "0.054"}, // group 1
        {"0.006", "0.009", "0.014", "0.019", "0.025", "0.031", "0.034", "0.037", "0.041"}, // group 2
        {"0.007", "0.01", "0.015", "0.02", "0.026", "0.033", "0.036", "0.039", "0.045"}, // group 3
        {"0.007", "0.011", "0.016", "0.022", "0.028", "0.035", "0.037", "0.043", "0.05"}, // group 4
        {"0.008", "0.014", "0.021", "0.029", "0.037", "0.05", "0.06", "0.075", "0.08"}, // group 5
        {"0.008", "0.014", "0.021", "0.029", "0.037", "0.05", "0.06", "0.075", "0.08"}, // group 6
        {"0.014", "0.023", "0.036", "0.040", "0.05", "0.06", "0.07", "0.09", "0.095"}, // group 7
    },
    // Tool type 3 "Schruppfräser Typ: NR (Fräsbreite 50%)" (D in mm: 6, 8, 10, 12, 16, 20, 25, 30, 40):
    {
        {"0.014", "0.02", "0.032", "0.044", "0.056", "0.07", "0.08", "0.092", "0.108"}, // group 1
        {"0.012", "0.018", "0.028", "0.038", "0.05", "0.062", "0.068", "0.074", "0.082"}, // group 2
        {"0.014", "0.02", "0.03", "0.04", "0.052", "0.066", "0.072", "0.078", "0.09"}, // group 3
        {"0.014", "0.022", "0.032", "0.044", "0.056", "0.07", "0.074", "0.086", "0.1"}, // group 4
        {"0.016", "0.028", "0.042", "0.058", "0.074", "0.1", "0.12", "0.15", "0.16"}, // group 5
        {"0.016", "0.028", "0.042", "0.058", "0.074", "0.1", "0.12", "0.15", "0.16"}, // group 6
        {"0.028", "0.046", "0.072", "0.08", "0.1", "0.12", "0.14", "0.18", "0.19"}, // group 7
    },
    // Tool type 4 "Walzenst.-Schlichtfr. Typ: N (Fräsbr. 75%)" (D in mm: 40, 50, 63, 80, 100, 125):
    {
        {"0.07", "0.078", "0.08", "0.1", "0.105", "0.105"}, // group 1
        {"0.07", "0.078", "0.08", "0.1", "0.105", "0.105"}, // group 2
        {"0.07", "0.078", "0.08", "0.1", "0.105", "0.105"}, // group 3
        {"0.07", "0.078", "0.08", "0.1", "0.105", "0.105"}, // group 4
        {"0.1", "0.12", "0.13", "0.2", "0.2", "0.2"}, // group 5
        {"0.1", "0.12", "0.13", "0.2", "0.2", "0.2"}, // group 6
        {"0.1", "0.12", "0.13", "0.2", "0.2", "0.2"}, // group 7
    },
    // Tool type 5 "Walzenst.-Schruppfr. Typ: NR (Fräsbr. 75%)" (D in mm: 40, 50, 63, 80, 100, 125):
    {
        {"0.06", "0.07", "0.08", "0.1", "0.11", "0.12"}, // group 1
        {"0.05", "0.06", "0.07", "0.09", "0.09", "0.11"}, // group 2
        {"0.05", "0.06", "0.06", "0.08", "0.09", "0.09"}, // group 3
        {"0.05", "0.06", "0.06", "0.08", "0.09", "0.09"}, // group 4
        {"0.1", "0.12", "0.13", "0.2", "0.2", "0.2"}, // group 5
        {"0.1", "0.12", "0.13", "0.2", "0.2", "0.2"}, // group 6
        {"0.1", "0.12", "0.13", "0.2", "0.2", "0.2"}, // group 7
    },
};
// clang-format on

bool IsGroup(int group) {
    return group >= 1 && group <= kHssGroupCount;
}

} // namespace

std::span<const ToolTypeRow> HssToolTypes() {
    return kToolTypes;
}
std::span<const std::string_view> HssCoatings() {
    return kCoatings;
}

std::optional<SpeedRange> HssSpeedRange(int group, int coating) {
    if (!IsGroup(group) || !InRange(coating, kHssCoatingCount)) return std::nullopt;
    return kSpeedRange[group - 1][coating];
}

std::optional<std::string_view> HssSpeed(int toolType, int group, int coating) {
    if (!InRange(toolType, kHssToolTypeCount) || !IsGroup(group) ||
        !InRange(coating, kHssCoatingCount))
        return std::nullopt;
    if (toolType == 5 && group == 3 && coating == 1) return kSpeedType5Group3TiN;
    return kSpeed[group - 1][coating];
}

std::optional<std::string_view> HssFeed(int toolType, int group, int diameter) {
    if (!InRange(toolType, kHssToolTypeCount) || !IsGroup(group) ||
        !InRange(diameter, ListSize(kToolTypes[toolType].diameters)))
        return std::nullopt;
    return kFeed[toolType][group - 1][diameter];
}

void FillHssToolTypes(MillingPage& page) {
    page.toolList.fill(ToolTypeTexts(kToolTypes));
}

void FillHssCoatings(MillingPage& page) {
    page.coatingList.fill(Texts(kCoatings));
}

void FillHssSizes(MillingPage& page) {
    FillToolSizes(page, kToolTypes);
}

void SetHssSpeedRange(MillingPage& page) {
    if (auto range =
            HssSpeedRange(page.shell().state.activeMaterialGroup, page.coatingList.index()))
        page.setSpeedRange(range->min, range->max);
}

void HssCuttingData(MillingPage& page) {
    const int type = page.toolList.index();
    if (!InRange(type, kHssToolTypeCount)) return;
    SetHssSpeedRange(page);
    const int group = page.shell().state.activeMaterialGroup;
    if (!IsGroup(group)) return;
    const int coating = page.coatingList.index();
    if (auto vc = HssSpeed(type, group, coating)) page.setRecommendedSpeed(std::string(*vc));
    if (!InRange(coating, kHssCoatingCount)) return;
    if (auto fz = HssFeed(type, group, page.diameterList.index()))
        page.toothFeed.setText(std::string(*fz));
}

} // namespace zerbo
