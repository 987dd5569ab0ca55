// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reaming/reaming_page.h"

#include "shell/formulas.h"
#include "turning/turning_page.h"
#include "workbench/workbench.h"

#include "page_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zerbo;
using zerbo::testing::PageFixture;

namespace {

class ReamingPageTest : public PageFixture<ReamingPage> {
  protected:
    ReamingPageTest() { page.startUp(); }

    std::string n(double d, double vc) const { return shell.numbers.write(SpindleSpeed(d, vc)); }

    // Chooses a reamer: group button, tool type, cutting material.
    void choose(const char* groupButton, int type, int cuttingMaterial) {
        click(groupButton);
        select("ComboBox16", type);
        if (cuttingMaterial > 0) select("ComboBox17", cuttingMaterial);
    }
};

TEST_P(ReamingPageTest, StartsWithTheHssMachineReamerFilledIn) {
    EXPECT_TRUE(page.hssButton.down());
    EXPECT_EQ(page.materialList.text(), " Stahl bis 500 N/mm2");
    EXPECT_EQ(page.diameterList.text(), "1.5");
    expectBar("ScrollBar8", 100, 120, 110);
    EXPECT_EQ(field("Edit31"), "11");
    EXPECT_EQ(label("Label90"), "10");
    EXPECT_EQ(label("Label91"), "12");
    EXPECT_EQ(field("Edit30"), "0.1");
    EXPECT_EQ(field("Edit51"), "0.1");
    EXPECT_EQ(field("Edit52"), "50%");
    EXPECT_EQ(field("Edit34"), "1550");
    EXPECT_EQ(field("Edit32"), S("2334.27249868113"));
    EXPECT_EQ(field("Edit33"), S("233.427249868113"));
    EXPECT_EQ(field("Edit35"), S("0.0422657424344289"));
    EXPECT_EQ(field("Edit36"), S("0.000068"));
    EXPECT_EQ(page.coolant.lines.size(), 15u);
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(ReamingPageTest, VisibilityFollowsTheReamerAndSetsTheSpeedIncrease) {
    struct Case {
        const char* group;
        int type, cuttingMaterial;
        bool feedBar, speedStepper, allowanceStepper;
        int increase, barMin, barMax;
    };
    const Case cases[] = {
        {"SpeedButton12", 1, 1, true, true, false, 50, 150, 180},  // TiN
        {"SpeedButton12", 0, 0, false, false, false, 0, 100, 120}, // uncoated
        {"SpeedButton12", 2, 0, false, false, false, 0, 100, 120}, // toolmaker's
        {"SpeedButton12", 3, 0, true, false, true, 50, 150, 180},  // peeling
        {"SpeedButton12", 4, 0, true, false, true, 50, 150, 180},
        {"SpeedButton12", 5, 0, false, false, false, 0, 100, 120}, // shell reamer
        {"SpeedButton13", 0, 0, false, false, false, 0, 100, 150},
        {"SpeedButton13", 2, 1, false, false, false, 0, 1000, 2000}, // cermet
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.group) + " type " + std::to_string(c.type));
        choose(c.group, c.type, c.cuttingMaterial);
        for (const char* n : {"ScrollBar13", "Label92", "Label93", "Label94", "Label95", "Label96"})
            EXPECT_EQ(visible(n), c.feedBar) << n;
        for (const char* n : {"SpeedButton33", "SpeedButton34", "Edit52"})
            EXPECT_EQ(visible(n), c.speedStepper) << n;
        for (const char* n : {"Label97", "SpeedButton35", "SpeedButton36", "Edit53"})
            EXPECT_EQ(visible(n), c.allowanceStepper) << n;
        EXPECT_EQ(page.speedIncrease(), c.increase);
        EXPECT_EQ(page.speedBar.min(), c.barMin);
        EXPECT_EQ(page.speedBar.max(), c.barMax);
    }
}

TEST_P(ReamingPageTest, SpeedIncreaseStepsWithinItsBoundsAndRecentresTheBar) {
    choose("SpeedButton12", 0, 1);
    expectBar("ScrollBar8", 150, 180, 160);
    EXPECT_EQ(field("Edit31"), "16");
    EXPECT_EQ(label("Label91"), "18");
    scroll("ScrollBar8", 175);

    click("SpeedButton33"); // at 50 already
    EXPECT_EQ(field("Edit52"), "50%");
    expectBar("ScrollBar8", 150, 180, 175);

    click("SpeedButton34");
    EXPECT_EQ(field("Edit52"), "49%");
    expectBar("ScrollBar8", 150, 180, 160); // 14.9 and 17.88 round to 15 and 18
    EXPECT_EQ(label("Label90"), S("14.9"));
    // Only a point marks the decimals that are cut.
    EXPECT_EQ(label("Label91"), GetParam() == '.' ? "17.8" : "17,88");
    EXPECT_EQ(field("Edit32"), n(1.5, 16));

    click("SpeedButton34", 50); // the last press is at 0
    EXPECT_EQ(field("Edit52"), "0%");
    expectBar("ScrollBar8", 100, 120, 110);

    // The percentage shown stays when another reamer is chosen and back.
    click("SpeedButton33", 10);
    select("ComboBox17", 0);
    select("ComboBox17", 1);
    expectBar("ScrollBar8", 110, 130, 120); // 11 .. 13.2

    // The feed bar raises the table feed until the next reset.
    scroll("ScrollBar13", 20);
    EXPECT_EQ(field("Edit30"), S("0.12"));
    EXPECT_EQ(field("Edit33"), shell.numbers.write(static_cast<long double>(0.12) * SpindleSpeed(1.5, 12)));
    select("ComboBox18", 40); // 5.5 mm
    EXPECT_EQ(page.feedBar.position(), 0);
    EXPECT_EQ(field("Edit30"), "0.13");
}

TEST_P(ReamingPageTest, PeelingReamersRaiseTheAllowanceWithinItsBounds) {
    choose("SpeedButton12", 3, 0);
    EXPECT_EQ(field("Edit53"), "50%");
    EXPECT_EQ(field("Edit51"), S("0.15")); // 0.1 at 2 mm

    select("ComboBox18", 2); // 3 mm: 0.1-0.2
    EXPECT_EQ(field("Edit51"), S("0.15-0.3"));
    // Q and Pe take the upper end.
    const double d = 3;
    const double depth = CountersinkDepth(d - 0.3, d, 45);
    EXPECT_EQ(field("Edit35"), shell.numbers.write(RemovalRate(depth, d, num("Edit33"))));
    EXPECT_EQ(field("Edit36"), S("0.000440"));

    select("ComboBox18", 6); // 5 mm: 0.2
    EXPECT_EQ(field("Edit51"), S("0.3"));
    click("SpeedButton36", 50);
    EXPECT_EQ(field("Edit53"), "100%");
    EXPECT_EQ(field("Edit51"), S("0.4"));
    click("SpeedButton36"); // at 100 already
    EXPECT_EQ(field("Edit53"), "100%");
    click("SpeedButton35", 51);
    EXPECT_EQ(field("Edit53"), "50%");
    EXPECT_EQ(field("Edit51"), S("0.3"));

    // Another type brings its own increase with its diameter list.
    select("ComboBox16", 0);
    EXPECT_EQ(field("Edit53"), "0%");
    EXPECT_EQ(field("Edit51"), "0.1");
}

TEST_P(ReamingPageTest, MaterialBringsItsCoolantKcAndSpeeds) {
    select("ComboBox20", 3);
    EXPECT_EQ(field("Edit34"), "0");
    EXPECT_EQ(field("Edit36"), S("0.000000"));
    select("ComboBox20", 12);
    EXPECT_EQ(page.coolant.lines, (std::vector<std::string>{"Rüböl", "Trocken", "Bohrölemulsion"}));
    expectBar("ScrollBar8", 120, 140, 130);

    choose("SpeedButton13", 0, 0);
    select("ComboBox20", 6);
    EXPECT_EQ(field("Edit34"), "1140");
    EXPECT_EQ(page.coolant.lines, (std::vector<std::string>{"Rüböl", "Trocken"}));

}

// The carbide speeds change at 30 mm, though the diameter is no key of the
// speed table for anything else.
TEST_P(ReamingPageTest, DiameterChangeFollowsTheSpeedRangeButKeepsASpeedInsideIt) {
    choose("SpeedButton13", 1, 0);
    select("ComboBox20", 8);     //  Kupfer
    select("ComboBox18", 15);    // 28 mm
    expectBar("ScrollBar8", 200, 300, 250);
    select("ComboBox18", 16);    // 30 mm
    expectBar("ScrollBar8", 250, 400, 320);
    EXPECT_EQ(label("Label91"), "40");
    EXPECT_EQ(field("Edit32"), n(30, 32));
    select("ComboBox18", 15);
    expectBar("ScrollBar8", 200, 300, 250);

    scroll("ScrollBar8", 212);
    select("ComboBox18", 14);    // 26 mm: same row
    expectBar("ScrollBar8", 200, 300, 212);
    EXPECT_EQ(field("Edit31"), S("21.2"));
    EXPECT_EQ(field("Edit32"), n(26, 21.2));
}

TEST_P(ReamingPageTest, LightMetalsAboveFortyMillimetresGetTheFortyMillimetreFeed) {
    choose("SpeedButton12", 1, 0);
    select("ComboBox20", 13);
    select("ComboBox18", 28); // 42 mm
    EXPECT_EQ(field("Edit30"), "0.4");
    EXPECT_GT(num("Edit33"), 0);
    EXPECT_GT(num("Edit35"), 0);
    // No force-table row for light metals: kc and with it Pe stay 0.
    EXPECT_EQ(field("Edit36"), S("0.000000"));
}

INSTANTIATE_TEST_SUITE_P(Separators, ReamingPageTest, ::testing::Values(',', '.'));

// The shared speed range is written by every page's lookup; the reaming page
// maps its bar from its own.
TEST(ReamingPage, AnotherPagesLookupLeavesTheSpeedBarAlone) {
    MessageRecorder messages;
    HelpRecorder help;
    Workbench bench(messages, help, ',');
    auto& reaming = static_cast<ReamingPage&>(bench.main().page(3));
    ASSERT_TRUE(reaming.userSelect("ComboBox17", 1)); // TiN: 15 .. 18
    bench.main().page(1).userClick("SpeedButton26");  // turning: 120 .. 350
    ASSERT_EQ(bench.shell().state.vcMin, 120);

    ASSERT_TRUE(reaming.userClick("SpeedButton34"));
    EXPECT_EQ(reaming.speedBar.min(), 150);
    EXPECT_EQ(reaming.speedBar.max(), 180);
    EXPECT_EQ(reaming.speedMin.caption, "14,9");
    EXPECT_EQ(reaming.speedMax.caption, "17,88");
}

} // namespace
