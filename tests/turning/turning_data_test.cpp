#include "turning/turning_data.h"

#include <gtest/gtest.h>

#include <string>

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

TEST(TurningData, TablesHaveTheirRowCounts) {
    EXPECT_EQ(ExternalTurningHssTable().size(), 17u);
    EXPECT_EQ(ExternalTurningWpTable().size(), 16u);
    EXPECT_EQ(BoringShortOverhangTable().size(), 15u);
    EXPECT_EQ(BoringLongOverhangTable().size(), 15u);
    EXPECT_EQ(PartingTable().size(), 10u);
}

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

TEST(TurningData, ExternalHssRows) {
    // first and last rows, the Rüböl group and the shared row of group 4
    ExpectRow(LookUpExternalTurning(kHss, 1, 1), "HSS/HSS-E unbeschichtet", "Bohrölemulsion", 56,
              75, 0.1, 0.2, 0.05, 0.5);
    ExpectRow(LookUpExternalTurning(kHss, 2, 2), "HSS/HSS-E unbeschichtet", "Bohrölemulsion", 30,
              50, 0.2, 0.4, 0.1, 1);
    ExpectRow(LookUpExternalTurning(kHss, 3, 3), "HSS/HSS-E unbeschichtet", "Rüböl", 12, 15, 0.4,
              0.8, 1, 6);
    ExpectRow(LookUpExternalTurning(kHss, 4, 2), "HSS/HSS-E unbeschichtet", "Bohrölemulsion", 42,
              56, 0.2, 0.4, 0.1, 1);
    ExpectRow(LookUpExternalTurning(kHss, 7, 3), "HSS/HSS-E unbeschichtet", "Trocken", 22, 32, 0.2,
              1.2, 1, 6);
    ExpectRow(LookUpExternalTurning(kHss, 9, 5), "HSS/HSS-E unbeschichtet", "Emulsion", 30, 150,
              0.3, 1.2, 0.1, 6);
    ExpectRow(LookUpExternalTurning(kHss, 10, 5), "HSS/HSS-E unbeschichtet", "Emulsion", 20, 100,
              0.4, 1.2, 0.1, 6);
}

TEST(TurningData, ExternalWpRows) {
    ExpectRow(LookUpExternalTurning(kWp, 1, 1), "CU 7033", "Trocken", 120, 350, 0.1, 0.1, 0.5, 1);
    ExpectRow(LookUpExternalTurning(kWp, 1, 2), "CU 7033", "Trocken", 120, 350, 0.1, 0.1, 0.5, 1);
    ExpectRow(LookUpExternalTurning(kWp, 1, 3), "HB 7010", "Trocken", 150, 250, 0.4, 0.4, 1, 6);
    ExpectRow(LookUpExternalTurning(kWp, 2, 4), "HB 7035", "Trocken", 100, 200, 0.6, 0.6, 4, 9);
    ExpectRow(LookUpExternalTurning(kWp, 3, 3), "HB 7010", "Emulsion", 60, 100, 0.3, 0.3, 1, 4);
    ExpectRow(LookUpExternalTurning(kWp, 5, 1), "HU 7020", "Emulsion", 100, 200, 0.2, 0.2, 0.5, 1);
    ExpectRow(LookUpExternalTurning(kWp, 6, 5), "HB 7035", "Emulsion", 25, 60, 0.2, 0.2, 1, 5);
    ExpectRow(LookUpExternalTurning(kWp, 9, 5), "HU 70 AL", "Emulsion", 500, 800, 0.4, 0.4, 1, 6);
    ExpectRow(LookUpExternalTurning(kWp, 10, 5), "HU 70 AL", "Emulsion", 400, 600, 0.4, 0.4, 1, 6);
}

TEST(TurningData, BoringShortOverhangRows) {
    ExpectRow(LookUpBoringShortOverhang(1, 2), "CU 7033", "Trocken", 140, 140, 0.1, 0.1, 0.2, 0.2);
    ExpectRow(LookUpBoringShortOverhang(2, 3), "HB 7010", "Trocken", 70, 80, 0.2, 0.25, 2, 3);
    ExpectRow(LookUpBoringShortOverhang(5, 3), "HB 7035", "Emulsion", 50, 60, 0.2, 0.25, 1, 2);
    ExpectRow(LookUpBoringShortOverhang(7, 5), "HB 7010", "Emulsion", 80, 80, 0.1, 0.3, 0.2, 5);
    ExpectRow(LookUpBoringShortOverhang(9, 5), "HU 70 AL", "Emulsion", 200, 400, 0.05, 0.25, 0.1,
              3);
    ExpectRow(LookUpBoringShortOverhang(10, 5), "HU 70 AL", "Emulsion", 200, 400, 0.05, 0.25, 3, 3);
}

TEST(TurningData, BoringLongOverhangRows) {
    ExpectRow(LookUpBoringLongOverhang(1, 1), "CU 7033", "Trocken", 100, 100, 0.1, 0.1, 0.2, 0.2);
    ExpectRow(LookUpBoringLongOverhang(1, 3), "HB 7010", "Trocken", 70, 70, 0.2, 0.2, 1.5, 1.5);
    ExpectRow(LookUpBoringLongOverhang(5, 2), "HU 7020", "Emulsion", 60, 70, 0.1, 0.1, 0.2, 0.2);
    ExpectRow(LookUpBoringLongOverhang(6, 5), "HB 7035", "Emulsion", 25, 60, 0.1, 0.1, 0.2, 1);
    ExpectRow(LookUpBoringLongOverhang(7, 5), "HB 7010", "Emulsion", 60, 60, 0.1, 0.2, 0.2, 2);
    ExpectRow(LookUpBoringLongOverhang(10, 5), "HU 70 AL", "Emulsion", 200, 400, 0.05, 0.2, 0.1,
              2.5);
}

TEST(TurningData, PartingRowsByWidth) {
    ExpectRow(LookUpParting(1, 0), "HB 7025", "*", 100, 180, 0.05, 0.2, 0, 0);
    ExpectRow(LookUpParting(1, 3), "HB 7025", "*", 100, 180, 0.08, 0.4, 0, 0);
    ExpectRow(LookUpParting(4, 3), "HB 7025", "*", 100, 200, 0.08, 0.35, 0, 0);
    ExpectRow(LookUpParting(6, 2), "HB 7025", "*", 50, 60, 0.08, 0.14, 0, 0);
    ExpectRow(LookUpParting(6, 3), "HB 7025", "*", 50, 60, 0.08, 0.16, 0, 0);
    ExpectRow(LookUpParting(7, 0), "HB 7025", "*", 100, 200, 0.08, 0.22, 0, 0);
    ExpectRow(LookUpParting(8, 1), "HB 7025", "*", 80, 180, 0.1, 0.2, 0, 0);
    ExpectRow(LookUpParting(10, 0), "HB 7025", "*", 200, 300, 0.05, 0.2, 0, 0);
    ExpectRow(LookUpParting(10, 3), "HB 7025", "*", 200, 300, 0.08, 0.4, 0, 0);
}

TEST(TurningData, UnlistedKeysHaveNoRow) {
    EXPECT_FALSE(LookUpExternalTurning(kHss, 3, 4));
    EXPECT_FALSE(LookUpExternalTurning(kHss, 4, 3));
    EXPECT_FALSE(LookUpExternalTurning(kHss, 5, 1)); // HSS never serves groups 5 and 6
    EXPECT_FALSE(LookUpExternalTurning(kHss, 6, 5));
    EXPECT_FALSE(LookUpExternalTurning(kHss, 7, 1));
    EXPECT_FALSE(LookUpExternalTurning(kWp, 1, 5));
    EXPECT_FALSE(LookUpExternalTurning(kWp, 7, 3));
    EXPECT_FALSE(LookUpBoringShortOverhang(1, 4));
    EXPECT_FALSE(LookUpBoringLongOverhang(6, 3));
    for (int cls = 0; cls <= 6; ++cls) {
        EXPECT_FALSE(LookUpExternalTurning(kHss, 11, cls));
        EXPECT_FALSE(LookUpExternalTurning(kWp, 11, cls));
        EXPECT_FALSE(LookUpBoringShortOverhang(11, cls));
        EXPECT_FALSE(LookUpBoringLongOverhang(11, cls));
        EXPECT_FALSE(LookUpExternalTurning(kWp, 0, cls));
    }
    EXPECT_FALSE(LookUpParting(11, 0));
    EXPECT_FALSE(LookUpParting(0, 0));
    EXPECT_FALSE(LookUpParting(1, -1));
    EXPECT_FALSE(LookUpParting(1, 4));
}

} // namespace
