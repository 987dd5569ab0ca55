// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Circular saw blades and the materials they cut: the blade sizes with the
// teeth and thickness each size comes with, the recommended cutting speed,
// specific cutting area and feed rate per material, and the coolant to use.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zerbo {

// The only blade type there is.
inline constexpr std::string_view kCircularSawBlade = "Kreissägeblatt";

// A blade diameter Ds (mm) as listed, with the teeth z and the thickness s
// (mm) the blade comes with; both are items of their lists below.
struct SawBlade {
    std::string_view diameter;
    std::string_view teeth;
    std::string_view thickness;
};

inline constexpr std::array<SawBlade, 40> kSawBlades = {{
    {"20", "40", "1"},     {"25", "50", "1"},     {"32", "64", "1"},     {"40", "64", "1"},
    {"50", "80", "1"},     {"63", "80", "2"},     {"80", "80", "2"},     {"100", "100", "2"},
    {"125", "128", "2"},   {"160", "128", "2"},   {"200", "160", "2"},   {"210", "160", "2"},
    {"225", "180", "2"},   {"250", "160", "4"},   {"275", "220", "2"},   {"300", "220", "2.5"},
    {"315", "160", "4"},   {"325", "160", "3"},   {"350", "180", "3"},   {"370", "100", "3"},
    {"400", "160", "3"},   {"425", "180", "3.6"}, {"450", "180", "4"},   {"460", "180", "5"},
    {"500", "200", "4"},   {"510", "160", "5.7"}, {"560", "144", "5.7"}, {"630", "250", "5"},
    {"660", "250", "5"},   {"710", "280", "6.2"}, {"760", "300", "6.3"}, {"800", "314", "7"},
    {"810", "300", "6.8"}, {"910", "300", "7.2"}, {"960", "400", "7"},   {"1010", "400", "8"},
    {"1110", "417", "8"},  {"1250", "500", "9"},  {"1310", "700", "9"},  {"1410", "750", "9"},
}};

inline constexpr std::array<std::string_view, 42> kSawTeeth = {
    "24",  "32",  "40",  "50",  "64",  "70",  "72",  "80",  "84",  "90",  "96",
    "100", "110", "112", "120", "128", "130", "138", "140", "144", "160", "180",
    "196", "200", "220", "250", "280", "300", "314", "400", "417", "500", "550",
    "564", "626", "640", "700", "750", "800", "850", "900", "1036"};

inline constexpr std::array<std::string_view, 26> kSawThicknesses = {
    "0.2", "0.25", "0.3", "0.4", "0.5", "0.6", "0.8", "1",   "1.2", "1.6", "2",   "2.5", "3",
    "3.6", "4",    "4.5", "5",   "5.7", "6",   "6.2", "6.3", "6.8", "7",   "7.2", "8",   "9"};

struct SawRange {
    std::int32_t min;
    std::int32_t max;
};

// Depth classes of the cut; the depth (mm) is what the removal rate takes.
struct SawDepthClass {
    std::string_view item;
    std::int32_t depth;
};

inline constexpr std::array<SawDepthClass, 4> kSawDepthClasses = {{
    {"über 20 mm", 40},
    {"bis 20 mm", 20},
    {"bis 8 mm", 8},
    {"bis 4 mm", 4},
}};

// A workpiece material: cutting speed Vc (m/min), specific cutting area A
// (mm², x1000), the row of the force table, the coolant lines, and the feed
// rate (mm/min) for each depth class.
struct SawMaterial {
    std::string_view item;
    SawRange vc;
    SawRange area;
    int forceRow;
    std::array<std::string_view, 3> coolant; // unused lines are empty
    std::array<SawRange, 4> feedRate;
};

inline constexpr std::string_view kConcentrate = "Hochleistungskühlschmier-Konzentrat";

// clang-format off
// item, Vc, A, force row, coolant, feed rate by depth class
inline constexpr std::array<SawMaterial, 10> kSawMaterials = {{
    {"Stahl bis 500 N/mm2", {25, 50}, {10, 14}, 1,
     {kConcentrate, "Mischungsverhältnis: 1:20"},
     {{{10, 25}, {25, 30}, {45, 60}, {60, 75}}}},
    {"Stahl bis 800 N/mm2", {15, 30}, {8, 12}, 2,
     {kConcentrate, "Mischungsverhältnis: 1:20"},
     {{{10, 20}, {20, 25}, {35, 50}, {45, 60}}}},
    {"Stahl bis 1100 N/mm2", {10, 20}, {6, 10}, 3,
     {kConcentrate, "Mischungsverhältnis: 1:15"},
     {{{5, 10}, {12, 15}, {20, 30}, {30, 40}}}},
    {"Nichtrostender Stahl (V2A, V4A)", {7, 15}, {6, 10}, 0,
     {kConcentrate, "Mischungsverhältnis: 1:12"},
     {{{2, 7}, {7, 15}, {15, 25}, {25, 35}}}},
    {"Grauguß bis GG 18", {25, 45}, {8, 10}, 7,
     {"Trocken oder Preßluft"},
     {{{20, 30}, {30, 35}, {45, 60}, {65, 80}}}},
    {"Grauguß über GG 18", {25, 30}, {8, 10}, 8,
     {"Trocken oder Preßluft"},
     {{{10, 20}, {20, 25}, {35, 50}, {55, 70}}}},
    {"Bronze, Rotguß, Cu-Legierungen", {120, 200}, {48, 70}, 0,
     {kConcentrate, "Mischungsverhältnis: 1:30"},
     {{{60, 80}, {80, 100}, {150, 250}, {200, 300}}}},
    {"Kupfer, Messing, Leichtmetall", {400, 1000}, {50, 200}, 0,
     {kConcentrate, "Mischungsverhältnis: 1:50", "oder Schmierstift"},
     {{{80, 100}, {100, 150}, {250, 300}, {300, 500}}}},
    {"Leichtmetallprofile", {1000, 2400}, {80, 200}, 0,
     {"Schmierstift"},
     {{{70, 100}, {100, 190}, {160, 200}, {250, 400}}}},
    {"Kunststoffe, Preßstoffe", {1500, 2400}, {80, 200}, 0,
     {"Trocken"},
     {{{70, 100}, {100, 200}, {200, 300}, {300, 500}}}},
}};
// clang-format on

// The coolant lines of a material (none for an index outside the table).
std::vector<std::string> SawCoolantLines(int material);

// The items of a column of the tables above, in order.
std::vector<std::string> SawBladeDiameterItems();
std::vector<std::string> SawMaterialItems();
std::vector<std::string> SawDepthClassItems();
template <size_t N> std::vector<std::string> SawItems(const std::array<std::string_view, N>& a) {
    return {a.begin(), a.end()};
}

} // namespace zerbo
