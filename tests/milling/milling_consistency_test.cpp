// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The milling page's results follow its shown inputs: the speed reduced for
// long cutters once, and every step that changes fz, D or the tool keeps n,
// Vf, Q, Pe, the engagement and hm in step with it.

#include "milling/milling_page.h"
#include "milling/milling_relations.h"
#include "shell/messages.h"

#include <gtest/gtest.h>

#include <string>

using namespace zerbo;
using zerbo::testing::MillingRelationFaults;

namespace {

class MillingConsistencyTest : public ::testing::Test {
  protected:
    MessageRecorder messages;
    HelpRecorder help;
    Shell shell{messages, help, '.'};
    MillingPage page{shell};

    void SetUp() override { page.startUp(); }

    void click(const Button& b) { ASSERT_TRUE(page.userClick(b.name())) << b.name(); }
    void select(const List& l, int index) { ASSERT_TRUE(page.userSelect(l.name(), index)); }
    void scroll(const Bar& b, int position) { ASSERT_TRUE(page.userScroll(b.name(), position)); }
    void group(int k) { click(page.groupButtons[static_cast<size_t>(k - 1)]); }
    void expectConsistent() {
        for (const auto& fault : MillingRelationFaults(page))
            ADD_FAILURE() << fault;
    }
    void expectSpeedBar(int min, int max, int position) {
        EXPECT_EQ(page.speedBar.min(), min);
        EXPECT_EQ(page.speedBar.max(), max);
        EXPECT_EQ(page.speedBar.position(), position);
    }
};

TEST_F(MillingConsistencyTest, LongCutterSpeedIsReducedOnceInFieldBarAndSpindleSpeed) {
    click(page.longButton);
    EXPECT_EQ(page.speedMin.caption, "8");
    EXPECT_EQ(page.speedMax.caption, "11");
    EXPECT_EQ(page.cuttingSpeed.text(), "9");
    expectSpeedBar(8, 11, 9);
    EXPECT_EQ(page.results.spindleSpeed.text(), "1432.39448782706");
    EXPECT_EQ(page.results.feedRate.text(), "11.4591559026165");

    // A look-up writes the table's 28 m/min reduced: round(28 / 3) = 9.
    select(page.teethList, 1);
    EXPECT_EQ(page.cuttingSpeed.text(), "9");
    expectSpeedBar(8, 11, 9);
    EXPECT_EQ(page.results.spindleSpeed.text(), "1432.39448782706");
    expectConsistent();

    // "Überlang": a quarter of 25..32 is 6.25..8, the middle 7.
    click(page.extraLongButton);
    expectSpeedBar(6, 8, 7);
    EXPECT_EQ(page.cuttingSpeed.text(), "7");
    EXPECT_EQ(page.results.spindleSpeed.text(), "1114.08460164327");
    expectConsistent();
}

TEST_F(MillingConsistencyTest, ReducedSpeedTiesGoToTheEvenNeighbour) {
    select(page.coatingList, 1); // TiN: 42 in 38..48
    click(page.extraLongButton);
    EXPECT_EQ(page.speedMin.caption, "10"); // 9.5
    EXPECT_EQ(page.speedMax.caption, "12");
    EXPECT_EQ(page.cuttingSpeed.text(), "11");
    select(page.teethList, 1); // the table's 42 becomes 10.5: 10
    EXPECT_EQ(page.cuttingSpeed.text(), "10");
    expectSpeedBar(10, 12, 10);
    expectConsistent();
}

TEST_F(MillingConsistencyTest, DeepCutPicksLongCutterAndItsSpeed) {
    scroll(page.depthBar, 46);
    EXPECT_TRUE(page.longButton.down());
    EXPECT_EQ(page.results.spindleSpeed.text(), "1432.39448782706");
    EXPECT_EQ(page.results.removalRate.text(), "1.05424234304072");
    EXPECT_EQ(page.results.power.text(), "0.0311252501278689");
}

TEST_F(MillingConsistencyTest, SteppedFeedUpdatesChipThickness) {
    EXPECT_EQ(page.chipThickness.text(), "0.00254666666666667");
    group(4); // fz 0.002
    EXPECT_EQ(page.toothFeed.text(), "0.002");
    EXPECT_EQ(page.chipThickness.text(), "0.00127333333333333");
    EXPECT_EQ(page.chipThicknessBar.position(), 13);
    EXPECT_EQ(page.width.text(), "2"); // the width stays as set
    expectConsistent();
}

TEST_F(MillingConsistencyTest, SolidCarbideGroupPressThatRefillsDiameterRunsItsSteps) {
    click(page.vhmButton);
    select(page.diameterList, 3);
    ASSERT_EQ(page.diameterList.text(), "10");
    group(10);
    EXPECT_EQ(page.diameterList.text(), "4");
    EXPECT_EQ(page.width.text(), "4");
    EXPECT_EQ(page.widthBar.max(), 40);
    EXPECT_EQ(page.engagementAngle.text(), "180");
    expectConsistent();
}

TEST_F(MillingConsistencyTest, NoRecommendationStillFollowsTheToolAndShowsZeroResults) {
    // Roughing cutters have no data in group 11.
    click(page.vhmButton);
    group(11);
    select(page.toolList, 2);
    EXPECT_EQ(page.cuttingSpeed.text(), "");
    EXPECT_EQ(page.toothFeed.text(), "");
    EXPECT_FALSE(page.speedBar.enabled);
    for (const Field* f : {&page.results.spindleSpeed, &page.results.feedRate,
                           &page.results.removalRate, &page.results.power, &page.chipThickness})
        EXPECT_EQ(f->text(), "0") << f->name();
    expectConsistent();

    // HSC cutter for aluminium: D 6, ae 0.75 × 6 with its own angle.
    select(page.toolList, 5);
    EXPECT_EQ(page.diameterList.text(), "6");
    EXPECT_EQ(page.width.text(), "4.5");
    expectConsistent();
}

TEST_F(MillingConsistencyTest, InsertsWithoutFeedShowNoRemovalOrPower) {
    click(page.wpButton);
    select(page.toolList, 2);
    select(page.coatingList, 4);
    EXPECT_EQ(page.toothFeed.text(), "");
    EXPECT_EQ(page.results.feedRate.text(), "0");
    EXPECT_EQ(page.results.removalRate.text(), "0");
    EXPECT_EQ(page.results.power.text(), "0");
    EXPECT_EQ(page.chipThickness.text(), "0");
    expectConsistent();
}

TEST_F(MillingConsistencyTest, ZeroWidthStopsTheFeed) {
    scroll(page.widthBar, 0);
    EXPECT_EQ(page.toothFeed.text(), "0");
    EXPECT_EQ(page.results.feedRate.text(), "0");
    EXPECT_EQ(page.results.removalRate.text(), "0");
    EXPECT_EQ(page.results.power.text(), "0");
    EXPECT_EQ(page.results.spindleSpeed.text(), "4456.33840657307");
}

TEST_F(MillingConsistencyTest, SpeedIncreaseUpdatesRemovalPowerAndChipThickness) {
    click(page.wpButton);
    group(5);
    ASSERT_TRUE(page.speedIncreaseUp.visible);
    const std::string q = page.results.removalRate.text();
    click(page.speedIncreaseUp);
    EXPECT_EQ(page.speedIncrease.text(), "51%");
    EXPECT_NE(page.results.removalRate.text(), q);
    expectConsistent();
}

} // namespace
