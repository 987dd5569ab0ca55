// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fingerprint.h"
#include "turning/turning_data.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

using namespace zerbo;

namespace {

void ExpectRow(const std::optional<TurningRow>& row, std::string_view material,
               std::string_view coolant, int vcMin, int vcMax, double fMin, double fMax,
               double apMin, double apMax) {
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->cuttingMaterial, material);
    EXPECT_EQ(row->coolant, coolant);
    EXPECT_EQ(row->vcMin, vcMin);
    EXPECT_EQ(row->vcMax, vcMax);
    EXPECT_EQ(row->feedMin, fMin);
    EXPECT_EQ(row->feedMax, fMax);
    EXPECT_EQ(row->depthMin, apMin);
    EXPECT_EQ(row->depthMax, apMax);
}

constexpr auto kHss = TurningCuttingMaterial::Hss;
constexpr auto kWp = TurningCuttingMaterial::Wp;

TEST(TurningData, EveryRowHasOrderedRangesAndKnownTexts) {
    for (auto table : {ExternalTurningHssTable(), ExternalTurningWpTable(),
                       BoringShortOverhangTable(), BoringLongOverhangTable()}) {
        for (const TurningEntry& e : table) {
            SCOPED_TRACE(std::to_string(e.group) + "/" + std::to_string(e.classFrom));
            EXPECT_GE(e.group, 1);
            EXPECT_LE(e.group, 10);
            EXPECT_LE(e.classFrom, e.classTo);
            EXPECT_LE(e.vcMin, e.vcMax);
            EXPECT_LE(e.feedMin, e.feedMax);
            EXPECT_LE(e.depthMin, e.depthMax);
            EXPECT_FALSE(e.cuttingMaterial.empty());
            EXPECT_FALSE(e.coolant.empty());
        }
    }
    for (const PartingEntry& e : PartingTable()) {
        EXPECT_LE(e.vcMin, e.vcMax);
        for (const auto& f : e.feed)
            EXPECT_LE(f[0], f[1]);
    }
}

// First and last rows, a row two classes share, the Rüböl group, and the
// parting widths.
TEST(TurningData, SampledRows) {
    ExpectRow(LookUpExternalTurning(kHss, 1, 1), "HSS/HSS-E unbeschichtet", "Bohrölemulsion", 56,
              75, 0.1, 0.2, 0.05, 0.5);
    ExpectRow(LookUpExternalTurning(kHss, 3, 3), "HSS/HSS-E unbeschichtet", "Rüböl", 12, 15, 0.4,
              0.8, 1, 6);
    ExpectRow(LookUpExternalTurning(kHss, 10, 5), "HSS/HSS-E unbeschichtet", "Emulsion", 20, 100,
              0.4, 1.2, 0.1, 6);
    ExpectRow(LookUpExternalTurning(kWp, 1, 1), "CU 7033", "Trocken", 120, 350, 0.1, 0.1, 0.5, 1);
    ExpectRow(LookUpExternalTurning(kWp, 1, 2), "CU 7033", "Trocken", 120, 350, 0.1, 0.1, 0.5, 1);
    ExpectRow(LookUpExternalTurning(kWp, 10, 5), "HU 70 AL", "Emulsion", 400, 600, 0.4, 0.4, 1, 6);
    ExpectRow(LookUpBoringShortOverhang(1, 2), "CU 7033", "Trocken", 140, 140, 0.1, 0.1, 0.2, 0.2);
    ExpectRow(LookUpBoringLongOverhang(10, 5), "HU 70 AL", "Emulsion", 200, 400, 0.05, 0.2, 0.1,
              2.5);
    ExpectRow(LookUpParting(1, 0), "HB 7025", "*", 100, 180, 0.05, 0.2, 0, 0);
    ExpectRow(LookUpParting(10, 3), "HB 7025", "*", 200, 300, 0.08, 0.4, 0, 0);
}

// Group 11 has no row anywhere; HSS never serves groups 5 and 6.
TEST(TurningData, UnlistedKeysHaveNoRow) {
    for (int cls = 0; cls <= 6; ++cls) {
        EXPECT_FALSE(LookUpExternalTurning(kHss, 5, cls));
        EXPECT_FALSE(LookUpExternalTurning(kHss, 6, cls));
        EXPECT_FALSE(LookUpExternalTurning(kWp, 11, cls));
        EXPECT_FALSE(LookUpBoringShortOverhang(11, cls));
        EXPECT_FALSE(LookUpBoringLongOverhang(11, cls));
        EXPECT_FALSE(LookUpParting(11, cls));
    }
    EXPECT_FALSE(LookUpExternalTurning(kHss, 3, 4));
    EXPECT_FALSE(LookUpBoringShortOverhang(1, 4));
    EXPECT_FALSE(LookUpParting(1, 4));
}

// Every row of every table and every row the lookups find. Pinned as they
// stand: after a deliberate change, compare the tables with their source
// again and take the new value.
TEST(TurningData, EveryRowAsChecked) {
    zerbo::testing::Fingerprint fp;
    for (auto table : {ExternalTurningHssTable(), ExternalTurningWpTable(),
                       BoringShortOverhangTable(), BoringLongOverhangTable()}) {
        for (const TurningEntry& e : table)
            fp << e.group << e.classFrom << e.classTo << e.cuttingMaterial << e.coolant << e.vcMin
               << e.vcMax << e.feedMin << e.feedMax << e.depthMin << e.depthMax;
        fp << "\x1d";
    }
    for (const PartingEntry& e : PartingTable()) {
        fp << e.group << e.vcMin << e.vcMax;
        for (const auto& f : e.feed)
            fp << f[0] << f[1];
    }
    for (int group = 0; group <= 11; ++group)
        for (int cls = -1; cls <= 6; ++cls)
            for (const auto& row :
                 {LookUpExternalTurning(kHss, group, cls), LookUpExternalTurning(kWp, group, cls),
                  LookUpBoringShortOverhang(group, cls), LookUpBoringLongOverhang(group, cls),
                  LookUpParting(group, cls)}) {
                if (row)
                    fp << row->cuttingMaterial << row->coolant << row->vcMin << row->vcMax
                       << row->feedMin << row->feedMax << row->depthMin << row->depthMax;
                else
                    fp << "\x1e";
            }
    EXPECT_EQ(fp.hex(), "4c95b5b4cd61191e");
}

} // namespace
