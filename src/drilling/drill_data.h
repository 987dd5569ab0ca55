// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The constant data of the drilling page: tool, coating, diameter and
// material lists, per-material and per-diameter tool information, and the
// feed and cutting-speed recommendations of the HSS, carbide and
// indexable-insert drills.
//
// Everything is keyed by list positions: cutting-material group, tool,
// coating, material and the position in the tool's diameter list. Keys a
// table does not cover give "no entry" (an empty optional), never a read
// past a table's end.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zerbo {

// The cutting-material group: "HSS" or "VHM/WP".
enum class DrillGroup { Hss, Carbide };

// Tool positions in the tool list of each group.
enum HssDrillTool { kHssTwistDrill = 0, kHssBoringTool = 1, kHssShellBoringTool = 2 };
enum CarbideDrillTool {
    kCarbideTwistDrill = 0,
    kDin6537Short = 1,
    kDin6537Long = 2,
    kThreeFluteDrill = 3,
    kInsertDrill = 4,
    kCarbideBoringTool = 5,
    kCarbideShellBoringTool = 6
};

struct DrillKeys {
    DrillGroup group = DrillGroup::Hss;
    int tool = 0;
    int coating = 0;
    int material = 0;
    // Position in the tool's diameter list.
    int diameter = 0;
};

struct DrillMaterial {
    std::string_view item;
    // Row of the force table that gives kc1.1 and mc; 0 = no grade.
    int gradeRow;
    // Coolant lines of the memo, separated by '\n'; empty when none.
    std::string_view coolant;
    // Drill type ("Typ") of the HSS twist drills, carbide grade
    // ("HM-Sorte") of the carbide twist drills; empty for the others.
    std::string_view type;
    // Point angle of the HSS twist drills.
    std::string_view pointAngle;
};

// Recommended cutting speed in whole m/min.
struct SpeedRange {
    std::int32_t min;
    std::int32_t max;
    friend bool operator==(const SpeedRange&, const SpeedRange&) = default;
};

// "max. N" and "   max. V" of an indexable-insert drill.
struct InsertLimit {
    std::string_view maxDepth;
    std::string_view maxOffset;
};

std::span<const std::string_view> DrillTools(DrillGroup group);
std::span<const std::string_view> DrillCoatings(DrillGroup group, int tool);
std::span<const std::string_view> DrillDiameters(DrillGroup group, int tool);
std::span<const DrillMaterial> DrillMaterials(DrillGroup group, int tool, int coating);

// The selected material, or nullptr when the position is outside the list.
const DrillMaterial* FindDrillMaterial(const DrillKeys& keys);
// The selected diameter in mm, or nothing outside the list.
std::optional<double> DrillDiameter(const DrillKeys& keys);
std::vector<std::string> CoolantLines(const DrillMaterial& material);

// The minimum pre-drilled diameter of a boring-out tool; nothing where the
// field keeps its previous text.
std::optional<std::string_view> MinimumPreDrill(const DrillKeys& keys);
std::optional<InsertLimit> InsertDrillLimit(const DrillKeys& keys);

// The feed text: a number ("0.12"), a range ("0.25-0.45"), "Hand", or an
// empty text where the table has no recommendation for these keys.
// Nothing when no table covers the keys.
std::optional<std::string_view> LookUpDrillFeedText(const DrillKeys& keys);
std::optional<SpeedRange> LookUpDrillSpeedRange(const DrillKeys& keys);

} // namespace zerbo
