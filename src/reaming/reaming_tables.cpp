// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reaming/reaming_data.h"

#include <iterator>
#include <optional>
#include <string_view>

namespace zerbo::reaming {

namespace {

// ---------------------------------------------------------------------------
// Cutting speed, m/min, by material position.

constexpr SpeedRange kHssSpeed[] = {
    {10, 12}, {8, 10}, {6, 8},   {4, 6},   {6, 10},  {4, 6},  {8, 10}, {4, 6}, {8, 10},
    {6, 8},   {8, 12}, {10, 12}, {12, 14}, {15, 20}, {10, 12}, {4, 6}, {6, 10}};

// Carbide: one range below 30 mm and one from 30 mm on (the same where the
// diameter does not matter), for the machine reamers (types 0 and 1), the
// high-performance reamer in carbide and the high-performance reamer in cermet.
struct HmSpeed {
    SpeedRange machineBelow30, machineFrom30;
    SpeedRange carbideBelow30, carbideFrom30;
    SpeedRange cermetBelow30, cermetFrom30;
};
// clang-format off
constexpr HmSpeed kHmSpeed[] = {
    //  types 0-1             type 2 "Hartmetall"       type 2 "Cermet"
    {{10, 15}, {10, 15},  { 60, 120}, { 60, 120},  {100, 200}, {100, 200}}, //  0
    {{ 8, 12}, { 8, 12},  { 60, 120}, { 60, 120},  {100, 200}, {100, 200}}, //  1
    {{ 6, 10}, { 6, 10},  { 60, 100}, { 60, 100},  { 60, 100}, { 60, 100}}, //  2
    {{ 8, 12}, { 8, 12},  { 80, 120}, { 80, 120},  {100, 400}, {100, 400}}, //  3
    {{ 6, 10}, { 6, 10},  { 60, 100}, { 60, 100},  {100, 400}, {100, 400}}, //  4
    {{ 8, 12}, {10, 15},  { 80, 120}, {100, 150},  {100, 400}, {100, 400}}, //  5
    {{ 6, 10}, { 8, 12},  { 60, 100}, { 80, 120},  {100, 400}, {100, 400}}, //  6
    {{ 8, 12}, { 8, 12},  { 80, 120}, { 80, 120},  {100, 400}, {100, 400}}, //  7
    {{20, 30}, {25, 40},  {200, 300}, {250, 400},  {100, 200}, {100, 200}}, //  8
    {{15, 25}, {20, 30},  {150, 250}, {200, 300},  {100, 200}, {100, 200}}, //  9
    {{15, 25}, {20, 30},  {150, 250}, {200, 300},  {100, 200}, {100, 200}}, // 10
    {{15, 25}, {20, 30},  {150, 250}, {200, 300},  {100, 200}, {100, 200}}, // 11
    {{15, 25}, {20, 30},  {150, 250}, {200, 300},  {150, 250}, {200, 300}}, // 12
};
// clang-format on

// ---------------------------------------------------------------------------
// Feed per revolution, mm/U, by diameter class:
// c1 D <= 5, c2 <= 8, c3 <= 10, c4 <= 15, c5 <= 20, c6 <= 25, c7 <= 30, c8 <= 40, c9 <= 50.

constexpr double kFeedClassTop[] = {5, 8, 10, 15, 20, 25, 30, 40, 50};
using FeedRow = std::string_view[9];

// clang-format off
constexpr FeedRow kHssFeed[] = {
    // c1     c2      c3      c4      c5      c6      c7      c8      c9
    {"0.1",  "0.13", "0.15", "0.2",  "0.25", "0.25", "0.3",  "0.35", "0.4"},  // 0-4
    {"0.07", "0.08", "0.1",  "0.13", "0.18", "0.18", "0.22", "0.25", "0.3"},  // 5
    {"0.18", "0.2",  "0.23", "0.25", "0.3",  "0.3",  "0.35", "0.4",  "0.45"}, // 6, 8
    {"0.12", "0.15", "0.17", "0.2",  "0.25", "0.25", "0.3",  "0.35", "0.4"},  // 7
    {"0.15", "0.18", "0.2",  "0.2",  "0.25", "0.3",  "0.35", "0.4",  "0.4"},  // 9
    {"0.15", "0.18", "0.2",  "0.25", "0.3",  "0.3",  "0.35", "0.4",  "0.45"}, // 10
    {"0.2",  "0.25", "0.3",  "0.35", "0.4",  "0.4",  "0.45", "0.5",  "0.6"},  // 11, 12
    // Light metals and silumin keep the 40 mm feed up to 50 mm.
    {"0.15", "0.18", "0.2",  "0.25", "0.3",  "0.3",  "0.35", "0.4",  "0.4"},  // 13, 14
    {"0.2",  "0.25", "0.3",  "0.35", "0.4",  "0.45", "0.45", "0.5",  "0.5"},  // 15
    {"0.25", "0.3",  "0.35", "0.4",  "0.45", "0.5",  "0.55", "0.6",  "0.6"},  // 16
};
constexpr FeedRow kHmFeed[] = {
    {"0.15", "0.18", "0.2",  "0.25", "0.3",  "0.3",  "0.35", "0.4",  "0.5"},  // 0, 1, 3, 6, 7
    {"0.12", "0.15", "0.15", "0.18", "0.2",  "0.2",  "0.25", "0.3",  "0.4"},  // 2, 4
    {"0.2",  "0.26", "0.3",  "0.35", "0.4",  "0.4",  "0.45", "0.5",  "0.6"},  // 5, 9, 10, 11
    {"0.3",  "0.36", "0.4",  "0.45", "0.5",  "0.5",  "0.55", "0.6",  "0.7"},  // 8, 12
};
// clang-format on
constexpr int kHssFeedRow[] = {0, 0, 0, 0, 0, 1, 2, 3, 2, 4, 5, 6, 6, 7, 7, 8, 9};
constexpr int kHmFeedRow[] = {0, 0, 1, 0, 1, 2, 0, 0, 3, 2, 2, 2, 3};

// ---------------------------------------------------------------------------
// Reaming allowance, mm, by diameter class:
// a1 D < 3, a2 < 5, a3 < 10, a4 < 20, a5 < 30, a6 from 30 on.

constexpr double kAllowanceClassEnd[] = {3, 5, 10, 20, 30};
using AllowanceRow = std::string_view[6];

// clang-format off
constexpr AllowanceRow kAllowance[] = {
    // a1    a2         a3         a4         a5         a6
    {"0.1", "0.1-0.2", "0.2",     "0.2-0.3", "0.3-0.4", "0.4-0.5"}, // HSS 0, 1, 6, 7 / HM 0, 5, 6
    {"0.1", "0.1-0.2", "0.2",     "0.2",     "0.3",     "0.3-0.4"}, // HSS 2, 3, 16   / HM 1, 2
    {"0.1", "0.1-0.2", "0.2",     "0.2",     "0.2-0.3", "0.3-0.4"}, // HSS 4, 5       / HM 3, 4
    {"0.1", "0.1-0.2", "0.2",     "0.3",     "0.4",     "0.5"},     // HSS 8, 9       / HM 7
    {"0.1", "0.1-0.2", "0.2-0.3", "0.3-0.4", "0.4-0.5", "0.5"},     // HSS 10, 13     / HM 8, 11
    {"0.1", "0.1-0.2", "0.2",     "0.2-0.3", "0.3",     "0.3-0.4"}, // HSS 11, 12     / HM 9, 10
    {"0.1", "0.1-0.2", "0.3",     "0.4",     "0.4-0.5", "0.5"},     // HSS 14, 15     / HM 12
};
// clang-format on
constexpr int kHssAllowanceRow[] = {0, 0, 1, 1, 2, 2, 0, 0, 3, 3, 4, 5, 5, 4, 6, 6, 1};
constexpr int kHmAllowanceRow[] = {0, 1, 1, 2, 2, 0, 0, 3, 4, 5, 5, 4, 6};

// ---------------------------------------------------------------------------
// Force-table rows.

constexpr int kHssForceRow[] = {1, 2, 3, 0, 0, 0, 7, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr int kHmForceRow[] = {2, 3, 0, 0, 0, 7, 8, 0, 0, 0, 0, 0, 0};

// ---------------------------------------------------------------------------
// Coolant advice.

constexpr std::string_view kSteel[] = {
    "Flußstahl:",           "Bohrölemulsion", "Talg",
    "Schneidöl",            "---------------------",
    "Werkzeugstahl:",       "Rübölersatz",    "---------------------",
    "Legierter Stahl:",     "Rübölersatz",    "Schneidöl",
    "---------------------", "Hitzebeständiger und", "nichtrostender Stahl:",
    "Bohröl"};
constexpr std::string_view kRapeOil[] = {"Rüböl"};
constexpr std::string_view kRapeOilDry[] = {"Rüböl", "Trocken"};
constexpr std::string_view kEmulsionDry[] = {"Bohrölemulsion", "Trocken"};
constexpr std::string_view kEmulsion[] = {"Bohrölemulsion"};
constexpr std::string_view kRapeOilDryEmulsion[] = {"Rüböl", "Trocken", "Bohrölemulsion"};
constexpr std::string_view kDryRapeOilEmulsion[] = {"Trocken", "Rüböl", "Bohrölemulsion"};
constexpr std::string_view kAluminium[] = {"Alu zäh:",
                                           "Terpentilölersatz",
                                           "und Petroleum 4:5",
                                           "---------------------",
                                           "Alu ausgehärtet:",
                                           "Rüböl"};
constexpr std::string_view kPetroleum[] = {"Petroleum", "Terpentinöl"};
constexpr std::string_view kDryAir[] = {"Trocken", "Preßluft", "Kein Wasser"};

constexpr Texts kHssCoolant[] = {kSteel,       kSteel,       kSteel,
                                 kSteel,       kRapeOil,     kRapeOil,
                                 kRapeOilDry,  kRapeOilDry,  kEmulsionDry,
                                 kEmulsionDry, kEmulsion,    kRapeOilDryEmulsion,
                                 kRapeOilDryEmulsion, kAluminium, kPetroleum,
                                 kDryAir,      kDryAir};
constexpr Texts kHmCoolant[] = {kSteel,        kSteel,        kSteel,     kRapeOil,
                                kRapeOil,      kRapeOilDry,   kRapeOilDry, kEmulsionDry,
                                kEmulsion,     kRapeOilDryEmulsion, kDryRapeOilEmulsion,
                                kAluminium,    kDryAir};

// ---------------------------------------------------------------------------

static_assert(std::size(kHssSpeed) == 17 && std::size(kHssFeedRow) == 17 &&
              std::size(kHssAllowanceRow) == 17 && std::size(kHssForceRow) == 17 &&
              std::size(kHssCoolant) == 17);
static_assert(std::size(kHmSpeed) == 13 && std::size(kHmFeedRow) == 13 &&
              std::size(kHmAllowanceRow) == 13 && std::size(kHmForceRow) == 13 &&
              std::size(kHmCoolant) == 13);

template <class T, size_t N> bool Inside(const T (&)[N], int i) {
    return i >= 0 && i < static_cast<int>(N);
}

bool ValidMaterial(Group group, int material) {
    return group == Group::Hss ? Inside(kHssSpeed, material) : Inside(kHmSpeed, material);
}

} // namespace

std::optional<SpeedRange> LookUpSpeed(Group group, int type, int cuttingMaterial, int material,
                                      double d) {
    if (!ValidMaterial(group, material)) return std::nullopt;
    if (CuttingMaterials(group, type).empty() || cuttingMaterial < 0 ||
        cuttingMaterial >= static_cast<int>(CuttingMaterials(group, type).size()))
        return std::nullopt;
    if (group == Group::Hss) return kHssSpeed[material];
    const HmSpeed& row = kHmSpeed[material];
    const bool from30 = d >= 30;
    if (type != kHmHighPerformance) return from30 ? row.machineFrom30 : row.machineBelow30;
    if (cuttingMaterial == kCermet) return from30 ? row.cermetFrom30 : row.cermetBelow30;
    return from30 ? row.carbideFrom30 : row.carbideBelow30;
}

std::optional<std::string_view> LookUpFeed(Group group, int material, double d) {
    if (!ValidMaterial(group, material)) return std::nullopt;
    const FeedRow& row =
        group == Group::Hss ? kHssFeed[kHssFeedRow[material]] : kHmFeed[kHmFeedRow[material]];
    for (size_t c = 0; c < std::size(kFeedClassTop); ++c)
        if (d <= kFeedClassTop[c]) return row[c];
    return std::nullopt;
}

std::optional<std::string_view> LookUpAllowance(Group group, int material, double d) {
    if (!ValidMaterial(group, material)) return std::nullopt;
    const AllowanceRow& row = kAllowance[group == Group::Hss ? kHssAllowanceRow[material]
                                                             : kHmAllowanceRow[material]];
    size_t c = 0;
    while (c < std::size(kAllowanceClassEnd) && d >= kAllowanceClassEnd[c])
        ++c;
    return row[c];
}

int ForceRow(Group group, int material) {
    if (!ValidMaterial(group, material)) return 0;
    return group == Group::Hss ? kHssForceRow[material] : kHmForceRow[material];
}

Texts CoolantLines(Group group, int material) {
    if (!ValidMaterial(group, material)) return {};
    return group == Group::Hss ? kHssCoolant[material] : kHmCoolant[material];
}

} // namespace zerbo::reaming
