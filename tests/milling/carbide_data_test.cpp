// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "milling_fixture.h"

#include <cstdint>
#include <string>
#include <vector>

using namespace zerbo;
using zerbo::testing::MillingFixture;

namespace {

using Items = std::vector<std::string>;

const Items kWpSteel{"HM unbeschichtet", "HM TiN/TiCN-beschichtet", "HM TiAIN-beschichtet",
                     "Cermet", "HSS-E TiN-beschichtet"};
const Items kWpLight{"HM unbeschichtet", "HM TiN/TiCN-beschichtet", "HM TiAIN-beschichtet",
                     "HSS-E TiN-beschichtet"};

class WpData : public MillingFixture {};

TEST_F(WpData, ToolTypesWithTheirSizesAndDepthLimits) {
    auto& p = page();
    FillWpToolTypes(p);
    EXPECT_EQ(p.toolList.items(),
              (Items{"Wendeplattenfräser (Fräsbreite 100%)", "Wendeplattenfräser (Fräsbreite 30%)",
                     "Igelfräser (Fräsbreite 20%)", "90° Eckmesserkopf (Fräsbreite 100%)",
                     "90° Eckmesserkopf (Fräsbreite 75%)", "45° Planmesserkopf (Fräsbreite 100%)",
                     "45° Planmesserkopf (Fräsbreite 75%)"}));
    struct Row {
        int type, depth;
        Items teeth, diameters;
    } rows[] = {
        {0, 16, {"1", "2", "3", "4", "5"}, {"12", "16", "20", "25", "32"}},
        {2, 67, {"2", "3", "4"}, {"25", "32", "40", "50", "63"}},
        {4, 16, {"3", "4", "5", "6", "7", "8"}, {"40", "50", "63", "80", "100"}},
        {6, 12, {"4", "5", "6", "7", "9"}, {"50", "63", "80", "100", "125", "160"}},
    };
    for (const auto& r : rows) {
        p.toolList.select(r.type);
        FillWpSizes(p);
        EXPECT_EQ(state.maxDepthOfCut, r.depth) << r.type;
        EXPECT_EQ(p.teethList.items(), r.teeth) << r.type;
        EXPECT_EQ(p.diameterList.items(), r.diameters) << r.type;
        EXPECT_EQ(p.diameterList.index(), 0);
    }
}

TEST_F(WpData, CoatingListsByGroup) {
    for (int g = 1; g <= 4; ++g)
        EXPECT_EQ(WpCoatingList(g), kWpSteel) << g;
    for (int g = 5; g <= 7; ++g)
        EXPECT_EQ(WpCoatingList(g), kWpLight) << g;
    // A group above 7 empties the list.
    state.activeMaterialGroup = 8;
    page().coatingList.fill({"x"});
    FillWpCoatings(page());
    EXPECT_EQ(page().coatingList.count(), 0);
    EXPECT_EQ(page().coatingList.index(), -1);
    EXPECT_TRUE(WpCoatingList(0).empty());
}

TEST_F(WpData, SpeedRangeCells) {
    struct Cell {
        int group, coating, increase, min, max;
    } cells[] = {
        {1, 0, 50, 120, 220},  {4, 4, 50, 10, 40},   {5, 0, 50, 170, 310},
        {5, 0, 100, 220, 410}, {5, 3, 100, 80, 240}, {7, 0, 77, 120, 210},
    };
    for (const auto& c : cells) {
        const auto r = WpSpeedRange(c.group, c.coating, c.increase);
        ASSERT_TRUE(r) << c.group << "/" << c.coating;
        EXPECT_EQ(r->min, c.min) << c.group << "/" << c.coating << "/" << c.increase;
        EXPECT_EQ(r->max, c.max) << c.group << "/" << c.coating << "/" << c.increase;
    }
    EXPECT_FALSE(WpSpeedRange(5, 4, 50)); // groups 5..7 have four coatings
    EXPECT_FALSE(WpSpeedRange(8, 0, 50));
    EXPECT_FALSE(WpSpeedRange(0, 0, 50));
}

TEST_F(WpData, RecommendedSpeedCells) {
    EXPECT_EQ(WpSpeed(1, 0, 50), "170");
    EXPECT_EQ(WpSpeed(1, 4, 50), "52");
    EXPECT_EQ(WpSpeed(2, 3, 50), "200");
    EXPECT_EQ(WpSpeed(4, 3, 50), "80");
    EXPECT_EQ(WpSpeed(4, 4, 50), "10");
    EXPECT_EQ(WpSpeed(6, 3, 50), "110");
    EXPECT_EQ(WpSpeed(7, 0, 50), "165");
    EXPECT_EQ(WpSpeed(7, 2, 100), "260");
    // Group 5 grows with the increase.
    EXPECT_EQ(WpSpeed(5, 0, 50), "247.5");
    EXPECT_EQ(WpSpeed(5, 1, 50), "330");
    EXPECT_EQ(WpSpeed(5, 2, 50), "390");
    EXPECT_EQ(WpSpeed(5, 3, 50), "165");
    EXPECT_EQ(WpSpeed(5, 0, 51), "249.15");
    EXPECT_EQ(WpSpeed(5, 0, 100), "330");
    EXPECT_EQ(WpSpeed(5, 0, 51, ','), "249,15");
    EXPECT_FALSE(WpSpeed(5, 4, 50));
    EXPECT_FALSE(WpSpeed(8, 0, 50));
}

TEST_F(WpData, FeedCellsWithTheirHighSpeedSteelValues) {
    struct Cell {
        int type, group, coating, diameter;
        const char* text;
    } cells[] = {
        {0, 1, 0, 0, "0.08"}, {0, 1, 4, 4, "0.15"}, {0, 7, 3, 4, "0.15"}, {1, 4, 4, 1, "0.15"},
        {2, 1, 4, 2, "0.5"},  {3, 4, 4, 2, "0.12"}, {4, 7, 2, 4, "0.12"}, {5, 7, 3, 5, "0.25"},
        {6, 1, 3, 0, "0.25"}, {6, 7, 0, 5, "0.15"},
    };
    for (const auto& c : cells)
        EXPECT_EQ(WpFeed(c.type, c.group, c.coating, c.diameter), c.text)
            << c.type << "/" << c.group << "/" << c.coating << "/" << c.diameter;
    // The hedgehog cutter has no HSS-E feed for D 25 and 32.
    for (int g = 1; g <= 7; ++g) {
        const int hssE = g <= 4 ? 4 : 3;
        EXPECT_EQ(WpFeed(2, g, hssE, 0), "") << g;
        EXPECT_EQ(WpFeed(2, g, hssE, 1), "") << g;
    }
    EXPECT_FALSE(WpFeed(0, 1, 0, 5));
    EXPECT_FALSE(WpFeed(5, 1, 0, 6));
    EXPECT_FALSE(WpFeed(7, 1, 0, 0));
    EXPECT_FALSE(WpFeed(0, 5, 4, 0));
}

TEST_F(WpData, LookupWritesSpeedFeedAndRange) {
    Select(2, 0, 1, 2, 4); // TiAIN, D 32
    WpCuttingData(page());
    EXPECT_EQ(page().cuttingSpeed.text(), "280");
    EXPECT_EQ(page().toothFeed.text(), "0.1");
    EXPECT_EQ(state.vcMin, 150);
    EXPECT_EQ(state.vcMax, 400);

    page().coatingList.select(4);
    WpCuttingData(page());
    EXPECT_EQ(page().cuttingSpeed.text(), "52");
    EXPECT_EQ(page().toothFeed.text(), "0.15");
    EXPECT_EQ(state.vcMin, 25);
    EXPECT_EQ(state.vcMax, 80);

    Select(2, 2, 1, 4, 0); // hedgehog, HSS-E, D 25
    page().toothFeed.setText("0.3");
    WpCuttingData(page());
    EXPECT_EQ(page().toothFeed.text(), "");
    EXPECT_EQ(page().cuttingSpeed.text(), "52");

    Select(2, 0, 5, 0, 0);
    state.speedIncreasePercent = 51;
    WpCuttingData(page());
    EXPECT_EQ(page().cuttingSpeed.text(), "249,15");
    EXPECT_EQ(state.vcMin, 171);
    EXPECT_EQ(state.vcMax, 312);
}

TEST_F(WpData, NoEntriesLeaveEverythingAlone) {
    // Group above 7: the coating list is empty, nothing else changes.
    Select(2, 0, 8, 0, 0);
    EXPECT_EQ(page().coatingList.count(), 0);
    Mark();
    WpCuttingData(page());
    EXPECT_EQ(page().cuttingSpeed.text(), "vc before");
    EXPECT_EQ(page().toothFeed.text(), "fz before");
    EXPECT_EQ(state.vcMin, -7);

    // Coating position 4 from group 4 looked up in group 5 (four coatings).
    Select(2, 0, 4, 4, 0);
    state.activeMaterialGroup = 5;
    Mark();
    WpCuttingData(page());
    EXPECT_EQ(page().cuttingSpeed.text(), "vc before");
    EXPECT_EQ(page().toothFeed.text(), "fz before");
    EXPECT_EQ(state.vcMax, -8);

    // The position keeps its meaning in the group's own list: "Cermet" at 3
    // in group 4 reads as "HSS-E TiN-beschichtet" in group 6.
    Select(2, 0, 4, 3, 0);
    state.activeMaterialGroup = 6;
    WpCuttingData(page());
    EXPECT_EQ(page().cuttingSpeed.text(), "110");
    EXPECT_EQ(state.vcMin, 80);
    EXPECT_EQ(state.vcMax, 140);

    // Diameter position beyond the tool type's list: fz stays.
    Select(2, 0, 1, 0, 0);
    page().diameterList.fill({"1", "2", "3", "4", "5", "6"});
    page().diameterList.select(5);
    Mark();
    WpCuttingData(page());
    EXPECT_EQ(page().cuttingSpeed.text(), "170");
    EXPECT_EQ(page().toothFeed.text(), "fz before");
}

class VhmData : public MillingFixture {};

TEST_F(VhmData, ToolTypesWithTheirSizes) {
    auto& p = page();
    FillVhmToolTypes(p);
    EXPECT_EQ(
        p.toolList.items(),
        (Items{"LL-Schlichtfr. Typ N (Fräsbreite 100%)", "Schaftfräser   Typ N (Fräsbreite 50%)",
               "Schruppfr. Typ HR,WR (Fräsbreite 100%)", "Schruppfr. Typ HR,WR (Fräsbreite 50%)",
               "HSC-Fräser für Stahl (Fräsbreite 100%)",
               "HSC-Fräser für Alu (Fräsbr. 0.2-1.0 mm !)"}));
    struct Row {
        int type, group, depth;
        Items teeth, diameters;
    } rows[] = {
        {0, 1, 125, {"2", "3"}, {"4", "6", "8", "10", "12", "16", "20"}},
        {0, 11, 125, {"2", "3", "4"}, {"4", "6", "8", "10", "12", "16", "20"}},
        {1, 11, 125, {"2", "3", "4"}, {"4", "6", "8", "10", "12", "16", "20"}},
        {1, 10, 125, {"2", "3"}, {"4", "6", "8", "10", "12", "16", "20"}},
        {2, 11, 125, {"2", "3"}, {"6", "8", "10", "12", "16", "20"}},
        {3, 1, 125, {"2", "3"}, {"6", "8", "10", "12", "16", "20"}},
        {4, 1, 75, {"1", "2", "3"}, {"6", "8", "10", "12", "16", "20"}},
        {5, 11, 75, {"1", "2", "3"}, {"6", "8", "10", "12", "16", "20"}},
    };
    for (const auto& r : rows) {
        state.activeMaterialGroup = static_cast<std::uint8_t>(r.group);
        p.toolList.select(r.type);
        FillVhmSizes(p);
        EXPECT_EQ(state.maxDepthOfCut, r.depth) << r.type;
        EXPECT_EQ(p.teethList.items(), r.teeth) << r.type << "/" << r.group;
        EXPECT_EQ(p.diameterList.items(), r.diameters) << r.type;
    }
}

TEST_F(VhmData, CoatingListByToolTypeAndGroup) {
    const Items lists[] = {
        {"HM unbeschichtet", "HM TiCN/TiAIN-beschichtet", "Cermet"}, // A
        {"HM unbeschichtet", "HM TiCN/TiAIN-beschichtet"},           // B
        {"HM TiCN/TiAIN-beschichtet"},                               // C
        {"HM unbeschichtet"},                                        // D
        {"HM TiCN/TiAIN-beschichtet", "Cermet"},                     // E
    };
    // Per tool type, groups 1..11; '-' keeps the list.
    const char* choice[] = {"ABBBBBAABBB", "AABABBAABBB", "CCCCCCCCBB-",
                            "CCCCCCCCBB-", "EEECCCEECCD", "EEECCCEECCD"};
    for (int type = 0; type < 6; ++type)
        for (int g = 1; g <= 11; ++g) {
            const char c = choice[type][g - 1];
            const auto list = VhmCoatingList(type, g);
            if (c == '-') {
                EXPECT_FALSE(list) << type << "/" << g;
            } else {
                ASSERT_TRUE(list) << type << "/" << g;
                EXPECT_EQ(*list, lists[c - 'A']) << type << "/" << g;
            }
        }
    EXPECT_FALSE(VhmCoatingList(0, 0));
    EXPECT_FALSE(VhmCoatingList(0, 12));
    EXPECT_FALSE(VhmCoatingList(6, 1));

    // Where no list is chosen, the list stays as it is.
    Select(3, 2, 11, 0, 0);
    page().coatingList.fill({"old", "list"});
    page().coatingList.select(1);
    FillVhmCoatings(page());
    EXPECT_EQ(page().coatingList.items(), (Items{"old", "list"}));
    EXPECT_EQ(page().coatingList.index(), 1);
}

TEST_F(VhmData, SpeedRangeCells) {
    struct Cell {
        int type, group, coating, min, max;
    } cells[] = {
        {0, 1, 0, 60, 100},   {1, 2, 2, 60, 120},   {0, 11, 0, 10, 40},   {2, 11, 0, 0, 0},
        {4, 1, 1, 600, 1000}, {4, 9, 0, 700, 1500}, {4, 11, 0, 100, 500}, {5, 11, 0, 100, 500},
    };
    for (const auto& c : cells) {
        const auto r = VhmSpeedRange(c.type, c.group, c.coating);
        ASSERT_TRUE(r) << c.type << "/" << c.group << "/" << c.coating;
        EXPECT_EQ(r->min, c.min) << c.type << "/" << c.group << "/" << c.coating;
        EXPECT_EQ(r->max, c.max) << c.type << "/" << c.group << "/" << c.coating;
    }
    EXPECT_FALSE(VhmSpeedRange(2, 11, 2));
    EXPECT_FALSE(VhmSpeedRange(2, 1, 1)); // list C has one entry
    EXPECT_FALSE(VhmSpeedRange(0, 2, 2)); // list B has two
    EXPECT_FALSE(VhmSpeedRange(0, 0, 0));
    EXPECT_FALSE(VhmSpeedRange(0, 12, 0));
}

TEST_F(VhmData, SpeedAndFeedCells) {
    struct Cell {
        int type, group, coating, diameter;
        const char* vc;
        const char* fz;
    } cells[] = {
        {0, 1, 0, 0, "80", "0.015"}, {0, 11, 0, 1, "25", "0.007"}, {0, 11, 0, 0, "25", ""},
        {1, 2, 2, 0, "90", "0.036"}, {1, 11, 1, 5, "50", "0.036"}, {2, 10, 0, 5, "200", "0.085"},
        {3, 6, 0, 0, "40", "0.024"}, {4, 9, 0, 3, "1100", "0.16"}, {4, 11, 0, 5, "300", "0.1"},
    };
    for (const auto& c : cells) {
        EXPECT_EQ(VhmSpeed(c.type, c.group, c.coating), c.vc)
            << c.type << "/" << c.group << "/" << c.coating;
        EXPECT_EQ(VhmFeed(c.type, c.group, c.coating, c.diameter), c.fz)
            << c.type << "/" << c.group << "/" << c.diameter;
    }
    // No value: the end mill at D 20 and the roughing cutters in group 11.
    for (int g = 1; g <= 11; ++g)
        EXPECT_EQ(VhmFeed(1, g, 0, 6), kKeep) << g;
    EXPECT_EQ(VhmSpeed(2, 11, 0), kKeep);
    EXPECT_EQ(VhmFeed(3, 11, 1, 0), kKeep);
    EXPECT_FALSE(VhmFeed(2, 1, 0, 6));
    EXPECT_FALSE(VhmSpeed(5, 1, 0));
    EXPECT_FALSE(VhmFeed(5, 1, 0, 0));
}

TEST_F(VhmData, LookupWritesSpeedFeedAndRange) {
    Select(3, 1, 2, 2, 0); // end mill, group 2, Cermet, D 4
    VhmCuttingData(page());
    EXPECT_EQ(page().cuttingSpeed.text(), "90");
    EXPECT_EQ(page().toothFeed.text(), "0.036");
    EXPECT_EQ(state.vcMin, 60);
    EXPECT_EQ(state.vcMax, 120);

    Select(3, 4, 9, 0, 0);
    EXPECT_EQ(page().coatingList.items(), (Items{"HM TiCN/TiAIN-beschichtet"}));
    VhmCuttingData(page());
    EXPECT_EQ(page().cuttingSpeed.text(), "1100");
    EXPECT_EQ(state.vcMin, 700);
    EXPECT_EQ(state.vcMax, 1500);

    Select(3, 0, 11, 0, 0);
    page().toothFeed.setText("0.01");
    VhmCuttingData(page());
    EXPECT_EQ(page().toothFeed.text(), "");
    EXPECT_EQ(page().cuttingSpeed.text(), "25");

    Select(3, 1, 3, 0, 6); // D 20 has no feed
    page().toothFeed.setText("fz before");
    VhmCuttingData(page());
    EXPECT_EQ(page().cuttingSpeed.text(), "45");
    EXPECT_EQ(page().toothFeed.text(), "fz before");
}

TEST_F(VhmData, RoughingCuttersInGroup11HaveNoRecommendation) {
    for (int coating : {0, 1}) {
        Select(3, 2, 9, coating, 2);
        state.activeMaterialGroup = 11;
        Mark();
        VhmCuttingData(page());
        EXPECT_EQ(page().cuttingSpeed.text(), "");
        EXPECT_EQ(page().toothFeed.text(), "");
        EXPECT_EQ(state.vcMin, 0);
        EXPECT_EQ(state.vcMax, 0);
    }
}

TEST_F(VhmData, AluminiumHscCutterLooksNothingUp) {
    Select(3, 5, 1, 0, 0);
    EXPECT_EQ(page().coatingList.items(), (Items{"HM TiCN/TiAIN-beschichtet", "Cermet"}));
    Mark();
    VhmCuttingData(page());
    EXPECT_EQ(page().cuttingSpeed.text(), "vc before");
    EXPECT_EQ(page().toothFeed.text(), "fz before");
    EXPECT_EQ(state.vcMin, -7);
    EXPECT_EQ(state.vcMax, -8);
}

TEST_F(VhmData, StalePositionsAreNoEntries) {
    // Group 9 list B, position 1, looked up in group 1 (list C, one entry).
    Select(3, 2, 9, 1, 0);
    state.activeMaterialGroup = 1;
    Mark();
    VhmCuttingData(page());
    EXPECT_EQ(page().cuttingSpeed.text(), "vc before");
    EXPECT_EQ(page().toothFeed.text(), "fz before");
    EXPECT_EQ(state.vcMin, -7);

    // A group outside the eleven.
    Select(3, 0, 1, 0, 0);
    state.activeMaterialGroup = 0;
    Mark();
    VhmCuttingData(page());
    EXPECT_EQ(page().cuttingSpeed.text(), "vc before");
    EXPECT_EQ(state.vcMin, -7);
}

} // namespace
