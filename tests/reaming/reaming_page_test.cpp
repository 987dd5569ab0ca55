// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reaming/reaming_page.h"

#include "shell/formulas.h"

#include "page_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zerbo;
using zerbo::testing::All;
using zerbo::testing::PageFixture;

namespace {

class ReamingPageTest : public PageFixture<ReamingPage> {
  protected:
    ReamingPageTest() {
        page.assignHints();
        page.startUp();
    }

    std::string n(double d, double vc) const { return shell.numbers.write(SpindleSpeed(d, vc)); }

    // Chooses a reamer: group button, tool type, cutting material.
    void choose(const Button& groupButton, int type, int cuttingMaterial) {
        click(groupButton);
        select(page.toolList, type);
        if (cuttingMaterial > 0) select(page.cuttingMaterialList, cuttingMaterial);
    }
};

TEST_P(ReamingPageTest, StartsWithTheHssMachineReamerFilledIn) {
    expectSnapshot("c3fe7f1f136a1e19", "163118e5f55476c1");
    expectBar(page.speedBar, 100, 120, 110); // tenths of m/min
    EXPECT_EQ(page.cuttingSpeed.text(), "11");
    EXPECT_EQ(page.results.spindleSpeed.text(), n(1.5, 11));
    EXPECT_EQ(page.results.power.text(), S("0.000068")); // two digits, six decimals
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(ReamingPageTest, VisibilityFollowsTheReamerAndSetsTheSpeedIncrease) {
    struct Case {
        const Button& group;
        int type, cuttingMaterial;
        bool feedBar, speedStepper, allowanceStepper;
        int increase, barMin, barMax;
    };
    const Case cases[] = {
        {page.hssButton, 1, 1, true, true, false, 50, 150, 180},  // TiN
        {page.hssButton, 0, 0, false, false, false, 0, 100, 120}, // uncoated
        {page.hssButton, 2, 0, false, false, false, 0, 100, 120}, // toolmaker's
        {page.hssButton, 3, 0, true, false, true, 50, 150, 180},  // peeling
        {page.hssButton, 4, 0, true, false, true, 50, 150, 180},
        {page.hssButton, 5, 0, false, false, false, 0, 100, 120}, // shell reamer
        {page.hmButton, 0, 0, false, false, false, 0, 100, 150},
        {page.hmButton, 2, 1, false, false, false, 0, 1000, 2000}, // cermet
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.group.name() + " type " + std::to_string(c.type));
        choose(c.group, c.type, c.cuttingMaterial);
        for (const Control* n : All(page.feedBar, page.feedMin, page.feedMax, page.feedPercentUnit,
                                    page.feedMinCaption, page.feedMaxCaption))
            EXPECT_EQ(n->visible, c.feedBar) << n->name();
        for (const Control* n : All(page.speedStep.up, page.speedStep.down, page.speedStep.field))
            EXPECT_EQ(n->visible, c.speedStepper) << n->name();
        for (const Control* n : All(page.allowanceIncreaseCaption, page.allowanceStep.down,
                                    page.allowanceStep.up, page.allowanceStep.field))
            EXPECT_EQ(n->visible, c.allowanceStepper) << n->name();
        EXPECT_EQ(page.speedIncrease(), c.increase);
        EXPECT_EQ(page.speedBar.min(), c.barMin);
        EXPECT_EQ(page.speedBar.max(), c.barMax);
    }
}

TEST_P(ReamingPageTest, SpeedIncreaseStepsWithinItsBoundsAndRecentresTheBar) {
    choose(page.hssButton, 0, 1);
    expectBar(page.speedBar, 150, 180, 160);
    EXPECT_EQ(page.cuttingSpeed.text(), "16");
    EXPECT_EQ(page.speedMax.caption, "18");
    scroll(page.speedBar, 175);

    click(page.speedStep.up); // at 50 already
    EXPECT_EQ(page.speedStep.field.text(), "50%");
    expectBar(page.speedBar, 150, 180, 175);

    click(page.speedStep.down);
    EXPECT_EQ(page.speedStep.field.text(), "49%");
    expectBar(page.speedBar, 150, 180, 160); // 14.9 and 17.88 round to 15 and 18
    EXPECT_EQ(page.speedMin.caption, S("14.9"));
    // Only a point marks the decimals that are cut.
    EXPECT_EQ(page.speedMax.caption, GetParam() == '.' ? "17.8" : "17,88");
    EXPECT_EQ(page.results.spindleSpeed.text(), n(1.5, 16));

    click(page.speedStep.down, 50); // the last press is at 0
    EXPECT_EQ(page.speedStep.field.text(), "0%");
    expectBar(page.speedBar, 100, 120, 110);

    // The percentage shown stays when another reamer is chosen and back.
    click(page.speedStep.up, 10);
    select(page.cuttingMaterialList, 0);
    select(page.cuttingMaterialList, 1);
    expectBar(page.speedBar, 110, 130, 120); // 11 .. 13.2

    // The feed bar raises the table feed until the next reset.
    scroll(page.feedBar, 20);
    EXPECT_EQ(page.feed.text(), S("0.12"));
    EXPECT_EQ(page.results.feedRate.text(),
              shell.numbers.write(static_cast<long double>(0.12) * SpindleSpeed(1.5, 12)));
    select(page.diameterList, 40); // 5.5 mm
    EXPECT_EQ(page.feedBar.position(), 0);
    EXPECT_EQ(page.feed.text(), "0.13");
}

TEST_P(ReamingPageTest, PeelingReamersRaiseTheAllowanceWithinItsBounds) {
    choose(page.hssButton, 3, 0);
    EXPECT_EQ(page.allowanceStep.field.text(), "50%");
    EXPECT_EQ(page.allowance.text(), S("0.15")); // 0.1 at 2 mm

    select(page.diameterList, 2); // 3 mm: 0.1-0.2
    EXPECT_EQ(page.allowance.text(), S("0.15-0.3"));
    // Q and Pe take the upper end.
    const double d = 3;
    const double depth = CountersinkDepth(d - 0.3, d, 45);
    EXPECT_EQ(page.results.removalRate.text(),
              shell.numbers.write(RemovalRate(depth, d, num(page.results.feedRate))));
    EXPECT_EQ(page.results.power.text(), S("0.000440"));

    select(page.diameterList, 6); // 5 mm: 0.2
    EXPECT_EQ(page.allowance.text(), S("0.3"));
    click(page.allowanceStep.up, 50);
    EXPECT_EQ(page.allowanceStep.field.text(), "100%");
    EXPECT_EQ(page.allowance.text(), S("0.4"));
    click(page.allowanceStep.up); // at 100 already
    EXPECT_EQ(page.allowanceStep.field.text(), "100%");
    click(page.allowanceStep.down, 51);
    EXPECT_EQ(page.allowanceStep.field.text(), "50%");
    EXPECT_EQ(page.allowance.text(), S("0.3"));

    // Another type brings its own increase with its diameter list.
    select(page.toolList, 0);
    EXPECT_EQ(page.allowanceStep.field.text(), "0%");
    EXPECT_EQ(page.allowance.text(), "0.1");
}

TEST_P(ReamingPageTest, MaterialBringsItsCoolantKcAndSpeeds) {
    select(page.materialList, 3);
    EXPECT_EQ(page.results.kc.text(), "0");
    EXPECT_EQ(page.results.power.text(), S("0.000000"));
    select(page.materialList, 12);
    EXPECT_EQ(page.coolant.lines, (std::vector<std::string>{"Rüböl", "Trocken", "Bohrölemulsion"}));
    expectBar(page.speedBar, 120, 140, 130);

    choose(page.hmButton, 0, 0);
    select(page.materialList, 6);
    EXPECT_EQ(page.results.kc.text(), "1140");
    EXPECT_EQ(page.coolant.lines, (std::vector<std::string>{"Rüböl", "Trocken"}));
}

// The carbide speeds change at 30 mm, though the diameter is no key of the
// speed table for anything else.
TEST_P(ReamingPageTest, DiameterChangeFollowsTheSpeedRangeButKeepsASpeedInsideIt) {
    choose(page.hmButton, 1, 0);
    select(page.materialList, 8);  //  Kupfer
    select(page.diameterList, 15); // 28 mm
    expectBar(page.speedBar, 200, 300, 250);
    select(page.diameterList, 16); // 30 mm
    expectBar(page.speedBar, 250, 400, 320);
    EXPECT_EQ(page.speedMax.caption, "40");
    EXPECT_EQ(page.results.spindleSpeed.text(), n(30, 32));
    select(page.diameterList, 15);
    expectBar(page.speedBar, 200, 300, 250);

    scroll(page.speedBar, 212);
    select(page.diameterList, 14); // 26 mm: same row
    expectBar(page.speedBar, 200, 300, 212);
    EXPECT_EQ(page.cuttingSpeed.text(), S("21.2"));
    EXPECT_EQ(page.results.spindleSpeed.text(), n(26, 21.2));
}

TEST_P(ReamingPageTest, LightMetalsAboveFortyMillimetresGetTheFortyMillimetreFeed) {
    choose(page.hssButton, 1, 0);
    select(page.materialList, 13);
    select(page.diameterList, 28); // 42 mm
    EXPECT_EQ(page.feed.text(), "0.4");
    EXPECT_GT(num(page.results.feedRate), 0);
    EXPECT_GT(num(page.results.removalRate), 0);
    // No force-table row for light metals: kc and with it Pe stay 0.
    EXPECT_EQ(page.results.power.text(), S("0.000000"));
}

INSTANTIATE_TEST_SUITE_P(Separators, ReamingPageTest, ::testing::Values(',', '.'));

} // namespace
