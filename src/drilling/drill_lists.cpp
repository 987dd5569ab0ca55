// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lists of the drilling page and the tool information that depends on
// the diameter.

#include "drilling/drill_data.h"
#include "shell/number_text.h"

#include <cstddef>
#include <iterator>
#include <optional>
#include <span>
#include <string_view>

namespace zerbo {

namespace {

constexpr std::string_view kHssTools[] = {"Spiralbohrer", "Aufbohrer", "Aufsteck-Aufbohrer"};
constexpr std::string_view kCarbideTools[] = {"VHM/HM-Spiralbohrer",
                                              "VHM-Spiralbohrer DIN 6537 kurz",
                                              "VHM-Spiralbohrer DIN 6537 lang",
                                              "VHM-Spiralbohrer 3 Schneiden",
                                              "Wendeplatten-Vollbohrer",
                                              "Aufbohrer",
                                              "Aufsteck-Aufbohrer"};

constexpr std::string_view kHssCoatings[] = {"HSS/HSS-E unbeschichtet", "TiN-beschichtet"};
constexpr std::string_view kDin6537Coatings[] = {"TiAIN-beschichtet", "TiN-beschichtet"};
constexpr std::string_view kInsertCoatings[] = {"TiN-beschichtet", "Al2O3-beschichtet",
                                                "TiC-beschichtet"};
constexpr std::string_view kUncoatedCarbide[] = {"HM unbeschichtet"};

struct PreDrill {
    double from;
    double to;
    std::string_view text;
};

struct InsertLimitRange {
    double from;
    double to;
    std::string_view maxDepth;
    std::string_view maxOffset;
};

// clang-format off
// HSS "Spiralbohrer" (232 items)
constexpr std::string_view kHssTwistDiameters[] = {
    "0.2", "0.3", "0.35", "0.4", "0.45", "0.5", "0.55", "0.6", "0.65", "0.7", "0.75", "0.8",
    "0.85", "0.9", "0.95", "1", "1.05", "1.1", "1.15", "1.2", "1.25", "1.3", "1.35", "1.4",
    "1.45", "1.5", "1.55", "1.6", "1.65", "1.7", "1.75", "1.8", "1.85", "1.9", "1.95", "2", "2.1",
    "2.2", "2.3", "2.4", "2.5", "2.6", "2.7", "2.8", "2.9", "3", "3.1", "3.2", "3.3", "3.25",
    "3.3", "3.4", "3.5", "3.6", "3.7", "3.8", "3.9", "4", "4.1", "4.2", "4.3", "4.4", "4.5",
    "4.6", "4.7", "4.8", "4.9", "5", "5.1", "5.2", "5.3", "5.4", "5.5", "5.55", "5.6", "5.7",
    "5.8", "5.9", "6", "6.1", "6.2", "6.3", "6.4", "6.5", "6.6", "6.7", "6.8", "6.9", "7", "7.1",
    "7.2", "7.3", "7.4", "7.45", "7.5", "7.6", "7.7", "7.8", "7.9", "8", "8.1", "8.2", "8.3",
    "8.4", "8.5", "8.6", "8.7", "8.8", "8.9", "9", "9.1", "9.2", "9.3", "9.35", "9.4", "9.5",
    "9.6", "9.7", "9.8", "9.9", "10", "10.1", "10.2", "10.5", "10.8", "11", "11.2", "11.5",
    "11.8", "12", "12.2", "12.5", "12.8", "13", "13.2", "13.5", "13.8", "14", "14.5", "14.75",
    "15", "15.25", "15.5", "15.75", "16", "17.5", "17.75", "18", "18.25", "18.5", "18.75", "19",
    "19.25", "19.5", "19.75", "20", "20.25", "20.5", "20.75", "21", "21.25", "21.5", "21.75",
    "22", "22.25", "22.5", "22.75", "23", "23.5", "23.75", "24", "24.5", "24.75", "25", "25.5",
    "25.75", "26", "26.5", "26.75", "27", "27.5", "27.75", "28", "28.5", "28.75", "29", "29.5",
    "29.75", "30", "30.5", "31", "31.5", "32", "32.5", "33", "33.5", "34", "34.5", "35", "35.5",
    "36", "36.5", "37", "37.5", "38", "38.5", "39", "39.5", "40", "41", "42", "43", "44", "45",
    "46", "47", "48", "49", "50", "51", "52", "53", "54", "55", "56", "57", "58", "59", "60",
    "65", "70", "75",
};
static_assert(std::size(kHssTwistDiameters) == 232);

// HSS "Aufbohrer" (64 items)
constexpr std::string_view kHssBoringDiameters[] = {
    "7.8", "8", "8.8", "9", "9.8", "10", "10.75", "11", "11.75", "12", "12.75", "13", "13.75",
    "14", "14.75", "15", "15.75", "16", "16.75", "17", "17.75", "18", "18.7", "19", "19.7", "20",
    "20.7", "21", "21.7", "22", "22.7", "23", "23.7", "24", "25", "25.7", "26", "26.7", "27",
    "27.7", "28", "28.7", "29", "29.7", "30", "30.6", "31", "31.6", "32", "32.6", "33", "33.6",
    "34", "34.6", "35", "35.6", "36", "37", "37.6", "38", "38.6", "39", "39.6", "40",
};
static_assert(std::size(kHssBoringDiameters) == 64);

// HSS "Aufsteck-Aufbohrer" and VHM/WP "Aufsteck-Aufbohrer" (45 items)
constexpr std::string_view kShellBoringDiameters[] = {
    "29.7", "30", "30.6", "31", "31.6", "32", "32.6", "33", "33.6", "34", "34.6", "35", "35.6",
    "36", "37", "37.6", "38", "38.6", "39", "39.6", "40", "41.6", "42", "43.6", "44", "44.6",
    "45", "45.6", "46", "46.6", "47", "47.6", "48", "49.6", "50", "51.5", "52", "54.5", "55",
    "57.5", "58", "59.5", "60", "61.5", "62",
};
static_assert(std::size(kShellBoringDiameters) == 45);

// VHM/WP tools 0, 1 and 2 (108 items)
constexpr std::string_view kCarbideTwistDiameters[] = {
    "1", "1.1", "1.2", "1.3", "1.4", "1.5", "1.6", "1.7", "1.8", "1.9", "2", "2.1", "2.2", "2.3",
    "2.4", "2.5", "2.6", "2.7", "2.8", "2.9", "3", "3.1", "3.2", "3.3", "3.4", "3.5", "3.6",
    "3.7", "3.8", "3.9", "4", "4.1", "4.2", "4.3", "4.4", "4.5", "4.6", "4.7", "4.8", "4.9", "5",
    "5.1", "5.2", "5.3", "5.4", "5.5", "5.6", "5.7", "5.8", "5.9", "6", "6.1", "6.2", "6.3",
    "6.4", "6.5", "6.6", "6.7", "6.8", "6.9", "7", "7.1", "7.2", "7.3", "7.4", "7.5", "7.6",
    "7.7", "7.8", "7.9", "8", "8.1", "8.2", "8.3", "8.4", "8.5", "8.6", "8.7", "8.8", "8.9", "9",
    "9.1", "9.2", "9.3", "9.4", "9.5", "9.6", "9.7", "9.8", "9.9", "10", "10.2", "10.5", "11",
    "11.5", "11.8", "12", "12.5", "13", "13.5", "13.8", "14", "14.5", "15", "15.5", "16", "18",
    "20",
};
static_assert(std::size(kCarbideTwistDiameters) == 108);

// VHM/WP "VHM-Spiralbohrer 3 Schneiden" (36 items)
constexpr std::string_view kThreeFluteDiameters[] = {
    "3", "3.3", "3.5", "4", "4.2", "4.5", "5", "5.2", "5.5", "6", "6.5", "6.8", "7", "7.2", "7.5",
    "8", "8.5", "8.8", "9", "9.2", "9.5", "10", "10.2", "10.5", "10.8", "11", "11.5", "12",
    "12.5", "13", "13.5", "14", "14.5", "15", "15.5", "16",
};
static_assert(std::size(kThreeFluteDiameters) == 36);

// VHM/WP "Wendeplatten-Vollbohrer" (36 items)
constexpr std::string_view kInsertDrillDiameters[] = {
    "14", "15", "16", "17", "17.5", "18", "18.5", "19", "20", "21", "22", "22.5", "23", "24",
    "24.5", "25", "26", "27", "28", "28.5", "29", "30", "31", "32", "33", "34", "35", "36", "37",
    "38", "39", "40", "41", "42", "43", "44",
};
static_assert(std::size(kInsertDrillDiameters) == 36);

// VHM/WP "Aufbohrer" (88 items)
constexpr std::string_view kCarbideBoringDiameters[] = {
    "7.8", "8", "8.8", "9", "9.8", "10", "10.75", "11", "11.75", "12", "12.75", "13", "13.75",
    "14", "14.75", "15", "15.75", "16", "16.75", "17", "17.75", "18", "18.7", "19", "19.7", "20",
    "20.7", "21", "21.7", "22", "22.7", "23", "23.7", "24", "25", "25.7", "26", "26.7", "27",
    "27.7", "28", "28.7", "29", "29.7", "30", "30.6", "31", "31.6", "32", "32.6", "33", "33.6",
    "34", "34.6", "35", "35.6", "36", "37", "37.6", "38", "38.6", "39", "39.6", "40", "41.6",
    "42", "43.6", "44", "44.6", "45", "45.6", "46", "46.6", "47", "47.6", "48", "49.6", "50",
    "51.5", "52", "54.5", "55", "57.5", "58", "59.5", "60", "61.5", "62",
};
static_assert(std::size(kCarbideBoringDiameters) == 88);

constexpr PreDrill kBoringPreDrill[] = {
    {7.8, 8, "5.6"},
    {8.8, 9, "6.3"},
    {9.8, 10, "7"},
    {10.75, 11, "7.7"},
    {11.75, 12, "8.4"},
    {12.75, 13, "9.1"},
    {13.75, 14, "9.8"},
    {14.75, 15, "10.5"},
    {15.75, 16, "11.2"},
    {16.75, 17, "11.9"},
    {17.75, 18, "12.6"},
    {18.7, 19, "13.3"},
    {19.7, 20, "14"},
    {20.7, 21, "14.6"},
    {21.7, 22, "15.3"},
    {22.7, 23, "16"},
    {23.7, 24, "16.6"},
    {25, 25.7, "17.3"},
    {26, 26.7, "18"},
    {27, 27.7, "18.6"},
    {28, 28.7, "19.3"},
    {29, 29.7, "20"},
    {30, 30.6, "20.5"},
    {31, 31.6, "21"},
    {32, 32.6, "22"},
    {33, 33.6, "23"},
    {34, 34.6, "24"},
    {35, 35.6, "25"},
    {36, 37, "25.5"},
    {37.6, 38, "26"},
    {38.6, 39, "26.5"},
    {39.6, 40, "27"},
    {41.6, 42, "28"},
    // 43.6–62: the field keeps its previous text
};

constexpr PreDrill kShellBoringPreDrill[] = {
    {29.7, 30, "26"},
    {30.6, 31, "27"},
    {31.6, 32, "28"},
    {32.6, 33, "29"},
    {33.6, 34, "30"},
    {34.6, 36, "31"},
    {37, 37.6, "32"},
    {38, 38.6, "33"},
    {39, 39.6, "34"},
    {40, 41.6, "35"},
    {42, 43.6, "37"},
    {44, 44.6, "39"},
    {45, 46.6, "40"},
    {47, 47.6, "41"},
    {48, 49.6, "42"},
    {50, 51.5, "44"},
    {52, 54.5, "46"},
    {55, 57.5, "48"},
    {58, 59.5, "51"},
    {60, 61.5, "53"},
    {62, 62, "55"},
};

constexpr InsertLimitRange kInsertDrillLimits[] = {
    {14, 14, "42", "0.5"},
    {15, 15, "45", "0.5"},
    {16, 16, "48", "0.5"},
    {17, 17.5, "51", "0.5"},
    {18, 18.5, "54", "0.5"},
    {19, 19, "57", "0.5"},
    {20, 20, "60", "0.5"},
    {21, 21, "63", "0.5"},
    {22, 22.5, "66", "0.5"},
    {23, 23, "69", "0.5"},
    {24, 24.5, "72", "0.5"},
    {25, 25, "75", "0.5"},
    {26, 26, "78", "1"},
    {27, 27, "81", "1.5"},
    {28, 28.5, "84", "1.5"},
    {29, 29, "87", "1.5"},
    {30, 30, "90", "1.5"},
    {31, 31, "93", "1.5"},
    {32, 32, "96", "1.5"},
    {33, 33, "99", "1.5"},
    {34, 34, "102", "1.5"},
    {35, 35, "105", "1.5"},
    {36, 36, "108", "1.5"},
    {37, 37, "111", "1.5"},
    {38, 38, "114", "1.5"},
    {39, 39, "117", "1.5"},
    {40, 40, "120", "1.5"},
    {41, 41, "123", "1.5"},
    {42, 42, "126", "1.5"},
    {43, 43, "129", "1"},
    {44, 44, "132", "0.5"},
};

// clang-format on

} // namespace

std::span<const std::string_view> DrillTools(DrillGroup group) {
    if (group == DrillGroup::Hss) return kHssTools;
    return kCarbideTools;
}

std::span<const std::string_view> DrillCoatings(DrillGroup group, int tool) {
    if (group == DrillGroup::Hss) {
        if (tool >= kHssTwistDrill && tool <= kHssShellBoringTool) return kHssCoatings;
        return {};
    }
    switch (tool) {
    case kDin6537Short:
    case kDin6537Long:
        return kDin6537Coatings;
    case kInsertDrill:
        return kInsertCoatings;
    case kCarbideTwistDrill:
    case kThreeFluteDrill:
    case kCarbideBoringTool:
    case kCarbideShellBoringTool:
        return kUncoatedCarbide;
    default:
        return {};
    }
}

std::span<const std::string_view> DrillDiameters(DrillGroup group, int tool) {
    if (group == DrillGroup::Hss) {
        switch (tool) {
        case kHssTwistDrill:
            return kHssTwistDiameters;
        case kHssBoringTool:
            return kHssBoringDiameters;
        case kHssShellBoringTool:
            return kShellBoringDiameters;
        default:
            return {};
        }
    }
    switch (tool) {
    case kCarbideTwistDrill:
    case kDin6537Short:
    case kDin6537Long:
        return kCarbideTwistDiameters;
    case kThreeFluteDrill:
        return kThreeFluteDiameters;
    case kInsertDrill:
        return kInsertDrillDiameters;
    case kCarbideBoringTool:
        return kCarbideBoringDiameters;
    case kCarbideShellBoringTool:
        return kShellBoringDiameters;
    default:
        return {};
    }
}

std::optional<double> DrillDiameter(const DrillKeys& keys) {
    const auto list = DrillDiameters(keys.group, keys.tool);
    if (keys.diameter < 0 || static_cast<std::size_t>(keys.diameter) >= list.size())
        return std::nullopt;
    const std::string_view item = list[static_cast<std::size_t>(keys.diameter)];
    return ReadNumber(item, '.');
}

std::optional<std::string_view> MinimumPreDrill(const DrillKeys& keys) {
    std::span<const PreDrill> table;
    const bool hss = keys.group == DrillGroup::Hss;
    if ((hss && keys.tool == kHssBoringTool) || (!hss && keys.tool == kCarbideBoringTool))
        table = kBoringPreDrill;
    else if ((hss && keys.tool == kHssShellBoringTool) ||
             (!hss && keys.tool == kCarbideShellBoringTool))
        table = kShellBoringPreDrill;
    const std::optional<double> d = DrillDiameter(keys);
    if (!d) return std::nullopt;
    for (const PreDrill& p : table)
        if (*d >= p.from && *d <= p.to) return p.text;
    return std::nullopt;
}

std::optional<InsertLimit> InsertDrillLimit(const DrillKeys& keys) {
    if (keys.group != DrillGroup::Carbide || keys.tool != kInsertDrill) return std::nullopt;
    const std::optional<double> d = DrillDiameter(keys);
    if (!d) return std::nullopt;
    for (const InsertLimitRange& l : kInsertDrillLimits)
        if (*d >= l.from && *d <= l.to) return InsertLimit{l.maxDepth, l.maxOffset};
    return std::nullopt;
}

} // namespace zerbo
