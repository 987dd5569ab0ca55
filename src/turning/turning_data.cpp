// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "turning/turning_data.h"

namespace zerbo {

namespace {

// clang-format off
constexpr TurningEntry kExternalHss[] = {
    // group, classes, cutting material, coolant, Vc min..max, f min..max, ap min..max
    { 1, 1, 1, kHssCuttingMaterial, "Bohrölemulsion",  56,  75, 0.1, 0.2, 0.05, 0.5},
    { 1, 2, 2, kHssCuttingMaterial, "Bohrölemulsion",  42,  60, 0.2, 0.4, 0.5, 3},
    { 1, 3, 3, kHssCuttingMaterial, "Bohrölemulsion",  32,  50, 0.4, 0.8, 1, 6},
    { 1, 4, 4, kHssCuttingMaterial, "Bohrölemulsion",  25,  30, 0.6, 1.2, 4, 9},
    { 2, 1, 1, kHssCuttingMaterial, "Bohrölemulsion",  40,  60, 0.1, 0.2, 0.05, 0.5},
    { 2, 2, 2, kHssCuttingMaterial, "Bohrölemulsion",  30,  50, 0.2, 0.4, 0.1, 1},
    { 2, 3, 3, kHssCuttingMaterial, "Bohrölemulsion",  22,  40, 0.4, 0.8, 1, 6},
    { 2, 4, 4, kHssCuttingMaterial, "Bohrölemulsion",  19,  30, 0.6, 1.2, 4, 9},
    { 3, 1, 1, kHssCuttingMaterial, "Rüböl",  24,  30, 0.1, 0.2, 0.05, 0.5},
    { 3, 2, 2, kHssCuttingMaterial, "Rüböl",  15,  22, 0.2, 0.4, 0.5, 3},
    { 3, 3, 3, kHssCuttingMaterial, "Rüböl",  12,  15, 0.4, 0.8, 1, 6},
    { 4, 1, 2, kHssCuttingMaterial, "Bohrölemulsion",  42,  56, 0.2, 0.4, 0.1, 1},
    { 7, 2, 2, kHssCuttingMaterial, "Trocken",  24,  56, 0.2, 0.4, 0.5, 3},
    { 7, 3, 3, kHssCuttingMaterial, "Trocken",  22,  32, 0.2, 1.2, 1, 6},
    { 8, 5, 5, kHssCuttingMaterial, "Trocken",  22,  27, 0.2, 0.4, 1, 6},
    { 9, 5, 5, kHssCuttingMaterial, "Emulsion",  30, 150, 0.3, 1.2, 0.1, 6},
    {10, 5, 5, kHssCuttingMaterial, "Emulsion",  20, 100, 0.4, 1.2, 0.1, 6},
};

constexpr TurningEntry kExternalWp[] = {
    // group, classes, cutting material, coolant, Vc min..max, f min..max, ap min..max
    { 1, 1, 2, "CU 7033", "Trocken", 120, 350, 0.1, 0.1, 0.5, 1},
    { 1, 3, 3, "HB 7010", "Trocken", 150, 250, 0.4, 0.4, 1, 6},
    { 1, 4, 4, "HB 7010", "Trocken", 100, 200, 0.6, 0.6, 4, 9},
    { 2, 1, 2, "CU 7033", "Trocken", 150, 300, 0.1, 0.1, 0.1, 1},
    { 2, 3, 3, "HB 7010", "Trocken", 120, 220, 0.4, 0.4, 1, 6},
    { 2, 4, 4, "HB 7035", "Trocken", 100, 200, 0.6, 0.6, 4, 9},
    { 3, 1, 2, "HB 7010", "Emulsion", 100, 200, 0.1, 0.1, 0.5, 1},
    { 3, 3, 3, "HB 7010", "Emulsion",  60, 100, 0.3, 0.3, 1, 4},
    { 4, 1, 2, "HB 7035", "Trocken", 100, 200, 0.1, 0.1, 0.1, 1},
    { 5, 1, 2, "HU 7020", "Emulsion", 100, 200, 0.2, 0.2, 0.5, 1},
    { 5, 3, 3, "HB 7035", "Emulsion",  80, 150, 0.2, 0.2, 1, 4},
    { 6, 5, 5, "HB 7035", "Emulsion",  25,  60, 0.2, 0.2, 1, 5},
    { 7, 5, 5, "HB 7010", "Emulsion", 100, 220, 0.4, 0.4, 1, 6},
    { 8, 5, 5, "HB 7010", "Emulsion", 100, 180, 0.4, 0.4, 1, 6},
    { 9, 5, 5, "HU 70 AL", "Emulsion", 500, 800, 0.4, 0.4, 1, 6},
    {10, 5, 5, "HU 70 AL", "Emulsion", 400, 600, 0.4, 0.4, 1, 6},
};

constexpr TurningEntry kBoringShort[] = {
    // group, classes, cutting material, coolant, Vc min..max, f min..max, ap min..max
    { 1, 1, 2, "CU 7033", "Trocken", 140, 140, 0.1, 0.1, 0.2, 0.2},
    { 1, 3, 3, "HB 7010", "Trocken",  90, 100, 0.2, 0.25, 2, 3},
    { 2, 1, 2, "CU 7033", "Trocken", 100, 120, 0.1, 0.1, 0.2, 0.2},
    { 2, 3, 3, "HB 7010", "Trocken",  70,  80, 0.2, 0.25, 2, 3},
    { 3, 1, 2, "HB 7010", "Emulsion",  80, 100, 0.1, 0.1, 0.2, 0.2},
    { 3, 3, 3, "HB 7010", "Emulsion",  50,  60, 0.2, 0.25, 2, 3},
    { 4, 1, 2, "HB 7035", "Trocken", 140, 140, 0.1, 0.1, 0.2, 0.2},
    { 4, 3, 3, "HB 7035", "Trocken",  90, 100, 0.2, 0.25, 2, 3},
    { 5, 1, 2, "HU 7020", "Emulsion",  70,  80, 0.1, 0.1, 0.2, 0.2},
    { 5, 3, 3, "HB 7035", "Emulsion",  50,  60, 0.2, 0.25, 1, 2},
    { 6, 5, 5, "HB 7035", "Emulsion",  25,  60, 0.1, 0.1, 0.2, 1},
    { 7, 5, 5, "HB 7010", "Emulsion",  80,  80, 0.1, 0.3, 0.2, 5},
    { 8, 5, 5, "HB 7010", "Emulsion",  70,  70, 0.1, 0.3, 0.2, 5},
    { 9, 5, 5, "HU 70 AL", "Emulsion", 200, 400, 0.05, 0.25, 0.1, 3},
    {10, 5, 5, "HU 70 AL", "Emulsion", 200, 400, 0.05, 0.25, 3, 3},
};

constexpr TurningEntry kBoringLong[] = {
    // group, classes, cutting material, coolant, Vc min..max, f min..max, ap min..max
    { 1, 1, 2, "CU 7033", "Trocken", 100, 100, 0.1, 0.1, 0.2, 0.2},
    { 1, 3, 3, "HB 7010", "Trocken",  70,  70, 0.2, 0.2, 1.5, 1.5},
    { 2, 1, 2, "CU 7033", "Trocken",  70,  70, 0.1, 0.1, 0.2, 0.2},
    { 2, 3, 3, "HB 7010", "Trocken",  60,  60, 0.2, 0.2, 1, 1},
    { 3, 1, 2, "HB 7010", "Emulsion",  50,  50, 0.1, 0.1, 0.2, 0.2},
    { 3, 3, 3, "HB 7010", "Emulsion",  40,  40, 0.2, 0.2, 1, 1},
    { 4, 1, 2, "HB 7035", "Trocken", 100, 100, 0.1, 0.1, 0.2, 0.2},
    { 4, 3, 3, "HB 7035", "Trocken",  70,  70, 0.2, 0.2, 1.5, 1.5},
    { 5, 1, 2, "HU 7020", "Emulsion",  60,  70, 0.1, 0.1, 0.2, 0.2},
    { 5, 3, 3, "HB 7035", "Emulsion",  40,  50, 0.2, 0.2, 1, 1},
    { 6, 5, 5, "HB 7035", "Emulsion",  25,  60, 0.1, 0.1, 0.2, 1},
    { 7, 5, 5, "HB 7010", "Emulsion",  60,  60, 0.1, 0.2, 0.2, 2},
    { 8, 5, 5, "HB 7010", "Emulsion",  50,  50, 0.1, 0.2, 0.2, 2},
    { 9, 5, 5, "HU 70 AL", "Emulsion", 200, 400, 0.05, 0.2, 0.1, 2.5},
    {10, 5, 5, "HU 70 AL", "Emulsion", 200, 400, 0.05, 0.2, 0.1, 2.5},
};

constexpr PartingEntry kParting[] = {
    // group, Vc min..max, f min..max for the widths "2", "3", "4", "5"
    { 1, 100, 180, {{0.05, 0.2}, {0.08, 0.3}, {0.08, 0.3}, {0.08, 0.4}}},
    { 2,  60, 120, {{0.05, 0.2}, {0.08, 0.25}, {0.08, 0.25}, {0.08, 0.3}}},
    { 3,  50,  80, {{0.05, 0.1}, {0.08, 0.2}, {0.08, 0.2}, {0.08, 0.2}}},
    { 4, 100, 200, {{0.05, 0.15}, {0.08, 0.25}, {0.08, 0.25}, {0.08, 0.35}}},
    { 5,  80, 150, {{0.05, 0.1}, {0.08, 0.15}, {0.08, 0.15}, {0.08, 0.25}}},
    { 6,  50,  60, {{0.05, 0.1}, {0.08, 0.12}, {0.08, 0.14}, {0.08, 0.16}}},
    { 7, 100, 200, {{0.08, 0.22}, {0.1, 0.25}, {0.1, 0.3}, {0.1, 0.35}}},
    { 8,  80, 180, {{0.08, 0.2}, {0.1, 0.2}, {0.1, 0.25}, {0.1, 0.3}}},
    { 9, 200, 300, {{0.05, 0.2}, {0.08, 0.3}, {0.08, 0.3}, {0.08, 0.4}}},
    {10, 200, 300, {{0.05, 0.2}, {0.08, 0.3}, {0.08, 0.3}, {0.08, 0.4}}},
};
// clang-format on

std::optional<TurningRow> Find(std::span<const TurningEntry> table, int group, int machiningClass) {
    for (const TurningEntry& e : table)
        if (e.group == group && e.classFrom <= machiningClass && machiningClass <= e.classTo)
            return TurningRow{e.cuttingMaterial, e.coolant, e.vcMin,    e.vcMax,
                              e.feedMin,         e.feedMax, e.depthMin, e.depthMax};
    return std::nullopt;
}

} // namespace

std::span<const TurningEntry> ExternalTurningHssTable() {
    return kExternalHss;
}
std::span<const TurningEntry> ExternalTurningWpTable() {
    return kExternalWp;
}
std::span<const TurningEntry> BoringShortOverhangTable() {
    return kBoringShort;
}
std::span<const TurningEntry> BoringLongOverhangTable() {
    return kBoringLong;
}
std::span<const PartingEntry> PartingTable() {
    return kParting;
}

std::optional<TurningRow> LookUpExternalTurning(TurningCuttingMaterial material, int group,
                                                int machiningClass) {
    return Find(material == TurningCuttingMaterial::Hss ? ExternalTurningHssTable()
                                                        : ExternalTurningWpTable(),
                group, machiningClass);
}

std::optional<TurningRow> LookUpBoringShortOverhang(int group, int machiningClass) {
    return Find(kBoringShort, group, machiningClass);
}

std::optional<TurningRow> LookUpBoringLongOverhang(int group, int machiningClass) {
    return Find(kBoringLong, group, machiningClass);
}

std::optional<TurningRow> LookUpParting(int group, int widthIndex) {
    if (widthIndex < 0 || widthIndex >= kPartingWidthCount) return std::nullopt;
    for (const PartingEntry& e : kParting)
        if (e.group == group) {
            const auto w = static_cast<size_t>(widthIndex);
            TurningRow row{kPartingCuttingMaterial, kPartingCoolant, e.vcMin, e.vcMax};
            row.feedMin = e.feed[w][0];
            row.feedMax = e.feed[w][1];
            return row; // no depth of cut
        }
    return std::nullopt;
}

} // namespace zerbo
