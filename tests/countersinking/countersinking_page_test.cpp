// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "countersinking/countersinking_page.h"

#include "shell/formulas.h"

#include "page_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zerbo;
using zerbo::testing::All;
using zerbo::testing::PageFixture;

namespace {

class CountersinkingPageTest : public PageFixture<CountersinkingPage> {
  protected:
    CountersinkingPageTest() {
        page.assignHints();
        page.startUp();
    }

    std::string write(double v) const { return shell.numbers.write(v); }

    // n, Vf, Q and Pe as the page must have computed them from its own
    // fields, for a countersink of diameter d, pilot dp, angle (0 = flat).
    void expectResults(double d, double d0, double dp, int angle, int z) const {
        const double n = SpindleSpeed(d, num(page.cuttingSpeed));
        EXPECT_EQ(page.results.spindleSpeed.text(), write(n));
        const double f = num(page.feed);
        const double vf = num(page.results.feedRate);
        EXPECT_NEAR(vf, f * n, 1e-9 * vf);
        const double h = angle > 0 ? CountersinkDepth(d0, d, angle) : f;
        EXPECT_NEAR(num(page.results.removalRate), h / 10 * d / 10 * vf / 10,
                    1e-12 + 1e-9 * num(page.results.removalRate));
        const double torque = (d * d - dp * dp) * z * f * num(page.results.kc) / 8000;
        EXPECT_NEAR(num(page.results.power), torque * n / 6685,
                    1e-12 + 1e-9 * num(page.results.power));
    }
};

TEST_P(CountersinkingPageTest, StartsUncoatedOnTheSmallestNinetyDegreeCountersink) {
    expectSnapshot("e1eac51e6b22116d", "3db8ae652107eadd");
    // Pre-drilled to 2.4 within 1.3..4.3; no pilot, no raises.
    expectBar(page.preDrillBar, 13, 43, 24);
    expectVisible(All(page.pilotList, page.pilotCaption, page.feedStep.down, page.feedStep.field,
                      page.speedStep.up),
                  false);

    EXPECT_NEAR(num(page.results.spindleSpeed), 2072.715537940963, 1e-9); // 28000 / (pi x 4.3)
    EXPECT_NEAR(num(page.results.power), 0.2332578179042632, 1e-12);
    expectResults(4.3, 2.4, 0, 90, 3);
    scroll(page.speedBar, 30);
    EXPECT_EQ(page.cuttingSpeed.text(), "30");
    expectResults(4.3, 2.4, 0, 90, 3);
}

TEST_P(CountersinkingPageTest, CoatingRaisesSpeedAndFeedByFifteenPercent) {
    select(page.coatingList, 1); // "HSS TiN-beschichtet"
    EXPECT_TRUE(page.feedStep.down.visible && page.speedStep.field.visible &&
                page.speedStep.up.visible);
    EXPECT_EQ(page.feedStep.field.text(), "15%");
    EXPECT_EQ(page.speedStep.field.text(), "15%");
    EXPECT_EQ(page.speedMin.caption, S("29.9"));
    EXPECT_EQ(page.speedMax.caption, S("34.5"));
    expectBar(page.speedBar, 299, 345, 322);
    EXPECT_EQ(page.cuttingSpeed.text(), S("32.2"));
    EXPECT_EQ(page.feed.text(), S("0.0805"));

    // 16 %: the middle 324.8 tenths puts the bar on 325, the field shows it
    // exactly. The bounds are cut after one decimal behind a point only.
    click(page.speedStep.up);
    EXPECT_EQ(page.speedStep.field.text(), "16%");
    expectBar(page.speedBar, 302, 348, 325);
    EXPECT_EQ(page.cuttingSpeed.text(), S("32.48"));
    EXPECT_EQ(page.speedMin.caption, GetParam() == '.' ? "30.1" : "30,16");
    EXPECT_EQ(page.speedMax.caption, S("34.8"));
    click(page.feedStep.up);
    EXPECT_EQ(page.feedStep.field.text(), "16%");
    EXPECT_EQ(page.feed.text(), S("0.0812"));
    expectBar(page.speedBar, 302, 348, 325); // the feed leaves the speed alone
    scroll(page.speedBar, 333);
    EXPECT_EQ(page.cuttingSpeed.text(), S("33.3"));
    expectResults(4.3, 2.4, 0, 90, 3);

    // Another coated item starts both raises at 15 % again.
    select(page.coatingList, 2);
    EXPECT_EQ(page.feedStep.field.text(), "15%");
    expectBar(page.speedBar, 299, 345, 322);
    select(page.coatingList, 0);
    expectBar(page.speedBar, 26, 30, 28);
    EXPECT_EQ(page.feed.text(), "0.07");
    EXPECT_FALSE(page.userClick(page.speedStep.up.name())); // hidden
}

TEST_P(CountersinkingPageTest, RaisesStopAtZeroAndThirtyPercent) {
    select(page.coatingList, 1);
    for (const Control* up : All(page.feedStep.up, page.speedStep.up))
        for (int i = 0; i < 15; ++i)
            click(*up);
    const std::string vc = page.cuttingSpeed.text(), f = page.feed.text();
    click(page.feedStep.up);
    click(page.speedStep.up);
    EXPECT_EQ(page.feedStep.field.text(), "30%");
    EXPECT_EQ(page.speedStep.field.text(), "30%");
    EXPECT_EQ(page.cuttingSpeed.text(), vc);
    EXPECT_EQ(page.feed.text(), f);
    for (const Control* down : All(page.feedStep.down, page.speedStep.down))
        for (int i = 0; i < 31; ++i)
            click(*down);
    EXPECT_EQ(page.feedStep.field.text(), "0%");
    EXPECT_EQ(page.speedStep.field.text(), "0%");
    // At 0 % a coated countersink runs at the table values, in tenths.
    EXPECT_EQ(page.feed.text(), S("0.07"));
    expectBar(page.speedBar, 260, 300, 280);
}

TEST_P(CountersinkingPageTest, PreDrillBarFollowsTypeAndSize) {
    struct Case {
        int type, size;
        int min, max, position;
        const char *low, *high;
    };
    // Types 2 and 1 (from size 11 on) have no preset: the bar stands at
    // D - L; type 8 presets its pilot, type 10 its first core hole.
    const Case cases[] = {{2, 0, 25, 104, 79, "2.5", "10.4"},
                          {1, 11, 100, 400, 300, "10", "40"},
                          {0, 17, 42, 310, 175, "4.2", "31"},
                          {8, 4, 17, 43, 22, "1.7", "4.3"},
                          {10, 0, 68, 150, 68, "6.8", "15"}};
    for (const Case& c : cases) {
        select(page.toolList, c.type);
        if (c.size != 0) select(page.sizeList, c.size);
        expectBar(page.preDrillBar, c.min, c.max, c.position);
        EXPECT_EQ(page.preDrill.text(), write(c.position / 10.0)) << c.type;
        EXPECT_EQ(page.preDrillMin.caption, S(c.low)) << c.type;
        EXPECT_EQ(page.preDrillMax.caption, c.high) << c.type;
    }
    // Moving the bar changes the cone's volume, not n or Pe.
    select(page.toolList, 0);
    const std::string n = page.results.spindleSpeed.text(), pe = page.results.power.text();
    scroll(page.preDrillBar, 30);
    EXPECT_EQ(page.preDrill.text(), "3");
    EXPECT_EQ(page.results.spindleSpeed.text(), n);
    EXPECT_EQ(page.results.power.text(), pe);
    expectResults(4.3, 3, 0, 90, 3);
    scroll(page.preDrillBar, 43); // pre-drilled to D: no cone left
    EXPECT_EQ(page.results.removalRate.text(), "0");
}

TEST_P(CountersinkingPageTest, PilotTypesShowTheirPilotAndComputeWithIt) {
    select(page.toolList, 6); // "Kegelsenker 90°  mit Führungszapfen"
    EXPECT_EQ(page.edgesList.items(), std::vector<std::string>{"2"});
    EXPECT_EQ(page.pilotList.items(), std::vector<std::string>{"3.2"});
    EXPECT_TRUE(page.pilotList.visible && page.pilotCaption.visible && page.preDrill.visible);
    EXPECT_FALSE(page.preDrillBar.visible || page.preDrillMin.visible || page.preDrillMax.visible);
    // Pe from D^2 - d^2 = 36 - 10.24
    EXPECT_NEAR(num(page.results.power), 0.15526411858433642, 1e-12);
    expectResults(6, 3.2, 3.2, 90, 2);
    select(page.toolList, 7); // flat: Q over f
    expectResults(6, 3.2, 3.2, 0, 2);

    select(page.toolList, 10);
    EXPECT_EQ(page.pilotList.items(), (std::vector<std::string>{"6.8", "8.4", "9"}));
    expectResults(15, 6.8, 6.8, 0, 3);
    select(page.sizeList, 8); // "40  (M24)": feed from position 8
    EXPECT_EQ(page.feed.text(), "0.12");
    EXPECT_EQ(page.pilotList.text(), "14");
    expectResults(40, 14, 14, 0, 3);

    select(page.toolList, 0);
    EXPECT_FALSE(page.pilotList.visible);
    EXPECT_TRUE(page.preDrillBar.visible);
}

TEST_P(CountersinkingPageTest, MaterialSetsCoolantKcAndRangeAndResetsTheLists) {
    select(page.sizeList, 5);
    select(page.coatingList, 1);
    select(page.materialList, 4); // "Stahl bis 1500 N/mm2"
    EXPECT_EQ(page.coolant.lines, std::vector<std::string>{"Schneidöl"});
    EXPECT_EQ(page.results.kc.text(), "0");
    EXPECT_EQ(page.results.power.text(), "0");
    expectBar(page.speedBar, 2, 5, 3);
    // The material refills the size and coating lists.
    EXPECT_EQ(page.sizeList.index(), 0);
    EXPECT_EQ(page.coatingList.index(), 0);
    EXPECT_FALSE(page.speedStep.field.visible);
    EXPECT_EQ(page.feed.text(), "0.03");
    select(page.materialList, 7); // "Grauguß über 200 HB": force-table row 8
    EXPECT_EQ(page.results.kc.text(), "1140");
    expectResults(4.3, 2.4, 0, 90, 3);
}

INSTANTIATE_TEST_SUITE_P(Separators, CountersinkingPageTest, ::testing::Values(',', '.'));

} // namespace
