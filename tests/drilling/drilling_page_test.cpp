// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drilling/drilling_page.h"

#include "shell/formulas.h"

#include "page_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

using namespace zerbo;
using zerbo::testing::All;
using zerbo::testing::PageFixture;

namespace {

class DrillingPageTest : public PageFixture<DrillingPage> {
  protected:
    DrillingPageTest() {
        page.assignHints();
        page.startUp();
    }

    void selectDiameter(std::string_view d) { choose(page.diameterList, d); }
    void carbide(int tool, int coating = 0) {
        click(page.carbideButton);
        select(page.toolList, tool);
        if (coating != 0) select(page.coatingList, coating);
    }
    std::string n(double d, double vc) const { return shell.numbers.write(SpindleSpeed(d, vc)); }
};

TEST_P(DrillingPageTest, StartsWithHssTwistDrillAndFirstMaterial) {
    expectSnapshot("b14e27e3c6322f71", "39dc13b088e30ca1");
    EXPECT_EQ(page.feed.text(), "0.05"); // the table text as it stands
    expectVisible(All(page.feedBar, page.feedMin), false);
    expectVisible(
        All(page.feedStep.field, page.speedStep.field, page.feedStep.down, page.speedStep.up),
        false);
    expectBar(page.speedBar, 30, 50, 40);
    EXPECT_EQ(page.results.spindleSpeed.text(), n(0.2, 40));
    EXPECT_EQ(shell.state.vcMin, 30);
    EXPECT_EQ(shell.state.vcMax, 50);
}

TEST_P(DrillingPageTest, CoatedHssRaisesSpeedAndFeedByThePercentages) {
    select(page.coatingList, 1); // "TiN-beschichtet"
    selectDiameter("5");         // f 0.12, Vc 30..50
    EXPECT_EQ(page.feedStep.field.text(), "5%");
    EXPECT_EQ(page.speedStep.field.text(), "15%");
    expectBar(page.speedBar, 345, 575, 460);
    EXPECT_EQ(page.cuttingSpeed.text(), "46");
    EXPECT_EQ(page.speedMin.caption, S("34.5"));
    EXPECT_EQ(page.speedMax.caption, S("57.5"));
    EXPECT_EQ(page.feed.text(), S("0.126"));
    EXPECT_FALSE(page.feedBar.visible);

    // the bar carries tenths of m/min
    ASSERT_TRUE(page.userScroll(page.speedBar.name(), 351));
    EXPECT_EQ(page.cuttingSpeed.text(), S("35.1"));
    EXPECT_EQ(page.results.spindleSpeed.text(), n(5, 35.1));

    for (int i = 0; i < 5; ++i)
        click(page.feedStep.up);
    EXPECT_EQ(page.feedStep.field.text(), "10%");
    EXPECT_EQ(page.feed.text(), S("0.132"));
    const std::string vf = page.results.feedRate.text();
    click(page.feedStep.up); // at the limit nothing happens
    EXPECT_EQ(page.feedStep.field.text(), "10%");
    EXPECT_EQ(page.results.feedRate.text(), vf);

    click(page.speedStep.down); // 14 %: 34.2 .. 57
    expectBar(page.speedBar, 342, 570, 456);
    EXPECT_EQ(page.cuttingSpeed.text(), S("45.6"));
    EXPECT_EQ(page.speedMax.caption, "57");

    // material and diameter keep the percentages, the tool resets them
    select(page.materialList, 1);
    EXPECT_EQ(page.feedStep.field.text(), "10%");
    EXPECT_EQ(page.speedStep.field.text(), "14%");
    select(page.toolList, 1);
    select(page.coatingList, 1);
    EXPECT_EQ(page.feedStep.field.text(), "5%");
    EXPECT_EQ(page.speedStep.field.text(), "15%");

    for (int i = 0; i < 16; ++i)
        click(page.feedStep.down);
    EXPECT_EQ(page.feedStep.field.text(), "0%");
    // uncoated again: whole m/min and the percent buttons hidden
    select(page.coatingList, 0);
    EXPECT_FALSE(page.speedStep.field.visible);
    EXPECT_EQ(page.cuttingSpeed.text(), WriteWhole(page.speedBar.position()));
}

TEST_P(DrillingPageTest, RaisedSpeedBarRoundsTiesAsTheLabelsShowThem) {
    select(page.materialList, 37);
    select(page.coatingList, 1); // 3..6 m/min raised 15 %: 3.45..6.9
    // Labels are cut at the decimal point "." only.
    EXPECT_EQ(page.speedMin.caption, GetParam() == '.' ? "3.4" : "3,45");
    EXPECT_EQ(page.speedMax.caption, S("6.9"));
    expectBar(page.speedBar, 34, 69, 52);
}

TEST_P(DrillingPageTest, FeedRangePutsTheFeedOnTheBar) {
    carbide(kDin6537Short); // "TiAIN-beschichtet"
    selectDiameter("5");
    EXPECT_EQ(page.feedText(), "0.25-0.45");
    EXPECT_TRUE(page.feedBar.visible);
    EXPECT_TRUE(page.feedMinCaption.visible);
    expectBar(page.feedBar, 2500, 4500, 3500);
    EXPECT_EQ(page.feed.text(), S("0.35"));
    EXPECT_EQ(page.feedMin.caption, S("0.25"));
    EXPECT_EQ(page.feedMax.caption, S("0.45"));
    expectBar(page.speedBar, 60, 80, 70);
    EXPECT_EQ(page.results.feedRate.text(),
              shell.numbers.write(Product2(0.35, SpindleSpeed(5, 70))));
    EXPECT_EQ(page.results.removalRate.text(), S("30.625"));
    // M = D² f kc / 8000, Pe = M n / 6685
    const double torque = TorqueDrill(2, 1940, 0.35 / 2, 5);
    EXPECT_EQ(page.results.power.text(),
              shell.numbers.write(PowerFromTorque(torque, SpindleSpeed(5, 70))));

    ASSERT_TRUE(page.userScroll(page.feedBar.name(), 2750));
    EXPECT_EQ(page.feed.text(), S("0.275"));
    EXPECT_EQ(page.results.removalRate.text(), shell.numbers.write(5.0L / 4 * 0.275 * 70));

    // the long drill has its own speeds; a single value hides the bar
    select(page.toolList, kDin6537Long);
    EXPECT_EQ(page.feed.text(), "0.05");
    EXPECT_EQ(page.ownFeedMin(), 0.05);
    EXPECT_EQ(page.ownFeedMax(), 0.05);
    EXPECT_FALSE(page.feedBar.visible);
    EXPECT_FALSE(page.feedMax.visible);
    expectBar(page.speedBar, 70, 90, 80);
}

TEST_P(DrillingPageTest, EmptyFeedTextShowsNoFeedAndComputesWithZero) {
    carbide(kDin6537Long, 1); // "TiN-beschichtet": one material
    ASSERT_EQ(page.materialList.count(), 1);
    selectDiameter("3");
    EXPECT_EQ(page.feed.text(), S("0.09"));
    for (std::string_view d : {"2.5", "20"}) {
        SCOPED_TRACE(std::string(d));
        selectDiameter(d);
        EXPECT_EQ(page.feedText(), "");
        EXPECT_EQ(page.feed.text(), "");
        expectVisible(
            All(page.feedBar, page.feedMinCaption, page.feedMaxCaption, page.feedMin, page.feedMax),
            false);
        EXPECT_EQ(page.ownFeedMin(), 0.06); // the last feed range stays
        EXPECT_EQ(page.ownFeedMax(), 0.12);
        EXPECT_EQ(page.cuttingSpeed.text(), "40"); // 30..50
        EXPECT_EQ(page.results.feedRate.text(), "0");
        EXPECT_EQ(page.results.removalRate.text(), "0");
        EXPECT_EQ(page.results.power.text(), "0");
    }
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(DrillingPageTest, HandFeedAndMissingGradeGiveZeroResults) {
    select(page.materialList, 37); // " Graphit, Schiefer"
    EXPECT_EQ(page.feed.text(), "Hand");
    EXPECT_EQ(page.ownFeedMin(), 0.05); // the previous number stays
    EXPECT_EQ(page.results.feedRate.text(), "0");
    EXPECT_EQ(page.results.removalRate.text(), "0");
    EXPECT_EQ(page.results.power.text(), "0");
    expectBar(page.speedBar, 3, 6, 4);
    // coated, "Hand" stays "Hand"
    select(page.coatingList, 1);
    EXPECT_EQ(page.feed.text(), "Hand");
    EXPECT_EQ(page.results.kc.text(), "0");

    carbide(kCarbideTwistDrill);
    select(page.materialList, 2); // grade row 0
    EXPECT_EQ(page.results.kc.text(), "0");
    EXPECT_NE(page.results.feedRate.text(), "0");
    EXPECT_EQ(page.results.power.text(), "0");
    EXPECT_EQ(page.info1.text(), "P40");
}

TEST_P(DrillingPageTest, ToolInformationFollowsToolAndDiameter) {
    struct Case {
        bool hss;
        int tool;
        const char* edges;
        const char* info1Caption; // nullptr: hidden
        const char* info1;
        const char* info2Caption;
        const char* info2;
    };
    const Case cases[] = {
        {true, 1, "3", nullptr, "", "min.Vorb.:", "5.6"},
        {true, 2, "4", nullptr, "", "min.Vorb.:", "26"},
        {false, 4, "2", "max. N", "42", "   max. V", "0.5"},
        {false, 5, "3", nullptr, "", "min.Vorb.:", "5.6"},
        {false, 1, "2", nullptr, "", nullptr, ""}, // two flutes, not the 3 before
        {false, 6, "4", nullptr, "", "min.Vorb.:", "26"},
        {false, 2, "2", nullptr, "", nullptr, ""},
        {false, 3, "3", nullptr, "", nullptr, ""},
        {false, 0, "2", "HM-Sorte", "P40", nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.tool));
        click(c.hss ? page.hssButton : page.carbideButton);
        select(page.toolList, c.tool);
        EXPECT_EQ(page.edges.text(), c.edges);
        EXPECT_EQ(page.info1Caption.visible, c.info1Caption != nullptr);
        EXPECT_EQ(page.info1.visible, c.info1Caption != nullptr);
        if (c.info1Caption) {
            EXPECT_EQ(page.info1Caption.caption, c.info1Caption);
            EXPECT_EQ(page.info1.text(), c.info1);
        }
        EXPECT_EQ(page.info2.visible, c.info2Caption != nullptr);
        if (c.info2Caption) {
            EXPECT_EQ(page.info2Caption.caption, c.info2Caption);
            EXPECT_EQ(page.info2.text(), c.info2);
        }
    }
    // the pre-drill field keeps its text past 42 mm; the insert limits
    // follow the diameter
    carbide(kCarbideBoringTool);
    selectDiameter("42");
    EXPECT_EQ(page.info2.text(), "28");
    selectDiameter("43.6");
    EXPECT_EQ(page.info2.text(), "28");
    select(page.toolList, kInsertDrill);
    selectDiameter("27");
    EXPECT_EQ(page.info1.text(), "81");
    EXPECT_EQ(page.info2.text(), "1.5");
    // the HSS twist drill shows the material's type and point angle
    click(page.hssButton);
    select(page.materialList, 13);
    EXPECT_EQ(page.info1.text(), "Kobalt");
    EXPECT_EQ(page.info2.text(), "130°");
    EXPECT_EQ(page.coolant.lines, std::vector<std::string>{"Öl"});
}

TEST_P(DrillingPageTest, CoatingChangeRefillsTheMaterialListOnce) {
    carbide(kDin6537Short, 1);
    EXPECT_TRUE(page.materialListByCoating());
    EXPECT_EQ(page.materialList.text(), " Rost- und Säurebest. Stähle");
    EXPECT_EQ(page.results.kc.text(), "1550");
    select(page.coatingList, 0);
    EXPECT_EQ(page.materialList.count(), 8);

    select(page.toolList, kInsertDrill);
    select(page.materialList, 5);
    select(page.coatingList, 1); // first coating change after the DIN 6537 tools
    EXPECT_EQ(page.materialList.index(), 0);
    EXPECT_FALSE(page.materialListByCoating());
    select(page.materialList, 5);
    select(page.coatingList, 2); // the list stays
    EXPECT_EQ(page.materialList.index(), 5);
    EXPECT_TRUE(page.coolant.lines.empty());
    EXPECT_TRUE(page.coolant.visible);
}

TEST_P(DrillingPageTest, HintsFollowTheSelection) {
    EXPECT_EQ(page.info1.hint, "Bohrertyp");
    EXPECT_EQ(page.info2.hint, "Bohrerspitzenwinkel");
    EXPECT_EQ(page.diameterList.hint, "Bohrerdurchmesser");
    select(page.toolList, kHssBoringTool);
    EXPECT_EQ(page.info1.hint, "Bohrertyp");
    EXPECT_EQ(page.info2.hint, "mindest-Vorbohrdurchmesser");
    carbide(kInsertDrill);
    EXPECT_EQ(page.info1.hint, "max. Bohrtiefe");
    EXPECT_EQ(page.info2.hint, "max. Verstellweg zur Bohrdurchmesser-Vergrößerung");
    select(page.toolList, kThreeFluteDrill); // both keep their hints
    EXPECT_EQ(page.info1.hint, "max. Bohrtiefe");
    select(page.toolList, kCarbideTwistDrill);
    EXPECT_EQ(page.info1.hint, "Hartmetallsorte");
    EXPECT_EQ(page.info2.hint, "max. Verstellweg zur Bohrdurchmesser-Vergrößerung");
}

INSTANTIATE_TEST_SUITE_P(Separators, DrillingPageTest, ::testing::Values(',', '.'));

} // namespace
