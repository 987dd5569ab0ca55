// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The countersinking tables: countersink types with their coatings, cutting
// edges and angles, the sizes of each type, the pre-drill and pilot
// diameters, the materials with cutting speed, coolant and force-table row,
// and the feeds per revolution.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zerbo {

struct CountersinkType {
    std::string_view item;
    int coatings; // how many of the coatings it is offered with, in list order
    int edges;    // cutting edges z
    int angle;    // countersink angle in degrees; 0 for a flat countersink
};

inline constexpr std::array<CountersinkType, 11> CountersinkTypes = {{
    {"Kegelsenker 90°  3 Schn. Zylindersch.", 3, 3, 90},
    {"Kegelsenker 90°  3 Schn Morsek.", 2, 3, 90},
    {"Kegelsenker 75°  3 Schn. Zylindersch.", 1, 3, 75},
    {"Kegelsenker 60°  3 Schn. Zylindersch.", 2, 3, 60},
    {"Kegelsenker 60°  3 Schn. Morsek.", 1, 3, 60},
    {"Kegelsenker 90°  1 Schn. Zylindersch.", 1, 1, 90},
    {"Kegelsenker 90°  mit Führungszapfen", 1, 2, 90},
    {"Flachsenker mit Führungszapfen", 1, 2, 0},
    {"Mini-Senker 90°", 1, 3, 90},
    {"Mini-Flachsenker", 1, 3, 0},
    {"Flachsenker", 1, 3, 0},
}};

// The first coating is the uncoated one.
inline constexpr std::array<std::string_view, 3> CountersinkCoatingNames = {
    "HSS unbeschichtet", "HSS TiN-beschichtet", "HSS TiCN-beschichtet"};

// The countersinks that run with a pilot in a hole (types 6..9) or in a
// tapped hole's core hole (type 10) instead of on a pre-drilled edge.
inline constexpr int kFirstPilotType = 6;
inline constexpr int kCoreHoleType = 10;

struct CountersinkMaterial {
    std::string_view item;
    int vcMin; // m/min
    int vcMax;
    std::string_view coolant;
    int forceRow; // row of the force table; 0 = no grade
};

extern const std::array<CountersinkMaterial, 15> CountersinkMaterials;

// Coatings offered for a type; empty for a number outside the table.
std::span<const std::string_view> CountersinkCoatings(int type);
// The size list of a type (D is the text before the first blank).
std::span<const std::string_view> CountersinkSizes(int type);
// Lowest pre-drilled diameter for a type and size position; nothing for
// the core-hole type and for positions outside the table.
std::optional<double> PreDrillLowerBound(int type, int size);
// The preset pre-drilled (types 0..5) or pilot (types 6..9) diameter;
// nothing where the table gives none.
std::optional<double> PreDrillPreset(int type, int size);
// The pilot list: one pilot diameter for types 6..9, the core holes of the
// thread for type 10, nothing for the others.
std::vector<std::string> PilotItems(int type, int size);
// Feed per revolution in mm as its table text; empty outside the table.
std::string_view CountersinkFeed(int material, int size);

} // namespace zerbo
