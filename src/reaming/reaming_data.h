// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Cutting data for reaming with machine, toolmaker's, peeling and shell
// reamers in HSS and carbide: the lists the page offers and the tables of
// cutting speed, feed, reaming allowance and coolant.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zerbo::reaming {

enum class Group { Hss, Hm };

// Positions in the tool list.
inline constexpr int kHssPeelingCylindrical = 3; // "Maschinen-Schälreibahlen zyl. Schaft"
inline constexpr int kHssPeelingTaper = 4;       // "Maschinen-Schälreibahlen MK-Schaft"
inline constexpr int kHmHighPerformance = 2;     // "Hochleistungs-Reibahlen"
// Position of "Cermet" in the cutting-material list of the high-performance reamer.
inline constexpr int kCermet = 1;
// Position of "HSS/E TiN-beschichtet" for the HSS machine reamers (types 0 and 1).
inline constexpr int kTinCoated = 1;

// Recommended cutting speed, whole m/min.
struct SpeedRange {
    std::int32_t min = 0;
    std::int32_t max = 0;
    bool operator==(const SpeedRange&) const = default;
};

using Texts = std::span<const std::string_view>;

// The list items; an unknown type gives an empty list.
Texts ToolTypes(Group group);
Texts CuttingMaterials(Group group, int type);
Texts Diameters(Group group, int type);
Texts Materials(Group group);
// The allowance increase in percent that comes with the diameter list of a
// type: 50 for the peeling reamers, 0 otherwise.
int AllowanceIncrease(Group group, int type);

// Each lookup gives nothing for a position outside its lists (nothing
// selected) and for a diameter outside its classes. `d` is the nominal
// diameter in mm.
std::optional<SpeedRange> LookUpSpeed(Group group, int type, int cuttingMaterial, int material,
                                      double d);
// Feed per revolution as its table text ("0.25"); nothing above 50 mm.
std::optional<std::string_view> LookUpFeed(Group group, int material, double d);
// Reaming allowance as its table text: one value ("0.2") or a range ("0.1-0.2").
std::optional<std::string_view> LookUpAllowance(Group group, int material, double d);
// Row of the force table that gives the material's kc1.1; 0 = none.
int ForceRow(Group group, int material);
// The coolant advice, one line each; empty for a position outside the list.
Texts CoolantLines(Group group, int material);

} // namespace zerbo::reaming
