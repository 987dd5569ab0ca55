// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Recommended cutting data for turning: external turning (HSS and indexable
// inserts), boring with a short and with a long overhang, and parting off.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zerbo {

enum class TurningCuttingMaterial { Hss, Wp };

// One looked-up row. Vc in whole m/min, feed in mm per revolution, depth of
// cut in mm.
struct TurningRow {
    std::string_view cuttingMaterial;
    std::string_view coolant;
    std::int32_t vcMin = 0;
    std::int32_t vcMax = 0;
    double feedMin = 0;
    double feedMax = 0;
    double depthMin = 0;
    double depthMax = 0;
};

// A table row keyed by material group and a range of machining classes
// (one row may serve classes 1 and 2).
struct TurningEntry {
    std::uint8_t group;
    std::uint8_t classFrom;
    std::uint8_t classTo;
    std::string_view cuttingMaterial;
    std::string_view coolant;
    std::int32_t vcMin;
    std::int32_t vcMax;
    double feedMin;
    double feedMax;
    double depthMin;
    double depthMax;
};

// A parting row: one feed range per parting width "2", "3", "4", "5" mm.
struct PartingEntry {
    std::uint8_t group;
    std::int32_t vcMin;
    std::int32_t vcMax;
    double feed[4][2];
};

// The cutting-material text of every HSS row, also shown when the HSS
// table has no row.
inline constexpr std::string_view kHssCuttingMaterial = "HSS/HSS-E unbeschichtet";
inline constexpr std::string_view kPartingCuttingMaterial = "HB 7025";
inline constexpr std::string_view kPartingCoolant = "*";
inline constexpr int kPartingWidthCount = 4;

std::span<const TurningEntry> ExternalTurningHssTable();
std::span<const TurningEntry> ExternalTurningWpTable();
std::span<const TurningEntry> BoringShortOverhangTable();
std::span<const TurningEntry> BoringLongOverhangTable();
std::span<const PartingEntry> PartingTable();

// Each lookup gives nothing for keys the table has no row for.
std::optional<TurningRow> LookUpExternalTurning(TurningCuttingMaterial material, int group,
                                                int machiningClass);
std::optional<TurningRow> LookUpBoringShortOverhang(int group, int machiningClass);
std::optional<TurningRow> LookUpBoringLongOverhang(int group, int machiningClass);
// widthIndex 0..3 selects the parting width "2".."5".
std::optional<TurningRow> LookUpParting(int group, int widthIndex);

} // namespace zerbo
