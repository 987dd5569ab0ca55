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

class HssData : public MillingFixture {};

TEST_F(HssData, ToolTypesWithTheirSizesAndDepthLimits) {
    auto& p = page();
    FillHssToolTypes(p);
    EXPECT_EQ(p.toolList.items(), (Items{"Langl.-Schlichtfr. Typ: LL (Fräsbreite 100%)",
                                         "Schaftfräser  Typ: N  (Fräsbreite 50%)",
                                         "Schruppfräser Typ: NR (Fräsbreite 100%)",
                                         "Schruppfräser Typ: NR (Fräsbreite 50%)",
                                         "Walzenst.-Schlichtfr. Typ: N (Fräsbr. 75%)",
                                         "Walzenst.-Schruppfr. Typ: NR (Fräsbr. 75%)"}));
    EXPECT_EQ(p.toolList.index(), 0);

    FillHssSizes(p);
    EXPECT_EQ(state.maxDepthOfCut, 125);
    EXPECT_EQ(p.teethList.items(), (Items{"2", "3"}));
    EXPECT_EQ(p.diameterList.items(), (Items{"2", "4", "6", "8", "10", "12", "16", "20", "30"}));
    EXPECT_EQ(p.teethList.index(), 0);
    EXPECT_EQ(p.diameterList.index(), 0);

    p.toolList.select(1);
    FillHssSizes(p);
    EXPECT_EQ(p.teethList.items(), (Items{"3", "4", "6"}));
    EXPECT_EQ(p.diameterList.items(), (Items{"4", "6", "8", "10", "12", "16", "20", "25", "30"}));

    p.toolList.select(3);
    FillHssSizes(p);
    EXPECT_EQ(p.teethList.items(), (Items{"3", "4", "5", "6"}));
    EXPECT_EQ(p.diameterList.items(), (Items{"6", "8", "10", "12", "16", "20", "25", "30", "40"}));

    p.toolList.select(4);
    FillHssSizes(p);
    EXPECT_EQ(state.maxDepthOfCut, 75);
    EXPECT_EQ(p.teethList.items(), (Items{"3", "4", "5", "6", "8", "10", "12"}));

    p.toolList.select(5);
    FillHssSizes(p);
    EXPECT_EQ(state.maxDepthOfCut, 75);
    EXPECT_EQ(p.teethList.items(), (Items{"6", "8", "10", "12"}));
    EXPECT_EQ(p.diameterList.items(), (Items{"40", "50", "63", "80", "100", "125"}));
}

TEST_F(HssData, SizesWithoutToolTypeStayEmptyAndKeepTheDepthLimit) {
    auto& p = page();
    state.maxDepthOfCut = 33;
    p.teethList.fill({"9"});
    p.toolList.clear();
    FillHssSizes(p);
    EXPECT_EQ(p.teethList.count(), 0);
    EXPECT_EQ(p.diameterList.count(), 0);
    EXPECT_EQ(p.teethList.index(), -1);
    EXPECT_EQ(state.maxDepthOfCut, 33);

    // A tool type left over from the indexable-insert list (7 entries).
    FillWpToolTypes(p);
    p.toolList.select(6);
    state.maxDepthOfCut = 33;
    FillHssSizes(p);
    EXPECT_EQ(p.diameterList.count(), 0);
    EXPECT_EQ(state.maxDepthOfCut, 33);
}

TEST_F(HssData, Coatings) {
    FillHssCoatings(page());
    EXPECT_EQ(page().coatingList.items(),
              (Items{"HSS/Co unbeschichtet", "HSS/Co TiN-beschichtet", "HSS/Co TiCN-beschichtet"}));
    EXPECT_EQ(page().coatingList.index(), 0);
}

TEST_F(HssData, SpeedRangeCells) {
    struct Cell {
        int group, coating, min, max;
    } cells[] = {{1, 0, 25, 32}, {3, 1, 12, 27}, {5, 2, 200, 600}, {7, 2, 40, 150}};
    for (const auto& c : cells) {
        const auto r = HssSpeedRange(c.group, c.coating);
        ASSERT_TRUE(r) << c.group << "/" << c.coating;
        EXPECT_EQ(r->min, c.min) << c.group << "/" << c.coating;
        EXPECT_EQ(r->max, c.max) << c.group << "/" << c.coating;
    }
    EXPECT_FALSE(HssSpeedRange(0, 0));
    EXPECT_FALSE(HssSpeedRange(8, 0));
    EXPECT_FALSE(HssSpeedRange(1, 3));
    EXPECT_FALSE(HssSpeedRange(1, -1));
}

TEST_F(HssData, RecommendedSpeedCells) {
    EXPECT_EQ(HssSpeed(0, 1, 0), "28");
    EXPECT_EQ(HssSpeed(0, 1, 2), "71");
    EXPECT_EQ(HssSpeed(2, 4, 1), "11");
    EXPECT_EQ(HssSpeed(3, 5, 0), "252");
    EXPECT_EQ(HssSpeed(4, 7, 2), "94");
    EXPECT_EQ(HssSpeed(5, 7, 0), "56");
    // Group 3, TiN: 13 below the uncoated 15, except for the roughing
    // side-and-face cutter.
    for (int type = 0; type <= 4; ++type)
        EXPECT_EQ(HssSpeed(type, 3, 1), "13") << type;
    EXPECT_EQ(HssSpeed(5, 3, 1), "19");
    EXPECT_EQ(HssSpeed(5, 3, 0), "15");
    EXPECT_EQ(HssSpeed(5, 3, 2), "26");
    EXPECT_FALSE(HssSpeed(6, 1, 0));
    EXPECT_FALSE(HssSpeed(0, 8, 0));
    EXPECT_FALSE(HssSpeed(0, 1, 3));
}

TEST_F(HssData, FeedCellsKeepTheirTexts) {
    struct Cell {
        int type, group, diameter;
        const char* text;
    } cells[] = {
        {0, 1, 0, "0.004"}, {0, 5, 4, "0.040"}, {0, 7, 8, "0.18"}, {2, 7, 3, "0.040"},
        {3, 1, 8, "0.108"}, {4, 4, 5, "0.105"}, {5, 1, 0, "0.06"}, {5, 7, 5, "0.2"},
    };
    for (const auto& c : cells)
        EXPECT_EQ(HssFeed(c.type, c.group, c.diameter), c.text)
            << c.type << "/" << c.group << "/" << c.diameter;
    // Tool type 4 has one row for groups 1..4.
    for (int g = 1; g <= 4; ++g)
        for (int d = 0; d < 6; ++d)
            EXPECT_EQ(HssFeed(4, g, d), HssFeed(4, 1, d));
    // Positions behind a tool type's own diameters are no entries.
    EXPECT_FALSE(HssFeed(4, 1, 6));
    EXPECT_FALSE(HssFeed(0, 1, 9));
    EXPECT_FALSE(HssFeed(0, 1, -1));
    EXPECT_FALSE(HssFeed(0, 0, 0));
}

TEST_F(HssData, LookupWritesSpeedFeedAndRange) {
    Select(1, 0, 1, 1, 4); // group 1, TiN, D 10
    HssCuttingData(page());
    EXPECT_EQ(page().cuttingSpeed.text(), "42");
    EXPECT_EQ(page().toothFeed.text(), "0.04");
    EXPECT_EQ(state.vcMin, 38);
    EXPECT_EQ(state.vcMax, 48);

    Select(1, 0, 5, 0, 4);
    HssCuttingData(page());
    EXPECT_EQ(page().toothFeed.text(), "0.040");

    Select(1, 5, 3, 1, 0);
    HssCuttingData(page());
    EXPECT_EQ(page().cuttingSpeed.text(), "19");
}

TEST_F(HssData, CoatingChangesSpeedButNotFeedAndDiameterOnlyFeed) {
    Select(1, 2, 2, 0, 3);
    HssCuttingData(page());
    const std::string fz = page().toothFeed.text();
    page().coatingList.select(2);
    HssCuttingData(page());
    EXPECT_EQ(page().cuttingSpeed.text(), "50");
    EXPECT_EQ(page().toothFeed.text(), fz);
    EXPECT_EQ(state.vcMax, 60);
    page().diameterList.select(8);
    HssCuttingData(page());
    EXPECT_EQ(page().cuttingSpeed.text(), "50");
    EXPECT_EQ(page().toothFeed.text(), "0.041");
    EXPECT_EQ(state.vcMin, 40);
}

TEST_F(HssData, GroupOutsideTheSevenChangesNothing) {
    for (int group : {0, 8, 11}) {
        Select(1, 0, 1, 0, 0);
        state.activeMaterialGroup = static_cast<std::uint8_t>(group);
        Mark();
        HssCuttingData(page());
        EXPECT_EQ(page().cuttingSpeed.text(), "vc before") << group;
        EXPECT_EQ(page().toothFeed.text(), "fz before") << group;
        EXPECT_EQ(state.vcMin, -7) << group;
        EXPECT_EQ(state.vcMax, -8) << group;
    }
}

TEST_F(HssData, SelectionsLeftFromAnotherCuttingMaterialAreNoEntries) {
    // The indexable-insert lists are still there when "HSS" is pressed:
    // tool type 6 has no HSS routine at all.
    Select(2, 6, 1, 4, 5);
    state.millingCuttingMaterial = 1;
    Mark();
    HssCuttingData(page());
    EXPECT_EQ(page().cuttingSpeed.text(), "vc before");
    EXPECT_EQ(page().toothFeed.text(), "fz before");
    EXPECT_EQ(state.vcMin, -7);

    // Tool type 0 with coating 4: range and Vc stay, and so does fz.
    page().toolList.select(0);
    HssCuttingData(page());
    EXPECT_EQ(page().cuttingSpeed.text(), "vc before");
    EXPECT_EQ(page().toothFeed.text(), "fz before");
    EXPECT_EQ(state.vcMin, -7);

    // A valid coating with a diameter position behind the tool type's list:
    // Vc and range are written, fz stays.
    Select(1, 4, 1, 0, 0);
    page().diameterList.fill({"1", "2", "3", "4", "5", "6", "7"});
    page().diameterList.select(6);
    Mark();
    HssCuttingData(page());
    EXPECT_EQ(page().cuttingSpeed.text(), "28");
    EXPECT_EQ(state.vcMin, 25);
    EXPECT_EQ(page().toothFeed.text(), "fz before");
}

} // namespace
