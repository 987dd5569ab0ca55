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

// The lists as such are pinned with the tables; here: what filling does.
TEST_F(WpData, ToolTypesWithTheirSizesAndDepthLimits) {
    auto& p = page();
    FillWpToolTypes(p);
    EXPECT_EQ(p.toolList.count(), 7);
    EXPECT_EQ(p.toolList.text(), "Wendeplattenfräser (Fräsbreite 100%)");
    for (const auto& [type, depth] : {std::pair{0, 16}, {2, 67}, {6, 12}}) {
        p.toolList.select(type);
        FillWpSizes(p);
        EXPECT_EQ(state.maxDepthOfCut, depth) << type;
        EXPECT_EQ(p.diameterList.index(), 0);
    }
    EXPECT_EQ(p.teethList.items(), (Items{"4", "5", "6", "7", "9"}));
    EXPECT_EQ(p.diameterList.items(), (Items{"50", "63", "80", "100", "125", "160"}));
}

TEST_F(WpData, CoatingListsByGroup) {
    EXPECT_EQ(WpCoatingList(4), kWpSteel);
    EXPECT_EQ(WpCoatingList(5), kWpLight);
    // A group above 7 empties the list.
    state.activeMaterialGroup = 8;
    page().coatingList.fill({"x"});
    FillWpCoatings(page());
    EXPECT_EQ(page().coatingList.count(), 0);
    EXPECT_EQ(page().coatingList.index(), -1);
    EXPECT_TRUE(WpCoatingList(0).empty());
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
    EXPECT_EQ(p.toolList.count(), 6);
    // Four teeth only for the finishing cutters in group 11.
    struct Row {
        int type, group, depth;
        Items teeth;
    } rows[] = {
        {0, 1, 125, {"2", "3"}},
        {0, 11, 125, {"2", "3", "4"}},
        {2, 11, 125, {"2", "3"}},
        {5, 11, 75, {"1", "2", "3"}},
    };
    for (const auto& r : rows) {
        state.activeMaterialGroup = static_cast<std::uint8_t>(r.group);
        p.toolList.select(r.type);
        FillVhmSizes(p);
        EXPECT_EQ(state.maxDepthOfCut, r.depth) << r.type;
        EXPECT_EQ(p.teethList.items(), r.teeth) << r.type << "/" << r.group;
    }
}

TEST_F(VhmData, CoatingListByToolTypeAndGroup) {
    EXPECT_EQ(VhmCoatingList(0, 1),
              (Items{"HM unbeschichtet", "HM TiCN/TiAIN-beschichtet", "Cermet"}));
    EXPECT_FALSE(VhmCoatingList(2, 11)); // roughing cutters in group 11
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
