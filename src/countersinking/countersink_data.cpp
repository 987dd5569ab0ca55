// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "countersinking/countersink_data.h"

#include "shell/number_text.h"

#include <cmath>
#include <iterator>

namespace zerbo {

namespace {

constexpr std::string_view kCoolant = "Hochleistungskühlschmier-Konzentrat";
constexpr std::string_view kCuttingOil = "Schneidöl";
constexpr std::string_view kDry = "Trocken";

// Sizes by type; D is the number before the first blank.
constexpr std::string_view kSizes0[] = {"4.3",  "5",  "6",    "6.3",  "7",    "8",
                                        "8.3",  "10", "10.4", "11.5", "12.4", "15",
                                        "16.5", "19", "20.5", "23",   "25",   "31"};
constexpr std::string_view kSizes1[] = {"16.5", "19", "20.5", "23", "25", "26", "28", "30",
                                        "31",   "34", "37",   "40", "50", "63", "80", "100"};
constexpr std::string_view kSizes2[] = {"10.4", "16.5"};
constexpr std::string_view kSizes3[] = {"6.3", "8", "10", "12.5", "16", "20", "25"};
constexpr std::string_view kSizes4[] = {"16", "25", "31.5", "40", "50", "63", "80"};
constexpr std::string_view kSizes5[] = {"6", "8", "12.5", "16", "20", "25", "31.5"};
constexpr std::string_view kSizes6[] = {"6 * 3.2    (M3)", "8 * 4.3    (M4)", "10 * 5.3   (M5)",
                                        "11.5 * 6.4 (M6)", "15 * 8.4   (M8)", "19 * 10.5  (M10)",
                                        "23 * 13    (M12)"};
constexpr std::string_view kSizes7[] = {"6 * 3.2    (M3)", "8 * 4.3    (M4)", "10 * 5.3   (M5)",
                                        "11 * 6.4   (M6)", "15 * 8.4   (M8)", "18 * 10.5  (M10)",
                                        "20 * 13    (M12)"};
constexpr std::string_view kSizes8[] = {"2    (M1)", "2.5  (M1.2)", "2.8  (M1.4)", "3.3  (M1.6)",
                                        "4.3  (M2)", "4.6  (M2.2)", "5    (M2.5)", "6    (M3)",
                                        "8    (M4)", "10   (M5)",   "11.5 (M6)"};
constexpr std::string_view kSizes9[] = {"2.2  (M1)", "2.5  (M1.2)", "2.8  (M1.4)", "3.3  (M1.6)",
                                        "4.3  (M2)", "4.6  (M2.2)", "5    (M2.5)"};
constexpr std::string_view kSizes10[] = {"15  (M8)",  "18  (M10)", "20  (M12)",
                                         "24  (M14)", "26  (M16)", "30  (M18)",
                                         "33  (M20)", "36  (M22)", "40  (M24)"};

constexpr std::span<const std::string_view> kSizes[] = {kSizes0, kSizes1, kSizes2, kSizes3,
                                                        kSizes4, kSizes5, kSizes6, kSizes7,
                                                        kSizes8, kSizes9, kSizes10};

// Pre-drill lower bound and preset by size position, in mm; kNone where
// the preset is derived from D and the lower bound.
constexpr double kNone = -1;

constexpr double kLower0[] = {1.3, 1.5, 1.5, 1.5, 1.8, 2,   2,   2.5, 2.5,
                              2.8, 2.8, 3.2, 3.2, 3.5, 3.5, 3.8, 3.8, 4.2};
constexpr double kPreset0[] = {2.4, 2.9, 3.4, 3.4, 3.9, 4.5, 4.5,  5.5,  5.5,
                               6.6, 6.6, 9,   9,   11,  11,  13.5, 13.5, 17.5};
constexpr double kLower1[] = {3.2, 3.5, 3.5, 3.8, 3.8, 4,  4,  4.2,
                              4.2, 4.5, 4.8, 10,  14,  16, 22, 28};
constexpr double kPreset1[] = {9,    11, 11, 13.5,  13.5,  16,    16,    17.5,
                               17.5, 20, 22, kNone, kNone, kNone, kNone, kNone};
constexpr double kLower2[] = {2.5, 3.5};
constexpr double kPreset2[] = {kNone, kNone};
constexpr double kLower3[] = {1.6, 2, 2.5, 3.2, 4, 5, 6.3};
constexpr double kLower4[] = {4, 6.3, 10, 12.5, 16, 20, 25};
constexpr double kPreset34[] = {kNone, kNone, kNone, kNone, kNone, kNone, kNone};
constexpr double kLower5[] = {1.5, 2, 2.8, 3.2, 3.5, 3.8, 4.2};
constexpr double kPreset5[] = {3.4, 4.5, 6.6, 9, 11, 13.5, 17.5};
constexpr double kPilot67[] = {3.2, 4.3, 5.3, 6.4, 8.4, 10.5, 13};
constexpr double kLower89[] = {1.1, 1.1, 1.3, 1.5, 1.7, 2.2, 2.4, 2.7, 3.2, 4.3, 5.3};
constexpr double kPilot89[] = {1.1, 1.3, 1.5, 1.7, 2.2, 2.4, 2.7, 3.2, 4.3, 5.3, 6.4};

struct PreDrillTable {
    std::span<const double> lower;
    std::span<const double> preset;
};
constexpr PreDrillTable kPreDrill[] = {
    {kLower0, kPreset0},  {kLower1, kPreset1},  {kLower2, kPreset2},  {kLower3, kPreset34},
    {kLower4, kPreset34}, {kLower5, kPreset5},  {kPilot67, kPilot67}, {kPilot67, kPilot67},
    {kLower89, kPilot89}, {kLower89, kPilot89},
};

// Core holes of the flat countersink's threads, by size position.
constexpr std::string_view kCoreM8[] = {"6.8", "8.4", "9"};
constexpr std::string_view kCoreM10[] = {"6.8",  "8.4", "8.5", "9",   "10.2",
                                         "10.5", "11",  "13",  "13.5"};
constexpr std::string_view kCoreM14[] = {"8.5", "12", "15", "15.5"};
constexpr std::string_view kCoreM16[] = {"10.2", "12",   "14", "15", "15.5",
                                         "17",   "17.5", "19", "20"};
constexpr std::string_view kCoreM20[] = {"14", "17.5", "19", "20", "21",
                                         "22", "23",   "24", "25", "26"};
constexpr std::span<const std::string_view> kCoreHoles[] = {
    kCoreM8, kCoreM10, kCoreM10, kCoreM14, kCoreM16, kCoreM16, kCoreM20, kCoreM20, kCoreM20};

// Feed per revolution by material row and size position.
using FeedRow = std::array<std::string_view, 18>;
constexpr FeedRow kFeeds[] = {
    /* 0 */
    {{"0.07", "0.08", "0.09", "0.09", "0.09", "0.1", "0.1", "0.12", "0.12", "0.12", "0.13", "0.13",
      "0.14", "0.14", "0.14", "0.15", "0.16", "0.16"}},
    /* 1 */
    {{"0.06", "0.07", "0.08", "0.08", "0.09", "0.09", "0.09", "0.1", "0.1", "0.1", "0.11", "0.11",
      "0.12", "0.12", "0.12", "0.14", "0.14", "0.14"}},
    /* 2 */
    {{"0.04", "0.05", "0.06", "0.06", "0.07", "0.07", "0.07", "0.08", "0.08", "0.08", "0.09",
      "0.09", "0.09", "0.1", "0.1", "0.11", "0.12", "0.12"}},
    /* 3 */
    {{"0.03", "0.03", "0.04", "0.04", "0.04", "0.05", "0.05", "0.05", "0.05", "0.05", "0.05",
      "0.05", "0.06", "0.06", "0.06", "0.08", "0.08", "0.08"}},
    /* 4 */
    {{"0.03", "0.03", "0.03", "0.03", "0.03", "0.04", "0.04", "0.04", "0.04", "0.04", "0.04",
      "0.04", "0.05", "0.05", "0.05", "0.05", "0.06", "0.06"}},
    /* 5 */
    {{"0.04", "0.04", "0.05", "0.05", "0.05", "0.06", "0.06", "0.06", "0.06", "0.06", "0.06",
      "0.06", "0.07", "0.07", "0.07", "0.07", "0.08", "0.08"}},
    /* 6 */
    {{"0.08", "0.09", "0.1", "0.09", "0.09", "0.1", "0.1", "0.12", "0.12", "0.13", "0.14", "0.14",
      "0.15", "0.16", "0.17", "0.19", "0.2", "0.2"}},
    /* 7 */
    {{"0.06", "0.06", "0.07", "0.07", "0.07", "0.07", "0.07", "0.08", "0.08", "0.09", "0.09",
      "0.09", "0.1", "0.12", "0.14", "0.15", "0.16", "0.16"}},
    /* 8 */
    {{"0.06", "0.06", "0.07", "0.07", "0.07", "0.07", "0.07", "0.08", "0.08", "0.09", "0.1", "0.1",
      "0.11", "0.12", "0.14", "0.15", "0.16", "0.16"}},
    /* 9 */
    {{"0.1", "0.11", "0.12", "0.12", "0.13", "0.13", "0.13", "0.14", "0.14", "0.15", "0.16", "0.16",
      "0.17", "0.18", "0.19", "0.2", "0.22", "0.22"}},
    /* 10, 11, 12 */
    {{"0.08", "0.09", "0.1", "0.1", "0.1", "0.11", "0.11", "0.12", "0.12", "0.12", "0.13", "0.13",
      "0.14", "0.14", "0.14", "0.16", "0.18", "0.18"}},
    /* 13, 14 */
    {{"0.1", "0.11", "0.12", "0.12", "0.13", "0.13", "0.13", "0.14", "0.14", "0.15", "0.16", "0.16",
      "0.17", "0.18", "0.18", "0.19", "0.2", "0.2"}},
};
// The feed row of each material: aluminium castings and alloys share one,
// so do the two brasses.
constexpr int kFeedRow[15] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 10, 11, 11};

bool InRange(int i, size_t count) {
    return i >= 0 && static_cast<size_t>(i) < count;
}

} // namespace

const std::array<CountersinkMaterial, 15> CountersinkMaterials = {{
    {"Stahl bis 500 N/mm2", 26, 30, kCoolant, 1},
    {"Stahl bis 700 N/mm2", 25, 28, kCoolant, 2},
    {"Stahl bis 900 N/mm2", 18, 25, kCoolant, 3},
    {"Stahl bis 1250 N/mm2", 6, 10, kCoolant, 0},
    {"Stahl bis 1500 N/mm2", 2, 5, kCuttingOil, 0},
    {"Rost- und warmfester Stahl bis 1000 N/mm2", 4, 10, kCuttingOil, 0},
    {"Grauguß bis 200 HB", 15, 24, kDry, 7},
    {"Grauguß über 200 HB", 9, 13, kDry, 8},
    {"Temperguß bis 450 N/mm2", 9, 13, kCoolant, 0},
    {"Aluminium gewalzt", 50, 90, kCoolant, 0},
    {"Aluminium gegossen", 30, 60, kCoolant, 0},
    {"Al-Legierungen mit bis zu 10% Si", 25, 40, kCoolant, 0},
    {"Al-Legierungen mit über 10% Si", 10, 30, kCoolant, 0},
    {"Messing bis MS58 (hart)", 50, 80, kCoolant, 0},
    {"Messing ab MS63 (zäh)", 30, 50, kCuttingOil, 0},
}};

std::span<const std::string_view> CountersinkCoatings(int type) {
    if (!InRange(type, CountersinkTypes.size())) return {};
    return std::span(CountersinkCoatingNames)
        .first(static_cast<size_t>(CountersinkTypes[type].coatings));
}

std::span<const std::string_view> CountersinkSizes(int type) {
    if (!InRange(type, std::size(kSizes))) return {};
    return kSizes[type];
}

std::optional<double> PreDrillLowerBound(int type, int size) {
    if (!InRange(type, std::size(kPreDrill))) return std::nullopt;
    const auto& lower = kPreDrill[type].lower;
    if (!InRange(size, lower.size())) return std::nullopt;
    return lower[static_cast<size_t>(size)];
}

std::optional<double> PreDrillPreset(int type, int size) {
    if (!InRange(type, std::size(kPreDrill))) return std::nullopt;
    const auto& preset = kPreDrill[type].preset;
    if (!InRange(size, preset.size()) || preset[static_cast<size_t>(size)] == kNone)
        return std::nullopt;
    return preset[static_cast<size_t>(size)];
}

std::vector<std::string> PilotItems(int type, int size) {
    if (type == kCoreHoleType) {
        if (!InRange(size, std::size(kCoreHoles))) return {};
        const auto& holes = kCoreHoles[size];
        return {holes.begin(), holes.end()};
    }
    if (type < kFirstPilotType) return {};
    const std::optional<double> pilot = PreDrillPreset(type, size);
    if (!pilot) return {};
    return {WriteNumber(*pilot, '.')};
}

std::string_view CountersinkFeed(int material, int size) {
    if (!InRange(material, std::size(kFeedRow))) return {};
    const FeedRow& row = kFeeds[kFeedRow[material]];
    if (!InRange(size, row.size())) return {};
    return row[static_cast<size_t>(size)];
}

} // namespace zerbo
