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

// The lists as such are pinned with the tables; here: what filling does.
TEST_F(HssData, ToolTypesWithTheirSizesAndDepthLimits) {
    auto& p = page();
    FillHssToolTypes(p);
    EXPECT_EQ(p.toolList.count(), 6);
    EXPECT_EQ(p.toolList.text(), "Langl.-Schlichtfr. Typ: LL (Fräsbreite 100%)");
    FillHssSizes(p);
    EXPECT_EQ(state.maxDepthOfCut, 125);
    EXPECT_EQ(p.teethList.items(), (Items{"2", "3"}));
    EXPECT_EQ(p.diameterList.items(), (Items{"2", "4", "6", "8", "10", "12", "16", "20", "30"}));
    EXPECT_EQ(p.teethList.index(), 0);
    EXPECT_EQ(p.diameterList.index(), 0);

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
